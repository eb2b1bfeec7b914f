// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace probability {

// A whole number of any size, just enough arithmetic for the exact factorials and counts of
// combinations: products, exact division by a small number, sums and differences.
class WholeNumber {
public:
    WholeNumber(std::uint64_t value = 0); // NOLINT: a machine integer is a whole number
    // The number a text of decimal digits writes; nothing when the text holds anything else.
    static std::optional<WholeNumber> fromDigits(std::string_view digits);

    WholeNumber& operator+=(std::uint32_t term);
    WholeNumber& operator*=(std::uint32_t factor);
    friend WholeNumber operator*(const WholeNumber& a, const WholeNumber& b);
    // a - b, for a >= b.
    friend WholeNumber operator-(const WholeNumber& a, const WholeNumber& b);
    // Divides by a non-zero divisor and returns the remainder.
    std::uint32_t divide(std::uint32_t divisor);

    friend bool operator<(const WholeNumber& a, const WholeNumber& b);
    friend bool operator>(const WholeNumber& a, const WholeNumber& b) { return b < a; }
    friend bool operator==(const WholeNumber& a, const WholeNumber& b) = default;

    bool isZero() const { return m_limbs.empty(); }
    // The number of binary digits: 0 for zero, 1 for one, 11 for 1024.
    std::size_t bitLength() const;
    // The decimal digits, without leading zeros ("0" for zero).
    std::string digits() const;

private:
    void trim();
    std::vector<std::uint32_t> m_limbs; // base 2^32, least significant first, no leading zero limb
};

} // namespace probability
