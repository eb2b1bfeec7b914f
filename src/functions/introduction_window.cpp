// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "functions/introduction_window.h"

#include "functions/reference_functions_window.h"
#include "shell/main_menu.h"
#include "shell/program.h"
#include "shell/toolkit/controls.h"

namespace {
using namespace ui;
using W = IntroductionWindow;

constexpr int kWidth = 11355;
constexpr int kParagraphLeft = 120;
constexpr int kParagraphGap = 60;

const FontSpec kParagraph{.points = 12};

const ControlRow kControls[] = {
    {.control = label("Label1"),
     .caption = "INTRODUCTION:",
     .rect = {120, 120, 3000, 375},
     .font = {.points = 12, .bold = true}},
    {.control = W::firstParagraph,
     .caption = "Text1",
     .rect = {kParagraphLeft, 600, 5535, 1335},
     .font = kParagraph,
     .readOnly = true,
     .accessibleName = "Introduction, premier paragraphe"},
    {.control = W::secondParagraph,
     .caption = "Text1",
     .rect = {5760, 600, 5535, 1335},
     .font = kParagraph,
     .readOnly = true,
     .accessibleName = "Introduction, second paragraphe"},
    {.control = W::okButton,
     .caption = "OK",
     .rect = {120, 2040, 1215, 495},
     .font = {.points = 13.5, .bold = true},
     .handler = call(&W::openExercise)},
};

// Moves and sizes a control in twips, keeping the other two values.
void setLeftAndWidth(QWidget& w, int left, int width) {
    TwipsRect r = twips::placeOf(&w);
    r.left = left;
    r.width = width;
    twips::place(&w, r);
}

} // namespace

const WindowDescription IntroductionWindow::description{
    .name = "Form4",
    .title = "Form4",
    .border = FormWindow::Border::FixedSingle,
    .width = kWidth,
    .height = 2655,
    .backColor = colours::skyBlue,
    .accessibleName = "Les fonctions de référence : introduction",
    .controls = kControls,
};

// The two paragraphs stand side by side, each half the window wide.
void IntroductionWindow::load() {
    const int width = window().clientWidthTwips() / 2 - 120;
    MultiLineTextBox& first = get(firstParagraph);
    setLeftAndWidth(first, kParagraphLeft, width);
    setLeftAndWidth(get(secondParagraph), kParagraphLeft + width + kParagraphGap, width);
    first.setText(
        "Nous avons étudié les fonctions linéaires et affines. Mais il existe une infinité d'autres "
        "fonctions. Certaines se retrouvent beaucoup plus souvent.");
    get(secondParagraph)
        .setText("On les appelle fonctions de référence car elles permettent de gagner du temps "
                 "lorsqu'on les reconnaît dans un problème.");
}

void IntroductionWindow::openExercise() {
    hide();
    // The exercise opens beside the menu, as if chosen there.
    program().get<ReferenceFunctionsWindow>().showBeside(program().get<MainMenu>());
}
