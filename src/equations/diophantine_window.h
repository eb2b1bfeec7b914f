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
    static inline const ui::Ref<TextBox> aBox{"Text1"};
    static inline const ui::Ref<Label> equationLabel{"Label1"}; // "x +   …   y = " around the box of b
    static inline const ui::Ref<TextBox> bBox{"Text2"};
    static inline const ui::Ref<TextBox> cBox{"Text3"};
    static inline const ui::Ref<Button> simplifyButton{"Command3"};
    static inline const ui::Ref<Button> particularButton{"Command1"};
    static inline const ui::Ref<Button> generalButton{"Command2"};
    static inline const ui::Ref<Button> detailButton{"showDetail"};
    // (0) "x =" and (1) "y =" of the particular solution, (3) "x =" and (2) "y =" of the general one
    static inline const ui::Array<Label> linePrefixes{"Label4"};
    static inline const ui::Ref<Label> x0Label{"Label2"};
    static inline const ui::Ref<Label> y0Label{"Label3"};
    static inline const ui::Ref<Label> generalBLabel{"Label5"};    // b in the general x line
    static inline const ui::Ref<Label> xMultiplierLabel{"Label7"}; // "*k" or "*k +" in the general x line
    static inline const ui::Ref<Label> generalX0Label{"Label9"};   // x0 in the general x line
    static inline const ui::Ref<Label> minusALabel{"Label6"};      // −a in the general y line
    static inline const ui::Ref<Label> yMultiplierLabel{"Label8"}; // "*k" or "*k +" in the general y line
    static inline const ui::Ref<Label> generalY0Label{"Label10"};  // y0 in the general y line

    explicit DiophantineWindow(Program& program)
        : Form(program, description) {}

    void simplify();
    void findParticularSolution();
    void writeGeneralSolution();
    // a, b or c changed: the window goes back to its first stage.
    void restart();

protected:
    void arrange() override;

private:
    equations::diophantine::Boxes boxes();
    equations::diophantine::View view();
    void showView(const equations::diophantine::View& view);
    void rewrite(const ui::Ref<TextBox>& box, const std::string& text);
};
