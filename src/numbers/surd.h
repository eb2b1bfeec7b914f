// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gmpxx.h>

// A number a + b√r with a and b rational and r a whole number without square factor (√8 is 2√2):
// the roots of a trinomial with rational coefficients, kept exactly.
namespace numbers {

struct Surd {
    mpq_class rational;    // a
    mpq_class coefficient; // b, 0 for a rational number
    mpz_class radicand{1}; // r: at least 2 when b is not 0, with no square factor below 8·10^12

    bool isRational() const { return coefficient == 0; }
};

// √q for q >= 0, simplified: √(9/8) = (3/4)√2, √(1/4) = 1/2.
Surd squareRoot(const mpq_class& q);

Surd operator+(const Surd& s, const mpq_class& q);
Surd operator-(const Surd& s);
Surd operator*(const Surd& s, const mpq_class& q);
Surd operator/(const Surd& s, const mpq_class& q);

// The sign of s - q: -1, 0 or 1.
int compare(const Surd& s, const mpq_class& q);
// s rounded to `decimals` decimals, halves to the even last digit (only a rational can be a half).
mpq_class roundToDecimals(const Surd& s, int decimals);

} // namespace numbers
