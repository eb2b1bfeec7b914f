// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The divisions of the primality test, made by multiplication. For an odd d, a 32-bit n is a
// multiple of d exactly when n times the inverse of d modulo 2^32 (kept to 32 bits) is at most
// (2^32 - 1) / d: the multiples of d are the only numbers that multiplication maps onto 0 ..
// (2^32 - 1) / d. The inverses and bounds of the divisors 6i - 1 and 6i + 1 are worked out once,
// when the program is compiled, for every pass a 32-bit number needs.
namespace primes {

// The last pass a number below 2^31 reaches: the rounded root of 2147483647, over 6, plus 1.
inline constexpr int kLastPass = 7724;

// The first pass i of first .. last (1 <= first, last <= kLastPass) where 6i - 1 or 6i + 1
// divides n, each pass tested after the one before it; last + 1 when none does. Several divisors
// are tested per instruction when the processor allows it.
int firstDividingPass(std::uint32_t n, int first, int last);

// The ways firstDividingPass may go; Best is the fastest this processor runs.
enum class DivisionPath { Plain, Avx2, Avx512, Best };
// Chooses the way (for the tests and the benchmarks); a path the processor lacks falls back to the
// next one it has. Returns the path taken. Not to be called while a search is running.
DivisionPath useDivisionPath(DivisionPath path);
DivisionPath divisionPath();

} // namespace primes
