// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/degree1_window.h"

#include "equations/rules/affine.h"
#include "equations/rules/affine_steps.h"
#include "graphs/plotter.h"
#include "shell/input_filters.h"
#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/decorations.h"

namespace {
using namespace ui;
using W = Degree1Window;

const FontSpec kLarge{.points = 13.5}; // the rows of the function, of the evaluation and of the solving
const FontSpec kBox{.points = 12};
constexpr int kWidth = 4755;

// The drawing ranges: a label and two boxes a row.
std::vector<ControlRow> rangeRows() {
    std::vector<ControlRow> rows;
    const char* initial[] = {"-5", "10", "-5", "10"};
    for (int row = 0; row < 2; ++row) {
        const int top = 5700 + row * 660;
        rows.push_back({.control = W::rangeLabels[row],
                        .caption = row == 0 ? "RANGE X" : "RANGE Y",
                        .rect = {1560, top + 60, 900, 255},
                        .font = {.bold = true}});
        for (int col = 0; col < 2; ++col) {
            const int i = row * 2 + col;
            rows.push_back({.control = W::rangeBoxes[i],
                            .caption = initial[i],
                            .rect = {2520 + col * 1080, top, 975, 345},
                            .accessibleName = QStringLiteral("%1 %2").arg(row == 0 ? "RANGE X" : "RANGE Y",
                                                                          col == 0 ? "minimum" : "maximum"),
                            .enterPresses = W::plotButton});
        }
    }
    return rows;
}

const std::vector<ControlRow> kControls = [] {
    std::vector<ControlRow> rows = {
        // F :  x -> a x + b
        {.control = label("Label3(0)"),
         .caption = "F :  x ->",
         .rect = {240, 285, 1095, 375},
         .font = kLarge},
        {.control = W::aBox,
         .caption = "1",
         .rect = {1320, 240, 855, 420},
         .font = kBox,
         .accessibleName = "a",
         .handler = call(&W::trimA)},
        {.control = label("Label1"),
         .caption = "x +                 ",
         .rect = {2220, 285, 2415, 375},
         .font = kLarge},
        {.control = W::bBox,
         .caption = "0",
         .rect = {2640, 240, 1215, 420},
         .font = kBox,
         .accessibleName = "b",
         .handler = call(&W::trimB)},
        {.control = line("Line2"), .ends = {0, 780, kWidth, 780}},

        // Calculer  F ( x0 ) =   then f(x0) on the line below
        {.control = W::computeButton,
         .caption = "Calculer",
         .rect = {240, 900, 1095, 450},
         .handler = call(&W::computeValue)},
        {.control = label("Label3(1)"),
         .caption = "F (            ) =",
         .rect = {1560, 945, 1935, 375},
         .font = kLarge},
        {.control = W::x0Box,
         .caption = "0",
         .rect = {1920, 915, 840, 420},
         .font = kBox,
         .accessibleName = "x0",
         .enterPresses = W::computeButton,
         .handler = call(&W::filterX0)},
        {.control = W::valueLabel,
         .rect = {600, 1380, 4035, 375},
         .font = kLarge,
         .announceAs = "F(x0) = %1"},

        // Résoudre  F ( x ) = k   then the solution on the line below
        {.control = W::solveButton,
         .caption = "Résoudre",
         .rect = {240, 1845, 1095, 450},
         .handler = call(&W::solve)},
        {.control = label("Label3(2)"),
         .caption = "F ( x ) =",
         .rect = {1560, 1890, 1095, 375},
         .font = kLarge},
        {.control = W::kBox,
         .caption = "0",
         .rect = {2640, 1860, 1215, 420},
         .font = kBox,
         .accessibleName = "k",
         .handler = call(&W::filterK)},
        {.control = W::solutionLabel,
         .rect = {600, 2325, 4035, 375},
         .font = kLarge,
         .announceAs = "Solution : %1"},
        {.control = line("Line1"), .ends = {0, 2790, kWidth, 2790}},

        // The table of variation; the arrow lies on the row separator until it is placed.
        {.control = line("Line3"), .ends = {360, 3000, 3840, 3000}},
        {.control = line("Line5"), .ends = {360, 4440, 3840, 4440}},
        {.control = line("Line7"), .ends = {360, 3000, 360, 4440}},
        {.control = line("Line8"), .ends = {3840, 3000, 3840, 4440}},
        {.control = line("Line4"), .ends = {360, 3360, 3840, 3360}},
        {.control = line("Line6"), .ends = {840, 3000, 840, 4440}},
        {.control = label("Label5"), .caption = "x", .rect = {480, 3120, 255, 255}},
        {.control = label("Label6"),
         .caption = "   -oo                                                  +oo",
         .rect = {840, 3120, 3015, 255}},
        {.control = label("Label7"), .caption = "F", .rect = {480, 3720, 255, 255}},
        {.control = W::variationArrow, .ends = {1200, 3360, 3600, 3360}},
        {.control = W::variationButton,
         .caption = "Tableau de variation",
         .rect = {1080, 4620, 2595, 450},
         .handler = call(&W::showVariation)},
        {.control = W::detailButton,
         .caption = "Détail",
         .rect = {3840, 4620, 795, 450},
         .accessibleName = "Détail du calcul",
         .handler = call(&W::showDetails)},
        {.control = line("Line10"), .ends = {0, 5340, kWidth, 5340}},

        // Tracé, with the ranges of the drawing
        {.control = W::plotButton,
         .caption = "Tracé",
         .rect = {240, 5700, 1095, 1005},
         .handler = call(&W::plotFunction)},
    };
    for (ControlRow& row : rangeRows())
        rows.push_back(std::move(row));
    return rows;
}();

} // namespace

