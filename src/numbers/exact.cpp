// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/exact.h"

#include <cfloat>
#include <cmath>
#include <cstdint>

namespace numbers {

namespace {

// 10^exponent, exactly, for an exponent of either sign.
mpq_class powerOfTen(long exponent) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(exponent < 0 ? -exponent : exponent));
    return exponent < 0 ? mpq_class(1, p) : mpq_class(p);
}

// Below 10^-400 a value is under every double; the strict conversion reads it as 0.
constexpr std::int64_t kSmallestDecimalExponent = -400;

// The exponent e with 10^e <= |value| < 10^(e+1), for a value that is not 0.
long decimalExponent(const mpq_class& value) {
    const mpq_class magnitude = abs(value);
    long e = long(mpz_sizeinbase(magnitude.get_num_mpz_t(), 10)) -
             long(mpz_sizeinbase(magnitude.get_den_mpz_t(), 10));
    while (magnitude >= powerOfTen(e + 1))
        ++e;
    while (magnitude < powerOfTen(e))
        --e;
    return e;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::optional<mpq_class> exactValue(const NumberFormat& fmt, std::string_view text) {
    if (!fmt.toDouble(text))
        return std::nullopt;
    // The text follows the strict syntax: blanks, a sign, digits with one separator, an exponent.
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::string digits;
    std::int64_t scale = 0;
    bool afterSeparator = false;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            if (!digits.empty() || c != '0')
                digits += c;
            if (afterSeparator)
                --scale;
        } else if (c == fmt.decimalSeparator()) {
            afterSeparator = true;
        } else {
            break;
        }
    }
    if (digits.empty())
        return mpq_class(0);
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool exponentNegative = false;
        if (text[i] == '+' || text[i] == '-')
            exponentNegative = text[i++] == '-';
        std::int64_t exponent = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            exponent = std::min<std::int64_t>(exponent * 10 + (text[i] - '0'), 1'000'000);
        scale += exponentNegative ? -exponent : exponent;
    }
    // The conversion accepted the text, so the value is at most the largest double: a large scale
    // only comes with few digits. A tiny value is 0, as the doubles read it.
    if (std::int64_t(digits.size()) + scale < kSmallestDecimalExponent)
        return mpq_class(0);
    mpq_class value = mpq_class(mpz_class(digits)) * powerOfTen(long(scale));
    value.canonicalize();
    return negative ? mpq_class(-value) : value;
}

bool withinDoubles(const mpq_class& value) {
    static const mpq_class largest(DBL_MAX); // a double is a rational: the conversion is exact
    return abs(value) <= largest;
}

mpz_class roundHalfEven(const mpq_class& value) {
    mpz_class below;
    mpz_fdiv_q(below.get_mpz_t(), value.get_num_mpz_t(), value.get_den_mpz_t());
    const int excessOverHalf = cmp(mpq_class(value - below) * 2, 1);
    if (excessOverHalf > 0 || (excessOverHalf == 0 && mpz_odd_p(below.get_mpz_t())))
        ++below;
    return below;
}

mpq_class roundToDecimals(const mpq_class& value, int decimals) {
    const mpq_class scale = powerOfTen(decimals);
    mpq_class rounded = mpq_class(roundHalfEven(value * scale)) / scale;
    rounded.canonicalize();
    return rounded;
}

std::string plainText(const NumberFormat& fmt, const mpq_class& value) {
    if (value == 0)
        return "0";
    constexpr int kShownDigits = 15;
    long exponent = decimalExponent(value);
    mpz_class digits = roundHalfEven(abs(value) * powerOfTen(kShownDigits - 1 - exponent));
    if (digits == powerOfTen(kShownDigits)) { // 9,99…95 and above round up to the next power of ten
        digits /= 10;
        ++exponent;
    }
    std::string shown = digits.get_str();
    shown.erase(shown.find_last_not_of('0') + 1);
    return NumberFormat::layoutDigits(value < 0, shown, int(exponent), fmt.decimalSeparator());
}

std::optional<std::string> twoDecimalsText(const NumberFormat& fmt, const mpq_class& value) {
    const mpq_class rounded = roundToDecimals(value, 2);
    if (!withinDoubles(rounded))
        return std::nullopt;
    return plainText(fmt, rounded);
}

std::string signKeepingText(const NumberFormat& fmt, const mpq_class& value) {
    const mpq_class twoDecimals = roundToDecimals(value, 2);
    if (twoDecimals != 0 || value == 0)
        return plainText(fmt, twoDecimals);
    // With as many decimals as the position of its first significant digit, the value rounds to
    // that digit or above; one decimal fewer is two decimals or fewer, which gave 0.
    return plainText(fmt, roundToDecimals(value, int(-decimalExponent(value))));
}

bool hasFiniteDecimals(const mpq_class& value) {
    mpz_class rest = value.get_den();
    mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), mpz_class(2).get_mpz_t());
    mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), mpz_class(5).get_mpz_t());
    return rest == 1;
}

std::string exactDecimalText(const NumberFormat& fmt, const mpq_class& value) {
    // The denominator divides 10^places exactly when its only prime factors are 2 and 5.
    mpz_class rest = value.get_den();
    long places = 0;
    while (places < 60 && rest != 1) {
        if (mpz_divisible_ui_p(rest.get_mpz_t(), 10))
            rest /= 10;
        else if (mpz_divisible_ui_p(rest.get_mpz_t(), 2))
            rest /= 2;
        else if (mpz_divisible_ui_p(rest.get_mpz_t(), 5))
            rest /= 5;
        else
            break;
        ++places;
    }
    if (rest != 1 || mpz_sizeinbase(value.get_num_mpz_t(), 10) > 60)
        return plainText(fmt, value);
    const mpz_class scaled(mpq_class(abs(value) * powerOfTen(places)));
    std::string digits = scaled.get_str();
    if (places > 0) {
        if (digits.size() <= std::size_t(places))
            digits.insert(0, std::size_t(places) + 1 - digits.size(), '0');
        digits.insert(digits.size() - std::size_t(places), 1, fmt.decimalSeparator());
        digits.erase(digits.find_last_not_of('0') + 1);
        if (digits.back() == fmt.decimalSeparator())
            digits.pop_back();
    }
    return value < 0 ? "-" + digits : digits;
}

} // namespace numbers
