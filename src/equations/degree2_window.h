// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "equations/rules/trinomial.h"
#include "shell/form.h"

#include <array>

class Button;
class Label;
class Line;
class Shape;
class TextBox;

struct Degree2WindowUi {
    Label* Label6;
    TextBox* Text1;
    Label* Label1;
    TextBox* Text2;
    TextBox* Text3;
    Line* Line1;
    Button* Command4;
    Label* Label7;
    TextBox* Text4;
    std::array<Label*, 3> Label8; // (0) f(x0), (1) "RANGE Y", (2) "RANGE X"
    Line* Line2;
    Label* Label9;
    TextBox* Text5;
    Button* Command1;
    Label* Label2;
    Button* Command2;
    Label* Label3;
    Label* Label4;
    Button* Command3;
    Label* Label5;
    Line* Line3;
    Button* Command5;
    Shape* Shape1;
    Line* Line5;
    Line* Line7;
    Line* Line6;
    std::array<Label*, 4> Label10;
    Label* Label11;
    Line* Line10;
    Button* Command6;
    std::array<TextBox*, 4> Text_range;
};

// The trinomial f(x) = a x² + b x + c: solves f(x) = k in three steps (discriminant, solutions,
// factorisation), computes f(x0), shows the table of variation and hands the curve to the plotter.
class Degree2Window : public FormOf<Degree2WindowUi> {
public:
    static constexpr const char* formName = "c_Eq_d2";
    explicit Degree2Window(Program& program);

    void Command1_Click(); // "&Discriminant"
    void Command2_Click(); // "&Solutions"
    void Command3_Click(); // "&Factorisation"
    void Command4_Click(); // "Calculer"
    void Command5_Click(); // "Tableau de variation"
    void Command6_Click(); // "Tracé"
    // Text1 to Text4: any change clears the solver and hides its later steps.
    void CoefficientBox_Change(TextBox* box);

protected:
    FormWindow* buildControls() override;
    void load() override;

private:
    TrinomialBoxes solverBoxes();
    SolverView solverView();
    void showSolverView(const SolverView& view);

    TrinomialMemory m_memory; // texteA, texteB, texteC, texteDelta
};
