// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/rules/plot_state.h"

namespace graphs {

Plot makePlot(const PlotNumbers& numbers, std::int16_t widthTwips, float heightTwips) {
    Plot plot{.state = {.kind = numbers.kind, .widthTwips = widthTwips, .heightTwips = heightTwips}};
    if (const std::optional<Ranges> ranges = numbers.ranges()) {
        plot.state.scales = scalesFor(*ranges, widthTwips, heightTwips);
        if (plot.state.scales)
            plot.dots = plotDots(*ranges, *plot.state.scales, widthTwips, heightTwips, numbers.function());
    }
    return plot;
}

} // namespace graphs
