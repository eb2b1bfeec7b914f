// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/rules/whole_number.h"

#include <algorithm>
#include <bit>

namespace probability {

WholeNumber::WholeNumber(std::uint64_t value) {
    while (value != 0) {
        m_limbs.push_back(std::uint32_t(value));
        value >>= 32;
    }
}

std::optional<WholeNumber> WholeNumber::fromDigits(std::string_view digits) {
    if (digits.empty())
        return std::nullopt;
    WholeNumber n;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n *= 10;
        n += std::uint32_t(c - '0');
    }
    return n;
}

void WholeNumber::trim() {
    while (!m_limbs.empty() && m_limbs.back() == 0)
        m_limbs.pop_back();
}

WholeNumber& WholeNumber::operator+=(std::uint32_t term) {
    std::uint64_t carry = term;
    for (std::size_t i = 0; carry != 0; ++i) {
        if (i == m_limbs.size())
            m_limbs.push_back(0);
        carry += m_limbs[i];
        m_limbs[i] = std::uint32_t(carry);
        carry >>= 32;
    }
    return *this;
}

WholeNumber& WholeNumber::operator*=(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (auto& limb : m_limbs) {
        carry += std::uint64_t(limb) * factor;
        limb = std::uint32_t(carry);
        carry >>= 32;
    }
    if (carry != 0)
        m_limbs.push_back(std::uint32_t(carry));
    trim();
    return *this;
}

WholeNumber operator*(const WholeNumber& a, const WholeNumber& b) {
    WholeNumber product;
    if (a.isZero() || b.isZero())
        return product;
    product.m_limbs.assign(a.m_limbs.size() + b.m_limbs.size(), 0);
    for (std::size_t i = 0; i < a.m_limbs.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.m_limbs.size(); ++j) {
            carry += std::uint64_t(a.m_limbs[i]) * b.m_limbs[j] + product.m_limbs[i + j];
            product.m_limbs[i + j] = std::uint32_t(carry);
            carry >>= 32;
        }
        product.m_limbs[i + b.m_limbs.size()] = std::uint32_t(carry);
    }
    product.trim();
    return product;
}

WholeNumber operator-(const WholeNumber& a, const WholeNumber& b) {
    WholeNumber difference = a;
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < difference.m_limbs.size(); ++i) {
        std::int64_t limb = std::int64_t(difference.m_limbs[i]) - borrow;
        if (i < b.m_limbs.size())
            limb -= b.m_limbs[i];
        borrow = limb < 0 ? 1 : 0;
        difference.m_limbs[i] = std::uint32_t(limb + (borrow << 32));
    }
    difference.trim();
    return difference;
}

std::uint32_t WholeNumber::divide(std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (auto limb = m_limbs.rbegin(); limb != m_limbs.rend(); ++limb) {
        remainder = (remainder << 32) | *limb;
        *limb = std::uint32_t(remainder / divisor);
        remainder %= divisor;
    }
    trim();
    return std::uint32_t(remainder);
}

bool operator<(const WholeNumber& a, const WholeNumber& b) {
    if (a.m_limbs.size() != b.m_limbs.size())
        return a.m_limbs.size() < b.m_limbs.size();
    return std::lexicographical_compare(a.m_limbs.rbegin(), a.m_limbs.rend(), b.m_limbs.rbegin(),
                                        b.m_limbs.rend());
}

std::size_t WholeNumber::bitLength() const {
    if (m_limbs.empty())
        return 0;
    return 32 * (m_limbs.size() - 1) + std::size_t(std::bit_width(m_limbs.back()));
}

std::string WholeNumber::digits() const {
    if (m_limbs.empty())
        return "0";
    // Nine decimal digits at a time, least significant group first.
    WholeNumber rest = *this;
    std::string reversed;
    while (!rest.isZero()) {
        std::uint32_t group = rest.divide(1'000'000'000);
        for (int i = 0; i < 9; ++i) {
            reversed += char('0' + group % 10);
            group /= 10;
        }
    }
    while (reversed.size() > 1 && reversed.back() == '0')
        reversed.pop_back();
    return {reversed.rbegin(), reversed.rend()};
}

} // namespace probability
