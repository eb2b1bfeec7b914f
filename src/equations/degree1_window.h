// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphs/plot_state.h"
#include "shell/form.h"

namespace ui {
class TextBox;
} // namespace ui

// The affine function f(x) = a·x + b: solves f(x) = k, computes f(x0), shows its direction of
// variation and has it drawn in the graph window.
class Degree1Window : public Form, public PlotSource {
public:
    static const ui::WindowDescription description;
    explicit Degree1Window(Program& program)
        : Form(program, description) {}

    void Command1_Click(); // "Résoudre"
    void Command2_Click(); // "Calculer"
    void Command3_Click(); // "Tableau de variation"
    void Command4_Click(); // "Tracé"
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void Text4_Change();

    std::int16_t plotKind() const override { return 1; }
    PlotBoxes plotBoxes() override;
    Form& plotForm() override { return *this; }

private:
    void trimToNumber(ui::TextBox& box);
};
