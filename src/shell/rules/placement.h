// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/rect.h"

#include <span>

// Where a window opens beside another one, in screen pixels.
namespace placement {

using numbers::PixelRect;

// The place of a window of the given size next to `anchor`, inside `screen`, `gap` pixels apart:
// to its right when there is room, else to its left, else against the screen edge on the roomier
// side, so that it covers as little of the anchor as the screen allows. Its top is level with the
// anchor's, moved up as far as needed to keep it on the screen.
PixelRect beside(const PixelRect& anchor, int width, int height, const PixelRect& screen, int gap);

// The same, with other windows already on the screen: of the places beside the anchor and beside
// each of them, the one that covers the least of the anchor, then the least of the others, then
// lies nearest to where beside() puts it. With no other window, or when they are out of the way,
// it is beside()'s place.
PixelRect besideAvoiding(const PixelRect& anchor, int width, int height, const PixelRect& screen, int gap,
                         std::span<const PixelRect> others);

} // namespace placement
