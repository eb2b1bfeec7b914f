// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/fit_text.h"

#include "shell/toolkit/controls.h"

#include <QFontMetricsF>

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
    const qsizetype last = text.lastIndexOf(u' ') + 1;
    QFont font = sentence.font();
    const QFontMetricsF metrics(font);
    const double lastWidth = metrics.horizontalAdvance(text.mid(last));
    const double gapMiddle = (lowerBox.geometry().right() + 1 + upperBox.geometry().left()) / 2.0;
    const double wanted = gapMiddle - lastWidth / 2 - sentence.x();
    const double now = metrics.horizontalAdvance(text.left(last));
    // Spacing letters rather than words: a run of blanks widens like a single one.
    font.setLetterSpacing(QFont::AbsoluteSpacing, (wanted - now) / double(last));
    sentence.setFont(font);
}
