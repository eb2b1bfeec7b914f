// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/combinations_window.h"

#include "probability/rules/combinations.h"
#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

namespace {
using namespace ui;
using W = CombinationsWindow;

const FontSpec kHeading{.points = 13.5};
const FontSpec kLarge{.points = 12};
// Results are written in the colour of highlighted text.
const Colour kResultColour = Colour::system(QPalette::HighlightedText);
constexpr int kWidth = 7605;
constexpr int kHeight = 5205;
constexpr int kMiddle = 3795;

const Ref<TextBox> Text1{"Text1"}; // the number
const Ref<Label> Label3{"Label3"}; // its factorial
const Ref<TextBox> Text2{"Text2"}; // n, the upper box
const Ref<TextBox> Text3{"Text3"}; // k, the lower box
const Ref<Label> Label5{"Label5"}; // the number of combinations
const Array<Label> Label1{"Label1"};
const Array<Label> Label2{"Label2"};
const Array<Label> Label4{"Label4"};

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
    {.control = Label1[0],
     .caption = "Factoriels",
     .rect = {240, 240, 3315, 375},
     .font = kHeading,
     .alignment = Qt::AlignHCenter | Qt::AlignTop},
    {.control = button("Command1"),
     .caption = "Explications",
     .rect = {1050, 840, 1695, 435},
     .handler = call(&W::Command1_Click)},
    {.control = Label2[0],
     .caption = "Entrez ici votre nombre",
     .rect = {360, 1560, 3075, 330},
     .font = kLarge,
     .backColor = colours::lightCyan,
     .alignment = Qt::AlignCenter},
    {.control = Text1, .rect = {1050, 2160, 1695, 375}, .handler = call(&W::Text1_Change)},
    {.control = button("Command2"),
     .caption = "Calculer",
     .rect = {1050, 3240, 1695, 495},
     .handler = call(&W::Command2_Click)},
    {.control = Label3,
     .rect = {240, 3960, 3315, 735},
     .font = kLarge,
     .foreColor = kResultColour,
     .alignment = Qt::AlignHCenter | Qt::AlignTop,
     .wordWrap = true},

    // Combinations
    {.control = Label1[1],
     .caption = "Combinaisons",
     .rect = {4080, 240, 3315, 375},
     .font = kHeading,
     .alignment = Qt::AlignHCenter | Qt::AlignTop},
    {.control = button("Command3"),
     .caption = "Explications",
     .rect = {4860, 840, 1695, 435},
     .handler = call(&W::Command3_Click)},
    {.control = Label2[1],
     .caption = "Entrez ici vos valeurs",
     .rect = {4170, 1560, 3075, 330},
     .font = kLarge,
     .backColor = colours::lightCyan,
     .alignment = Qt::AlignCenter},
    {.control = Label4[0],
     .caption = "(",
     .rect = {kBoxLeft - 360, kBoxTop - 90, 345, 2 * kBoxHeight + 180},
     .font = {.points = 24},
     .alignment = Qt::AlignRight | Qt::AlignVCenter},
    {.control = Text2, .rect = {kBoxLeft, kBoxTop, kBoxWidth, kBoxHeight}, .accessibleName = "n"},
    {.control = Text3,
     .rect = {kBoxLeft, kBoxTop + kBoxHeight, kBoxWidth, kBoxHeight},
     .accessibleName = "k"},
    {.control = Label4[1],
     .caption = ")",
     .rect = {kBoxLeft + kBoxWidth + 15, kBoxTop - 90, 345, 2 * kBoxHeight + 180},
     .font = {.points = 24},
     .alignment = Qt::AlignLeft | Qt::AlignVCenter},
    {.control = button("Command4"),
     .caption = "?",
     .rect = {kBoxLeft + (kBoxWidth - kHelpSide) / 2, 2730, kHelpSide, kHelpSide},
     .backColor = colours::lightGreen,
     .accessibleName = "Aide",
     .handler = call(&W::Command4_Click)},
    {.control = button("Command5"),
     .caption = "Calculer",
     .rect = {4860, 3240, 1695, 495},
     .handler = call(&W::Command5_Click)},
    {.control = Label5,
     .rect = {4080, 3960, 3315, 735},
     .font = kLarge,
     .foreColor = kResultColour,
     .alignment = Qt::AlignHCenter | Qt::AlignTop,
     .wordWrap = true},
};

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Writes a box only when its text changes, so that an unchanged box raises no change.
void setBoxText(TextBox& box, const std::string& value) {
    const QString t = QString::fromStdString(value);
    if (box.text() != t)
        box.setText(t);
}

} // namespace

const WindowDescription CombinationsWindow::description{
    .name = "d_Proba_comb",
    .title = "Proba_comb",
    .border = FormWindow::Border::FixedSingle,
    .width = kWidth,
    .height = kHeight,
    .backColor = colours::silver,
    .controls = kControls,
};

void CombinationsWindow::Command1_Click() {
    program().message(text(kFactorialExplanation));
}

void CombinationsWindow::Command2_Click() {
    FactorialView view{get(Text1).text().toStdString(), get(Label3).caption().toStdString()};
    computeFactorial(program().numbers(), view);
    setBoxText(get(Text1), view.number); // a tidied number empties the result through the change
    get(Label3).setCaption(QString::fromStdString(view.result));
}

void CombinationsWindow::Command3_Click() {
    program().message(text(kCombinationExplanation));
}

void CombinationsWindow::Command4_Click() {
    for (const char* message : kFillInHelp)
        program().message(text(message));
}

void CombinationsWindow::Command5_Click() {
    CombinationView view{get(Text2).text().toStdString(), get(Text3).text().toStdString(),
                         get(Label5).caption().toStdString()};
    computeCombinations(program().numbers(), view);
    setBoxText(get(Text2), view.n);
    setBoxText(get(Text3), view.k);
    if (view.swapped)
        program().message(text(kSwapMessage));
    // The message lets events run: the label is reached afresh.
    get(Label5).setCaption(QString::fromStdString(view.result));
}

void CombinationsWindow::Text1_Change() {
    get(Label3).setCaption(QString());
}
