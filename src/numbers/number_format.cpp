// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/number_format.h"

#include "numbers/rounding.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace numbers {

namespace {

// A number read from a text, kept exactly: (-1)^negative x digits x 10^exponent, where digits holds
// neither leading nor trailing zeros (it is empty for the value zero).
struct Decimal {
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;
};

// What a scan found at the start of a text; positions are lengths of beginnings of the text.
struct Scan {
    std::size_t firstDigitEnd = 0;         // just past the first digit; 0 when there is none: no number
    std::size_t mantissaEnd = 0;           // just past the digits and the separator
    std::size_t firstExponentDigitEnd = 0; // just past the exponent's first digit; 0 without exponent
    bool exponentNegative = false;
    std::size_t end = 0; // just past the number: its mantissa, or its exponent when it has one
    Decimal value;
};

// Exponents are kept below this bound while they are read, so that «1e999999999999999999999» neither
// overflows nor takes time; any value with such an exponent is out of every range anyway.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

// Digits kept when a long text is handed to the double parser; enough to round every double correctly
// (a halfway point between two doubles never needs more than 767 significant digits).
constexpr std::size_t kKeptDigits = 800;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The blanks that may surround a number in a box.
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Reads the longest beginning of `text` of the form: optional sign, digits with at most one `sep`,
// optionally E or e followed by an optional sign and at least one digit.
Scan scanNumber(std::string_view text, char sep) {
    Scan scan;
    std::size_t pos = 0;
    const std::size_t size = text.size();
    if (pos < size && (text[pos] == '+' || text[pos] == '-')) {
        scan.value.negative = text[pos] == '-';
        ++pos;
    }
    std::string digits;
    std::int64_t fractionDigits = 0;
    bool seenSeparator = false;
    for (; pos < size; ++pos) {
        const char c = text[pos];
        if (isDigit(c)) {
            if (!digits.empty() || c != '0') {
                digits += c;
            }
            if (scan.firstDigitEnd == 0) {
                scan.firstDigitEnd = pos + 1;
            }
            if (seenSeparator) {
                ++fractionDigits;
            }
        } else if (c == sep && !seenSeparator) {
            seenSeparator = true;
        } else {
            break;
        }
    }
    if (scan.firstDigitEnd == 0) {
        return scan;
    }
    scan.mantissaEnd = pos;
    std::int64_t exponent = 0;
    if (pos < size && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t p = pos + 1;
        bool exponentNegative = false;
        if (p < size && (text[p] == '+' || text[p] == '-')) {
            exponentNegative = text[p] == '-';
            ++p;
        }
        const std::size_t firstDigit = p;
        std::int64_t magnitude = 0;
        for (; p < size && isDigit(text[p]); ++p) {
            if (magnitude < kExponentCap) {
                magnitude = magnitude * 10 + (text[p] - '0');
            }
        }
        if (p > firstDigit) {
            exponent = exponentNegative ? -magnitude : magnitude;
            scan.firstExponentDigitEnd = firstDigit + 1;
            scan.exponentNegative = exponentNegative;
            pos = p;
        }
    }
    scan.end = pos;
    // Leading zeros were never stored; trailing ones move into the exponent.
    std::int64_t scale = exponent - fractionDigits;
    const auto last = digits.find_last_not_of('0');
    if (last == std::string::npos) {
        digits.clear();
        scale = 0;
    } else {
        scale += static_cast<std::int64_t>(digits.size() - 1 - last);
        digits.resize(last + 1);
    }
    scan.value.digits = std::move(digits);
    scan.value.exponent = scale;
    return scan;
}

// The number of the whole text, blanks around it aside; nothing when the text is not a number.
std::optional<Decimal> readStrict(std::string_view text, char sep) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    Scan scan = scanNumber(text, sep);
    if (scan.firstDigitEnd == 0 || scan.end != text.size()) {
        return std::nullopt;
    }
    return std::move(scan.value);
}

// The largest double as the program shows it: rounded to 15 significant digits, it lies above the
// largest double, yet it must read back as that double.
constexpr std::string_view kShownLargestDigits = "179769313486232";
constexpr std::int64_t kShownLargestLead = 308;

// Whether the magnitude of `d` is at most that of the shown largest double.
bool atMostShownLargest(const Decimal& d) {
    const auto lead = static_cast<std::int64_t>(d.digits.size()) + d.exponent - 1;
    if (d.digits.empty() || lead != kShownLargestLead) {
        return d.digits.empty() || lead < kShownLargestLead;
    }
    // Same decimal exponent, no trailing zeros on either side: the digits compare as texts.
    return std::string_view(d.digits) <= kShownLargestDigits;
}

