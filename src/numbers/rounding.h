// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <compare>

namespace numbers {

// The program's one rounding rule: to the nearest, and a value exactly halfway between two
// neighbours goes to the even one. The program's conversions and results round through roundsUp.

// Whether a value lying between the whole number `below` and below + 1 rounds up, given how its
// excess over `below` compares with one half.
constexpr bool roundsUp(std::partial_ordering excessOverHalf, bool belowIsOdd) {
    return excessOverHalf > 0 || (excessOverHalf == 0 && belowIsOdd);
}

// The whole number nearest to `value` (2.5 gives 2, 3.5 gives 4, -2.5 gives -2); a value that is
// not finite comes back as it is.
inline double roundHalfEven(double value) {
    const double below = std::floor(value);
    const double excess = value - below; // exact for every finite double
    return roundsUp(excess <=> 0.5, std::floor(below / 2) * 2 != below) ? below + 1.0 : below;
}

// `value` rounded to hundredths, on the exact value of the double: 0.125 gives 0.12, and 2.675,
// stored just below the tie, gives 2.67. A value that is not finite comes back as it is.
double roundToTwoDecimals(double value);

} // namespace numbers
