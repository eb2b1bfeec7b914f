// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

// Draws random numbers between 0 and a bound, real or whole, and keeps a history of the draws.
class RandomNumbersWindow : public Form {
public:
    static const ui::WindowDescription description;
    explicit RandomNumbersWindow(Program& program)
        : Form(program, description) {}

    void Combo1_Change();  // an edit of the mode
    void Text1_Change();   // the bound
    void Command1_Click(); // "Chercher": one draw

protected:
    void load() override;
};