// The double nearest to `d`; plus or minus infinity beyond the double range, a signed zero below it.
// A value above the largest double by no more than the rounding of its shown text reads as the
// largest double.
double nearestDouble(const Decimal& d) {
    const double sign = d.negative ? -1.0 : 1.0;
    if (d.digits.empty()) {
        return sign * 0.0;
    }
    const auto count = static_cast<std::int64_t>(d.digits.size());
    // Decimal exponent of the first digit: the value lies in [10^lead, 10^(lead+1)).
    const std::int64_t lead = count + d.exponent - 1;
    if (lead > 310) {
        return sign * std::numeric_limits<double>::infinity();
    }
    if (lead < -330) {
        return sign * 0.0;
    }
    std::string text;
    std::int64_t exponent = d.exponent;
    if (d.digits.size() > kKeptDigits) {
        // The dropped digits end with a non-zero one, so a final 1 stands for them without moving
        // the value across any rounding boundary.
        text.assign(d.digits, 0, kKeptDigits);
        text += '1';
        exponent += count - static_cast<std::int64_t>(kKeptDigits + 1);
    } else {
        text = d.digits;
    }
    text += 'e';
    text += std::to_string(exponent);
    double magnitude = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        magnitude = lead > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc{}) {
        magnitude = 0.0; // not reached: the text was built from digits only
    }
    if (std::isinf(magnitude) && atMostShownLargest(d)) {
        magnitude = std::numeric_limits<double>::max();
    }
    return sign * magnitude;
}

// The whole number nearest to `d`, halves to the even one; nothing when its magnitude needs more than
// 18 digits (beyond every width the program uses).
std::optional<std::int64_t> roundedInteger(const Decimal& d) {
    if (d.digits.empty()) {
        return 0;
    }
    const auto count = static_cast<std::int64_t>(d.digits.size());
    const std::int64_t integerDigits = count + d.exponent;
    if (integerDigits > 18) {
        return std::nullopt;
    }
    std::int64_t magnitude = 0;
    if (d.exponent >= 0) {
        for (char c : d.digits) {
            magnitude = magnitude * 10 + (c - '0');
        }
        for (std::int64_t i = 0; i < d.exponent; ++i) {
            magnitude *= 10;
        }
    } else {
        for (std::int64_t i = 0; i < integerDigits; ++i) {
            magnitude = magnitude * 10 + (d.digits[static_cast<std::size_t>(i)] - '0');
        }
        // The fraction is not empty here. When it starts with hidden zeros it is below one half;
        // otherwise its first digit tells, unless it is a 5 that ends the digits: then it is a half.
        std::partial_ordering excessOverHalf = std::partial_ordering::less;
        if (integerDigits >= 0) {
            const char first = d.digits[static_cast<std::size_t>(integerDigits)];
            const bool moreFollow = integerDigits + 1 < count; // digits end with a non-zero one
            excessOverHalf = first != '5' ? first <=> '5'
                             : moreFollow ? std::partial_ordering::greater
                                          : std::partial_ordering::equivalent;
        }
        if (roundsUp(excessOverHalf, magnitude % 2 == 1)) {
            ++magnitude;
        }
    }
    return d.negative ? -magnitude : magnitude;
}

template <typename Int> std::optional<Int> strictInteger(std::string_view text, char sep) {
    const auto decimal = readStrict(text, sep);
    if (!decimal) {
        return std::nullopt;
    }
    const auto value = roundedInteger(*decimal);
    if (!value || *value < std::numeric_limits<Int>::min() || *value > std::numeric_limits<Int>::max()) {
        return std::nullopt;
    }
    return static_cast<Int>(*value);
}

template <typename Int> std::optional<Int> roundDouble(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double whole = roundHalfEven(value);
    if (whole < static_cast<double>(std::numeric_limits<Int>::min()) ||
        whole > static_cast<double>(std::numeric_limits<Int>::max())) {
        return std::nullopt;
    }
    return static_cast<Int>(whole);
}

// Plain number text of a double with the given separator.
std::string formatDouble(double value, char sep) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value > 0 ? "Infini" : "-Infini";
    }
    if (value == 0.0) {
        return "0";
    }
    // Scientific form with 15 significant digits, «d.dddddddddddddde±XX», locale-independent.
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view scientific(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (std::size_t i = 0; i < e; ++i) {
        if (isDigit(scientific[i])) {
            digits += scientific[i];
        }
    }
    std::string_view exponentText = scientific.substr(e + 1);
    const bool exponentNegative = exponentText.front() == '-';
    exponentText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    if (exponentNegative) {
        exponent = -exponent;
    }
    digits.resize(digits.find_last_not_of('0') + 1); // the first digit is never zero
    return NumberFormat::layoutDigits(value < 0, digits, exponent, sep);
}

} // namespace

