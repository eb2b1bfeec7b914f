// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/number_format.h"

#include <optional>
#include <string>
#include <string_view>

// One draw of the random numbers window, free of any window.

namespace probability {

// What a draw shows: the result of the last draw, and the line it adds to the history.
struct DrawTexts {
    std::string result;
    std::string history;
};

// The draw x = N × r of a bound text N and a draw r in [0, 1), in double precision. The history
// always shows x; the result shows its whole part when the mode is exactly "Entier", x otherwise.
// Nothing when the bound does not read as a number.
std::optional<DrawTexts> drawTexts(const numbers::NumberFormat& numbers, std::string_view bound,
                                   std::string_view mode, float r);

// A bound that a draw first replaces with "1": the empty text and exactly "0" (the text, not its
// value: "0,0" stays, and draws 0 every time).
bool boundReplacedByOne(std::string_view bound);

} // namespace probability
