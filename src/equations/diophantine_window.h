// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "equations/rules/diophantine.h"
#include "shell/form.h"

// The equation a·x + b·y = c in whole numbers, in three stages: simplify it by a common divisor
// of a and b, find one solution (x0, y0), then write every solution as x = b·k + x0, y = −a·k + y0.
class DiophantineWindow : public Form {
public:
    static const ui::WindowDescription description;
    explicit DiophantineWindow(Program& program)
        : Form(program, description) {}

    void Command3_Click(); // "Simplifier(éventuellement)"
    void Command1_Click(); // "Solutions particulieres"
    void Command2_Click(); // "Solution générale"
    // Text1 to Text3: any change of the equation sends the window back to its first stage.
    void CoefficientBox_Change();

protected:
    void arrange() override;

private:
    diophantine::Boxes boxes();
    diophantine::View view();
    void showView(const diophantine::View& view);
};
