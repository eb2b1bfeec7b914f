// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The solvers of the equation windows: the affine rules, the three steps of the degree-2 solver
// pressed in any order, and the diophantine stages. Every number they show reads back; a
// particular solution of a diophantine equation solves it.
#include "shown_numbers.h"

#include "equations/rules/affine.h"
#include "equations/rules/affine_steps.h"
#include "equations/rules/diophantine.h"
#include "equations/rules/diophantine_steps.h"
#include "equations/rules/trinomial.h"
#include "equations/rules/trinomial_steps.h"
#include "numbers/exact.h"

using numbers::NumberFormat;

namespace {
namespace trinomial = equations::trinomial;
namespace diophantine = equations::diophantine;
using numbers::exactValue;

void affineRules(const NumberFormat& fmt, FuzzInput& in) {
    const std::string a(in.text());
    const std::string b(in.text());
    const std::string k(in.text());
    if (const auto x = equations::affine::solve(fmt, a, b, k))
        requireResultReadsBack(fmt, *x);
    if (const auto y = equations::affine::valueAt(fmt, a, b, k))
        requireResultReadsBack(fmt, *y);
    REQUIRE(!equations::affine::solveSteps(fmt, a, b, k).empty() ==
            (exactValue(fmt, a) && exactValue(fmt, b) && exactValue(fmt, k)));
    if (const auto va = fmt.toDouble(a)) {
        const equations::affine::Arrow arrow = equations::affine::arrowFor(*va);
        REQUIRE(arrow == equations::affine::kRisingArrow || arrow == equations::affine::kFallingArrow);
    }
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
        requireResultReadsBack(fmt, *v);
    trinomial::solverSteps(fmt, boxes.a, boxes.b, boxes.c, boxes.k);
    trinomial::variationSteps(fmt, boxes.a, boxes.b, boxes.c);
    const trinomial::Variation variation = trinomial::variationOf(fmt, boxes.a, boxes.b, boxes.c);
    if (variation.vertex)
        requireResultReadsBack(fmt, *variation.vertex);
}

void diophantineRules(const NumberFormat& fmt, FuzzInput& in) {
    diophantine::Boxes boxes{std::string(in.text()), std::string(in.text()), std::string(in.text())};
    diophantine::View view;
    diophantine::simplify(fmt, boxes, view);
    if (diophantine::particularSolution(fmt, boxes, view) == diophantine::Particular::Found) {
        const auto a = diophantine::wholeNumber(fmt, boxes.a), b = diophantine::wholeNumber(fmt, boxes.b);
        const auto c = diophantine::wholeNumber(fmt, boxes.c);
        REQUIRE(a && b && c);
        REQUIRE(*a * mpz_class(view.x0) + *b * mpz_class(view.y0) == *c);
        REQUIRE(!diophantine::solutionSteps(fmt, boxes).empty());
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
        affineRules(fmt, in);
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
