// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/degree2_window.h"

#include "equations/rules/trinomial_steps.h"
#include "graphs/plotter.h"
#include "shell/input_filters.h"
#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/decorations.h"

namespace {
using namespace ui;
using W = Degree2Window;
namespace trinomial = equations::trinomial;

constexpr int kClientWidth = 7560;
constexpr int kClientHeight = 8595;

const FontSpec kFrameFont{.points = 13.5}; // the texts framing the boxes, and f(x0)
const FontSpec kResultFont{.points = 12};  // the solver's results
const FontSpec kBoxFont{.points = 12};     // the boxes of the function, evaluation and solving rows
const FontSpec kBoldFont{.points = 12, .bold = true};

// The coefficient boxes in the order the change handler numbers them.
const Ref<TextBox>* const kCoefficientBoxes[] = {&W::aBox, &W::bBox, &W::cBox, &W::x0Box};

// Moves a line one end coordinate at a time, as the table of variation draws its arrows.
void placeLine(Line& line, int x1, int y1, int x2, int y2) {
    line.setX1(x1);
    line.setX2(x2);
    line.setY1(y1);
    line.setY2(y2);
}

ControlRow coefficientBox(const Ref<TextBox>& box, int index, const char* initial, const twips::Rect& r,
                          const char* spoken, const Ref<Button>& enterPresses = {}) {
    return {.control = box,
            .caption = initial,
            .rect = r,
            .font = kBoxFont,
            .accessibleName = spoken,
            .enterPresses = enterPresses,
            .handler = call(&W::restartSolver, index)};
}

const std::vector<ControlRow> kControls = [] {
    std::vector<ControlRow> rows = {
        // The function row: F: x-> [a] x² + [b] x  + [c]; the boxes of b and c stand over the
        // blanks of Label1 and after its last "+".
        {.control = label("Label6"), .caption = "F: x->", .rect = {120, 195, 840, 375}, .font = kFrameFont},
        coefficientBox(W::aBox, 0, "1", {960, 150, 1095, 405}, "a"),
        {.control = label("Label1"),
         .caption = "x² +                  x  + ",
         .rect = {2100, 210, 2400, 330},
         .font = kBoldFont},
        coefficientBox(W::bBox, 1, "0", {2625, 150, 1020, 405}, "b"),
        coefficientBox(W::cBox, 2, "0", {4260, 150, 1095, 405}, "c"),
        {.control = W::firstArrow, .ends = {kClientWidth, 720, 0, 720}},

        // The evaluation row: Calculer   F( [x0] )= f(x0)
        {.control = W::computeButton,
         .caption = "Calculer",
         .rect = {120, 840, 1215, 495},
         .handler = call(&W::computeValue)},
        {.control = label("Label7"),
         .caption = "F(             )=",
         .rect = {1560, 900, 1560, 375},
         .font = kFrameFont},
        coefficientBox(W::x0Box, 3, "0", {1845, 870, 915, 405}, "x0", W::computeButton),
        {.control = W::valueAndRangeLabels[0],
         .rect = {3240, 900, 4200, 375},
         .font = kFrameFont,
         .announceAs = "F(x0) = %1"},
        {.control = W::secondArrow, .ends = {kClientWidth, 1440, 0, 1440}},

        // The solver: Résoudre f(x)= [k], then one button per step with its result beside it.
        {.control = label("Label9"),
         .caption = "Résoudre f(x)=",
         .rect = {120, 1590, 1920, 375},
         .font = kFrameFont},
        {.control = W::kBox,
         .caption = "0",
         .rect = {2040, 1560, 1095, 405},
         .font = kBoxFont,
         .accessibleName = "k"},
        {.control = W::detailButton,
         .caption = "Détail",
         .rect = {6240, 1530, 1200, 465},
         .accessibleName = "Détail du calcul",
         .handler = call(&W::showDetails)},
        {.control = W::discriminantButton,
         .caption = "&Discriminant",
         .rect = {120, 2160, 1695, 495},
         .handler = call(&W::computeDiscriminant)},
        {.control = W::discriminantLabel,
         .rect = {2040, 2250, 5400, 330},
         .font = kResultFont,
         .announceAs = "Discriminant : %1"},
        {.control = W::solutionsButton,
         .caption = "&Solutions",
         .rect = {120, 2760, 1695, 495},
         .handler = call(&W::computeSolutions)},
        {.control = W::firstSolutionLabel,
         .rect = {2040, 2850, 2640, 330},
         .font = kResultFont,
         .announceAs = "Première solution : %1"},
        {.control = W::secondSolutionLabel,
         .rect = {4800, 2850, 2640, 330},
         .font = kResultFont,
         .announceAs = "Deuxième solution : %1"},
        {.control = W::factoriseButton,
         .caption = "&Factorisation",
         .rect = {120, 3360, 1695, 495},
         .handler = call(&W::factorise)},
        {.control = W::factorisationLabel,
         .rect = {2040, 3390, 5175, 600},
         .font = kResultFont,
         .wordWrap = true,
         .announceAs = "Forme factorisée : %1"},
        {.control = line("Line3"), .ends = {kClientWidth, 4080, 0, 4080}},

        // The table of variation. Line1 and Line2 become its arrows once it has been drawn.
        {.control = W::variationButton,
         .caption = "Tableau de variation",
         .rect = {120, 4920, 1575, 735},
         .handler = call(&W::showVariation)},
        {.control = shape("Shape1"), .rect = {1920, 4200, 4815, 2175}},
        {.control = line("Line5"), .ends = {1920, 4680, 6720, 4680}},
        {.control = line("Line7"), .ends = {2520, 4200, 2520, 6360}},
        {.control = line("Line6"), .ends = {1920, 6360, 6720, 6360}},
        {.control = label("Label10(0)"), .caption = "x", .rect = {2040, 4320, 375, 330}, .font = kBoxFont},
        {.control = label("Label10(1)"), .caption = "F", .rect = {2160, 5280, 375, 330}, .font = kBoxFont},
        {.control = label("Label10(3)"), .caption = "-oo", .rect = {2640, 4320, 615, 330}, .font = kBoxFont},
        {.control = label("Label10(2)"), .caption = "+oo", .rect = {6240, 4320, 480, 330}, .font = kBoxFont},
        // Wide enough for a vertex written with all its digits, short of "+oo".
        {.control = W::vertexLabel, .rect = {4320, 4320, 1875, 255}, .announceAs = "Sommet en x = %1"},
        {.control = line("Line10"), .ends = {kClientWidth, 6720, 0, 6720}},

        // The drawing row.
        {.control = W::plotButton,
         .caption = "Tracé",
         .rect = {120, 7200, 1455, 735},
         .handler = call(&W::plotFunction)},
        {.control = W::valueAndRangeLabels[2],
         .caption = "RANGE X",
         .rect = {1920, 7020, 1215, 330},
         .font = kBoldFont},
        {.control = W::valueAndRangeLabels[1],
         .caption = "RANGE Y",
         .rect = {1920, 7740, 1215, 330},
         .font = kBoldFont},
    };
    const char* const initial[4] = {"-5", "10", "-5", "10"};
    const char* const spoken[4] = {"RANGE X minimum", "RANGE X maximum", "RANGE Y minimum",
                                   "RANGE Y maximum"};
    for (int i = 0; i < 4; ++i)
        rows.push_back({.control = W::rangeBoxes[i],
                        .caption = initial[i],
                        .rect = {3240 + (i % 2) * 1320, 6990 + (i / 2) * 720, 1095, 375},
                        .font = {.points = 9.75},
                        .accessibleName = spoken[i],
                        .enterPresses = W::plotButton});
    return rows;
}();

} // namespace

