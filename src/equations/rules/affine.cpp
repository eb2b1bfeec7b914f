// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/rules/affine.h"

#include "equations/rules/two_decimals.h"

#include <cmath>
#include <vector>

namespace affine {

std::optional<double> solve(double a, double b, double k) {
    if (a == 0)
        return std::nullopt;
    const double x = roundToTwoDecimals((k - b) / a);
    if (!std::isfinite(x))
        return std::nullopt;
    return x;
}

std::optional<double> valueAt(double a, double b, double x0) {
    if (a == 0)
        return std::nullopt;
    const double y = b + a * x0;
    if (!std::isfinite(y))
        return std::nullopt;
    return y;
}

Arrow arrowFor(double a) {
    return a >= 0 ? kRisingArrow : kFallingArrow;
}

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::string longestNumberPrefix(const NumberFormat& fmt, std::string_view text) {
    // The beginnings that read as numbers by their form alone, in three runs: within the digits of
    // the mantissa, within the digits of the exponent, and the blanks that may follow. Which of them
    // converts then depends only on the size of the value, which grows steadily along each run
    // (it shrinks along the digits of a negative exponent), so a binary search finds the longest.
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && isBlank(text[i]))
        ++i;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::vector<std::size_t> mantissa;
    bool seenSeparator = false;
    for (; i < n; ++i) {
        if (isDigit(text[i])) {
            mantissa.push_back(i + 1);
        } else if (text[i] == fmt.decimalSeparator() && !seenSeparator) {
            seenSeparator = true;
            if (!mantissa.empty())
                mantissa.push_back(i + 1);
        } else {
            break;
        }
    }
    if (mantissa.empty())
        return {};
    std::vector<std::size_t> exponent;
    bool exponentNegative = false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            exponentNegative = text[j] == '-';
            ++j;
        }
        for (; j < n && isDigit(text[j]); ++j)
            exponent.push_back(j + 1);
    }
    std::vector<std::size_t> blanks;
    for (std::size_t j = exponent.empty() ? i : exponent.back(); j < n && isBlank(text[j]); ++j)
        blanks.push_back(j + 1);

    auto converts = [&](std::size_t length) { return fmt.toDouble(text.substr(0, length)).has_value(); };
    // The longest entry of a run whose converting entries all come before the others.
    auto lastConverting = [&](const std::vector<std::size_t>& run) -> std::optional<std::size_t> {
        if (run.empty() || !converts(run.front()))
            return std::nullopt;
        std::size_t lo = 0, hi = run.size() - 1; // run[lo] converts
        while (lo < hi) {
            const std::size_t mid = lo + (hi - lo + 1) / 2;
            if (converts(run[mid]))
                lo = mid;
            else
                hi = mid - 1;
        }
        return run[lo];
    };

    if (!blanks.empty() && converts(blanks.back()))
        return std::string(text.substr(0, blanks.back()));
    if (!exponent.empty()) {
        if (exponentNegative) {
            if (converts(exponent.back()))
                return std::string(text.substr(0, exponent.back()));
        } else if (const auto length = lastConverting(exponent)) {
            return std::string(text.substr(0, *length));
        }
    }
    if (const auto length = lastConverting(mantissa))
        return std::string(text.substr(0, *length));
    return {};
}

} // namespace affine
