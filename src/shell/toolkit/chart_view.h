// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/toolkit/twips.h"

#include <QImage>
#include <QWidget>

class QPainter;

namespace ui {

// What a chart shows. It paints in logical coordinates onto whatever device the painter is on
// (the screen, an image at any scale, an SVG or PDF file), so every copy is the picture the
// screen shows; and it says what it shows in words, for screen readers.
class ChartPicture {
public:
    virtual void paint(QPainter& painter, const QSizeF& size) const = 0;
    virtual QString description() const = 0;

protected:
    ~ChartPicture() = default;
};

// A picture box that shows a chart. The chart is repainted when events next run after refresh(),
// however often refresh() is called in between.
class ChartView : public QWidget {
public:
    ChartView(QWidget* parent, const QString& name, const TwipsRect& r);

    // The chart to show, owned by the window's code; nothing shows a blank box.
    void setPicture(const ChartPicture* picture);
    void refresh();
    // The chart as an image of the box's size at the given scale (2 for a high-density copy).
    QImage toImage(qreal scale = 1) const;
    // The chart on any painter (an SVG or PDF file, a printer), at the box's size in its units.
    void paintOnto(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    const ChartPicture* m_picture = nullptr;
    bool m_describePending = false;
};

} // namespace ui
