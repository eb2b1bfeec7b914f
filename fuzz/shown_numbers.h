// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fuzz_input.h"

#include "numbers/number_format.h"

#include <cmath>
#include <limits>

// A number the program shows reads back: as a number near the one shown (within the rounding to
// 15 significant digits), whose own text is the same text.
inline void requireShownNumberReadsBack(const numbers::NumberFormat& fmt, double x) {
    if (!std::isfinite(x))
        return;
    const std::string text = fmt.numberText(x);
    const auto back = fmt.toDouble(text);
    REQUIRE(back.has_value());
    // Half a unit of the 15th digit, and the rounding of the reading to a double.
    const double ulp = std::nextafter(std::fabs(x), HUGE_VAL) - std::fabs(x);
    REQUIRE(std::fabs(*back - x) <= 5e-15 * std::fabs(x) + ulp + std::numeric_limits<double>::denorm_min());
    REQUIRE(fmt.numberText(*back) == text);
    // The signed-space text is read with the leading-number conversion.
    const double lead = numbers::NumberFormat::leadingNumber(numbers::NumberFormat::signedSpaceText(x));
    REQUIRE(lead == *back);
}

// A text the program wrote as a result reads back as a number, unless it is empty.
inline void requireResultReadsBack(const numbers::NumberFormat& fmt, const std::string& text) {
    if (text.empty())
        return;
    REQUIRE(fmt.toDouble(text).has_value());
}
