// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// Where the dots of a plot go: dotted axes, a graduation mark at every unit and the curve of the
// function, on a drawing surface measured in twips (origin at the top left, y downwards).
namespace graphs {

// Spacing of the dots along the axes, the marks and the curve, in twips.
inline constexpr int dotSpacing = 20;

struct Ranges {
    double xmin = 0;
    double xmax = 0;
    double ymin = 0;
    double ymax = 0;
};

// The mapping from units to surface twips, fixed when the plot is made.
struct Scales {
    double xScale = 0;  // twips per unit, horizontally
    double yScale = 0;  // twips per unit, vertically
    double originX = 0; // surface abscissa of x = 0
    double originY = 0; // surface ordinate of y = 0
};

// The two curves a plot draws, each from its own window; the kind says what the coefficients a, b
// and c of that window's boxes stand for. The values are those of the plot state's kind.
enum class CurveKind : std::int16_t {
    Affine = 1,    // a·x + b, from the degree-1 window
    Trinomial = 2, // a·x² + b·x + c, from the degree-2 window
};

// The function drawn, with the coefficients as its window's boxes name them.
struct Function {
    CurveKind kind = CurveKind::Affine;
    double a = 0;
    double b = 0;
    double c = 0; // the trinomial's only
    double operator()(double u) const {
        return kind == CurveKind::Trinomial ? a * u * u + b * u + c : a * u + b;
    }
    // The coefficients by the power of x they multiply, whatever the kind.
    double ofXSquared() const { return kind == CurveKind::Trinomial ? a : 0; }
    double ofX() const { return kind == CurveKind::Trinomial ? b : a; }
    double constant() const { return kind == CurveKind::Trinomial ? c : b; }
};

// The numbers of the window that plots, read from its boxes when asked: each is nothing while its
// box holds no number. c counts for the trinomial only.
struct PlotNumbers {
    CurveKind kind = CurveKind::Affine;
    std::optional<double> xmin;
    std::optional<double> xmax;
    std::optional<double> ymin;
    std::optional<double> ymax;
    std::optional<double> a;
    std::optional<double> b;
    std::optional<double> c;

    // The ranges, when all four are numbers.
    std::optional<Ranges> ranges() const;
    // The function, when its coefficients are numbers.
    std::optional<Function> function() const;
};

enum class Ink { HorizontalAxis, VerticalAxis, Mark, Curve };

struct Dot {
    double x;
    double y;
    Ink ink;
};

// The scales of a surface of width × height twips showing the ranges; nothing when a range
// has no width or a scale or origin is not a finite number.
std::optional<Scales> scalesFor(const Ranges& r, double width, double height);

// Every dot of the plot that can be seen on the surface, in drawing order: horizontal axis,
// vertical axis, marks of each axis, then the curve when there is a function. Dots that would
// fall off the surface are left out, so that a range of any width is drawn in the same time.
std::vector<Dot> plotDots(const Ranges& r, const Scales& s, double width, double height,
                          const std::optional<Function>& f);

// The point of the curve under a click at surface abscissa X: its abscissa u, its image y and the
// surface ordinate of the point. Nothing when one of them is not a finite number.
struct ReadOut {
    double u;
    double y;
    double surfaceY;
};
std::optional<ReadOut> readOut(const Scales& s, double xmin, const Function& f, double X);
// The same with the numbers the plotting window holds now; nothing as well when x minimum or a
// coefficient is not a number.
std::optional<ReadOut> readOut(const Scales& s, const PlotNumbers& now, double X);

} // namespace graphs
