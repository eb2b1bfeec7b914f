// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

// The introduction to the reference functions: two short paragraphs, and OK, which opens the
// exercise.
class IntroductionWindow : public Form {
public:
    static const ui::WindowDescription description;
    explicit IntroductionWindow(Program& program)
        : Form(program, description) {}

    void Command1_Click(); // "OK"

protected:
    void load() override;
};
