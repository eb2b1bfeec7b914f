// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

// The course page on prime numbers: definitions, properties and two proofs, in two columns.
class PrimeCourseWindow : public Form {
public:
    static const ui::WindowDescription description;
    explicit PrimeCourseWindow(Program& program)
        : Form(program, description) {}
};
