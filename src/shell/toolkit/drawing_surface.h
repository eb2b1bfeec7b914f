// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/toolkit/style.h"
#include "shell/toolkit/twips.h"

#include <QImage>
#include <QWidget>

#include <vector>

namespace ui {

class MouseTwips;

// A picture box with a drawing surface: the dots set on it are kept in an image, so the drawing
// survives the window being covered, resized or hidden, and as a list of squares, so that a saved
// or printed picture (SVG, PDF, print) holds them as vector shapes. Positions are in twips.
class DrawingSurface : public QWidget {
public:
    DrawingSurface(QWidget* parent, const QString& name, const TwipsRect& r);

    void setBackColor(const QColor& c);
    QColor backColor() const { return m_back; }
    // Pen width in pixels of the dots that follow.
    void setDrawWidth(int px);
    int drawWidth() const { return m_drawWidth; }
    // Clears the surface to its background colour.
    void cls();
    // One dot centred at (x, y) twips; dots outside the surface are ignored.
    void pset(double x, double y, const QColor& c);
    // The colour shown at (x, y) twips.
    QColor point(double x, double y) const;
    MouseTwips& mouse() { return *m_mouse; }
    const QImage& image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void allocate();
    void paintDots(QPainter& painter) const;

    struct Dot {
        QRectF square; // in pixels at the scale 1
        QRgb colour;
    };
    // Past this many dots the pictures fall back to the image: the list would grow without bound.
    static constexpr std::size_t kMostDots = 250'000;

    QImage m_image;
    std::vector<Dot> m_dots;
    bool m_tooManyDots = false;
    QColor m_back;
    int m_drawWidth = 1;
    MouseTwips* m_mouse;
};

} // namespace ui
