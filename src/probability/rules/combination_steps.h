// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/number_format.h"
#include "numbers/steps.h"

#include <cstdint>
#include <string_view>
#include <vector>

// The reasoning of the probability windows: exact factorials and counts of combinations, and the
// frequencies of a series of throws against the band p ± 1/√n.
namespace probability {

// n! = 1 × 2 × … × n with every digit of its value. Nothing when the text is not a whole number.
numbers::Steps factorialSteps(const numbers::NumberFormat& fmt, std::string_view n);

// k among n = n!/(k!(n − k)!) with the numbers put in, the product that is left, and every digit
// of the count. Nothing when a text is not a whole number.
numbers::Steps combinationSteps(const numbers::NumberFormat& fmt, std::string_view n, std::string_view k);

// One outcome of a series: its name, how many times it came, its probability p = num/den.
struct Outcome {
    std::string name;
    std::int64_t count = 0;
    std::int64_t probabilityNum = 1;
    std::int64_t probabilityDen = 2;
};
// Counts, frequencies as fractions and decimals, and whether each lies in [p − 1/√n ; p + 1/√n].
numbers::Steps frequencySteps(const numbers::NumberFormat& fmt, std::string_view title,
                              const std::vector<Outcome>& outcomes);

} // namespace probability
