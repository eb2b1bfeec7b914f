// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

// The course page of the equation tools: affine functions, trinomials and diophantine equations.
class EquationsCourseWindow : public Form {
public:
    static const ui::WindowDescription description;
    explicit EquationsCourseWindow(Program& program)
        : Form(program, description) {}
};
