// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

// Says whether a number is prime, and writes a composite one as a product of two factors.
class PrimeCheckWindow : public Form {
public:
    static const ui::WindowDescription description;
    explicit PrimeCheckWindow(Program& program)
        : Form(program, description) {}

    void Command1_Click(); // "Vérifier"
    void Command2_Click(); // "Décomposition"
    void Text1_Change();
};
