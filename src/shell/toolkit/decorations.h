// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/toolkit/style.h"
#include "shell/toolkit/twips.h"

#include <QObject>

class QPainter;

namespace ui {

// Lines and shapes are drawn by the window on its own surface, under its controls. Their
// positions are kept in twips and may change at run time.
class Decoration : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Visible READ isVisible WRITE setVisible)
public:
    Decoration(QWidget* host, const QString& name);
    bool isVisible() const { return m_visible; }
    void setVisible(bool v);
    QColor color() const { return m_color; }
    void setColor(const QColor& c);
    int penWidth() const { return m_penWidth; }
    void setPenWidth(int px);
    virtual void paint(QPainter& p) const = 0;

protected:
    void changed();

private:
    bool m_visible = true;
    QColor m_color;
    int m_penWidth = 1;
};

class Line : public Decoration {
    Q_OBJECT
    Q_PROPERTY(int X1 READ x1 WRITE setX1)
    Q_PROPERTY(int Y1 READ y1 WRITE setY1)
    Q_PROPERTY(int X2 READ x2 WRITE setX2)
    Q_PROPERTY(int Y2 READ y2 WRITE setY2)
public:
    Line(QWidget* host, const QString& name, int x1, int y1, int x2, int y2);
    int x1() const { return m_x1; }
    int y1() const { return m_y1; }
    int x2() const { return m_x2; }
    int y2() const { return m_y2; }
    void setX1(int v);
    void setY1(int v);
    void setX2(int v);
    void setY2(int v);
    void setEnds(int x1, int y1, int x2, int y2);
    void paint(QPainter& p) const override;

private:
    int m_x1, m_y1, m_x2, m_y2;
};

class Shape : public Decoration {
    Q_OBJECT
    Q_PROPERTY(int Left READ left WRITE setLeft)
    Q_PROPERTY(int Top READ top WRITE setTop)
    Q_PROPERTY(int Width READ width WRITE setWidth)
    Q_PROPERTY(int Height READ height WRITE setHeight)
public:
    enum class Kind { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };
    Shape(QWidget* host, const QString& name, Kind kind, const TwipsRect& r);
    int left() const { return m_rect.left; }
    int top() const { return m_rect.top; }
    int width() const { return m_rect.width; }
    int height() const { return m_rect.height; }
    void setLeft(int v);
    void setTop(int v);
    void setWidth(int v);
    void setHeight(int v);
    void setRect(const TwipsRect& r);
    // An invalid colour leaves the shape's inside transparent.
    void setFillColor(const QColor& c);
    void paint(QPainter& p) const override;

private:
    Kind m_kind;
    TwipsRect m_rect;
    QColor m_fill;
};

// Paints the decorations that belong to a widget, in the order they were made.
void paintDecorations(QWidget* host, QPainter& p);

} // namespace ui
