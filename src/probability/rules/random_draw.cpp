// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/rules/random_draw.h"

#include <cmath>

using numbers::NumberFormat;

namespace probability {

std::optional<DrawTexts> drawTexts(const NumberFormat& numbers, std::string_view bound, std::string_view mode,
                                   float r) {
    const std::optional<double> n = numbers.toDouble(bound);
    if (!n)
        return std::nullopt;
    const double x = *n * double(r);
    const double shown = mode == "Entier" ? std::floor(x) : x;
    return DrawTexts{numbers.numberText(shown), numbers.numberText(x)};
}

bool boundReplacedByOne(std::string_view bound) {
    return bound.empty() || bound == "0";
}

} // namespace probability
