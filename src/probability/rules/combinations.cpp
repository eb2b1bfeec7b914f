// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/rules/combinations.h"

#include "shell/rules/skip_on_error.h"

#include <cmath>
#include <utility>
#include <vector>

namespace probability {

namespace {

// From this argument on the factorial is beyond the doubles: its factors include 171, 170, ..., 2 or
// larger ones, and 171! is already about seven times the largest double, far more than the rounding of
// the intermediate texts could take back.
constexpr double kFirstOutOfRange = 171;

// The value a box shows: its number when the text reads as one (a normalised box always does), else its
// leading number. A whole number in exponent form keeps its decimals this way («1,5E+20» under a comma).
double shownValue(const NumberFormat& fmt, const std::string& text) {
    if (const auto value = fmt.toDouble(text))
        return *value;
    return NumberFormat::leadingNumber(text);
}

} // namespace

std::optional<std::string> factorial(const NumberFormat& fmt, std::string_view s) {
    // The factorial of v is v times the factorial of the text of v - 1, down to an argument of at most 1,
    // whose factorial is 1. The arguments are collected first and the products then formed from the
    // bottom up, as the nested calls would return them, without recursing.
    auto value = fmt.toDouble(s);
    if (!value)
        return std::nullopt;
    if (*value >= kFirstOutOfRange)
        return std::nullopt;
    std::vector<double> factors;
    while (*value > 1) {
        factors.push_back(*value);
        value = fmt.toDouble(fmt.numberText(*value - 1));
        if (!value)
            return std::nullopt;
    }
    std::string result = "1";
    for (auto factor = factors.rbegin(); factor != factors.rend(); ++factor) {
        // Each level reads back the text the level below returned.
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
    const double difference = *vn - *vk;
    if (!std::isfinite(difference))
        return std::nullopt;
    const auto a = factorial(fmt, k);
    const auto b = factorial(fmt, fmt.numberText(difference));
    const auto c = factorial(fmt, n);
    if (!a || !b || !c)
        return std::nullopt;
    // The factorial texts always read back here: factorial() already read each of them.
    const auto va = fmt.toDouble(*a);
    const auto vb = fmt.toDouble(*b);
    const auto vc = fmt.toDouble(*c);
    if (!va || !vb || !vc)
        return std::nullopt;
    const double denominator = *va * *vb;
    if (!std::isfinite(denominator))
        return std::nullopt;
    return fmt.numberText(*vc / denominator); // factorials are at least 1: a positive, finite quotient
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
    run.step([&] { view.result = need(combinations(fmt, view.n, view.k)); });
}

} // namespace probability
