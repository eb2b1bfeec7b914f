// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The plot geometry: whatever the ranges and the function, the dots fall on the surface and
// their number is bounded by the surface's size; a read-out is finite. Also the placement of a
// window beside another.
#include "fuzz_input.h"

#include "graphs/rules/plot_geometry.h"
#include "shell/rules/placement.h"

#include <cmath>

namespace {

void plotRules(FuzzInput& in) {
    const graphs::Ranges r{in.value<double>(), in.value<double>(), in.value<double>(), in.value<double>()};
    // The graph window's surface measures a few thousand twips.
    const double width = in.value<std::uint16_t>() % 12000;
    const double height = in.value<std::uint16_t>() % 12000;
    std::optional<graphs::Function> f;
    const auto kind = in.value<std::uint8_t>();
    if (kind % 3 != 0)
        f = graphs::Function{graphs::CurveKind(kind % 3), in.value<double>(), in.value<double>(),
                             in.value<double>()};
    const auto scales = graphs::scalesFor(r, width, height);
    if (!scales)
        return;
    REQUIRE(std::isfinite(scales->xScale) && std::isfinite(scales->yScale));
    const auto dots = graphs::plotDots(r, *scales, width, height, f);
    // The axes and the curve have a dot per step along the surface; the marks stand at least
    // 2.5 twips apart, five dots each, however narrow the scale: the work is bounded by the surface.
    const double span = width + height + 4 * graphs::dotSpacing;
    const double bound =
        span / graphs::dotSpacing + 2 + 5 * (span / 2.5 + 2) + width / graphs::dotSpacing + 64;
    REQUIRE(double(dots.size()) <= bound);
    for (const graphs::Dot& d : dots) {
        REQUIRE(std::isfinite(d.x) && std::isfinite(d.y));
        REQUIRE(d.x >= -graphs::dotSpacing && d.x <= width + graphs::dotSpacing &&
                d.y >= -graphs::dotSpacing && d.y <= height + graphs::dotSpacing);
    }
    if (f) {
        const double click = in.value<std::uint16_t>() % 12000;
        if (const auto read = graphs::readOut(*scales, r.xmin, *f, click))
            REQUIRE(std::isfinite(read->u) && std::isfinite(read->y) && std::isfinite(read->surfaceY));
    }
}

void placementRules(FuzzInput& in) {
    const auto small = [&] { return int(in.value<std::int32_t>() % 20000); };
    const numbers::PixelRect screen{small(), small(), std::abs(small()), std::abs(small())};
    const numbers::PixelRect anchor{small(), small(), std::abs(small()), std::abs(small())};
    const int width = std::abs(small());
    const int height = std::abs(small());
    const numbers::PixelRect at = placement::beside(anchor, width, height, screen, 8);
    REQUIRE(at.width == width && at.height == height);
    if (width <= screen.width && height <= screen.height) {
        REQUIRE(at.left >= screen.left && at.right() <= screen.right());
        REQUIRE(at.top >= screen.top && at.bottom() <= screen.bottom());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    FuzzInput in(data + 1, size - 1);
    if (data[0] & 1)
        placementRules(in);
    else
        plotRules(in);
    return 0;
}
