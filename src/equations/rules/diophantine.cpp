// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/rules/diophantine.h"

#include "equations/rules/bezout.h"
#include "numbers/exact.h"
#include "numbers/skip_on_error.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

using numbers::need;
using numbers::NumberFormat;
namespace checked = numbers::checked;
using numbers::SkipOnError;
using numbers::StepFailed;

namespace equations::diophantine {

namespace {

bool anyEmpty(const Boxes& boxes) {
    return boxes.a.empty() || boxes.b.empty() || boxes.c.empty();
}

// The value of a text, or the failure of the statement that needs it.
double number(const NumberFormat& fmt, const std::string& text) {
    return need(fmt.toDouble(text));
}

// The text of value / d; the statement fails when the quotient is not a whole number.
std::string wholeQuotientText(const NumberFormat& fmt, const std::string& value, double d) {
    const double quotient = checked::div(number(fmt, value), d);
    if (quotient != std::trunc(quotient))
        throw StepFailed{};
    return fmt.numberText(quotient);
}

bool solves(const mpz_class& a, const mpz_class& b, const mpz_class& c, const Solution& p) {
    return a * p.x + b * p.y == c;
}

constexpr long kSearchBound = 100;

} // namespace

std::optional<mpz_class> wholeNumber(const NumberFormat& fmt, const std::string& text) {
    const auto value = numbers::exactValue(fmt, text);
    if (!value || value->get_den() != 1)
        return std::nullopt;
    return mpz_class(value->get_num());
}

std::optional<Solution> onePair(const mpz_class& a, const mpz_class& b, const mpz_class& c) {
    const auto ifSolution = [&](Solution p) -> std::optional<Solution> {
        if (solves(a, b, c, p))
            return p;
        return std::nullopt;
    };
    if (c == 0)
        return Solution{0, 0};
    if (a == 0) {
        if (auto p = ifSolution({1, c}))
            return p;
    } else if (b == 0) {
        if (auto p = ifSolution({c, 1}))
            return p;
    } else {
        // b is not 0, so each x has at most one y: the first x found from the top is the largest.
        for (long x = kSearchBound; x >= -kSearchBound; --x) {
            const mpz_class rest = c - a * x;
            if (mpz_divisible_p(rest.get_mpz_t(), b.get_mpz_t()) && abs(mpz_class(rest / b)) <= kSearchBound)
                return Solution{x, rest / b};
        }
    }
    // Beyond the square: Bézout's coefficients, multiplied by c / gcd(a, b) when it is whole.
    const Bezout identity = bezout(a, b);
    if (identity.gcd == 0 || !mpz_divisible_p(c.get_mpz_t(), identity.gcd.get_mpz_t()))
        return std::nullopt;
    const mpz_class times = c / identity.gcd;
    return Solution{identity.u * times, identity.v * times, true};
}

namespace {

// One general line's end: the value read back from the particular solution's label, after "*k +"
// when positive, after "*k" when negative. Each test reads the label again; one that is not a
// number fails every test, so every case runs and the last one, zero, stays.
void lineEnd(SkipOnError& run, const NumberFormat& fmt, const std::string& particular, std::string& shown,
             std::string& multiplier) {
    const auto value = [&] { return number(fmt, particular); };
    if (run.test([&] { return value() > 0; })) {
        run.step([&] { shown = particular; });
        run.step([&] { multiplier = "*k +"; });
    }
    if (run.test([&] { return value() < 0; })) {
        run.step([&] { shown = particular; });
        run.step([&] { multiplier = "*k"; });
    }
    if (run.test([&] { return value() == 0; })) {
        run.step([&] { shown.clear(); });
        run.step([&] { multiplier = "*k"; });
    }
}

} // namespace

void resetOnEdit(View& view) {
    view.x0.clear();
    view.y0.clear();
    view.generalB.clear();
    view.minusA.clear();
    view.generalX0.clear();
    view.generalY0.clear();
    view.particularShown = false;
    view.particularLinesShown = false;
    view.generalShown = false;
    view.generalLinesShown = false;
}

double simplify(const NumberFormat& fmt, Boxes& boxes, View& view) {
    if (anyEmpty(boxes))
        return 0;
    SkipOnError run;
    // The pair starts in the order of the texts, compared by character code, not of the values.
    // A statement that fails leaves its variable at its previous value, zero at first.
    double A = 0;
    double B = 0;
    if (boxes.a < boxes.b) {
        run.step([&] { A = need(NumberFormat::roundToInt32(number(fmt, boxes.b))); });
        run.step([&] { B = number(fmt, boxes.a); });
    } else {
        run.step([&] { A = number(fmt, boxes.a); });
        run.step([&] { B = number(fmt, boxes.b); });
    }
    // Euclid with the nearest-integer quotient. Once both values are whole and within 32 bits
    // every remainder is exact and at most half the previous one. A remainder beyond 32 bits fails
    // and keeps the previous one, which is 0 on the first pass and B after it: either way the loop
    // ends within one more pass.
    double q = 0;
    std::int32_t R = 0;
    while (std::fabs(B) >= 1) {
        run.step([&] { q = std::floor(A / B + 0.5); });
        run.step([&] { R = need(NumberFormat::roundToInt32(A - B * q)); });
        run.step([&] { A = B; });
        run.step([&] { B = R; });
    }
    const double d = A;
    if (d != 0) {
        // The three boxes are rewritten together, and only with whole numbers, so that the
        // equation they show stays the same one.
        run.step([&] {
            const std::string a = wholeQuotientText(fmt, boxes.a, d);
            const std::string b = wholeQuotientText(fmt, boxes.b, d);
            const std::string c = wholeQuotientText(fmt, boxes.c, d);
            const auto rewrite = [&](std::string& box, const std::string& text) {
                if (box != text) {
                    box = text;
                    resetOnEdit(view);
                }
            };
            rewrite(boxes.a, a);
            rewrite(boxes.b, b);
            rewrite(boxes.c, c);
        });
    }
    run.step([&] { view.particularShown = true; });
    return d;
}

Particular particularSolution(const NumberFormat& fmt, const Boxes& boxes, View& view) {
    if (anyEmpty(boxes))
        return Particular::Nothing;
    const auto a = wholeNumber(fmt, boxes.a);
    const auto b = wholeNumber(fmt, boxes.b);
    const auto c = wholeNumber(fmt, boxes.c);
    if (!a || !b || !c)
        return Particular::Nothing;
    if (*a == 0 && *b == 0 && *c == 0)
        return Particular::EveryPair;
    const auto pair = onePair(*a, *b, *c);
    if (!pair)
        return Particular::NoSolution;
    view.x0 = pair->x.get_str();
    view.y0 = pair->y.get_str();
    view.particularLinesShown = true;
    view.generalShown = true;
    return Particular::Found;
}

void generalSolution(const NumberFormat& fmt, const Boxes& boxes, View& view) {
    if (anyEmpty(boxes))
        return;
    SkipOnError run;
    run.step([&] { view.generalLinesShown = true; });
    run.step([&] { view.generalB = boxes.b; });
    run.step([&] { view.minusA = fmt.numberText(-number(fmt, boxes.a)); });
    lineEnd(run, fmt, view.x0, view.generalX0, view.xMultiplier);
    lineEnd(run, fmt, view.y0, view.generalY0, view.yMultiplier);
}

} // namespace equations::diophantine
