// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/rules/exercise.h"

#include "numbers/exact.h"
#include "practice/rules/exercise_text.h"
#include "practice/rules/typography.h"

#include <algorithm>

using numbers::NumberFormat;

namespace practice {

std::string valueText(const NumberFormat& fmt, const mpq_class& q) {
    numbers::Line line;
    line << numbers::exactValueRun(fmt, q);
    return numbers::plainText(line);
}

std::string polynomialText(const NumberFormat& fmt, const mpq_class& a, const mpq_class& b,
                           const mpq_class& c) {
    return numbers::termText(fmt, a, "x²") + numbers::nextTermText(fmt, b, "x") +
           numbers::nextTermText(fmt, c, "");
}

std::string boxText(const NumberFormat& fmt, const mpq_class& q) {
    return numbers::exactDecimalText(fmt, q);
}

std::string surdText(const NumberFormat& fmt, const numbers::Surd& s) {
    numbers::Line line;
    return numbers::plainText(numbers::writeSurd(line, fmt, s));
}

numbers::Surd rationalSurd(const mpq_class& q) {
    numbers::Surd s;
    s.rational = q;
    s.rational.canonicalize();
    return s;
}

Exercise makeExercise(const NumberFormat& fmt, Kind kind, int level, std::uint32_t code, int index) {
    level = std::clamp(level, 1, kLevelCount);
    SeriesRandom draw(exerciseSeed(code, int(kind), level, index));
    Exercise e;
    switch (kind) {
    case Kind::PrimeTest:
        e = primeTest(fmt, draw, level);
        break;
    case Kind::PrimeCount:
        e = primeCount(fmt, draw, level);
        break;
    case Kind::Goldbach:
        e = goldbach(fmt, draw, level);
        break;
    case Kind::Linear:
        e = linear(fmt, draw, level);
        break;
    case Kind::Trinomial:
        e = trinomial(fmt, draw, level);
        break;
    case Kind::Vertex:
        e = vertex(fmt, draw, level);
        break;
    case Kind::Diophantine:
        e = diophantine(fmt, draw, level);
        break;
    case Kind::Counting:
        e = counting(fmt, draw, level);
        break;
    case Kind::Probability:
        e = probability(fmt, draw, level);
        break;
    }
    e.kind = kind;
    e.level = level;
    e.question = frenchSpacing(e.question);
    e.hint = frenchSpacing(e.hint);
    e.answer = frenchSpacing(e.answer);
    return e;
}

} // namespace practice