const WindowDescription Degree2Window::description{
    .name = "c_Eq_d2",
    .title = "Eq_d2",
    .border = FormWindow::Border::FixedSingle,
    .width = kClientWidth,
    .height = kClientHeight,
    .backColor = colours::skyBlue,
    .centred = true,
    .accessibleName = "Équations du second degré",
    .mainButton = W::discriminantButton,
    .f1Presses = W::detailButton,
    .controls = kControls,
};

graphs::PlotNumbers Degree2Window::plotNumbers() {
    return {.kind = 2,
            .xmin = numberIn(rangeBoxes[0]),
            .xmax = numberIn(rangeBoxes[1]),
            .ymin = numberIn(rangeBoxes[2]),
            .ymax = numberIn(rangeBoxes[3]),
            .a = numberIn(aBox),
            .b = numberIn(bBox),
            .c = numberIn(cBox)};
}

void Degree2Window::load() {
    ++m_builds;
    get(solutionsButton).setVisible(false);
    get(factoriseButton).setVisible(false);
}

trinomial::Boxes Degree2Window::solverBoxes() {
    return {.a = textOf(aBox), .b = textOf(bBox), .c = textOf(cBox), .k = textOf(kBox)};
}

trinomial::View Degree2Window::solverView() {
    const QWidget* w = &window();
    return {.discriminant = textOf(discriminantLabel),
            .first = textOf(firstSolutionLabel),
            .second = textOf(secondSolutionLabel),
            .factorisation = textOf(factorisationLabel),
            .solutionsShown = get(solutionsButton).isVisibleTo(w),
            .factorisationShown = get(factoriseButton).isVisibleTo(w),
            .secondShown = get(secondSolutionLabel).isVisibleTo(w)};
}

