// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/button.h"

#include "shell/toolkit/controls.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QSvgRenderer>

#include <algorithm>

namespace ui {

Button::Button(QWidget* parent, const QString& name, const QString& caption, const TwipsRect& r,
               const FontSpec& font) {
    setupControl(this, parent, name, r, font);
    setText(caption);
}

void Button::setFaceColor(const QColor& c) {
    // Painted here rather than by a style sheet: a style sheet's one-pixel border falls between
    // two device pixels on a screen scaled by 1.5 and comes out blurred, and each style sheet
    // costs memory and time at start.
    m_face = c;
    update();
}

void Button::setPicture(const QString& resource) {
    m_picture = resource;
    update();
}

namespace {
// A rectangle's outline in whole device pixels, `w` pixels wide: the top and left sides in one
// colour, the bottom and right sides in the other. With `dotted`, every other run of `w` pixels.
void paintOutline(QPainter& p, const QRect& r, int w, const QColor& topLeft, const QColor& bottomRight,
                  bool dotted) {
    auto strip = [&](int x, int y, int width, int height, const QColor& c) {
        if (!dotted) {
            p.fillRect(QRect(x, y, width, height), c);
            return;
        }
        for (int i = 0; i < std::max(width, height); i += 2 * w)
            p.fillRect(width > height ? QRect(x + i, y, std::min(w, width - i), height)
                                      : QRect(x, y + i, width, std::min(w, height - i)),
                       c);
    };
    strip(r.left(), r.top(), r.width(), w, topLeft);
    strip(r.left(), r.top(), w, r.height(), topLeft);
    strip(r.left(), r.bottom() - w + 1, r.width(), w, bottomRight);
    strip(r.right() - w + 1, r.top(), w, r.height(), bottomRight);
}
} // namespace

void Button::paintFlatFace(QPainter& p) const {
    // Drawn in device pixels, from the button's edges as the screen places them, so that a
    // scale of 1.5 gives outlines of whole pixels on every side.
    const qreal dpr = devicePixelRatioF();
    const QPointF origin = QPointF(mapTo(window(), QPoint(0, 0))) * dpr;
    const QPoint deviceTopLeft(qRound(origin.x()), qRound(origin.y()));
    const QPoint deviceBottomRight(qRound(origin.x() + width() * dpr), qRound(origin.y() + height() * dpr));
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.scale(1 / dpr, 1 / dpr);
    p.translate(deviceTopLeft - origin);
    const QRect box(QPoint(0, 0), QSize(deviceBottomRight.x() - deviceTopLeft.x(),
                                        deviceBottomRight.y() - deviceTopLeft.y()));
    const int line = std::max(1, qRound(dpr));
    const QColor border = colours::darkGrey;
    p.fillRect(box, m_face);
    if (isDown())
        paintOutline(p, box, 2 * line, border.darker(150), border.lighter(150), false);
    else if (hasFocus())
        paintOutline(p, box, line, colours::black, colours::black, true);
    else
        paintOutline(p, box, line, border, border, false);
    p.restore();
}

void Button::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    const auto mods = e->modifiers() & ~Qt::KeypadModifier;
    if (enter && mods == Qt::NoModifier && !e->isAutoRepeat()) {
        e->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(e);
}

void Button::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_face.isValid()) {
        paintFlatFace(painter);
    } else {
        QStyleOptionButton opt;
        initStyleOption(&opt);
        opt.text.clear();
        opt.icon = QIcon();
        style()->drawControl(QStyle::CE_PushButtonBevel, &opt, &painter, this);
    }

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

} // namespace ui
