// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <primesieve/iterator.hpp>

#include <cstdint>
#include <span>

namespace primes {

// The primes from `lower` to `upper`, in increasing order, one segment at a time. A segmented
// sieve of Eratosthenes (primesieve) crosses out the multiples of the primes up to the root of
// each segment, so the whole 32-bit range takes about a second where testing every candidate by
// trial division takes a minute; the numbers found are the same. Each segment holds at most a
// few hundred thousand primes, so a caller can let events run between two of them.
class PrimeSegments {
public:
    // Numbers below 2 are never prime: a lower bound below 2 starts at 2.
    PrimeSegments(std::int64_t lower, std::int64_t upper);
    PrimeSegments(const PrimeSegments&) = delete;
    PrimeSegments& operator=(const PrimeSegments&) = delete;

    // The primes of the next segment, in order; empty once every prime up to `upper` was given.
    // The span stays valid until the next call.
    std::span<const std::uint64_t> next();
    bool done() const { return m_done; }

private:
    primesieve::iterator m_sieve;
    std::uint64_t m_upper;
    bool m_done;
};

} // namespace primes
