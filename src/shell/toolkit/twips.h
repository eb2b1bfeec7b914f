// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/rect.h"

#include <QRect>

class QWidget;

// Layouts are written in twips (1/1440 inch); at 96 dpi a logical pixel is 15 twips, and Qt
// scales logical pixels on high-density screens. A control's place is a TwipsRect, the
// rectangle of numbers/rect.h with the unit in its name.
namespace ui {
using numbers::TwipsRect;
}

namespace ui::twips {

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

QRect toPx(const TwipsRect& r);

// Moves and sizes a control; the twips values stay readable as the properties Left, Top, Width
// and Height, since the pixel geometry loses precision.
void place(QWidget* w, const TwipsRect& r);
TwipsRect placeOf(const QWidget* w);

} // namespace ui::twips
