// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gmpxx.h>

#include <vector>

// Euclid's algorithm as it is done by hand, and the coefficients of Bézout's identity it gives.
namespace equations {

// One division of the algorithm: dividend = divisor × quotient + remainder, and the remainder
// written with the two numbers: remainder = u·a + v·b.
struct EuclidRow {
    mpz_class dividend;
    mpz_class divisor;
    mpz_class quotient;
    mpz_class remainder;
    mpz_class u;
    mpz_class v;
};

// gcd(a, b) = u·a + v·b, the gcd at least 0; `rows` are the divisions from max(|a|, |b|) and
// min(|a|, |b|) down to a remainder 0. For a = b = 0 the gcd is 0 and there is no row.
struct Bezout {
    std::vector<EuclidRow> rows;
    mpz_class gcd;
    mpz_class u;
    mpz_class v;
};
Bezout bezout(const mpz_class& a, const mpz_class& b);

} // namespace equations
