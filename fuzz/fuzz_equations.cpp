// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The solvers of the equation windows: the affine rules, the three steps of the degree-2 solver
// pressed in any order, and the diophantine stages. Every number they show reads back; a
// particular solution of a diophantine equation solves it.
#include "shown_numbers.h"

#include "equations/rules/affine.h"
#include "equations/rules/diophantine.h"
#include "equations/rules/trinomial.h"
#include "numbers/rounding.h"

using numbers::NumberFormat;
using numbers::roundToTwoDecimals;

namespace {
namespace trinomial = equations::trinomial;
namespace diophantine = equations::diophantine;

void affineRules(FuzzInput& in) {
    const double a = in.value<double>();
    const double b = in.value<double>();
    const double k = in.value<double>();
    if (const auto x = equations::affine::solve(a, b, k)) {
        REQUIRE(std::isfinite(*x) && a != 0);
        REQUIRE(roundToTwoDecimals(*x) == *x);
    }
    if (const auto y = equations::affine::valueAt(a, b, k))
        REQUIRE(std::isfinite(*y));
    const equations::affine::Arrow arrow = equations::affine::arrowFor(a);
    REQUIRE(arrow == equations::affine::kRisingArrow || arrow == equations::affine::kFallingArrow);
}

bool isComplex(const std::string& s) {
    return s.find("i*") != std::string::npos;
}

void trinomialRules(const NumberFormat& fmt, FuzzInput& in) {
    trinomial::Boxes boxes{std::string(in.text()), std::string(in.text()), std::string(in.text()),
                           std::string(in.text())};
    trinomial::Memory memory;
    trinomial::View view;
    const std::string_view presses = in.text();
    for (char p : presses.substr(0, 8)) {
        switch (p % 3) {
        case 0:
            trinomial::discriminant(fmt, boxes, memory, view);
            break;
        case 1:
            trinomial::solutions(fmt, boxes, memory, view);
            break;
        default:
            trinomial::factorise(fmt, boxes.a, view);
            break;
        }
        requireResultReadsBack(fmt, view.discriminant);
        if (!isComplex(view.first))
            requireResultReadsBack(fmt, view.first);
        if (!isComplex(view.second))
            requireResultReadsBack(fmt, view.second);
    }
    if (const auto v = trinomial::valueAt(fmt, boxes.a, boxes.b, boxes.c, boxes.k))
        REQUIRE(std::isfinite(*v));
    const trinomial::Variation variation = trinomial::variationOf(fmt, boxes.a, boxes.b, boxes.c);
    if (variation.vertex)
        requireResultReadsBack(fmt, *variation.vertex);
}

void diophantineRules(const NumberFormat& fmt, FuzzInput& in) {
    diophantine::Boxes boxes{std::string(in.text()), std::string(in.text()), std::string(in.text())};
    diophantine::View view;
    diophantine::simplify(fmt, boxes, view);
    if (diophantine::particularSolution(fmt, boxes, view) == diophantine::Particular::Found) {
        const auto a = fmt.toDouble(boxes.a), b = fmt.toDouble(boxes.b), c = fmt.toDouble(boxes.c);
        const auto x0 = fmt.toDouble(view.x0), y0 = fmt.toDouble(view.y0);
        REQUIRE(a && b && c && x0 && y0);
        REQUIRE(*a * *x0 + *b * *y0 == *c);
        diophantine::generalSolution(fmt, boxes, view);
        REQUIRE(view.generalLinesShown);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte chooses the rules and the separator; the rest is their input.
    const std::uint8_t choice = data[0];
    FuzzInput in(data + 1, size - 1);
    const NumberFormat fmt(choice & 1 ? '.' : ',');
    switch ((choice >> 1) % 3) {
    case 0:
        affineRules(in);
        break;
    case 1:
        trinomialRules(fmt, in);
        break;
    default:
        diophantineRules(fmt, in);
        break;
    }
    return 0;
}
