// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "equations/rules/trinomial.h"
#include "graphs/plot_state.h"
#include "shell/form.h"

// The trinomial f(x) = a x² + b x + c: solves f(x) = k in three steps (discriminant, solutions,
// factorisation), computes f(x0), shows the table of variation and hands the curve to the plotter.
class Degree2Window : public Form, public PlotSource {
public:
    static const ui::WindowDescription description;
    explicit Degree2Window(Program& program)
        : Form(program, description) {}

    void Command1_Click(); // "&Discriminant"
    void Command2_Click(); // "&Solutions"
    void Command3_Click(); // "&Factorisation"
    void Command4_Click(); // "Calculer"
    void Command5_Click(); // "Tableau de variation"
    void Command6_Click(); // "Tracé"
    // Text1 to Text4: any change clears the solver and hides its later steps.
    void CoefficientBox_Change(int box);

    std::int16_t plotKind() const override { return 2; }
    PlotBoxes plotBoxes() override;
    Form& plotForm() override { return *this; }

protected:
    void load() override;

private:
    TrinomialBoxes solverBoxes();
    SolverView solverView();
    void showSolverView(const SolverView& view);

    TrinomialMemory m_memory; // texteA, texteB, texteC, texteDelta
};
