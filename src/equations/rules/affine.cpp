// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/rules/affine.h"

#include "numbers/exact.h"

using numbers::NumberFormat;

namespace equations::affine {

std::optional<std::string> solve(const NumberFormat& fmt, std::string_view a, std::string_view b,
                                 std::string_view k) {
    const auto va = numbers::exactValue(fmt, a);
    const auto vb = numbers::exactValue(fmt, b);
    const auto vk = numbers::exactValue(fmt, k);
    if (!va || !vb || !vk || *va == 0)
        return std::nullopt;
    return numbers::twoDecimalsText(fmt, (*vk - *vb) / *va);
}

std::optional<std::string> valueAt(const NumberFormat& fmt, std::string_view a, std::string_view b,
                                   std::string_view x0) {
    const auto va = numbers::exactValue(fmt, a);
    const auto vb = numbers::exactValue(fmt, b);
    const auto x = numbers::exactValue(fmt, x0);
    if (!va || !vb || !x || *va == 0)
        return std::nullopt;
    const mpq_class y = *vb + *va * *x;
    if (!numbers::withinDoubles(y))
        return std::nullopt;
    return numbers::plainText(fmt, y);
}

Arrow arrowFor(double a) {
    return a >= 0 ? kRisingArrow : kFallingArrow;
}

std::string longestNumberPrefix(const NumberFormat& fmt, std::string_view text) {
    return std::string(text.substr(0, fmt.longestDoublePrefix(text)));
}

} // namespace equations::affine
