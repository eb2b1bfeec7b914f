// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/steps.h"
#include "practice/rules/exercise.h"
#include "practice/rules/series_random.h"

#include <gmpxx.h>

#include <string>

// What the exercise makers of every subject share: writing numbers and polynomials in questions,
// and the makers themselves, one per kind.
namespace practice {

// A value as a question writes it: «−3», «0,5», «−3/4».
std::string valueText(const numbers::NumberFormat& fmt, const mpq_class& q);
// a x² + b x + c as a pupil writes it; «x² − 5x + 6».
std::string polynomialText(const numbers::NumberFormat& fmt, const mpq_class& a, const mpq_class& b,
                           const mpq_class& c);
// A typed number as the rules read it from a box: «-0,5».
std::string boxText(const numbers::NumberFormat& fmt, const mpq_class& q);
// The answer key's text of a value: «(1 + √5)/2».
std::string surdText(const numbers::NumberFormat& fmt, const numbers::Surd& s);
numbers::Surd rationalSurd(const mpq_class& q);

Exercise primeTest(const numbers::NumberFormat& fmt, SeriesRandom& draw, int level);
Exercise primeCount(const numbers::NumberFormat& fmt, SeriesRandom& draw, int level);
Exercise goldbach(const numbers::NumberFormat& fmt, SeriesRandom& draw, int level);
Exercise linear(const numbers::NumberFormat& fmt, SeriesRandom& draw, int level);
Exercise trinomial(const numbers::NumberFormat& fmt, SeriesRandom& draw, int level);
Exercise vertex(const numbers::NumberFormat& fmt, SeriesRandom& draw, int level);
Exercise diophantine(const numbers::NumberFormat& fmt, SeriesRandom& draw, int level);
Exercise counting(const numbers::NumberFormat& fmt, SeriesRandom& draw, int level);
Exercise probability(const numbers::NumberFormat& fmt, SeriesRandom& draw, int level);

} // namespace practice
