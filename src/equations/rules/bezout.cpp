// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/rules/bezout.h"

#include <utility>

namespace equations {

namespace {

// A number of the sequence, with how it is written from a and b.
struct Combination {
    mpz_class value;
    mpz_class u;
    mpz_class v;
};

} // namespace

Bezout bezout(const mpz_class& a, const mpz_class& b) {
    // |a| = sign(a)·a and |b| = sign(b)·b start the sequence, the larger first.
    Combination first{abs(a), sgn(a) < 0 ? -1 : 1, 0};
    Combination second{abs(b), 0, sgn(b) < 0 ? -1 : 1};
    if (first.value < second.value)
        std::swap(first, second);
    Bezout result;
    while (second.value != 0) {
        const mpz_class q = first.value / second.value;
        Combination next{first.value - q * second.value, first.u - q * second.u, first.v - q * second.v};
        result.rows.push_back({first.value, second.value, q, next.value, next.u, next.v});
        first = std::move(second);
        second = std::move(next);
    }
    result.gcd = first.value;
    result.u = first.value == 0 ? mpz_class(0) : first.u;
    result.v = first.value == 0 ? mpz_class(0) : first.v;
    return result;
}

} // namespace equations
