// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/rules/affine.h"

#include "maths/rules/exact.h"

namespace equations::affine {

std::optional<std::string> solve(const NumberFormat& fmt, std::string_view a, std::string_view b,
                                 std::string_view k) {
    const auto va = maths::exactValue(fmt, a);
    const auto vb = maths::exactValue(fmt, b);
    const auto vk = maths::exactValue(fmt, k);
    if (!va || !vb || !vk || *va == 0)
        return std::nullopt;
    return maths::twoDecimalsText(fmt, (*vk - *vb) / *va);
}

std::optional<std::string> valueAt(const NumberFormat& fmt, std::string_view a, std::string_view b,
                                   std::string_view x0) {
    const auto va = maths::exactValue(fmt, a);
    const auto vb = maths::exactValue(fmt, b);
    const auto x = maths::exactValue(fmt, x0);
    if (!va || !vb || !x || *va == 0)
        return std::nullopt;
    const mpq_class y = *vb + *va * *x;
    if (!maths::withinDoubles(y))
        return std::nullopt;
    return maths::plainText(fmt, y);
}

Arrow arrowFor(double a) {
    return a >= 0 ? kRisingArrow : kFallingArrow;
}

std::string longestNumberPrefix(const NumberFormat& fmt, std::string_view text) {
    return std::string(text.substr(0, fmt.longestDoublePrefix(text)));
}

} // namespace equations::affine
