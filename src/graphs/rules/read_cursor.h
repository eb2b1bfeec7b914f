// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphs/rules/plot_geometry.h"

#include <optional>

// The keyboard's way to read the curve: a cursor that stops at round abscissas of the drawing,
// moved one stop at a time along x.
namespace graphs {

// The stops of the cursor on a surface `width` twips wide: every multiple of a round step of x
// (1, 2 or 5 times a power of ten, the smallest at least minStepTwips wide), and four times as
// many for the fine moves (quarters, which binary numbers hold exactly, so that the read-outs
// of whole steps stay round). Positions are surface abscissas in twips.
class ReadCursor {
public:
    static constexpr double minStepTwips = 300; // 20 pixels

    // Nothing when the scales leave no stop on the surface.
    static std::optional<ReadCursor> on(const Scales& s, double width);

    // Where the cursor starts: at x = 0 when it is on the drawing, otherwise at the stop nearest
    // the middle.
    double start() const;
    // The next stop strictly to the right (direction +1) or left (-1) of X, among the fine stops
    // when asked; X itself when there is none that way.
    double next(double X, int direction, bool fine = false) const;
    double first() const { return m_first; }
    double last() const { return m_last; }
    // The distance between two stops, in twips and in units of x.
    double stepTwips() const { return m_step; }
    double stepUnits() const { return m_stepUnits; }

private:
    double stopNear(double X, double step) const;

    double m_origin = 0; // surface abscissa of x = 0
    double m_step = 0;
    double m_stepUnits = 0;
    double m_width = 0;
    double m_first = 0;
    double m_last = 0;
};

} // namespace graphs
