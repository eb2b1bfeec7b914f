// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/fit_text.h"

#include "shell/toolkit/controls.h"

#include <QFontMetricsF>

namespace ui {

void tightenToFit(Label& label) {
    QFont font = label.font();
    const QString text = label.caption();
    double spacing = 0;
    while (QFontMetricsF(font).horizontalAdvance(text) > label.width() && spacing > -1) {
        spacing -= 0.1;
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    }
    label.setFont(font);
}

void placeSentenceAroundBoxes(Label& sentence, const QWidget& lowerBox, const QWidget& upperBox) {
    const QString text = sentence.caption();
    // The last words follow the last run of blanks (or the last blank); blanks that end the
    // sentence are not part of them.
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    if (end == 0)
        return;
    const qsizetype run = text.lastIndexOf(QStringLiteral("  "), end - 1);
    const qsizetype last = run >= 0 ? run + 2 : text.lastIndexOf(u' ', end - 1) + 1;
    if (last == 0)
        return;
    QFont font = sentence.font();
    const QFontMetricsF metrics(font);
    const double lastWidth = metrics.horizontalAdvance(text.mid(last, end - last));
    const double gapMiddle = (lowerBox.geometry().right() + 1 + upperBox.geometry().left()) / 2.0;
    const double wanted = gapMiddle - lastWidth / 2 - sentence.x();
    const double now = metrics.horizontalAdvance(text.left(last));
    // Spacing letters rather than words: a run of blanks widens like a single one.
    font.setLetterSpacing(QFont::AbsoluteSpacing, (wanted - now) / double(last));
    sentence.setFont(font);
}

} // namespace ui
