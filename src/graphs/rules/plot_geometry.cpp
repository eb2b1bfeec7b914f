// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/rules/plot_geometry.h"

#include <algorithm>
#include <cmath>

namespace graphs {

namespace {

// Half the length of a graduation mark: five dots, dotSpacing apart, centred on the axis.
constexpr double kHalfMark = 2 * dotSpacing;

// Marks closer than this merge into a solid stroke, which is drawn with dots this far apart: at
// most a device pixel on any screen.
constexpr double kStrokeSpacing = 5;

// How far off the surface a dot may still touch its edge.
constexpr double kMargin = dotSpacing;

bool finite(double v) {
    return std::isfinite(v);
}

struct Surface {
    double width;
    double height;
    bool shows(double x, double y) const {
        return x >= -kMargin && x <= width + kMargin && y >= -kMargin && y <= height + kMargin;
    }
};

void add(std::vector<Dot>& dots, const Surface& s, double x, double y, Ink ink) {
    if (finite(x) && finite(y) && s.shows(x, y))
        dots.push_back({x, y, ink});
}

// How many values start, start + step, start + 2·step, … stay at or below end, counted without
// walking them, so that an enormous count costs nothing.
double countSteps(double start, double end, double step) {
    if (!(start <= end))
        return 0;
    double n = std::floor((end - start) / step) + 1;
    if (!(n < 0x1p50))
        return n; // far more than will ever be walked
    // The division may be off by one either way; settle it with the loop's own test.
    while (n > 0 && start + step * (n - 1) > end)
        n -= 1;
    while (start + step * n <= end && start + step * n != start + step * (n - 1))
        n += 1;
    return n;
}

// The graduation marks of one axis. Mark i stands at offset i·spacing from the first one, which is
// at offset 0; only the marks whose offset lies in [lo, hi] can be seen. Marks that merge into a
// solid stroke are thinned out so that the stroke costs a few thousand dots at most.
template <class At>
void addMarks(std::vector<Dot>& dots, const Surface& s, double count, double spacing, double lo, double hi,
              At markDots) {
    if (count <= 0 || !(spacing > 0))
        return;
    const double firstSeen = std::max(0.0, std::ceil(lo / spacing));
    const double lastSeen = std::min(count - 1, std::floor(hi / spacing));
    if (!(firstSeen <= lastSeen))
        return;
    const double stride = spacing < kStrokeSpacing ? std::floor(kStrokeSpacing / spacing) : 1;
    for (double i = firstSeen; i <= lastSeen; i += stride)
        for (int t = -2; t <= 2; ++t)
            markDots(i * spacing, t * dotSpacing, [&](double x, double y) { add(dots, s, x, y, Ink::Mark); });
}

} // namespace

std::optional<Ranges> PlotNumbers::ranges() const {
    if (!xmin || !xmax || !ymin || !ymax)
        return std::nullopt;
    return Ranges{*xmin, *xmax, *ymin, *ymax};
}

std::optional<Function> PlotNumbers::function() const {
    const std::optional<double> constant = kind == CurveKind::Trinomial ? c : 0.0;
    if (!a || !b || !constant)
        return std::nullopt;
    return Function{kind, *a, *b, *constant};
}

std::optional<Scales> scalesFor(const Ranges& r, double width, double height) {
    const double xSpan = r.xmax - r.xmin;
    const double ySpan = r.ymax - r.ymin;
    if (xSpan == 0 || ySpan == 0)
        return std::nullopt;
    Scales s;
    s.yScale = height / ySpan;
    s.xScale = width / xSpan;
    s.originX = -r.xmin * s.xScale;
    s.originY = height + r.ymin * s.yScale;
    if (!finite(s.xScale) || !finite(s.yScale) || !finite(s.originX) || !finite(s.originY) || s.xScale == 0 ||
        s.yScale == 0)
        return std::nullopt;
    return s;
}

std::vector<Dot> plotDots(const Ranges& r, const Scales& sc, double width, double height,
                          const std::optional<Function>& f) {
    std::vector<Dot> dots;
    const Surface s{width, height};

    if (r.ymin <= 0)
        for (double X = 0; X <= width; X += dotSpacing)
            add(dots, s, X, sc.originY, Ink::HorizontalAxis);
    if (r.xmin <= 0)
        for (double Y = 0; Y <= height; Y += dotSpacing)
            add(dots, s, sc.originX, Y, Ink::VerticalAxis);

    // Marks at x = xmin, xmin + 1, … up to xmax: mark i stands i·xScale from the left edge.
    if (sc.originY >= -kMargin - kHalfMark && sc.originY <= height + kMargin + kHalfMark)
        addMarks(dots, s, countSteps(r.xmin, r.xmax, 1), sc.xScale, -kMargin, width + kMargin,
                 [&](double offset, double t, auto put) { put(offset, sc.originY + t); });
    // Marks at y = ymin, ymin + 1, … up to ymax: mark i stands i·yScale above the bottom edge.
    if (sc.originX >= -kMargin - kHalfMark && sc.originX <= width + kMargin + kHalfMark)
        addMarks(dots, s, countSteps(r.ymin, r.ymax, 1), sc.yScale, -kMargin, height + kMargin,
                 [&](double offset, double t, auto put) { put(sc.originX + t, height - offset); });

    if (f) {
        // X is the distance from the vertical axis; the curve spans the x range, one dot per dotSpacing.
        const double start = r.xmin * sc.xScale;
        const double end = r.xmax * sc.xScale;
        const double n = countSteps(start, end, dotSpacing);
        // The span is width up to rounding; the bound only guards against absurd rounding.
        const double limit = std::abs(width) / dotSpacing + 64;
        for (double i = 0; i < n && i < limit; ++i) {
            const double X = start + dotSpacing * i;
            const double u = X / sc.xScale;
            add(dots, s, sc.originX + X, sc.originY - (*f)(u)*sc.yScale, Ink::Curve);
        }
    }
    return dots;
}

std::optional<ReadOut> readOut(const Scales& s, double xmin, const Function& f, double X) {
    const double u = X / s.xScale + xmin;
    const double y = f(u);
    const double surfaceY = s.originY - y * s.yScale;
    if (!finite(u) || !finite(y) || !finite(surfaceY))
        return std::nullopt;
    return ReadOut{u, y, surfaceY};
}

std::optional<ReadOut> readOut(const Scales& s, const PlotNumbers& now, double X) {
    const std::optional<Function> f = now.function();
    if (!now.xmin || !f)
        return std::nullopt;
    return readOut(s, *now.xmin, *f, X);
}

} // namespace graphs
