// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/rules/two_decimals.h"

#include <charconv>
#include <cmath>

double roundToTwoDecimals(double value) {
    if (!std::isfinite(value))
        return value;
    // Fixed notation with two decimals is rounded on the exact binary value, ties to even; the
    // largest double has 309 integer digits.
    char buffer[400];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    double rounded = value;
    if (written.ec == std::errc{})
        std::from_chars(buffer, written.ptr, rounded);
    return rounded;
}