const WindowDescription Degree1Window::description{
    .name = "c_Eq_d1",
    .title = "Eq_d1",
    .border = FormWindow::Border::FixedSingle,
    .width = kWidth,
    .height = 7305,
    .backColor = colours::skyBlue,
    .centred = true,
    .accessibleName = "Équations du premier degré",
    .mainButton = W::solveButton,
    .f1Presses = W::detailButton,
    .controls = kControls,
};

graphs::PlotNumbers Degree1Window::plotNumbers() {
    return {.kind = 1,
            .xmin = numberIn(rangeBoxes[0]),
            .xmax = numberIn(rangeBoxes[1]),
            .ymin = numberIn(rangeBoxes[2]),
            .ymax = numberIn(rangeBoxes[3]),
            .a = numberIn(aBox),
            .b = numberIn(bBox)};
}

void Degree1Window::solve() {
    const NumberFormat& f = program().numbers();
    const std::string a = textOf(aBox), b = textOf(bBox), k = textOf(kBox);
    if (const auto x = equations::affine::solve(f, a, b, k))
        setTextOf(solutionLabel, "x = " + *x);
    explain(equations::affine::solveSteps(f, a, b, k));
}

void Degree1Window::computeValue() {
    const NumberFormat& f = program().numbers();
    const std::string a = textOf(aBox), b = textOf(bBox), x0 = textOf(x0Box);
    if (const auto y = equations::affine::valueAt(f, a, b, x0))
        setTextOf(valueLabel, *y);
    explain(equations::affine::valueSteps(f, a, b, x0));
}

void Degree1Window::showVariation() {
    const std::string typed = textOf(aBox);
    if (typed.empty())
        return;
    const auto a = program().numbers().toDouble(typed);
    if (!a)
        return;
    const equations::affine::Arrow arrow = equations::affine::arrowFor(*a);
    get(variationArrow).setEnds(arrow.x1, arrow.y1, arrow.x2, arrow.y2);
    // The arrow is a drawing: screen readers hear what it shows, and find it on the button.
    const QString said = arrow == equations::affine::kRisingArrow ? QStringLiteral("F croissante")
                                                                  : QStringLiteral("F décroissante");
    get(variationButton).setAccessibleDescription(said);
    announce(said);
    explain(equations::affine::variationSteps(program().numbers(), typed));
}

void Degree1Window::plotFunction() {
    plot(program(), *this);
}

// A coefficient box keeps only the longest beginning of its text that is a number. The shortened
// text is set once: the change that follows finds a number, or an empty box, and stops there.
void Degree1Window::trimToNumber(const Ref<TextBox>& box) {
    const std::string text = textOf(box);
    if (text.empty() || program().numbers().toDouble(text))
        return;
    setTextOf(box, equations::affine::longestNumberPrefix(program().numbers(), text));
}

void Degree1Window::trimA() {
    trimToNumber(aBox);
}

void Degree1Window::trimB() {
    trimToNumber(bBox);
}

void Degree1Window::filterK() {
    boxFilters::apply(*this, kBox, boxFilters::signedNumbers);
}

void Degree1Window::filterX0() {
    boxFilters::apply(*this, x0Box, boxFilters::signedNumbers);
}
