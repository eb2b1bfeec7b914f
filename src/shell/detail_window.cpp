// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/detail_window.h"

#include "shell/toolkit/controls.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {
using namespace ui;
using W = DetailWindow;

constexpr int kWidth = 9000;
constexpr int kHeight = 7200;
constexpr int kMargin = 120; // a frame of background around the text, for the window's own menu

const std::vector<ControlRow> kControls = {
    {.control = W::stepsBox,
     .rect = {kMargin, kMargin, kWidth - 2 * kMargin, kHeight - 2 * kMargin},
     .font = {.points = 11},
     .readOnly = true,
     .accessibleName = "Étapes du calcul"},
};

// The lines laid out with their marks: headings in bold, a blank line before each but the first,
// the radicand under its root sign overlined. The text is the lines' plain text exactly, so that a
// copy or a screen reader gets what the rules wrote.
void layOut(QPlainTextEdit& box, const maths::Steps& steps) {
    box.clear();
    QTextCursor cursor(box.document());
    bool first = true;
    for (const maths::Line& line : steps) {
        if (!first) {
            if (line.kind == maths::Line::Kind::Heading)
                cursor.insertBlock();
            cursor.insertBlock();
        }
        first = false;
        QTextCharFormat plain;
        plain.setFontWeight(line.kind == maths::Line::Kind::Heading ? QFont::Bold : QFont::Normal);
        for (const maths::Run& run : line.runs) {
            const QString text = QString::fromStdString(maths::plainText(maths::Line{.runs = {run}}));
            if (run.mark == maths::Run::Mark::Root && text.startsWith(QStringLiteral("√"))) {
                QTextCharFormat over = plain;
                over.setFontOverline(true);
                cursor.insertText(QStringLiteral("√"), plain);
                cursor.insertText(text.mid(1), over);
            } else {
                cursor.insertText(text, plain);
            }
        }
    }
    box.moveCursor(QTextCursor::Start);
}

} // namespace

const WindowDescription DetailWindow::description{
    .name = "Frm_Detail",
    .title = "Détail du calcul",
    .border = FormWindow::Border::FixedSingle,
    .width = kWidth,
    .height = kHeight,
    .accessibleName = "Détail du calcul",
    .controls = kControls,
};

void DetailWindow::load() {
    // Read by keyboard too, so that a screen reader can walk through it line by line.
    get(stepsBox).setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    showSteps();
}

void DetailWindow::follow(Form& source) {
    m_source = &source;
    showBeside(source);
    showSteps();
}

void DetailWindow::sourceExplained(Form& source) {
    if (&source == m_source && hasControls())
        showSteps();
}

void DetailWindow::showSteps() {
    maths::Steps steps = m_source ? m_source->explanation() : maths::Steps{};
    if (steps.empty())
        steps.push_back(maths::step("Aucun calcul pour l'instant : faites un calcul dans la fenêtre, "
                                    "son détail s'écrira ici."));
    layOut(get(stepsBox), steps);
}
