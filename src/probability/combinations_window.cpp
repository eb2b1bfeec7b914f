// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/combinations_window.h"

#include "probability/rules/combinations.h"
#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

namespace {
using namespace ui;
using namespace probability;
using W = CombinationsWindow;

const FontSpec kHeading{.points = 13.5};
const FontSpec kLarge{.points = 12};
const QColor kLightCyan = colors::rgb(192, 255, 255);
const QColor kLightGreen = colors::rgb(128, 255, 128);
// Results are written in the colour of highlighted text.
const Colour kResultColour = Colour::system(QPalette::HighlightedText);
constexpr int kWidth = 7605;
constexpr int kHeight = 5205;
constexpr int kMiddle = 3795;

// The binomial notation: n above k between two tall parentheses, the "?" centred under the boxes.
constexpr int kBoxLeft = 5160;
constexpr int kBoxWidth = 1095;
constexpr int kBoxTop = 2040;
constexpr int kBoxHeight = 255;
constexpr int kHelpSide = 375;

const ControlRow kControls[] = {
    {.control = line("Line1"),
     .ends = {kMiddle, 0, kMiddle, kHeight},
     .foreColor = colors::rgb(128, 128, 128),
     .penWidth = 2},

    // Factorials
    {.control = W::headingLabels[0],
     .caption = "Factoriels",
     .rect = {240, 240, 3315, 375},
     .font = kHeading,
     .alignment = Qt::AlignHCenter | Qt::AlignTop},
    {.control = W::factorialExplanationButton,
     .caption = "Explications",
     .rect = {1050, 840, 1695, 435},
     .handler = call(&W::explainFactorials)},
    {.control = W::promptLabels[0],
     .caption = "Entrez ici votre nombre",
     .rect = {360, 1560, 3075, 330},
     .font = kLarge,
     .backColor = kLightCyan,
     .alignment = Qt::AlignCenter},
    {.control = W::numberBox, .rect = {1050, 2160, 1695, 375}, .handler = call(&W::clearFactorial)},
    {.control = W::factorialButton,
     .caption = "Calculer",
     .rect = {1050, 3240, 1695, 495},
     .handler = call(&W::showFactorial)},
    {.control = W::factorialLabel,
     .rect = {240, 3960, 3315, 735},
     .font = kLarge,
     .foreColor = kResultColour,
     .alignment = Qt::AlignHCenter | Qt::AlignTop,
     .wordWrap = true},

    // Combinations
    {.control = W::headingLabels[1],
     .caption = "Combinaisons",
     .rect = {4080, 240, 3315, 375},
     .font = kHeading,
     .alignment = Qt::AlignHCenter | Qt::AlignTop},
    {.control = W::combinationExplanationButton,
     .caption = "Explications",
     .rect = {4860, 840, 1695, 435},
     .handler = call(&W::explainCombinations)},
    {.control = W::promptLabels[1],
     .caption = "Entrez ici vos valeurs",
     .rect = {4170, 1560, 3075, 330},
     .font = kLarge,
     .backColor = kLightCyan,
     .alignment = Qt::AlignCenter},
    {.control = W::parenthesisLabels[0],
     .caption = "(",
     .rect = {kBoxLeft - 360, kBoxTop - 90, 345, 2 * kBoxHeight + 180},
     .font = {.points = 24},
     .alignment = Qt::AlignRight | Qt::AlignVCenter},
    {.control = W::setSizeBox, .rect = {kBoxLeft, kBoxTop, kBoxWidth, kBoxHeight}, .accessibleName = "n"},
    {.control = W::chosenCountBox,
     .rect = {kBoxLeft, kBoxTop + kBoxHeight, kBoxWidth, kBoxHeight},
     .accessibleName = "k"},
    {.control = W::parenthesisLabels[1],
     .caption = ")",
     .rect = {kBoxLeft + kBoxWidth + 15, kBoxTop - 90, 345, 2 * kBoxHeight + 180},
     .font = {.points = 24},
     .alignment = Qt::AlignLeft | Qt::AlignVCenter},
    {.control = W::fillInHelpButton,
     .caption = "?",
     .rect = {kBoxLeft + (kBoxWidth - kHelpSide) / 2, 2730, kHelpSide, kHelpSide},
     .backColor = kLightGreen,
     .accessibleName = "Aide",
     .handler = call(&W::explainFillingIn)},
    {.control = W::combinationsButton,
     .caption = "Calculer",
     .rect = {4860, 3240, 1695, 495},
     .handler = call(&W::showCombinations)},
    {.control = W::combinationsLabel,
     .rect = {4080, 3960, 3315, 735},
     .font = kLarge,
     .foreColor = kResultColour,
     .alignment = Qt::AlignHCenter | Qt::AlignTop,
     .wordWrap = true},
};

} // namespace

const WindowDescription CombinationsWindow::description{
    .name = "d_Proba_comb",
    .title = "Proba_comb",
    .border = FormWindow::Border::FixedSingle,
    .width = kWidth,
    .height = kHeight,
    .backColor = colors::grey,
    .controls = kControls,
};

void CombinationsWindow::explainFactorials() {
    program().message(fromUtf8(kFactorialExplanation));
}

void CombinationsWindow::showFactorial() {
    FactorialView view{textOf(numberBox), textOf(factorialLabel)};
    computeFactorial(program().numbers(), view);
    // A tidied number empties the result through the change; an unchanged box raises no change.
    if (textOf(numberBox) != view.number)
        setTextOf(numberBox, view.number);
    setTextOf(factorialLabel, view.result);
}

void CombinationsWindow::explainCombinations() {
    program().message(fromUtf8(kCombinationExplanation));
}

void CombinationsWindow::explainFillingIn() {
    for (const char* message : kFillInHelp)
        program().message(fromUtf8(message));
}

void CombinationsWindow::showCombinations() {
    CombinationView view{textOf(setSizeBox), textOf(chosenCountBox), textOf(combinationsLabel)};
    computeCombinations(program().numbers(), view);
    if (textOf(setSizeBox) != view.n)
        setTextOf(setSizeBox, view.n);
    if (textOf(chosenCountBox) != view.k)
        setTextOf(chosenCountBox, view.k);
    if (view.swapped)
        program().message(fromUtf8(kSwapMessage));
    // The message lets events run: the label is reached afresh.
    setTextOf(combinationsLabel, view.result);
}

void CombinationsWindow::clearFactorial() {
    setTextOf(factorialLabel, "");
}
