// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

// Computes a factorial on its left half and a number of combinations of k among n on its right half.
class CombinationsWindow : public Form {
public:
    static const ui::WindowDescription description;
    explicit CombinationsWindow(Program& program)
        : Form(program, description) {}

    void Command1_Click(); // "Explications" of the factorials
    void Command2_Click(); // "Calculer" the factorial
    void Command3_Click(); // "Explications" of the combinations
    void Command4_Click(); // "?": how to fill the two boxes
    void Command5_Click(); // "Calculer" the combinations
    void Text1_Change();
};
