// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/rules/combinations.h"

#include "numbers/exact.h"
#include "numbers/skip_on_error.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

using numbers::need;
using numbers::NumberFormat;
using numbers::SkipOnError;

namespace probability {

namespace {

// From this argument on the factorial is beyond the doubles: 171! is about seven times the largest one.
constexpr double kFirstOutOfRange = 171;

// The largest double, exactly: a double is a whole number from 2^53 on.
const mpz_class& largestDouble() {
    static const mpz_class largest(DBL_MAX);
    return largest;
}

// Significant digits of a shown number.
constexpr std::size_t kShownDigits = 15;

// The value a box shows: its number when the text reads as one (a normalised box always does), else its
// leading number. A whole number in exponent form keeps its decimals this way («1,5E+20» under a comma).
double shownValue(const NumberFormat& fmt, const std::string& text) {
    if (const auto value = fmt.toDouble(text))
        return *value;
    return NumberFormat::leadingNumber(text);
}

// The exact value of a number text when it is a whole number of zero or more: «52», «1,5E+20» (under
// a comma) or «5,» read as 52, 150000000000000000000 and 5. Nothing for any other text.
std::optional<mpz_class> wholeValue(const NumberFormat& fmt, std::string_view text) {
    const auto value = numbers::exactValue(fmt, text);
    if (!value || value->get_den() != 1 || *value < 0)
        return std::nullopt;
    return mpz_class(value->get_num());
}

// The number of combinations of k among n, exactly, for k <= n; nothing when it is beyond the
// largest double. With chosen = min(k, n - k), C(n, chosen) at least doubles with each step of
// chosen up to n / 2: beyond 1024 it is past 2^1024.
std::optional<mpz_class> exactCombinations(const mpz_class& n, const mpz_class& k) {
    const mpz_class other = n - k;
    const mpz_class& chosen = std::min(k, other);
    if (chosen > 1024)
        return std::nullopt;
    mpz_class count;
    mpz_bin_ui(count.get_mpz_t(), n.get_mpz_t(), chosen.get_ui());
    if (count > largestDouble())
        return std::nullopt;
    return count;
}

} // namespace

std::optional<std::string> countText(const NumberFormat& fmt, const mpz_class& count) {
    if (count > largestDouble())
        return std::nullopt;
    std::string digits = count.get_str();
    if (digits.size() <= kShownDigits)
        return digits; // every digit shows: no rounding, no exponent form below 10^15
    std::size_t exponent = digits.size() - 1;
    // Round to 15 significant digits on the exact value, a tie to the even digit.
    const char next = digits[kShownDigits];
    const bool beyondHalf = digits.find_first_not_of('0', kShownDigits + 1) != std::string::npos;
    digits.resize(kShownDigits);
    const bool lastOdd = (digits.back() - '0') % 2 == 1;
    if (next > '5' || (next == '5' && (beyondHalf || lastOdd))) {
        std::size_t i = kShownDigits;
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        } else {
            ++digits[i - 1];
        }
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    std::string text(1, digits[0]);
    if (digits.size() > 1) {
        text += fmt.decimalSeparator();
        text.append(digits, 1);
    }
    text += "E+";
    if (exponent < 10)
        text += '0';
    text += std::to_string(exponent);
    return text;
}

std::optional<std::string> factorial(const NumberFormat& fmt, std::string_view s) {
    auto value = fmt.toDouble(s);
    if (!value)
        return std::nullopt;
    if (*value >= kFirstOutOfRange)
        return std::nullopt;
    if (*value <= 1)
        return "1";
    if (*value == std::trunc(*value)) {
        mpz_class product;
        mpz_fac_ui(product.get_mpz_t(), static_cast<unsigned long>(*value));
        return countText(fmt, product);
    }
    // Not a whole number (the window never asks for one): v times the factorial of the text of v - 1,
    // down to an argument of at most 1, each product written as a text and read back.
    std::vector<double> factors;
    while (*value > 1) {
        factors.push_back(*value);
        value = fmt.toDouble(fmt.numberText(*value - 1));
        if (!value)
            return std::nullopt;
    }
    std::string result = "1";
    for (auto factor = factors.rbegin(); factor != factors.rend(); ++factor) {
        const auto below = fmt.toDouble(result);
        if (!below)
            return std::nullopt;
        const double product = *factor * *below;
        if (!std::isfinite(product))
            return std::nullopt;
        result = fmt.numberText(product);
    }
    return result;
}

std::optional<std::string> combinations(const NumberFormat& fmt, std::string_view n, std::string_view k) {
    // Both sides of each test are evaluated, so a k or an n that is not a number fails the count.
    const auto vk = fmt.toDouble(k);
    if (!vk)
        return std::nullopt;
    if (*vk == 0 || k == n)
        return "1";
    const auto vn = fmt.toDouble(n);
    if (!vn)
        return std::nullopt;
    if (*vk == 1 || *vn - 1 == *vk)
        return std::string(n);
    const auto wholeN = wholeValue(fmt, n);
    const auto wholeK = wholeValue(fmt, k);
    if (!wholeN || !wholeK)
        return std::nullopt; // the window only asks for whole numbers
    if (*wholeK > *wholeN)
        return "0"; // no way to choose more elements than the set holds
    const auto count = exactCombinations(*wholeN, *wholeK);
    if (!count)
        return std::nullopt;
    return countText(fmt, *count);
}

std::optional<std::string> normalisedEntry(const NumberFormat& fmt, std::string_view text) {
    const double whole = std::fabs(std::trunc(NumberFormat::leadingNumber(text)));
    if (!std::isfinite(whole))
        return std::nullopt;
    return fmt.numberText(whole); // a truncated -0.5 is -0, and its absolute value a plain 0
}

void computeFactorial(const NumberFormat& fmt, FactorialView& view) {
    SkipOnError run;
    run.step([&] {
        std::string number = need(normalisedEntry(fmt, view.number));
        if (number != view.number) {
            view.number = std::move(number);
            view.result.clear();
        }
    });
    // A factorial beyond the doubles (from 171! on) says so, as a count does.
    run.step([&] {
        const std::optional<std::string> value = factorial(fmt, view.number);
        view.result = value ? view.number + "! =" + *value : std::string(kTooLargeCount);
    });
}

void computeCombinations(const NumberFormat& fmt, CombinationView& view) {
    SkipOnError run;
    view.swapped = false;
    run.step([&] { view.n = need(normalisedEntry(fmt, view.n)); });
    run.step([&] { view.k = need(normalisedEntry(fmt, view.k)); });
    if (run.test([&] { return shownValue(fmt, view.k) > shownValue(fmt, view.n); })) {
        run.step([&] { std::swap(view.n, view.k); });
        run.step([&] { view.swapped = true; });
    }
    // A count beyond the doubles says so rather than leave the previous count on screen.
    view.result = combinations(fmt, view.n, view.k).value_or(kTooLargeCount);
}

} // namespace probability
