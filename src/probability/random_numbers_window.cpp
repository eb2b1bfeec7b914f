// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/random_numbers_window.h"

#include "probability/rules/random_draw.h"
#include "shell/input_filters.h"
#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/list_box.h"

namespace {
using namespace ui;
using namespace probability;
using W = RandomNumbersWindow;

// In the order the tab key visits them: the mode, the bound, the history, the button.
const ControlRow kControls[] = {
    {.control = W::modeBox,
     .rect = {240, 240, 1335, 315},
     .accessibleName = "Entier ou nombre",
     .handler = call(&W::forgetHistory)},
    {.control = label("Label1"),
     .caption = "Compris entre 0 et",
     .rect = {1695, 210, 2385, 375},
     .font = {.points = 12},
     .alignment = Qt::AlignLeft | Qt::AlignVCenter},
    {.control = W::boundBox, .rect = {4200, 240, 2145, 315}, .handler = call(&W::checkBound)},
    {.control = W::historyList, .rect = {3600, 840, 2745, 2445}, .accessibleName = "Historique des tirages"},
    {.control = W::drawButton,
     .caption = "Chercher",
     .rect = {240, 840, 1335, 495},
     .handler = call(&W::draw)},
    {.control = W::resultLabel,
     .rect = {240, 1560, 3135, 1215},
     .wordWrap = true,
     .breakLongWords = true,
     .announceAs = "Nombre tiré : %1"},
};

} // namespace

const WindowDescription RandomNumbersWindow::description{
    .name = "d_Proba_alea",
    .title = "Proba_alea",
    .border = FormWindow::Border::FixedSingle,
    .width = 6585,
    .height = 3525,
    .backColor = colours::silver,
    .accessibleName = "Nombres aléatoires",
    .mainButton = W::drawButton,
    .controls = kControls,
};

void RandomNumbersWindow::load() {
    // The list offers the two modes; the box starts on "Nombre". Setting them is no edit of the
    // pupil's, so the history is not touched.
    ComboBox& mode = get(modeBox);
    mode.addItems({QStringLiteral("Entier"), QStringLiteral("Nombre")});
    mode.setCurrentIndex(1);
}

void RandomNumbersWindow::forgetHistory() {
    get(historyList).clear();
}

void RandomNumbersWindow::checkBound() {
    boxFilters::apply(*this, boundBox, boxFilters::nonNegativeNumbers);
    get(historyList).clear();
}

void RandomNumbersWindow::draw() {
    // Replacing the bound is a change of the box: its handler empties the history first.
    if (boundReplacedByOne(textOf(boundBox)))
        setTextOf(boundBox, "1");
    const float r = program().draws().draw();
    const std::optional<DrawTexts> drawn =
        drawTexts(program().numbers(), textOf(boundBox), toUtf8(get(modeBox).currentText()), r);
    if (!drawn)
        return;
    setTextOf(resultLabel, drawn->result);
    ListBox& history = get(historyList);
    history.addItem(fromUtf8(drawn->history));
    history.selectLast();
}
