// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace numbers {

// The conversions between numbers and texts, for one decimal separator (',' or '.').
class NumberFormat {
public:
    explicit NumberFormat(char decimalSeparator = ',');
    char decimalSeparator() const { return m_sep; }

    // Strict integer conversion: the exact decimal value of the text, rounded half to even; nullopt when the
    // text is not a number or the result overflows the width.
    std::optional<std::int16_t> toInt16(std::string_view text) const;
    std::optional<std::int32_t> toInt32(std::string_view text) const;
    // Strict number conversion: nearest double; nullopt when not a number or outside the double range.
    // The largest double is shown as «1,79769313486232E+308», just above it: a value up to that text
    // reads as the largest double, so that every number the program shows reads back.
    std::optional<double> toDouble(std::string_view text) const;
    // The length of the longest beginning of the text that toDouble accepts: the whole length when it
    // accepts the text, 0 when it accepts no beginning. Linear in the text's length, give or take a
    // logarithm.
    std::size_t longestDoublePrefix(std::string_view text) const;
    // Leading-number conversion: never fails, always uses '.' (blanks/tabs/line feeds removed everywhere
    // first). A value beyond the double range (and beyond the shown largest double) gives plus or minus
    // infinity; one too small for it gives a (signed) zero.
    static double leadingNumber(std::string_view text) { return leadingNumber(text, '.'); }
    // The same reading with another decimal mark: the input filters read a box's leading number with
    // the user's separator, so that a decimal comma can be typed under French settings.
    static double leadingNumber(std::string_view text, char decimalMark);
    // Integer rounding, halves to even (roundHalfEven); nullopt on overflow or a non-finite value.
    static std::optional<std::int16_t> roundToInt16(double value);
    static std::optional<std::int32_t> roundToInt32(double value);
    // Plain number text of an integer ("0", "-3", "2147483647").
    static std::string integerText(std::int64_t value);
    // Plain number text of a double: 15 significant digits, user's separator, exponent form "1E+15",
    // "1,5E-05". Non-finite values, which the windows never show, read "Infini", "-Infini" and "NaN".
    std::string numberText(double value) const;
    // Signed-space number text: as numberText but always '.', and a leading blank for values >= 0 (" 3",
    // " 2.5", "-2.5").
    static std::string signedSpaceText(double value);
    // The layout of plain number text for the significant digits d1d2…dn (no leading or trailing
    // zero) of the value d1,d2…dn × 10^exponent: the exponent form from 10^15 on and below 10^-4.
    static std::string layoutDigits(bool negative, std::string_view digits, int exponent, char sep);

private:
    char m_sep;
};

} // namespace numbers
