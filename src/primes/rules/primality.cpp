// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/rules/primality.h"

using numbers::roundHalfEven;

namespace primes {

std::int32_t largestDivisorUpToRoot(std::int32_t n) {
    if (n <= 0)
        return 0;
    // The rounded root may pass the true root by less than one half; no divisor lies in between.
    const auto m = std::int32_t(roundHalfEven(std::sqrt(double(n))));
    std::int32_t d = 0;
    for (std::int32_t i = 1; i <= m; ++i)
        if (n % i == 0)
            d = i;
    return d;
}

} // namespace primes
