// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

// Layouts are written in twips (1/1440 inch); at 96 dpi a logical pixel is 15 twips, and Qt
// scales logical pixels on high-density screens.
namespace twips {

inline constexpr int perPixel = 15;

// Nearest logical pixel.
constexpr int toPx(int t) {
    return t >= 0 ? (t + perPixel / 2) / perPixel : -((-t + perPixel / 2) / perPixel);
}
constexpr double toPxF(double t) {
    return t / perPixel;
}
constexpr int fromPx(int px) {
    return px * perPixel;
}

// A rectangle in twips.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

QRect toPx(const Rect& r);

// Moves and sizes a control; the twips values stay readable as the properties Left, Top, Width
// and Height, since the pixel geometry loses precision.
void place(QWidget* w, const Rect& r);
Rect placeOf(const QWidget* w);

} // namespace twips

// A font as a layout names it: size in points, optional face (empty means the program's
// ordinary sans-serif face).
struct FontSpec {
    double points = 8.25;
    bool bold = false;
    bool underline = false;
    bool italic = false;
    QString family;

    QFont toFont() const;
};

// Colours that the windows use by name.
namespace colors {
inline QColor rgb(int r, int g, int b) {
    return QColor(r, g, b);
}
inline const QColor lightBlue{114, 172, 231};
inline const QColor grey{192, 192, 192};
inline const QColor lightYellow{255, 255, 140};
inline const QColor frameBlue{45, 45, 255};
QColor systemWindow();     // the system's window (background of text boxes) colour
QColor systemWindowText(); // the system's normal text colour
QColor systemButtonFace(); // the system's button face colour
} // namespace colors
