// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphs/plot_state.h"
#include "shell/form.h"

// The affine function f(x) = a·x + b: solves f(x) = k, computes f(x0), shows its direction of
// variation and has it drawn in the graph window.
class Degree1Window : public Form, public PlotSource {
public:
    static const ui::WindowDescription description;
    static inline const ui::Ref<TextBox> aBox{"Text1"};
    static inline const ui::Ref<TextBox> bBox{"Text2"};
    static inline const ui::Ref<Button> computeButton{"Command2"};
    static inline const ui::Ref<TextBox> x0Box{"Text4"};
    static inline const ui::Ref<Label> valueLabel{"Label4"}; // f(x0)
    static inline const ui::Ref<Button> solveButton{"Command1"};
    static inline const ui::Ref<TextBox> kBox{"Text3"};
    static inline const ui::Ref<Label> solutionLabel{"Label2"}; // the solution of f(x) = k
    static inline const ui::Ref<Line> variationArrow{"Line9"};
    static inline const ui::Ref<Button> variationButton{"Command3"};
    static inline const ui::Ref<Button> plotButton{"Command4"};
    static inline const ui::Ref<Button> detailButton{"showDetail"};
    // x minimum, x maximum, y minimum, y maximum
    static inline const ui::Array<TextBox> rangeBoxes{"Text_range"};
    // "RANGE X", "RANGE Y"
    static inline const ui::Array<Label> rangeLabels{"Label8"};

    explicit Degree1Window(Program& program)
        : Form(program, description) {}

    void solve();
    void computeValue();
    void showVariation();
    void plotFunction();
    void trimA();
    void trimB();
    void filterK();
    void filterX0();

    graphs::PlotNumbers plotNumbers() override;
    std::string typedSlope() override { return textOf(aBox); }
    Form& plotForm() override { return *this; }
    int plotBuild() const override { return m_builds; }

protected:
    void load() override { ++m_builds; }

private:
    void trimToNumber(const ui::Ref<TextBox>& box);

    // Counts the builds of the controls, so that a plot knows when its boxes are gone.
    int m_builds = 0;
};
