// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/rules/placement.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <tuple>
#include <vector>

namespace placement {

PixelRect beside(const PixelRect& anchor, int width, int height, const PixelRect& screen, int gap) {
    const int roomRight = screen.right() - anchor.right() - gap;
    const int roomLeft = anchor.left - screen.left - gap;
    int left = 0;
    if (width <= roomRight)
        left = anchor.right() + gap;
    else if (width <= roomLeft)
        left = anchor.left - gap - width;
    else if (roomRight >= roomLeft)
        left = screen.right() - width;
    else
        left = screen.left;
    // Beside an anchor that the pupil has pushed partly off the screen, the window still opens on
    // it; one wider than the screen keeps its title bar's left end in view.
    left = std::max(screen.left, std::min(left, screen.right() - width));
    const int top = std::max(screen.top, std::min(anchor.top, screen.bottom() - height));
    return {left, top, width, height};
}

namespace {
std::int64_t overlap(const PixelRect& a, const PixelRect& b) {
    const std::int64_t across = std::min(a.right(), b.right()) - std::max(a.left, b.left);
    const std::int64_t down = std::min(a.bottom(), b.bottom()) - std::max(a.top, b.top);
    return across > 0 && down > 0 ? across * down : 0;
}
} // namespace

PixelRect besideAvoiding(const PixelRect& anchor, int width, int height, const PixelRect& screen, int gap,
                         std::span<const PixelRect> others) {
    const PixelRect preferred = beside(anchor, width, height, screen, gap);
    // The edges a window can take: against the anchor, against another window, against the
    // screen's edges.
    std::vector<int> lefts{preferred.left, screen.left, screen.right() - width};
    std::vector<int> tops{preferred.top, screen.top, screen.bottom() - height};
    const auto edgesOf = [&](const PixelRect& b) {
        lefts.insert(lefts.end(), {b.right() + gap, b.left - gap - width, b.left});
        tops.insert(tops.end(), {b.bottom() + gap, b.top - gap - height, b.top});
    };
    edgesOf(anchor);
    for (const PixelRect& b : others)
        edgesOf(b);
    PixelRect best = preferred;
    auto bestScore = std::tuple(INT64_MAX, INT64_MAX, INT64_MAX);
    for (int left : lefts)
        for (int top : tops) {
            const PixelRect at{std::max(screen.left, std::min(left, screen.right() - width)),
                               std::max(screen.top, std::min(top, screen.bottom() - height)), width, height};
            std::int64_t covered = 0;
            for (const PixelRect& b : others)
                covered += overlap(at, b);
            const std::int64_t dx = at.left - preferred.left;
            const std::int64_t dy = at.top - preferred.top;
            const auto score = std::tuple(overlap(at, anchor), covered, dx * dx + dy * dy);
            if (score < bestScore) {
                bestScore = score;
                best = at;
            }
        }
    return best;
}

} // namespace placement
