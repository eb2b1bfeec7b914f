// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/rounding.h"
#include "primes/rules/divisor_table.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <type_traits>

namespace primes {

// Lets the pump know that `passes` passes were made: pump(passes) when it takes a count (a loop
// that reads a flag once for a run of passes), else pump() once per pass.
template <class PumpFn> void pumpPasses(PumpFn& pump, int passes) {
    if constexpr (std::is_invocable_v<PumpFn&, int>)
        pump(passes);
    else
        for (; passes > 0; --passes)
            pump();
}

// True when n is prime. Divides by 2, 3 and the numbers 6i - 1 and 6i + 1, and calls pump() once
// per pass of its loop so that pending events may run during a long test (see pumpPasses).
// Negative numbers are not prime.
template <class PumpFn> bool isPrime(std::int32_t n, PumpFn&& pump) {
    if (n < 2)
        return false;
    if (n == 2 || n == 3 || n == 5 || n == 7 || n == 11 || n == 13)
        return true;
    // The first pass, the only one where the divisions by 2 and 3 can succeed. Most numbers end
    // here, so the number of passes is worked out only for the others: that rounding costs as
    // much as a pass.
    pumpPasses(pump, 1);
    if (n % 2 == 0 || n % 3 == 0 || n % 5 == 0 || n % 7 == 0)
        return false;
    const auto passes = std::int32_t(numbers::roundHalfEven(std::sqrt(double(n)) / 6 + 1));
    // The other passes divide by multiplication, several divisors at a time; the pump is then
    // called once for each pass made, up to the one that found a divisor.
    const int found = firstDividingPass(std::uint32_t(n), 2, passes);
    pumpPasses(pump, std::min(found, passes) - 1);
    return found > passes;
}

inline bool isPrime(std::int32_t n) {
    return isPrime(n, [] {});
}

// The largest divisor of n that is not above the square root of n; 0 for 0 and for negative n.
std::int32_t largestDivisorUpToRoot(std::int32_t n);

} // namespace primes
