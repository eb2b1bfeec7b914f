// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

class Button;
class Label;
class TextBox;

struct PrimeCheckWindowUi {
    Label* Label4;
    Label* Label2;
    TextBox* Text1;
    Button* Command1;
    Label* Label1;
    Button* Command2;
    Label* Label3;
};

// Says whether a number is prime, and writes a composite one as a product of two factors.
class PrimeCheckWindow : public FormOf<PrimeCheckWindowUi> {
public:
    static constexpr const char* formName = "b_Prem_verif";
    explicit PrimeCheckWindow(Program& program);

    void Command1_Click();
    void Command2_Click();
    void Text1_Change();

protected:
    FormWindow* buildControls() override;
};
