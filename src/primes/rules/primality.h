// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "primes/rules/divisor_table.h"
#include "shell/rules/rounding.h"

#include <cmath>
#include <cstdint>

// True when n is prime. Divides by 2, 3 and the numbers 6i - 1 and 6i + 1, and calls pump() once
// per pass of its loop so that pending events may run during a long test. Negative numbers are
// not prime.
template <class PumpFn> bool Premier(std::int32_t n, PumpFn&& pump) {
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
    // The other passes divide by multiplication, several divisors at a time; the pump is then
    // called once for each pass made, up to the one that found a divisor.
    const int found = primes::firstDividingPass(std::uint32_t(n), 2, passes);
    for (int made = 2; made <= passes && made <= found; ++made)
        pump();
    return found > passes;
}

inline bool Premier(std::int32_t n) {
    return Premier(n, [] {});
}

// The largest divisor of n that is not above the square root of n; 0 for 0.
std::int32_t PlusGrandDiviseur(std::int32_t n);
