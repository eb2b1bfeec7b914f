// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/number_format.h"
#include "numbers/surd.h"

#include <gmpxx.h>

#include <string>
#include <string_view>
#include <vector>

// The reasoning behind a result, as data: lines of text runs, some of them marked as an exponent,
// a square root or a fraction. The rules write their steps this way; a window only lays them out.
namespace numbers {

struct Run {
    enum class Mark {
        Text,
        Exponent, // text is the exponent: 2 in x²
        Root,     // text is under the square root sign
        Fraction, // text over below
    };
    Mark mark = Mark::Text;
    std::string text;
    std::string below;
    bool operator==(const Run&) const = default;
};

struct Line {
    enum class Kind {
        Heading, // what the following steps are about
        Step,
        Result, // what the window shows
    };
    Kind kind = Kind::Step;
    std::vector<Run> runs;
    bool operator==(const Line&) const = default;

    Line& operator<<(std::string_view text);
    Line& operator<<(Run run);
};

using Steps = std::vector<Line>;

Line heading(std::string_view text);
Line step(std::string_view text = {});
Line result(std::string_view text = {});
Run exponent(std::string text);
Run root(std::string radicand);
Run fraction(std::string numerator, std::string denominator);

// The line in plain text, as a screen reader reads it and a copy keeps it: exponents in
// superscript digits where they have some (x², 2³), «√8», «√(2x)», fractions «3/4» and «(k − b)/a».
std::string plainText(const Line& line);
std::string plainText(const Steps& steps); // one line of text a line, headings included

// Exact values in the lycée's notation, minus signs «−»: «5», «−3/4» as a fraction.
Run exactRun(const mpq_class& value);
// An exact value as a decimal when it has few decimals («−0,06»), else as exactRun.
Run exactValueRun(const NumberFormat& fmt, const mpq_class& value);
// a + b√r over a common denominator: «(3 + 2√2)/4», «−√5/2», «2√2»; a rational as exactValueRun.
Line& writeSurd(Line& line, const NumberFormat& fmt, const Surd& value);
// Whether the value is written with a minus sign in front.
bool leadsWithMinus(const Surd& value);
// The decimal text of a value rounded as the windows round it, after «≈» unless it is exact.
std::string approximately(const NumberFormat& fmt, const mpq_class& value, const mpq_class& rounded);
// A number text with «−» for its minus sign.
std::string withMinusSign(std::string text);
// A typed value with all its digits and «−»; in a product, a negative one is bracketed: «(−2)».
std::string numberText(const NumberFormat& fmt, const mpq_class& value);
std::string factorText(const NumberFormat& fmt, const mpq_class& value);
// c·x written as a pupil writes it: «x», «−x», «3x», «0,5x²»; «0» for c = 0.
std::string termText(const NumberFormat& fmt, const mpq_class& c, std::string_view x);
// The same term after another one: « + 3x», « − x», nothing for c = 0.
std::string nextTermText(const NumberFormat& fmt, const mpq_class& c, std::string_view x);

} // namespace numbers
