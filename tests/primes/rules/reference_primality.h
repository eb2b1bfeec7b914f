// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/rounding.h"

#include <cmath>
#include <cstdint>

// Primality written the plain way, independent of the program's fast tests, for the tests to
// check them against.
namespace reference {

// Trial division by 2 and by every odd number up to the root.
inline bool isPrime(std::int64_t n) {
    if (n < 2)
        return false;
    if (n % 2 == 0)
        return n == 2;
    for (std::int64_t d = 3; d * d <= n; d += 2)
        if (n % d == 0)
            return false;
    return true;
}

// The test step for step as the program's listing writes it, with the processor's division: its
// verdict, and in `passes` the number of passes it makes.
inline bool isPrimeAsListed(std::int32_t n, int& passes) {
    passes = 0;
    if (n < 2)
        return false;
    if (n == 2 || n == 3 || n == 5 || n == 7 || n == 11 || n == 13)
        return true;
    const auto r = std::int32_t(numbers::roundHalfEven(std::sqrt(double(n)) / 6 + 1));
    for (std::int32_t i = 1; i <= r; ++i) {
        ++passes;
        if (n % 2 == 0 || n % 3 == 0 || n % (6 * i - 1) == 0 || n % (6 * i + 1) == 0)
            return false;
    }
    return true;
}

} // namespace reference