std::string NumberFormat::layoutDigits(bool negative, std::string_view digits, int exponent, char sep) {
    std::string out = negative ? "-" : "";
    if (exponent >= 15 || exponent < -4) {
        out += digits[0];
        if (digits.size() > 1) {
            out += sep;
            out.append(digits, 1);
        }
        out += 'E';
        out += exponent < 0 ? '-' : '+';
        const int shown = exponent < 0 ? -exponent : exponent;
        if (shown < 10) {
            out += '0';
        }
        out += std::to_string(shown);
    } else if (exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            out += digits;
            out.append(integerDigits - digits.size(), '0');
        } else {
            out.append(digits, 0, integerDigits);
            out += sep;
            out.append(digits, integerDigits);
        }
    } else {
        out += '0';
        out += sep;
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    }
    return out;
}

NumberFormat::NumberFormat(char decimalSeparator)
    : m_sep(decimalSeparator) {}

std::optional<std::int16_t> NumberFormat::toInt16(std::string_view text) const {
    return strictInteger<std::int16_t>(text, m_sep);
}

std::optional<std::int32_t> NumberFormat::toInt32(std::string_view text) const {
    return strictInteger<std::int32_t>(text, m_sep);
}

std::optional<double> NumberFormat::toDouble(std::string_view text) const {
    const auto decimal = readStrict(text, m_sep);
    if (!decimal) {
        return std::nullopt;
    }
    const double value = nearestDouble(*decimal);
    if (std::isinf(value)) {
        return std::nullopt;
    }
    return value;
}

double NumberFormat::leadingNumber(std::string_view text, char decimalMark) {
    std::string packed;
    packed.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            packed += c;
        }
    }
    const Scan scan = scanNumber(packed, decimalMark);
    if (scan.firstDigitEnd == 0) {
        return 0.0;
    }
    return nearestDouble(scan.value);
}

std::size_t NumberFormat::longestDoublePrefix(std::string_view text) const {
    // The beginnings that have the form of a number lie in three runs: those ending within the
    // mantissa (from its first digit on), within the digits of the exponent, and in the blanks that
    // follow the number. Which of them converts then depends only on the size of their value, which
    // grows steadily along each run (it shrinks along the digits of a negative exponent), so a
    // binary search finds the longest.
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start])) {
        ++start;
    }
    const Scan scan = scanNumber(text.substr(start), m_sep);
    if (scan.firstDigitEnd == 0) {
        return 0;
    }
    const auto converts = [&](std::size_t length) { return toDouble(text.substr(0, length)).has_value(); };
    // The longest length from first to last that converts, 0 when none does; the lengths that
    // convert come before the others.
    const auto lastConverting = [&](std::size_t first, std::size_t last) -> std::size_t {
        if (!converts(first)) {
            return 0;
        }
        while (first < last) {
            const std::size_t mid = first + (last - first + 1) / 2;
            if (converts(mid)) {
                first = mid;
            } else {
                last = mid - 1;
            }
        }
        return first;
    };

    const std::size_t end = start + scan.end;
    std::size_t blanksEnd = end;
    while (blanksEnd < text.size() && isBlank(text[blanksEnd])) {
        ++blanksEnd;
    }
    if (blanksEnd > end && converts(blanksEnd)) {
        return blanksEnd;
    }
    if (scan.firstExponentDigitEnd != 0) {
        if (scan.exponentNegative) {
            if (converts(end)) {
                return end;
            }
        } else if (const std::size_t length = lastConverting(start + scan.firstExponentDigitEnd, end)) {
            return length;
        }
    }
    return lastConverting(start + scan.firstDigitEnd, start + scan.mantissaEnd);
}

std::optional<std::int16_t> NumberFormat::roundToInt16(double value) {
    return roundDouble<std::int16_t>(value);
}

std::optional<std::int32_t> NumberFormat::roundToInt32(double value) {
    return roundDouble<std::int32_t>(value);
}

std::string NumberFormat::integerText(std::int64_t value) {
    return std::to_string(value);
}

std::string NumberFormat::numberText(double value) const {
    return formatDouble(value, m_sep);
}

std::string NumberFormat::signedSpaceText(double value) {
    std::string text = formatDouble(value, '.');
    if (value >= 0.0) {
        text.insert(0, 1, ' ');
    }
    return text;
}

} // namespace numbers
