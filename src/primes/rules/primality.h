// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/rules/rounding.h"

#include <cmath>
#include <cstdint>

namespace primes {

// True when n is prime. Divides by 2, 3 and the numbers 6i - 1 and 6i + 1, and calls pump() once
// per pass of its loop so that pending events may run during a long test. Negative numbers are
// not prime.
template <class PumpFn> bool isPrime(std::int32_t n, PumpFn&& pump) {
    if (n < 2)
        return false;
    if (n == 2 || n == 3 || n == 5 || n == 7 || n == 11 || n == 13)
        return true;
    // The first pass, the only one where the divisions by 2 and 3 can succeed. Most numbers end
    // here, so the number of passes is worked out only for the others: that rounding costs as
    // much as a pass.
    pump();
    if (n % 2 == 0 || n % 3 == 0 || n % 5 == 0 || n % 7 == 0)
        return false;
    const auto passes = std::int32_t(roundHalfEven(std::sqrt(double(n)) / 6 + 1));
    for (std::int32_t i = 2; i <= passes; ++i) {
        pump();
        if (n % (6 * i - 1) == 0 || n % (6 * i + 1) == 0)
            return false;
    }
    return true;
}

inline bool isPrime(std::int32_t n) {
    return isPrime(n, [] {});
}

// The largest divisor of n that is not above the square root of n; 0 for 0 and for negative n.
std::int32_t largestDivisorUpToRoot(std::int32_t n);

} // namespace primes
