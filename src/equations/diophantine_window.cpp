// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/diophantine_window.h"

#include "equations/rules/diophantine_steps.h"

#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/fit_text.h"

namespace {
using namespace ui;
using W = DiophantineWindow;
namespace diophantine = equations::diophantine;

const FontSpec kEquationFont{.points = 13.5};
const FontSpec kResultFont{.points = 12};

// Columns of the result lines: the prefix, the value (or the coefficient of k, set against its
// multiplier), the multiplier and the particular value.
constexpr int kPrefixLeft = 2520;
constexpr int kValueLeft = 2940;
constexpr int kMultiplierLeft = 3780;
constexpr int kEndLeft = 4320;
constexpr int kLineHeight = 330;

// "x =" or "y =" before a result line, shown with its stage.
ControlRow prefix(const Ref<Label>& label, int top, const char* caption) {
    return {.control = label,
            .caption = caption,
            .rect = {kPrefixLeft, top, 420, kLineHeight},
            .font = kResultFont,
            .visible = false};
}
// A value written by the handlers, empty at first; `said` is how a screen reader says it.
ControlRow value(const Ref<Label>& label, int left, int top, int width, const char* said = "") {
    return {
        .control = label, .rect = {left, top, width, kLineHeight}, .font = kResultFont, .announceAs = said};
}
// The coefficient of k, against its multiplier.
ControlRow coefficientOfK(const Ref<Label>& label, int top) {
    return {.control = label,
            .rect = {kValueLeft, top, 800, kLineHeight},
            .font = kResultFont,
            .alignment = Qt::AlignRight | Qt::AlignTop};
}
// "*k", or "*k +" before a positive particular value, shown with the general lines.
ControlRow multiplier(const Ref<Label>& label, int top) {
    return {.control = label,
            .caption = "*k",
            .rect = {kMultiplierLeft, top, 540, kLineHeight},
            .font = kResultFont,
            .visible = false};
}

ControlRow coefficientBox(const Ref<TextBox>& box, int left, const char* spoken) {
    return {.control = box,
            .rect = {left, 360, 855, 375},
            .accessibleName = spoken,
            .handler = call(&W::restart)};
}

const ControlRow kControls[] = {
    // The equation: [a] x + [b] y = [c]; the box of b stands over the blanks of Label1.
    coefficientBox(W::aBox, 840, "a"),
    {.control = W::equationLabel,
     .caption = "x +              y = ",
     .rect = {1740, 390, 2760, 375},
     .font = kEquationFont},
    coefficientBox(W::bBox, 2250, "b"),
    coefficientBox(W::cBox, 3780, "c"),
    {.control = W::simplifyButton,
     .caption = "Simplifier(éventuellement)",
     .rect = {1800, 1020, 2010, 495},
     .handler = call(&W::simplify)},
    {.control = W::detailButton,
     .caption = "Détail",
     .rect = {4320, 1020, 1035, 495},
     .accessibleName = "Détail du calcul",
     .handler = call(&W::showDetails)},

    // The particular solution, its two lines to the right of the button.
    {.control = W::particularButton,
     .caption = "Solutions particulieres",
     .rect = {240, 1860, 2010, 495},
     .visible = false,
     .handler = call(&W::findParticularSolution)},
    prefix(W::linePrefixes[0], 1740, "x ="),
    value(W::x0Label, kValueLeft, 1740, 1500, "Solution particulière : x = %1"),
    prefix(W::linePrefixes[1], 2160, "y ="),
    value(W::y0Label, kValueLeft, 2160, 1500, "y = %1"),

    // The general solution: x = b *k + x0 and y = -a *k + y0.
    {.control = W::generalButton,
     .caption = "Solution générale",
     .rect = {240, 3300, 2010, 495},
     .visible = false,
     .handler = call(&W::writeGeneralSolution)},
    prefix(W::linePrefixes[3], 3180, "x ="),
    coefficientOfK(W::generalBLabel, 3180),
    multiplier(W::xMultiplierLabel, 3180),
    value(W::generalX0Label, kEndLeft, 3180, 1050),
    prefix(W::linePrefixes[2], 3600, "y ="),
    coefficientOfK(W::minusALabel, 3600),
    multiplier(W::yMultiplierLabel, 3600),
    value(W::generalY0Label, kEndLeft, 3600, 1050),
};

} // namespace

