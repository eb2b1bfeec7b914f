// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/rules/prime_segments.h"

#include <algorithm>

namespace primes {

PrimeSegments::PrimeSegments(std::int64_t lower, std::int64_t upper)
    : m_sieve(std::uint64_t(std::max<std::int64_t>(lower, 2)),
              std::uint64_t(std::max<std::int64_t>(upper, 0)))
    , m_upper(std::uint64_t(std::max<std::int64_t>(upper, 0)))
    , m_done(upper < 2 || upper < lower) {}

std::span<const std::uint64_t> PrimeSegments::next() {
    if (m_done)
        return {};
    m_sieve.generate_next_primes();
    const std::uint64_t* begin = m_sieve.primes_;
    const std::uint64_t* end = begin + m_sieve.size_;
    // The sieve's last segment may run past the upper bound: its primes end there.
    if (end[-1] >= m_upper) {
        m_done = true;
        end = std::upper_bound(begin, end, m_upper);
    }
    return {begin, end};
}

} // namespace primes
