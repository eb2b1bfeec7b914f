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
    static inline const ui::Ref<TextBox> aBox{"Text1"};
    static inline const ui::Ref<TextBox> bBox{"Text2"};
    static inline const ui::Ref<TextBox> cBox{"Text3"};
    // The function row's rule, then the first arrow of the table of variation.
    static inline const ui::Ref<Line> firstArrow{"Line1"};
    static inline const ui::Ref<Button> computeButton{"Command4"};
    static inline const ui::Ref<TextBox> x0Box{"Text4"};
    // (0) f(x0), (1) "RANGE Y", (2) "RANGE X"
    static inline const ui::Array<Label> valueAndRangeLabels{"Label8"};
    // The evaluation row's rule, then the second arrow of the table of variation.
    static inline const ui::Ref<Line> secondArrow{"Line2"};
    static inline const ui::Ref<TextBox> kBox{"Text5"};
    static inline const ui::Ref<Button> discriminantButton{"Command1"};
    static inline const ui::Ref<Label> discriminantLabel{"Label2"};
    static inline const ui::Ref<Button> solutionsButton{"Command2"};
    static inline const ui::Ref<Label> firstSolutionLabel{"Label3"};
    static inline const ui::Ref<Label> secondSolutionLabel{"Label4"};
    static inline const ui::Ref<Button> factoriseButton{"Command3"};
    static inline const ui::Ref<Label> factorisationLabel{"Label5"};
    static inline const ui::Ref<Button> variationButton{"Command5"};
    static inline const ui::Ref<Label> vertexLabel{"Label11"}; // the vertex's abscissa
    static inline const ui::Ref<Button> plotButton{"Command6"};
    static inline const ui::Ref<Button> detailButton{"showDetail"};
    // x minimum, x maximum, y minimum, y maximum
    static inline const ui::Array<TextBox> rangeBoxes{"Text_range"};

    explicit Degree2Window(Program& program)
        : Form(program, description) {}

    void computeDiscriminant();
    void computeSolutions();
    void factorise();
    void computeValue();
    void showVariation();
    void plotFunction();
    // a, b, c and x0 (0 to 3): any change clears the solver and hides its later steps, then filters
    // the box.
    void restartSolver(int box);

    graphs::PlotNumbers plotNumbers() override;
    std::string typedSlope() override { return textOf(aBox); }
    Form& plotForm() override { return *this; }
    int plotBuild() const override { return m_builds; }

protected:
    void load() override;

private:
    equations::trinomial::Boxes solverBoxes();
    equations::trinomial::View solverView();
    void showSolverView(const equations::trinomial::View& view);
    void describeVariation(const QString& said);
    void explainSolver();

    equations::trinomial::Memory m_memory;
    // Counts the builds of the controls, so that a plot knows when its boxes are gone.
    int m_builds = 0;
};
