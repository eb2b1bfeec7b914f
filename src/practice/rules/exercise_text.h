// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "maths/rules/steps.h"
#include "practice/rules/exercise.h"
#include "practice/rules/series_random.h"

#include <gmpxx.h>

#include <string>

// What the exercise makers of every subject share: writing numbers and polynomials in questions,
// and the makers themselves, one per kind.
namespace practice {

// A value as a question writes it: «−3», «0,5», «−3/4».
std::string valueText(const NumberFormat& fmt, const mpq_class& q);
// a x² + b x + c as a pupil writes it; «x² − 5x + 6».
std::string polynomialText(const NumberFormat& fmt, const mpq_class& a, const mpq_class& b,
                           const mpq_class& c);
// A typed number as the rules read it from a box: «-0,5».
std::string boxText(const NumberFormat& fmt, const mpq_class& q);
// The answer key's text of a value: «(1 + √5)/2».
std::string surdText(const NumberFormat& fmt, const maths::Surd& s);
maths::Surd rationalSurd(const mpq_class& q);

Exercise primeTest(const NumberFormat& fmt, SeriesRandom& draw, int level);
Exercise primeCount(const NumberFormat& fmt, SeriesRandom& draw, int level);
Exercise goldbach(const NumberFormat& fmt, SeriesRandom& draw, int level);
Exercise linear(const NumberFormat& fmt, SeriesRandom& draw, int level);
Exercise trinomial(const NumberFormat& fmt, SeriesRandom& draw, int level);
Exercise vertex(const NumberFormat& fmt, SeriesRandom& draw, int level);
Exercise diophantine(const NumberFormat& fmt, SeriesRandom& draw, int level);
Exercise counting(const NumberFormat& fmt, SeriesRandom& draw, int level);
Exercise probability(const NumberFormat& fmt, SeriesRandom& draw, int level);

} // namespace practice
