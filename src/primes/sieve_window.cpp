// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/sieve_window.h"

#include "primes/rules/sieve.h"
#include "shell/rules/number_format.h"
#include "shell/toolkit/controls.h"

#include <vector>

namespace {
using namespace ui;
using W = SieveWindow;

const Array<TextBox> Text1{"Text1"}; // the cells; Text1(k) shows k
const Ref<MultiLineTextBox> Text2{"Text2"};
const Ref<MultiLineTextBox> Text3{"Text3"};
const Ref<MultiLineTextBox> Text4{"Text4"};

// A marked cell takes the desktop's selection colour.
const Colour kMarked = Colour::system(QPalette::Highlight);
const FontSpec kQuestion{.points = 12};

// The column of buttons, from top to bottom; each stands for a number.
struct ColumnButton {
    const char* name;
    int number;
};
constexpr ColumnButton kColumn[] = {
    {.name = "Command1", .number = 1},   {.name = "Command2", .number = 2},
    {.name = "Command3", .number = 3},   {.name = "Command4", .number = 4},
    {.name = "Command5", .number = 5},   {.name = "Command9", .number = 6},
    {.name = "Command8", .number = 7},   {.name = "Command7", .number = 8},
    {.name = "Command6", .number = 9},   {.name = "Command11", .number = 10},
    {.name = "Command10", .number = 11}, {.name = "Command15", .number = 12},
    {.name = "Command14", .number = 13}, {.name = "Command13", .number = 14},
    {.name = "Command12", .number = 15}, {.name = "Command18", .number = 16},
    {.name = "Command17", .number = 17}, {.name = "Command16", .number = 18},
};

// Ten numbers a row, 1 to 10 on the first row and 241 to 250 on the last; cell 0 lies outside
// the grid and is never shown.
twips::Rect cellRect(int k) {
    if (k == 0)
        return {240, 0, 495, 405};
    const int row = (k - 1) / 10;
    const int column = (k - 1) % 10;
    return {3120 + 480 * column, 600 + 360 * row, 495, 405};
}

const std::vector<ControlRow> kControls = [] {
    std::vector<ControlRow> rows = {
        {.control = label("Label1"),
         .caption = "CRIBLE D'ERATOSTHENE",
         .rect = {5400, 0, 4455, 495},
         .font = {.points = 18},
         .alignment = Qt::AlignHCenter | Qt::AlignTop},
        {.control = label("Label5"),
         .caption = "Retirer de la liste",
         .rect = {240, 600, 1935, 375},
         .font = kQuestion},
    };
    int top = 1080;
    for (const ColumnButton& b : kColumn) {
        rows.push_back(
            {.control = button(b.name),
             .caption = b.number == 1 ? QStringLiteral("1") : QStringLiteral("Multiples de %1").arg(b.number),
             .rect = {600, top, 1215, 495},
             .handler = call(&W::removeMultiples, b.number)});
        top += 480;
    }
    for (int k = 0; k <= sieve::kLastCell; ++k)
        rows.push_back({.control = Text1[k],
                        .rect = cellRect(k),
                        .visible = k != 0,
                        .readOnly = true,
                        .accessibleName = QString::number(k)});
    const ControlRow questions[] = {
        {.control = label("Label2"),
         .caption = "1°) Expliquez pourquoi les commandes des multiples de 4 et 6 n'ont aucun effet et "
                    "généralisez ",
         .rect = {8640, 1200, 6015, 735},
         .font = kQuestion,
         .wordWrap = true},
        {.control = Text2, .rect = {8640, 1920, 6255, 975}},
        {.control = label("Label3"),
         .caption = "2°) Que remarquez vous quand les multiples à enlever sont suffisement grands, donnez en "
                    "la raison.",
         .rect = {8640, 3360, 6375, 735},
         .font = kQuestion,
         .wordWrap = true},
        {.control = Text3, .rect = {8640, 4200, 6255, 975}},
        {.control = label("Label4"),
         .caption = "3°) Déterminez enfin la méthode la plus simple pour trouver les nombres premiers.",
         .rect = {8640, 5760, 6375, 735},
         .font = kQuestion,
         .wordWrap = true},
        {.control = Text4, .rect = {8640, 6480, 6255, 975}},
        {.control = button("Command19"),
         .caption = "Correction",
         .rect = {10560, 8160, 2055, 615},
         .handler = call(&W::Command19_Click)},
    };
    rows.insert(rows.end(), std::begin(questions), std::end(questions));
    return rows;
}();

} // namespace

const WindowDescription SieveWindow::description{
    .name = "b_Prem_crible",
    .title = "Prem_crible",
    .border = FormWindow::Border::FixedSingle,
    .width = 15240,
    .height = 11010,
    .backColor = colours::silver,
    .controls = kControls,
};

void SieveWindow::load() {
    for (int k = 0; k <= sieve::kLastCell; ++k)
        get(Text1[k]).setText(QString::fromStdString(NumberFormat::integerText(k)));
}

// Marking is the only change a cell undergoes: nothing removes a mark while the window is open.
void SieveWindow::removeMultiples(int number) {
    const QColor marked = kMarked.resolve();
    for (const std::int32_t k : sieve::cellsMarkedBy(number))
        get(Text1[k]).setBackColor(marked);
}

void SieveWindow::Command19_Click() {
    const Ref<MultiLineTextBox>* boxes[] = {&Text2, &Text3, &Text4};
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        const std::string_view answer = sieve::kModelAnswers[i];
        get(*boxes[i]).setText(QString::fromUtf8(answer.data(), qsizetype(answer.size())));
    }
}
