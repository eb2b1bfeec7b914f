// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where a window opens beside another one, in screen pixels.
namespace placement {

struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

// The place of a window of the given size next to `anchor`, inside `screen`, `gap` pixels apart:
// to its right when there is room, else to its left, else against the screen edge on the roomier
// side, so that it covers as little of the anchor as the screen allows. Its top is level with the
// anchor's, moved up as far as needed to keep it on the screen.
Box beside(const Box& anchor, int width, int height, const Box& screen, int gap);

} // namespace placement
