// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/drawing_surface.h"

#include "shell/toolkit/controls.h"
#include "shell/toolkit/mouse_twips.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace ui {

DrawingSurface::DrawingSurface(QWidget* parent, const QString& name, const TwipsRect& r)
    : m_back(colours::systemWindow())
    , m_mouse(new MouseTwips(this)) {
    setupControl(this, parent, name, r);
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    allocate();
}

void DrawingSurface::allocate() {
    const qreal dpr = devicePixelRatioF();
    QImage img(size() * dpr, QImage::Format_RGB32);
    img.setDevicePixelRatio(dpr);
    img.fill(m_back);
    if (!m_image.isNull()) {
        QPainter p(&img);
        p.drawImage(0, 0, m_image);
    }
    m_image = img;
}

void DrawingSurface::resizeEvent(QResizeEvent*) {
    if (m_image.size() != size() * devicePixelRatioF())
        allocate();
}

void DrawingSurface::setBackColor(const QColor& c) {
    m_back = c;
    cls();
}

void DrawingSurface::setDrawWidth(int px) {
    m_drawWidth = std::max(1, px);
}

void DrawingSurface::cls() {
    m_image.fill(m_back);
    m_dots.clear();
    m_tooManyDots = false;
    update();
}

void DrawingSurface::pset(double x, double y, const QColor& c) {
    if (!std::isfinite(x) || !std::isfinite(y))
        return;
    const qreal dpr = m_image.devicePixelRatio();
    const double px = x / twips::perPixel * dpr;
    const double py = y / twips::perPixel * dpr;
    const double side = m_drawWidth * dpr;
    const double left = std::floor(px - (side - 1) / 2);
    const double top = std::floor(py - (side - 1) / 2);
    if (left >= m_image.width() || top >= m_image.height() || left + side <= 0 || top + side <= 0)
        return;
    const QRect dot(int(left), int(top), std::max(1, int(std::lround(side))),
                    std::max(1, int(std::lround(side))));
    const QRect clipped = dot.intersected(m_image.rect());
    const QRgb rgb = c.rgb();
    if (!m_tooManyDots) {
        const double side1 = m_drawWidth;
        const double px1 = x / twips::perPixel;
        const double py1 = y / twips::perPixel;
        m_dots.push_back(
            {QRectF(std::floor(px1 - (side1 - 1) / 2), std::floor(py1 - (side1 - 1) / 2), side1, side1),
             rgb});
        m_tooManyDots = m_dots.size() > kMostDots;
        if (m_tooManyDots)
            m_dots = {};
    }
    for (int yy = clipped.top(); yy <= clipped.bottom(); ++yy) {
        auto* line = reinterpret_cast<QRgb*>(m_image.scanLine(yy));
        for (int xx = clipped.left(); xx <= clipped.right(); ++xx)
            line[xx] = rgb;
    }
    update(QRectF(clipped.x() / dpr, clipped.y() / dpr, clipped.width() / dpr, clipped.height() / dpr)
               .toAlignedRect());
}

QColor DrawingSurface::point(double x, double y) const {
    const qreal dpr = m_image.devicePixelRatio();
    const QPoint p(int(std::floor(x / twips::perPixel * dpr)), int(std::floor(y / twips::perPixel * dpr)));
    return m_image.rect().contains(p) ? QColor(m_image.pixel(p)) : QColor();
}

// The dots as filled squares, in the order they were set; a run of one colour is one path.
void DrawingSurface::paintDots(QPainter& painter) const {
    const QRectF inside(QPointF(0, 0), QSizeF(size()));
    painter.fillRect(inside, m_back);
    QPainterPath run;
    QRgb runColour = 0;
    const auto flush = [&] {
        if (!run.isEmpty())
            painter.fillPath(run, QColor(runColour));
        run = QPainterPath();
        // Overlapping squares stay filled.
        run.setFillRule(Qt::WindingFill);
    };
    flush();
    for (const Dot& dot : m_dots) {
        const QRectF square = dot.square.intersected(inside);
        if (square.isEmpty())
            continue;
        if (dot.colour != runColour)
            flush();
        runColour = dot.colour;
        run.addRect(square);
    }
    flush();
}

void DrawingSurface::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    // Onto a picture being saved or printed, the drawing goes as shapes; the screen and the
    // images copied from it show the pixels kept.
    if (!m_tooManyDots && p.paintEngine() && p.paintEngine()->type() != QPaintEngine::Raster) {
        paintDots(p);
        return;
    }
    p.drawImage(e->rect(), m_image,
                QRectF(e->rect().topLeft() * m_image.devicePixelRatio(),
                       e->rect().size() * m_image.devicePixelRatio()));
}

} // namespace ui
