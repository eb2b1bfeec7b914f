// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/rules/affine.h"

#include "numbers/rounding.h"

#include <cmath>

using numbers::NumberFormat;
using numbers::roundToTwoDecimals;

namespace equations::affine {

std::optional<double> solve(double a, double b, double k) {
    if (a == 0)
        return std::nullopt;
    const double x = roundToTwoDecimals((k - b) / a);
    if (!std::isfinite(x))
        return std::nullopt;
    return x;
}

std::optional<double> valueAt(double a, double b, double x0) {
    if (a == 0)
        return std::nullopt;
    const double y = b + a * x0;
    if (!std::isfinite(y))
        return std::nullopt;
    return y;
}

Arrow arrowFor(double a) {
    return a >= 0 ? kRisingArrow : kFallingArrow;
}

std::string longestNumberPrefix(const NumberFormat& fmt, std::string_view text) {
    return std::string(text.substr(0, fmt.longestDoublePrefix(text)));
}

} // namespace equations::affine
