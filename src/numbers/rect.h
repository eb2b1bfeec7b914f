// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace numbers {

// A rectangle in whole units: its left and top edges, its width and its height. The unit is part
// of the type, so that a place in twips cannot be handed where one in pixels is meant.
template <class Unit> struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// Twips (1/1440 inch): the unit the windows and their controls are laid out in.
struct Twips {};
// Screen pixels: the unit of where windows stand on the desktop.
struct Pixels {};

using TwipsRect = Rect<Twips>;
using PixelRect = Rect<Pixels>;

} // namespace numbers
