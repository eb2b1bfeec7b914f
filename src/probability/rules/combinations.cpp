// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/rules/combinations.h"

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

// The largest double, exactly: (2^53 - 1) × 2^971.
const WholeNumber& largestDouble() {
    static const WholeNumber largest = [] {
        WholeNumber n{(std::uint64_t{1} << 53) - 1};
        for (int i = 0; i < 971; ++i)
            n *= 2;
        return n;
    }();
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
std::optional<WholeNumber> wholeValue(const NumberFormat& fmt, std::string_view text) {
    if (!fmt.toDouble(text))
        return std::nullopt; // not a number, or beyond the doubles
    std::string digits;
    std::int64_t decimals = 0;
    std::int64_t exponent = 0;
    bool negative = false;
    bool afterSeparator = false;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits += c;
            decimals += afterSeparator ? 1 : 0;
        } else if (c == fmt.decimalSeparator()) {
            afterSeparator = true;
        } else {
            break;
        }
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool exponentNegative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            exponentNegative = text[i++] == '-';
        // A longer exponent only matters for a zero mantissa, which the digits alone decide.
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            exponent = std::min<std::int64_t>(exponent * 10 + (text[i] - '0'), 1'000'000);
        if (exponentNegative)
            exponent = -exponent;
    }
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.empty())
        return WholeNumber{};
    if (negative)
        return std::nullopt;
    // The value is digits × 10^shift; below zero the digits dropped must all be zeros.
    const std::int64_t shift = exponent - decimals;
    if (shift < 0) {
        const auto dropped = std::uint64_t(-shift);
        if (dropped >= digits.size() ||
            digits.find_first_not_of('0', digits.size() - dropped) != std::string::npos)
            return std::nullopt;
        digits.resize(digits.size() - dropped);
    } else {
        // toDouble() accepted the text: the value has at most 309 digits.
        digits.append(std::size_t(std::min<std::int64_t>(shift, 400)), '0');
    }
    return WholeNumber::fromDigits(digits);
}

// The factorial of a whole number from 2 to 170, exactly.
WholeNumber exactFactorial(std::uint32_t n) {
    WholeNumber product{1};
    for (std::uint32_t factor = 2; factor <= n; ++factor)
        product *= factor;
    return product;
}

// The number of combinations of k among n, exactly, for k <= n; nothing when it is beyond the
// largest double. No factorial is formed: C(m + i, i) = C(m + i - 1, i - 1) × (m + i) ÷ i is a whole
// number at each step, and grows at each step, so the count stops as soon as it passes the doubles.
std::optional<WholeNumber> exactCombinations(const WholeNumber& n, const WholeNumber& k) {
    const WholeNumber other = n - k;
    const WholeNumber& chosen = std::min(k, other);
    // With chosen <= n / 2 each step at least doubles the count: beyond 1024 steps it is past 2^1024.
    if (chosen > WholeNumber{1024})
        return std::nullopt;
    const WholeNumber& rest = std::max(k, other);
    const auto steps = std::uint32_t(std::stoul(chosen.digits()));
    WholeNumber count{1};
    for (std::uint32_t i = 1; i <= steps; ++i) {
        WholeNumber factor = rest;
        factor += i;
        count = count * factor;
        count.divide(i);
        if (count > largestDouble())
            return std::nullopt;
    }
    return count;
}

} // namespace

std::optional<std::string> countText(const NumberFormat& fmt, const WholeNumber& count) {
    if (count > largestDouble())
        return std::nullopt;
    std::string digits = count.digits();
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
    if (*value == std::trunc(*value))
        return countText(fmt, exactFactorial(std::uint32_t(*value)));
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
    run.step([&] { view.result = view.number + "! =" + need(factorial(fmt, view.number)); });
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
