// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphs/rules/plot_geometry.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace graphs {

// What the last plot leaves for reading points off it (the graph window's clicks and cursor):
// the kind of curve, the drawing's size and the scales fixed when the plot was made.
struct PlotState {
    CurveKind kind = CurveKind::Affine;
    std::int16_t widthTwips = 0; // the drawing's width, rounded to a whole number (halves to even)
    float heightTwips = 0;
    std::optional<Scales> scales; // nothing before the first plot, or when the ranges gave no drawing
    std::int16_t dotSpacingTwips = dotSpacing;
};

// A plot of the numbers of a window on a drawing of that size: the state it leaves, and its dots
// in drawing order (none when the ranges give no scales).
struct Plot {
    PlotState state;
    std::vector<Dot> dots;
};
Plot makePlot(const PlotNumbers& numbers, std::int16_t widthTwips, float heightTwips);

} // namespace graphs
