// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/number_format.h"

#include <optional>
#include <string>
#include <string_view>

// The rules of the degree-1 window, for f(x) = a·x + b.
namespace equations::affine {

// The coefficients are read exactly from the texts of the boxes («0,1» is 1/10) and every result is
// computed exactly, then rounded once when it is written.

// The text of the solution of f(x) = k, (k − b) / a, rounded to two decimals (a tie to the even
// digit); nothing when a text is not a number, a is 0 or the result is beyond the doubles.
std::optional<std::string> solve(const numbers::NumberFormat& fmt, std::string_view a, std::string_view b,
                                 std::string_view k);

// The text of f(x0) = b + a·x0, not rounded; nothing when a text is not a number, a is 0 (the
// constant function is refused here too) or the value is beyond the doubles.
std::optional<std::string> valueAt(const numbers::NumberFormat& fmt, std::string_view a, std::string_view b,
                                   std::string_view x0);

// The arrow of the table of variation, in window twips (start point first).
struct Arrow {
    int x1, y1, x2, y2;
    bool operator==(const Arrow&) const = default;
};
inline constexpr Arrow kRisingArrow{960, 4320, 3600, 3600};
inline constexpr Arrow kFallingArrow{1080, 3600, 3600, 4320};
// Rising for a ≥ 0 (a constant function counts as rising), falling below.
Arrow arrowFor(double a);

// The longest leading part of the text that the strict number conversion reads (the whole text
// when it is a number, an empty text when no beginning of it is): what the trim-to-number filter
// of the coefficient boxes keeps.
std::string longestNumberPrefix(const numbers::NumberFormat& fmt, std::string_view text);

} // namespace equations::affine
