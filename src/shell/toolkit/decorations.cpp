// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/decorations.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace ui {

Decoration::Decoration(QWidget* host, const QString& name)
    : QObject(host)
    , m_color(colours::systemWindowText()) {
    setObjectName(name);
}

void Decoration::changed() {
    if (auto* host = qobject_cast<QWidget*>(parent()))
        host->update();
}

void Decoration::setVisible(bool v) {
    m_visible = v;
    changed();
}

void Decoration::setColor(const QColor& c) {
    m_color = c;
    changed();
}

void Decoration::setPenWidth(int px) {
    m_penWidth = std::max(1, px);
    changed();
}

Line::Line(QWidget* host, const QString& name, int x1, int y1, int x2, int y2)
    : Decoration(host, name)
    , m_x1(x1)
    , m_y1(y1)
    , m_x2(x2)
    , m_y2(y2) {}

void Line::setX1(int v) {
    setEnds(v, m_y1, m_x2, m_y2);
}
void Line::setY1(int v) {
    setEnds(m_x1, v, m_x2, m_y2);
}
void Line::setX2(int v) {
    setEnds(m_x1, m_y1, v, m_y2);
}
void Line::setY2(int v) {
    setEnds(m_x1, m_y1, m_x2, v);
}

void Line::setEnds(int x1, int y1, int x2, int y2) {
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    changed();
}

void Line::paint(QPainter& p) const {
    p.setPen(QPen(color(), penWidth(), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(twips::toPxF(m_x1), twips::toPxF(m_y1)),
               QPointF(twips::toPxF(m_x2), twips::toPxF(m_y2)));
}

Shape::Shape(QWidget* host, const QString& name, Kind kind, const TwipsRect& r)
    : Decoration(host, name)
    , m_kind(kind)
    , m_rect(r) {}

void Shape::setLeft(int v) {
    setRect({v, m_rect.top, m_rect.width, m_rect.height});
}
void Shape::setTop(int v) {
    setRect({m_rect.left, v, m_rect.width, m_rect.height});
}
void Shape::setWidth(int v) {
    setRect({m_rect.left, m_rect.top, v, m_rect.height});
}
void Shape::setHeight(int v) {
    setRect({m_rect.left, m_rect.top, m_rect.width, v});
}

void Shape::setRect(const TwipsRect& r) {
    m_rect = r;
    changed();
}

void Shape::setFillColor(const QColor& c) {
    m_fill = c;
    changed();
}

void Shape::paint(QPainter& p) const {
    // The outline lies inside the shape's box, as a frame drawn around a window must.
    const double w = penWidth();
    QRectF box(twips::toPxF(m_rect.left), twips::toPxF(m_rect.top), twips::toPxF(m_rect.width),
               twips::toPxF(m_rect.height));
    if (m_kind == Kind::Square || m_kind == Kind::Circle || m_kind == Kind::RoundedSquare) {
        const double side = std::min(box.width(), box.height());
        box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    if (m_kind == Kind::Rectangle || m_kind == Kind::Square) {
        // Whole pixels: the inside, then the outline as four strips of the pen's width.
        const QRect r = box.toRect();
        const int pw = penWidth();
        if (m_fill.isValid())
            p.fillRect(r, m_fill);
        p.fillRect(QRect(r.left(), r.top(), r.width(), pw), color());
        p.fillRect(QRect(r.left(), r.bottom() - pw + 1, r.width(), pw), color());
        p.fillRect(QRect(r.left(), r.top(), pw, r.height()), color());
        p.fillRect(QRect(r.right() - pw + 1, r.top(), pw, r.height()), color());
        return;
    }
    box.adjust(w / 2, w / 2, -w / 2, -w / 2);
    p.setPen(QPen(color(), w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(m_fill.isValid() ? QBrush(m_fill) : Qt::NoBrush);
    if (m_kind == Kind::Oval || m_kind == Kind::Circle)
        p.drawEllipse(box);
    else
        p.drawRoundedRect(box, 10, 10);
}

void paintDecorations(QWidget* host, QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    for (QObject* child : host->children())
        if (auto* d = qobject_cast<Decoration*>(child); d && d->isVisible())
            d->paint(p);
}

} // namespace ui
