// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

// The sieve of Eratosthenes exercise: a grid of the numbers 1 to 250, a column of buttons that
// remove multiples by colouring their cells, and three questions with their model answers.
class SieveWindow : public Form {
public:
    static const ui::WindowDescription description;
    explicit SieveWindow(Program& program)
        : Form(program, description) {}

    // A button of the column (Command1 to Command18), given the number it stands for.
    void removeMultiples(int number);
    void Command19_Click(); // "Correction"

protected:
    void load() override;
};