const WindowDescription DiophantineWindow::description{
    .name = "c_Eq_dioph",
    .title = "Eq_dioph",
    .border = FormWindow::Border::FixedSingle,
    .width = 5610,
    .height = 4635,
    .accessibleName = "Équations diophantiennes",
    .mainButton = W::simplifyButton,
    .f1Presses = W::detailButton,
    .controls = kControls,
};

void DiophantineWindow::arrange() {
    placeSentenceAroundBoxes(get(equationLabel), get(bBox), get(cBox));
}

diophantine::Boxes DiophantineWindow::boxes() {
    return {.a = textOf(aBox), .b = textOf(bBox), .c = textOf(cBox)};
}

diophantine::View DiophantineWindow::view() {
    const QWidget* w = &window();
    const auto shown = [&](const auto& ref) { return get(ref).isVisibleTo(w); };
    return {.x0 = textOf(x0Label),
            .y0 = textOf(y0Label),
            .generalB = textOf(generalBLabel),
            .generalX0 = textOf(generalX0Label),
            .minusA = textOf(minusALabel),
            .generalY0 = textOf(generalY0Label),
            .xMultiplier = textOf(xMultiplierLabel),
            .yMultiplier = textOf(yMultiplierLabel),
            .particularShown = shown(particularButton),
            .particularLinesShown = shown(linePrefixes[0]),
            .generalShown = shown(generalButton),
            .generalLinesShown = shown(linePrefixes[3])};
}

void DiophantineWindow::showView(const diophantine::View& v) {
    setTextOf(x0Label, v.x0);
    setTextOf(y0Label, v.y0);
    setTextOf(generalBLabel, v.generalB);
    setTextOf(generalX0Label, v.generalX0);
    setTextOf(minusALabel, v.minusA);
    setTextOf(generalY0Label, v.generalY0);
    setTextOf(xMultiplierLabel, v.xMultiplier);
    setTextOf(yMultiplierLabel, v.yMultiplier);
    get(particularButton).setVisible(v.particularShown);
    for (int i : {0, 1})
        get(linePrefixes[i]).setVisible(v.particularLinesShown);
    get(generalButton).setVisible(v.generalShown);
    for (int i : {3, 2})
        get(linePrefixes[i]).setVisible(v.generalLinesShown);
    get(xMultiplierLabel).setVisible(v.generalLinesShown);
    get(yMultiplierLabel).setVisible(v.generalLinesShown);
}

// Writes a box only when its text changes, so that a change is always an edit of the equation.
void DiophantineWindow::rewrite(const Ref<TextBox>& box, const std::string& text) {
    if (textOf(box) != text)
        setTextOf(box, text);
}

void DiophantineWindow::simplify() {
    diophantine::Boxes b = boxes();
    diophantine::View v = view();
    diophantine::simplify(program().numbers(), b, v);
    // A box whose text changes resets the window through its change handler, as an edit would;
    // the view, already reset by the rules in that case, is shown afterwards.
    rewrite(aBox, b.a);
    rewrite(bBox, b.b);
    rewrite(cBox, b.c);
    showView(v);
    explain(diophantine::solutionSteps(program().numbers(), b));
    announce(QStringLiteral("Équation : %1 x + %2 y = %3").arg(fromUtf8(b.a), fromUtf8(b.b), fromUtf8(b.c)));
}

void DiophantineWindow::findParticularSolution() {
    diophantine::View v = view();
    explain(diophantine::solutionSteps(program().numbers(), boxes()));
    switch (diophantine::particularSolution(program().numbers(), boxes(), v)) {
    case diophantine::Particular::Found:
        showView(v);
        break;
    case diophantine::Particular::NoSolution:
        program().message(fromUtf8(diophantine::kNoSolutionMessage));
        break;
    case diophantine::Particular::EveryPair:
        program().message(fromUtf8(diophantine::kEveryPairMessage));
        break;
    case diophantine::Particular::Nothing:
        break;
    }
}

void DiophantineWindow::writeGeneralSolution() {
    diophantine::View v = view();
    diophantine::generalSolution(program().numbers(), boxes(), v);
    showView(v);
    explain(diophantine::solutionSteps(program().numbers(), boxes()));
    if (v.generalLinesShown)
        announce(QStringLiteral("Solution générale : x = %1 %2 %3, y = %4 %5 %6")
                     .arg(fromUtf8(v.generalB), fromUtf8(v.xMultiplier), fromUtf8(v.generalX0),
                          fromUtf8(v.minusA), fromUtf8(v.yMultiplier), fromUtf8(v.generalY0)));
}

void DiophantineWindow::restart() {
    diophantine::View v = view();
    diophantine::resetOnEdit(v);
    showView(v);
}
