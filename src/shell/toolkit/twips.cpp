// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/twips.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace twips {

QRect toPx(const Rect& r) {
    return QRect(toPx(r.left), toPx(r.top), toPx(r.width), toPx(r.height));
}

void place(QWidget* w, const Rect& r) {
    w->setProperty("Left", r.left);
    w->setProperty("Top", r.top);
    w->setProperty("Width", r.width);
    w->setProperty("Height", r.height);
    w->setGeometry(toPx(r));
}

Rect placeOf(const QWidget* w) {
    return Rect{w->property("Left").toInt(), w->property("Top").toInt(), w->property("Width").toInt(),
                w->property("Height").toInt()};
}

} // namespace twips

QFont FontSpec::toFont() const {
    QFont f(family.isEmpty() ? QStringLiteral("Liberation Sans") : family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setUnderline(underline);
    f.setItalic(italic);
    return f;
}

namespace colors {
QColor systemWindow() {
    return QApplication::palette().color(QPalette::Base);
}
QColor systemWindowText() {
    return QApplication::palette().color(QPalette::WindowText);
}
QColor systemButtonFace() {
    return QApplication::palette().color(QPalette::Button);
}
} // namespace colors
