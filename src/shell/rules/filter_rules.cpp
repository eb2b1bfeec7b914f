// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/rules/filter_rules.h"

#include <cmath>

using numbers::NumberFormat;

// Each filter reads the text twice: leniently, by its leading number, and strictly, as a whole number
// text. The text passes when the strict reading equals the lenient one, taken as is (signed filter),
// made non-negative (bound filter), or made non-negative and whole (digit filter). Both readings take
// the user's decimal separator, so that «5,5» can be typed under French settings as «5.5» under
// English ones; a number written with the other separator stays refused.

namespace {

// A number equals a text when the text reads as a number, and as exactly that one.
bool sameNumber(const NumberFormat& fmt, double value, std::string_view text) {
    const auto read = fmt.toDouble(text);
    return read && *read == value;
}

} // namespace

bool digitFilterAccepts(const NumberFormat& fmt, std::string_view text) {
    if (text.empty()) {
        return true;
    }
    return sameNumber(fmt, std::trunc(std::fabs(NumberFormat::leadingNumber(text, fmt.decimalSeparator()))),
                      text);
}

bool boundFilterAccepts(const NumberFormat& fmt, std::string_view text) {
    if (text.empty()) {
        return true;
    }
    return sameNumber(fmt, std::fabs(NumberFormat::leadingNumber(text, fmt.decimalSeparator())), text);
}

bool signedFilterAccepts(const NumberFormat& fmt, std::string_view text) {
    if (text.empty() || text == "-") {
        return true;
    }
    return sameNumber(fmt, NumberFormat::leadingNumber(text, fmt.decimalSeparator()), text);
}
