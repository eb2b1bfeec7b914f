// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/sieve_window.h"

#include "numbers/number_format.h"
#include "primes/rules/sieve.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/grid_keys.h"

#include <vector>

using numbers::NumberFormat;

// The layout names the buttons out of the order of their numbers. Defined before the rows that
// use them.
const std::array<SieveWindow::ColumnButton, 18> SieveWindow::column = {{
    {.button = {"Command1"}, .number = 1},
    {.button = {"Command2"}, .number = 2},
    {.button = {"Command3"}, .number = 3},
    {.button = {"Command4"}, .number = 4},
    {.button = {"Command5"}, .number = 5},
    {.button = {"Command9"}, .number = 6},
    {.button = {"Command8"}, .number = 7},
    {.button = {"Command7"}, .number = 8},
    {.button = {"Command6"}, .number = 9},
    {.button = {"Command11"}, .number = 10},
    {.button = {"Command10"}, .number = 11},
    {.button = {"Command15"}, .number = 12},
    {.button = {"Command14"}, .number = 13},
    {.button = {"Command13"}, .number = 14},
    {.button = {"Command12"}, .number = 15},
    {.button = {"Command18"}, .number = 16},
    {.button = {"Command17"}, .number = 17},
    {.button = {"Command16"}, .number = 18},
}};

namespace {
using namespace ui;
using W = SieveWindow;

// A marked cell takes the desktop's selection colour; screen readers say it is crossed out.
const Colour kMarked = Colour::system(QPalette::Highlight);
const QString kMarkedSaid = QStringLiteral("barré");
const FontSpec kQuestion{.points = 12};

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
    for (const W::ColumnButton& b : W::column) {
        rows.push_back(
            {.control = b.button,
             .caption = b.number == 1 ? QStringLiteral("1") : QStringLiteral("Multiples de %1").arg(b.number),
             .rect = {600, top, 1215, 495},
             .handler = call(&W::removeMultiples, b.number)});
        top += 480;
    }
    for (int k = 0; k <= primes::sieve::kLastCell; ++k)
        rows.push_back({.control = W::cells[k],
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
        {.control = W::answerBoxes[0], .rect = {8640, 1920, 6255, 975}},
        {.control = label("Label3"),
         .caption = "2°) Que remarquez vous quand les multiples à enlever sont suffisement grands, donnez en "
                    "la raison.",
         .rect = {8640, 3360, 6375, 735},
         .font = kQuestion,
         .wordWrap = true},
        {.control = W::answerBoxes[1], .rect = {8640, 4200, 6255, 975}},
        {.control = label("Label4"),
         .caption = "3°) Déterminez enfin la méthode la plus simple pour trouver les nombres premiers.",
         .rect = {8640, 5760, 6375, 735},
         .font = kQuestion,
         .wordWrap = true},
        {.control = W::answerBoxes[2], .rect = {8640, 6480, 6255, 975}},
        {.control = W::correctionButton,
         .caption = "Correction",
         .rect = {10560, 8160, 2055, 615},
         .handler = call(&W::showModelAnswers)},
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
    .accessibleName = "Crible d'Ératosthène",
    .controls = kControls,
};

void SieveWindow::load() {
    std::vector<QWidget*> grid;
    for (int k = 0; k <= primes::sieve::kLastCell; ++k) {
        setTextOf(cells[k], NumberFormat::integerText(k));
        if (k > 0)
            grid.push_back(&get(cells[k]));
    }
    ui::navigateAsGrid(grid, 10);
}

// Marking is the only change a cell undergoes: nothing removes a mark while the window is open.
void SieveWindow::removeMultiples(int number) {
    const QColor marked = kMarked.resolve();
    int newlyMarked = 0;
    for (const std::int32_t k : primes::sieve::cellsMarkedBy(number)) {
        TextBox& cell = get(cells[k]);
        cell.setBackColor(marked);
        if (cell.accessibleDescription() != kMarkedSaid) {
            cell.setAccessibleDescription(kMarkedSaid);
            ++newlyMarked;
        }
    }
    const QString said = newlyMarked == 0   ? QStringLiteral("Aucun nombre de plus n'est barré")
                         : newlyMarked == 1 ? QStringLiteral("1 nombre barré")
                                            : QStringLiteral("%1 nombres barrés").arg(newlyMarked);
    announce(said);
}

void SieveWindow::showModelAnswers() {
    for (std::size_t i = 0; i < std::size(answerBoxes); ++i)
        get(answerBoxes[i]).setText(fromUtf8(primes::sieve::kModelAnswers[i]));
}
