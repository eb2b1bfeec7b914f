// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/rules/plot_geometry.h"

#include <algorithm>
#include <cmath>

namespace plot {

namespace {

// Half the length of a graduation mark: five dots, pas apart, centred on the axis.
constexpr double kHalfMark = 2 * pas;

// Marks closer than this merge into a solid stroke, which is drawn with dots this far apart: at
// most a device pixel on any screen.
constexpr double kStrokeSpacing = 5;

// How far off the surface a dot may still touch its edge.
constexpr double kMargin = pas;

bool finite(double v) {
    return std::isfinite(v);
}

struct Surface {
    double largeur;
    double hauteur;
    bool shows(double x, double y) const {
        return x >= -kMargin && x <= largeur + kMargin && y >= -kMargin && y <= hauteur + kMargin;
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
            markDots(i * spacing, t * pas, [&](double x, double y) { add(dots, s, x, y, Ink::Mark); });
}

} // namespace

std::optional<Scales> scalesFor(const Ranges& r, double largeur, double hauteur) {
    const double width = r.xmax - r.xmin;
    const double height = r.ymax - r.ymin;
    if (width == 0 || height == 0)
        return std::nullopt;
    Scales s;
    s.echelleY = hauteur / height;
    s.echelleX = largeur / width;
    s.origineX = -r.xmin * s.echelleX;
    s.origineY = hauteur + r.ymin * s.echelleY;
    if (!finite(s.echelleX) || !finite(s.echelleY) || !finite(s.origineX) || !finite(s.origineY) ||
        s.echelleX == 0 || s.echelleY == 0)
        return std::nullopt;
    return s;
}

std::vector<Dot> plotDots(const Ranges& r, const Scales& sc, double largeur, double hauteur,
                          const std::optional<Function>& f) {
    std::vector<Dot> dots;
    const Surface s{largeur, hauteur};

    if (r.ymin <= 0)
        for (double X = 0; X <= largeur; X += pas)
            add(dots, s, X, sc.origineY, Ink::HorizontalAxis);
    if (r.xmin <= 0)
        for (double Y = 0; Y <= hauteur; Y += pas)
            add(dots, s, sc.origineX, Y, Ink::VerticalAxis);

    // Marks at x = xmin, xmin + 1, … up to xmax: mark i stands i·echelleX from the left edge.
    if (sc.origineY >= -kMargin - kHalfMark && sc.origineY <= hauteur + kMargin + kHalfMark)
        addMarks(dots, s, countSteps(r.xmin, r.xmax, 1), sc.echelleX, -kMargin, largeur + kMargin,
                 [&](double offset, double t, auto put) { put(offset, sc.origineY + t); });
    // Marks at y = ymin, ymin + 1, … up to ymax: mark i stands i·echelleY above the bottom edge.
    if (sc.origineX >= -kMargin - kHalfMark && sc.origineX <= largeur + kMargin + kHalfMark)
        addMarks(dots, s, countSteps(r.ymin, r.ymax, 1), sc.echelleY, -kMargin, hauteur + kMargin,
                 [&](double offset, double t, auto put) { put(sc.origineX + t, hauteur - offset); });

    if (f) {
        // X is the distance from the vertical axis; the curve spans the x range, one dot per pas.
        const double start = r.xmin * sc.echelleX;
        const double end = r.xmax * sc.echelleX;
        const double n = countSteps(start, end, pas);
        // The span is largeur up to rounding; the bound only guards against absurd rounding.
        const double limit = std::abs(largeur) / pas + 64;
        for (double i = 0; i < n && i < limit; ++i) {
            const double X = start + pas * i;
            const double u = X / sc.echelleX;
            add(dots, s, sc.origineX + X, sc.origineY - (*f)(u)*sc.echelleY, Ink::Curve);
        }
    }
    return dots;
}

std::optional<ReadOut> readOut(const Scales& s, double xmin, const Function& f, double X) {
    const double u = X / s.echelleX + xmin;
    const double y = f(u);
    const double surfaceY = s.origineY - y * s.echelleY;
    if (!finite(u) || !finite(y) || !finite(surfaceY))
        return std::nullopt;
    return ReadOut{u, y, surfaceY};
}

} // namespace plot
