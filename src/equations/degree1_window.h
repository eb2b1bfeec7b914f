// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

#include <array>

class Button;
class Label;
class Line;
class TextBox;

struct Degree1WindowUi {
    std::array<Label*, 3> Label3; // "F :  x ->", "F (  ) =", "F ( x ) ="
    TextBox* Text1;               // a
    Label* Label1;
    TextBox* Text2; // b
    Button* Command2;
    TextBox* Text4; // x0
    Label* Label4;  // f(x0)
    Button* Command1;
    TextBox* Text3; // k
    Label* Label2;  // solution of f(x) = k
    Line* Line9;    // the arrow of the table of variation
    Button* Command3;
    Button* Command4;
    std::array<Label*, 2> Label8;
    std::array<TextBox*, 4> Text_range; // x minimum, x maximum, y minimum, y maximum
};

// The affine function f(x) = a·x + b: solves f(x) = k, computes f(x0), shows its direction of
// variation and has it drawn in the graph window.
class Degree1Window : public FormOf<Degree1WindowUi> {
public:
    static constexpr const char* formName = "c_Eq_d1";
    explicit Degree1Window(Program& program);

    void Command1_Click(); // "Résoudre"
    void Command2_Click(); // "Calculer"
    void Command3_Click(); // "Tableau de variation"
    void Command4_Click(); // "Tracé"
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void Text4_Change();

protected:
    FormWindow* buildControls() override;

private:
    void trimToNumber(TextBox* box);
};
