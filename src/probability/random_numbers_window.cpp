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
using W = RandomNumbersWindow;

const Ref<ComboBox> Combo1{"Combo1"}; // the mode: "Entier" or any other text
const Ref<TextBox> Text1{"Text1"};    // the bound
const Ref<Label> Label2{"Label2"};    // the last draw
const Ref<ListBox> List1{"List1"};    // the history

// In the order the tab key visits them: the mode, the bound, the history, the button.
const ControlRow kControls[] = {
    {.control = Combo1,
     .rect = {240, 240, 1335, 315},
     .accessibleName = "Entier ou nombre",
     .handler = call(&W::Combo1_Change)},
    {.control = label("Label1"),
     .caption = "Compris entre 0 et",
     .rect = {1695, 210, 2385, 375},
     .font = {.points = 12},
     .alignment = Qt::AlignLeft | Qt::AlignVCenter},
    {.control = Text1, .rect = {4200, 240, 2145, 315}, .handler = call(&W::Text1_Change)},
    {.control = List1, .rect = {3600, 840, 2745, 2445}, .accessibleName = "Historique des tirages"},
    {.control = button("Command1"),
     .caption = "Chercher",
     .rect = {240, 840, 1335, 495},
     .handler = call(&W::Command1_Click)},
    {.control = Label2, .rect = {240, 1560, 3135, 1215}, .wordWrap = true, .breakLongWords = true},
};

} // namespace

const WindowDescription RandomNumbersWindow::description{
    .name = "d_Proba_alea",
    .title = "Proba_alea",
    .border = FormWindow::Border::FixedSingle,
    .width = 6585,
    .height = 3525,
    .backColor = colours::silver,
    .controls = kControls,
};

void RandomNumbersWindow::load() {
    // The list offers the two modes; the box starts on "Nombre". Setting them is no edit of the
    // pupil's, so the history is not touched.
    ComboBox& mode = get(Combo1);
    mode.addItems({QStringLiteral("Entier"), QStringLiteral("Nombre")});
    mode.setCurrentIndex(1);
}

void RandomNumbersWindow::Combo1_Change() {
    get(List1).clear();
}

void RandomNumbersWindow::Text1_Change() {
    Mod_Verif::filterBox(*this, Text1, Mod_Verif::VerifBorne);
    get(List1).clear();
}

void RandomNumbersWindow::Command1_Click() {
    // Replacing the bound is a change of the box: its handler empties the history first.
    if (boundReplacedByOne(get(Text1).text().toStdString()))
        get(Text1).setText(QStringLiteral("1"));
    const float r = program().draws().draw();
    const std::optional<DrawTexts> drawn = drawTexts(program().numbers(), get(Text1).text().toStdString(),
                                                     get(Combo1).currentText().toStdString(), r);
    if (!drawn)
        return;
    get(Label2).setCaption(QString::fromStdString(drawn->result));
    ListBox& history = get(List1);
    history.addItem(QString::fromStdString(drawn->history));
    history.selectLast();
}
