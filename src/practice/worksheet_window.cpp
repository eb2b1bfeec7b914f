// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/worksheet_window.h"

#include "practice/rules/series_code.h"
#include "practice/worksheet_document.h"
#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

#include <QComboBox>
#include <QDir>
#include <QPrinter>

#include <vector>

using numbers::NumberFormat;

namespace {
using namespace ui;
using namespace practice;
using W = WorksheetWindow;

constexpr int kRowTop = 600;
constexpr int kRowHeight = 390;
constexpr int kBelowRows = kRowTop + kKindCount * kRowHeight + 180;

std::vector<ControlRow> rows() {
    std::vector<ControlRow> r{
        {.control = label("Label3"),
         .caption = "Nombre d'exercices de chaque type",
         .rect = {240, 180, 6000, 300},
         .font = {.bold = true}},
    };
    for (int kind = 0; kind < kKindCount; ++kind) {
        const int top = kRowTop + kind * kRowHeight;
        const QString name = QString::fromUtf8(kKindNames[std::size_t(kind)].data(),
                                               qsizetype(kKindNames[std::size_t(kind)].size()));
        r.push_back({.control = W::kindLabels[kind], .caption = name, .rect = {240, top + 45, 4560, 300}});
        r.push_back({.control = W::countBoxes[kind],
                     .caption = QStringLiteral("1"),
                     .rect = {4920, top, 840, 345},
                     .accessibleName = name + QStringLiteral(" : nombre d'exercices")});
    }
    const std::vector<ControlRow> rest{
        {.control = label("Label4"), .caption = "Niveau", .rect = {240, kBelowRows + 45, 1200, 300}},
        {.control = W::levelBox, .rect = {1440, kBelowRows, 1200, 345}},
        {.control = label("Label5"), .caption = "Série", .rect = {3000, kBelowRows + 45, 900, 300}},
        {.control = W::codeBox, .rect = {3900, kBelowRows, 1860, 345}, .accessibleName = "Code de la série"},
        {.control = W::saveButton,
         .caption = "Enregistrer en PDF…",
         .rect = {240, kBelowRows + 600, 2700, 435},
         .accessibleName = "Enregistrer la fiche et son corrigé en PDF",
         .handler = call(&W::save)},
        {.control = W::printButton,
         .caption = "Imprimer…",
         .rect = {3060, kBelowRows + 600, 2700, 435},
         .accessibleName = "Imprimer la fiche et son corrigé",
         .handler = call(&W::print)},
        {.control = W::statusLabel,
         .rect = {240, kBelowRows + 1200, 5520, 720},
         .wordWrap = true,
         .announceAs = "%1"},
    };
    r.insert(r.end(), rest.begin(), rest.end());
    return r;
}

const std::vector<ControlRow> kControls = rows();

} // namespace

const WindowDescription WorksheetWindow::description{
    .name = "Frm_Fiche",
    .title = "Fiche d'exercices",
    .border = FormWindow::Border::FixedSingle,
    .width = 6000,
    .height = kBelowRows + 2100,
    .mainButton = W::saveButton,
    .controls = kControls,
};

void WorksheetWindow::load() {
    ComboBox& levels = get(levelBox);
    levels.setEditable(false);
    for (int level = 1; level <= kLevelCount; ++level)
        levels.addItem(QString::number(level));
    const auto chance = static_cast<std::uint64_t>(double(program().draws().draw()) * 1e9);
    setTextOf(codeBox, std::to_string(kFirstCode + chance % (kLastCode - kFirstCode + 1)));
}

std::optional<Worksheet> WorksheetWindow::requestedSheet() {
    WorksheetRequest request;
    int total = 0;
    for (int kind = 0; kind < kKindCount; ++kind) {
        bool ok = false;
        const int count = get(countBoxes[kind]).text().trimmed().toInt(&ok);
        if (!ok || count < 0 || count > kMostOfAKind) {
            setTextOf(statusLabel, "Écrivez un nombre d'exercices de 0 à " + std::to_string(kMostOfAKind) +
                                       " pour chaque type.");
            return std::nullopt;
        }
        request.counts[std::size_t(kind)] = count;
        total += count;
    }
    if (total == 0) {
        setTextOf(statusLabel, "Choisissez au moins un exercice.");
        return std::nullopt;
    }
    const auto code = readCode(textOf(codeBox));
    if (!code) {
        setTextOf(statusLabel, kCodeExpected);
        return std::nullopt;
    }
    request.code = *code;
    request.level = get(levelBox).currentIndex() + 1;
    // The sheet is printed: decimal commas whatever the desktop's setting.
    return makeWorksheet(NumberFormat(','), request);
}

void WorksheetWindow::save() {
    const auto sheet = requestedSheet();
    if (!sheet)
        return;
    const QString code = fromUtf8(textOf(codeBox)).trimmed();
    const auto answer =
        program().dialogs().askSaveFile(&window(), QStringLiteral("Enregistrer la fiche d'exercices"),
                                        {QStringLiteral("Document PDF (*.pdf)")},
                                        QDir::home().filePath(QStringLiteral("fiche-%1.pdf").arg(code)));
    if (!answer)
        return;
    QString sheetPath = answer->path;
    if (!sheetPath.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        sheetPath += QStringLiteral(".pdf");
    const QString keyPath = sheetPath.chopped(4) + QStringLiteral("-corrige.pdf");
    if (!worksheetDocument::writePdf(*sheet, worksheetDocument::Part::Sheet, sheetPath) ||
        !worksheetDocument::writePdf(*sheet, worksheetDocument::Part::Key, keyPath)) {
        program().dialogs().exportFailed(
            &window(), QStringLiteral("La fiche n'a pas pu être enregistrée dans le dossier\n%1")
                           .arg(QDir::toNativeSeparators(QFileInfo(sheetPath).absolutePath())));
        return;
    }
    setTextOf(statusLabel, toUtf8(QStringLiteral("Fiche enregistrée : %1 ; corrigé : %2")
                                      .arg(QFileInfo(sheetPath).fileName(), QFileInfo(keyPath).fileName())));
}

void WorksheetWindow::print() {
    const auto sheet = requestedSheet();
    if (!sheet)
        return;
    QPrinter printer;
    printer.setDocName(fromUtf8(sheet->title));
    printer.setCreator(QStringLiteral("Niveau Seconde"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (!program().dialogs().askPrinter(&window(), printer))
        return;
    // The key follows the sheet, from a new page, so that it can be kept apart.
    worksheetDocument::paint(*sheet, worksheetDocument::Part::Both, printer);
    if (printer.printerState() == QPrinter::Error) {
        program().dialogs().exportFailed(&window(), QStringLiteral("L'impression a échoué."));
        return;
    }
    setTextOf(statusLabel, "Fiche et corrigé envoyés à l'impression.");
}
