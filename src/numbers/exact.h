// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/number_format.h"

#include <gmpxx.h>

#include <optional>
#include <string>
#include <string_view>

// Exact numbers: a number typed in a box is a decimal, so an exact rational («0,1» is 1/10). The
// windows compute on these and round only once, on the exact result, when they write it.
namespace numbers {

// The exact value of a text that the strict number conversion reads; nothing for any other text.
// A value too small for the doubles reads as 0, as it does there.
std::optional<mpq_class> exactValue(const NumberFormat& fmt, std::string_view text);

// Whether a value lies within the doubles' range, so that the text written for it reads back.
bool withinDoubles(const mpq_class& value);

// The whole number nearest to a value, a value halfway between two going to the even one.
mpz_class roundHalfEven(const mpq_class& value);

// The value rounded to `decimals` decimals, halves to the even last digit.
mpq_class roundToDecimals(const mpq_class& value, int decimals);

// The plain number text of an exact value: as the text of a double (15 significant digits, the
// exponent form from 10^15 on and below 10^-4), rounded once, halves to even, on the exact value.
std::string plainText(const NumberFormat& fmt, const mpq_class& value);

// The same text, the value first rounded to two decimals; a value beyond the doubles gives nothing.
std::optional<std::string> twoDecimalsText(const NumberFormat& fmt, const mpq_class& value);

// The text of a value that is not 0 rounded to as few decimals as it takes, two at least, for the
// rounded value to keep the value's sign: 0,0004 is «0,0004», never «0».
std::string signKeepingText(const NumberFormat& fmt, const mpq_class& value);

// Whether the value is a decimal: its denominator has no prime factor but 2 and 5.
bool hasFiniteDecimals(const mpq_class& value);

// The decimal text of a value with every digit when it has finitely many (a typed number does),
// as «0,1234567890123456789»; other values as plainText.
std::string exactDecimalText(const NumberFormat& fmt, const mpq_class& value);

} // namespace numbers
