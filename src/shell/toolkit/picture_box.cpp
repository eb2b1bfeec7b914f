// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/picture_box.h"

#include "shell/toolkit/controls.h"
#include "shell/toolkit/mouse_twips.h"

#include <QPainter>

namespace ui {

namespace {
// A ring one pixel wide, `inset` pixels inside r, lit on the top and left sides.
void ring(QPainter& p, const QRectF& r, qreal inset, const QColor& topLeft, const QColor& bottomRight) {
    const QRectF in = r.adjusted(inset, inset, -inset, -inset);
    p.fillRect(QRectF(in.left(), in.top(), in.width(), 1), topLeft);
    p.fillRect(QRectF(in.left(), in.top(), 1, in.height()), topLeft);
    p.fillRect(QRectF(in.left(), in.bottom() - 1, in.width(), 1), bottomRight);
    p.fillRect(QRectF(in.right() - 1, in.top(), 1, in.height()), bottomRight);
}
} // namespace

PictureBox::PictureBox(QWidget* parent, const QString& name, const TwipsRect& r, const QString& resource)
    : m_renderer(resource)
    , m_mouse(new MouseTwips(this)) {
    setupControl(this, parent, name, r);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setBorder(Border b) {
    m_border = b;
    update();
}

void PictureBox::setAutoSize(bool on) {
    m_autoSize = on;
    if (!on)
        return;
    TwipsRect r = twips::placeOf(this);
    r.width = twips::fromPx(pictureSize().width() + 2 * kBorder);
    r.height = twips::fromPx(pictureSize().height() + 2 * kBorder);
    twips::place(this, r);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), colours::white);
    // Painted straight onto the window at its density: the vector picture is never scaled as pixels.
    m_renderer.render(&p, QRectF(QPointF(kBorder, kBorder), QSizeF(pictureSize())));
    const QRectF all(rect());
    if (m_border == Border::Flat) {
        ring(p, all, 0, colours::black, colours::black);
    } else {
        // A golden face, lit from the top left, between an outer and an inner edge.
        ring(p, all, 0, colours::white, colours::brown);
        ring(p, all, 1, colours::amber, colours::amber);
        ring(p, all, 2, colours::amber, colours::amber);
        ring(p, all, 3, colours::darkAmber, colours::paleAmber);
    }
}

} // namespace ui
