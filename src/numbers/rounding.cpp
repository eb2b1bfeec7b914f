// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/rounding.h"

namespace numbers {

double roundToTwoDecimals(double value) {
    // From 2^46 on, doubles lie at least 1/64 apart: the nearest hundredth, at most 0.005 away, is
    // nearer to the value than to any other double, so the value is its own rounding.
    if (!(std::fabs(value) < 0x1p46))
        return value;
    // value·100 is exactly scaled + error. The sign of ((scaled - below) - 0.5) + error is the sign
    // of the exact product's excess over below + 0.5: when its first term is not zero, it outweighs
    // the error, which is at most half a unit in the last place of scaled.
    const double scaled = value * 100.0;
    const double error = std::fma(value, 100.0, -scaled);
    const double below = std::floor(scaled);
    const double excessOverHalf = ((scaled - below) - 0.5) + error;
    const double hundredths =
        roundsUp(excessOverHalf <=> 0.0, std::floor(below / 2) * 2 != below) ? below + 1.0 : below;
    // The quotient of two exact values is the double nearest to the hundredths' decimal value; a
    // value that rounds to zero keeps its sign.
    return std::copysign(hundredths / 100.0, value);
}

} // namespace numbers
