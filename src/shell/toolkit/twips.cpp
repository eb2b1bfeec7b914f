// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/twips.h"

#include <QWidget>

namespace ui::twips {

QRect toPx(const TwipsRect& r) {
    return QRect(toPx(r.left), toPx(r.top), toPx(r.width), toPx(r.height));
}

void place(QWidget* w, const TwipsRect& r) {
    w->setProperty("Left", r.left);
    w->setProperty("Top", r.top);
    w->setProperty("Width", r.width);
    w->setProperty("Height", r.height);
    w->setGeometry(toPx(r));
}

TwipsRect placeOf(const QWidget* w) {
    return TwipsRect{w->property("Left").toInt(), w->property("Top").toInt(), w->property("Width").toInt(),
                     w->property("Height").toInt()};
}

} // namespace ui::twips
