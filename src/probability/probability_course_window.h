// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

// A page of course notes on probability: definitions, properties and a worked example with two urns
// and a probability tree.
class ProbabilityCourseWindow : public Form {
public:
    static const ui::WindowDescription description;
    explicit ProbabilityCourseWindow(Program& program)
        : Form(program, description) {}
};
