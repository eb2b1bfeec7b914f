// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/button.h"

#include "shell/toolkit/controls.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QSvgRenderer>

Button::Button(QWidget* parent, const QString& name, const QString& caption, const twips::Rect& r,
               const FontSpec& font) {
    setupControl(this, parent, name, r, font);
    setText(caption);
}

void Button::setFaceColor(const QColor& c) {
    setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #404040; }"
                                 "QPushButton:pressed { border: 2px inset #404040; }"
                                 "QPushButton:focus { border: 1px dotted #000000; }")
                      .arg(c.name()));
}

void Button::setPicture(const QString& resource) {
    m_picture = resource;
    update();
}

void Button::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    opt.text.clear();
    opt.icon = QIcon();
    style()->drawControl(QStyle::CE_PushButtonBevel, &opt, &painter, this);

    const QRect inner = rect().adjusted(3, 3, -3, -3);
    if (!m_picture.isEmpty()) {
        QSvgRenderer svg(m_picture);
        const QSizeF s = svg.defaultSize().scaled(inner.size(), Qt::KeepAspectRatio);
        const QRectF target(inner.x() + (inner.width() - s.width()) / 2,
                            inner.y() + (inner.height() - s.height()) / 2, s.width(), s.height());
        svg.render(&painter, target);
        return;
    }
    QPalette::ColorRole role = QPalette::ButtonText;
    style()->drawItemText(&painter, inner, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                          palette(), isEnabled(), text(), role);
}
