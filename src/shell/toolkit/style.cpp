// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/style.h"

#include <QApplication>
#include <QPalette>

namespace ui {

QFont FontSpec::toFont() const {
    QFont f(family.isEmpty() ? QStringLiteral("Liberation Sans") : family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setUnderline(underline);
    f.setItalic(italic);
    return f;
}

namespace colours {

QColor systemWindow() {
    return QApplication::palette().color(QPalette::Base);
}

QColor systemWindowText() {
    return QApplication::palette().color(QPalette::WindowText);
}

} // namespace colours

} // namespace ui
