// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/number_format.h"
#include "numbers/steps.h"

#include <cstdint>

// The reasoning of the prime windows.
namespace primes {

// Trial division: the divisors tried up to √n, the first one that divides n or «aucun diviseur
// jusqu'à √97 ≈ 9,8 : 97 est premier»; then the prime factorisation, «360 = 2³ × 3² × 5».
numbers::Steps verificationSteps(const numbers::NumberFormat& fmt, std::int64_t n);

// A search from `from` to `to` that found `count` primes: how many numbers were tested, the
// count, and π(to) when the search started at 2 or below.
numbers::Steps searchSteps(std::int64_t from, std::int64_t to, std::int64_t count);

// Every way of writing the even number n as a sum of two primes p + q with p <= q, the first ones
// listed, and how many there are.
numbers::Steps goldbachSteps(std::int64_t n);

} // namespace primes