void Degree2Window::showSolverView(const trinomial::View& view) {
    setTextOf(discriminantLabel, view.discriminant);
    setTextOf(firstSolutionLabel, view.first);
    setTextOf(secondSolutionLabel, view.second);
    setTextOf(factorisationLabel, view.factorisation);
    get(solutionsButton).setVisible(view.solutionsShown);
    get(factoriseButton).setVisible(view.factorisationShown);
    get(secondSolutionLabel).setVisible(view.secondShown);
}

void Degree2Window::computeDiscriminant() {
    trinomial::View view = solverView();
    trinomial::discriminant(program().numbers(), solverBoxes(), m_memory, view);
    showSolverView(view);
    explainSolver();
}

void Degree2Window::computeSolutions() {
    trinomial::View view = solverView();
    trinomial::solutions(program().numbers(), solverBoxes(), m_memory, view);
    showSolverView(view);
    explainSolver();
}

void Degree2Window::factorise() {
    trinomial::View view = solverView();
    trinomial::factorise(program().numbers(), textOf(aBox), view);
    showSolverView(view);
    explainSolver();
}

// The three steps share one reasoning, from the equation as the boxes hold it.
void Degree2Window::explainSolver() {
    const trinomial::Boxes b = solverBoxes();
    maths::Steps steps = trinomial::solverSteps(program().numbers(), b.a, b.b, b.c, b.k);
    // The vertex and the canonical form complete the study of the trinomial.
    for (maths::Line& line : trinomial::variationSteps(program().numbers(), b.a, b.b, b.c))
        if (!steps.empty() && line.kind != maths::Line::Kind::Heading)
            steps.push_back(std::move(line));
        else if (!steps.empty())
            steps.push_back(maths::heading("Forme canonique"));
    explain(std::move(steps));
}

void Degree2Window::computeValue() {
    const NumberFormat& f = program().numbers();
    const std::string a = textOf(aBox), b = textOf(bBox), c = textOf(cBox), x0 = textOf(x0Box);
    if (const auto value = trinomial::valueAt(f, a, b, c, x0))
        setTextOf(valueAndRangeLabels[0], *value);
    explain(trinomial::valueSteps(f, a, b, c, x0));
}

// The arrows are a drawing: screen readers hear what they show, and find it on the button.
void Degree2Window::describeVariation(const QString& said) {
    get(variationButton).setAccessibleDescription(said);
    announce(said);
}

void Degree2Window::showVariation() {
    const trinomial::Variation v =
        trinomial::variationOf(program().numbers(), textOf(aBox), textOf(bBox), textOf(cBox));
    if (v.arrows == trinomial::Variation::Arrows::DownThenUp) {
        placeLine(get(firstArrow), 2640, 4800, 4320, 6240);
        placeLine(get(secondArrow), 4560, 6240, 6480, 4800);
        describeVariation(QStringLiteral("F décroissante puis croissante"));
    } else if (v.arrows == trinomial::Variation::Arrows::UpThenDown) {
        placeLine(get(firstArrow), 2640, 6240, 4320, 4800);
        placeLine(get(secondArrow), 4560, 4800, 6480, 6240);
        describeVariation(QStringLiteral("F croissante puis décroissante"));
    }
    if (v.vertex)
        setTextOf(vertexLabel, *v.vertex);
    explain(trinomial::variationSteps(program().numbers(), textOf(aBox), textOf(bBox), textOf(cBox)));
}

void Degree2Window::plotFunction() {
    plot(program(), *this);
}

void Degree2Window::restartSolver(int box) {
    for (const Ref<Label>* l :
         {&discriminantLabel, &firstSolutionLabel, &secondSolutionLabel, &factorisationLabel})
        setTextOf(*l, {});
    get(secondSolutionLabel).setVisible(true);
    get(solutionsButton).setVisible(false);
    get(factoriseButton).setVisible(false);
    boxFilters::apply(*this, *kCoefficientBoxes[box], boxFilters::signedNumbers);
}
