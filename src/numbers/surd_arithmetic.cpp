// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/surd_arithmetic.h"

namespace numbers {

namespace {

Surd tidy(Surd s) {
    if (s.coefficient == 0)
        s.radicand = 1;
    return s;
}

} // namespace

bool isZero(const Surd& s) {
    return s.rational == 0 && s.coefficient == 0;
}

bool equal(const Surd& s, const Surd& t) {
    return s.rational == t.rational && s.coefficient == t.coefficient &&
           (s.coefficient == 0 || s.radicand == t.radicand);
}

std::optional<Surd> add(const Surd& s, const Surd& t) {
    if (t.isRational())
        return tidy(s + t.rational);
    if (s.isRational())
        return tidy(t + s.rational);
    if (s.radicand != t.radicand)
        return std::nullopt;
    Surd sum = s;
    sum.rational += t.rational;
    sum.coefficient += t.coefficient;
    return tidy(sum);
}

std::optional<Surd> multiply(const Surd& s, const Surd& t) {
    if (t.isRational())
        return tidy(s * t.rational);
    if (s.isRational())
        return tidy(t * s.rational);
    if (s.radicand == t.radicand) {
        Surd p;
        p.rational = s.rational * t.rational + s.coefficient * t.coefficient * mpq_class(s.radicand);
        p.coefficient = s.rational * t.coefficient + t.rational * s.coefficient;
        p.radicand = s.radicand;
        return tidy(p);
    }
    // b√r × d√q = bd√(rq), simplified.
    if (s.rational == 0 && t.rational == 0)
        return tidy(squareRoot(mpq_class(s.radicand * t.radicand)) * (s.coefficient * t.coefficient));
    return std::nullopt;
}

std::optional<Surd> divide(const Surd& s, const Surd& t) {
    if (isZero(t))
        return std::nullopt;
    if (t.isRational())
        return tidy(s / t.rational);
    // 1/(a + b√r) = (a − b√r)/(a² − b²r), the denominator never 0 as √r is irrational.
    Surd conjugate = t;
    conjugate.coefficient = -t.coefficient;
    const mpq_class norm = t.rational * t.rational - t.coefficient * t.coefficient * mpq_class(t.radicand);
    const auto top = multiply(s, conjugate);
    if (!top)
        return std::nullopt;
    return tidy(*top / norm);
}

std::optional<Surd> root(const Surd& s) {
    if (!s.isRational() || s.rational < 0)
        return std::nullopt;
    return tidy(squareRoot(s.rational));
}

} // namespace numbers
