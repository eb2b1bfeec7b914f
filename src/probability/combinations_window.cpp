// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/combinations_window.h"

#include "probability/rules/combination_steps.h"
#include "probability/rules/combinations.h"
#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

#include <algorithm>
#include <cmath>

namespace {
using namespace ui;
using namespace probability;
using W = CombinationsWindow;

const FontSpec kHeading{.points = 13.5};
const FontSpec kLarge{.points = 12};
// Results stand out as highlighted text on the highlight colour of the desktop's theme; arrange()
// darkens or lightens that background where the theme's pair reads poorly.
const Colour kResultColour = Colour::system(QPalette::HighlightedText);
const Colour kResultBackground = Colour::system(QPalette::Highlight);
// The least contrast between a result and its background, as asked of body text for good legibility.
constexpr double kLeastContrast = 4.5;

// The relative luminance of a colour: 0 for black, 1 for white, its channels weighed as the eye does.
double luminance(const QColor& c) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The background itself when the text reads well on it, else the closest shade of it, towards black
// or towards white, on which the text reaches the least contrast.
QColor readableBackground(const QColor& text, const QColor& background) {
    if (contrast(text, background) >= kLeastContrast)
        return background;
    const auto shade = [&](const QColor& towards, double t) {
        return QColor::fromRgbF(float(background.redF() + (towards.redF() - background.redF()) * t),
                                float(background.greenF() + (towards.greenF() - background.greenF()) * t),
                                float(background.blueF() + (towards.blueF() - background.blueF()) * t));
    };
    // Away from the text's luminance first; one of the two ways always gets there.
    const bool lightText = luminance(text) >= luminance(background);
    for (const QColor& towards : {lightText ? QColor(Qt::black) : QColor(Qt::white),
                                  lightText ? QColor(Qt::white) : QColor(Qt::black)}) {
        for (int step = 1; step <= 100; ++step) {
            const QColor candidate(shade(towards, step / 100.0).rgb()); // as the screen shows it
            if (contrast(text, candidate) >= kLeastContrast)
                return candidate;
        }
    }
    return luminance(text) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
}
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
     .foreColor = colours::midGrey,
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
     .accessibleName = "Explications sur les factoriels",
     .handler = call(&W::explainFactorials)},
    {.control = W::promptLabels[0],
     .caption = "Entrez ici votre nombre",
     .rect = {360, 1560, 3075, 330},
     .font = kLarge,
     .backColor = colours::lightCyan,
     .alignment = Qt::AlignCenter},
    {.control = W::numberBox,
     .rect = {1050, 2160, 1695, 375},
     .enterPresses = W::factorialButton,
     .handler = call(&W::clearFactorial)},
    {.control = W::factorialButton,
     .caption = "Calculer",
     .rect = {1050, 3240, 1695, 495},
     .accessibleName = "Calculer le factoriel",
     .handler = call(&W::showFactorial)},
    {.control = W::factorialLabel,
     .rect = {240, 3960, 3315, 735},
     .font = kLarge,
     .foreColor = kResultColour,
     .backColor = kResultBackground,
     .alignment = Qt::AlignHCenter | Qt::AlignTop,
     .wordWrap = true,
     .announceAs = "Factoriel : %1"},

    // Combinations
    {.control = W::headingLabels[1],
     .caption = "Combinaisons",
     .rect = {4080, 240, 3315, 375},
     .font = kHeading,
     .alignment = Qt::AlignHCenter | Qt::AlignTop},
    {.control = W::combinationExplanationButton,
     .caption = "Explications",
     .rect = {4860, 840, 1695, 435},
     .accessibleName = "Explications sur les combinaisons",
     .handler = call(&W::explainCombinations)},
    {.control = W::promptLabels[1],
     .caption = "Entrez ici vos valeurs",
     .rect = {4170, 1560, 3075, 330},
     .font = kLarge,
     .backColor = colours::lightCyan,
     .alignment = Qt::AlignCenter},
    {.control = W::parenthesisLabels[0],
     .caption = "(",
     .rect = {kBoxLeft - 360, kBoxTop - 90, 345, 2 * kBoxHeight + 180},
     .font = {.points = 24},
     .alignment = Qt::AlignRight | Qt::AlignVCenter},
    {.control = W::setSizeBox,
     .rect = {kBoxLeft, kBoxTop, kBoxWidth, kBoxHeight},
     .accessibleName = "n",
     .enterPresses = W::combinationsButton},
    {.control = W::chosenCountBox,
     .rect = {kBoxLeft, kBoxTop + kBoxHeight, kBoxWidth, kBoxHeight},
     .accessibleName = "k",
     .enterPresses = W::combinationsButton},
    {.control = W::parenthesisLabels[1],
     .caption = ")",
     .rect = {kBoxLeft + kBoxWidth + 15, kBoxTop - 90, 345, 2 * kBoxHeight + 180},
     .font = {.points = 24},
     .alignment = Qt::AlignLeft | Qt::AlignVCenter},
    {.control = W::fillInHelpButton,
     .caption = "?",
     .rect = {kBoxLeft + (kBoxWidth - kHelpSide) / 2, 2730, kHelpSide, kHelpSide},
     .backColor = colours::lightGreen,
     .accessibleName = "Aide",
     .handler = call(&W::explainFillingIn)},
    {.control = W::combinationsButton,
     .caption = "Calculer",
     .rect = {4860, 3240, 1695, 495},
     .accessibleName = "Calculer le nombre de combinaisons",
     .handler = call(&W::showCombinations)},
    {.control = W::combinationsLabel,
     .rect = {4080, 3960, 3315, 735},
     .font = kLarge,
     .foreColor = kResultColour,
     .backColor = kResultBackground,
     .alignment = Qt::AlignHCenter | Qt::AlignTop,
     .wordWrap = true,
     .announceAs = "Nombre de combinaisons : %1"},
    {.control = W::detailButton,
     .caption = "Détail",
     .rect = {6300, 4770, 1095, 375},
     .accessibleName = "Détail du calcul",
     .handler = call(&W::showDetails)},
};

} // namespace

const WindowDescription CombinationsWindow::description{
    .name = "d_Proba_comb",
    .title = "Proba_comb",
    .border = FormWindow::Border::FixedSingle,
    .width = kWidth,
    .height = kHeight,
    .backColor = colours::silver,
    .accessibleName = "Factoriels et combinaisons",
    .f1Presses = W::detailButton,
    .controls = kControls,
};

void CombinationsWindow::arrange() {
    for (const auto& result : {factorialLabel, combinationsLabel}) {
        Label& label = get(result);
        label.setBackColor(readableBackground(label.palette().color(QPalette::WindowText),
                                              label.palette().color(QPalette::Window)));
    }
}

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
    explain(probability::factorialSteps(program().numbers(), view.number));
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
    explain(probability::combinationSteps(program().numbers(), view.n, view.k));
    if (view.swapped)
        program().message(fromUtf8(kSwapMessage));
    // The message lets events run: the label is reached afresh.
    setTextOf(combinationsLabel, view.result);
}

void CombinationsWindow::clearFactorial() {
    setTextOf(factorialLabel, "");
}
