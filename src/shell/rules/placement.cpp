// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/rules/placement.h"

#include <algorithm>

namespace placement {

Box beside(const Box& anchor, int width, int height, const Box& screen, int gap) {
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

} // namespace placement
