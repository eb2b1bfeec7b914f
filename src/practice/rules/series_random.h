// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The draws of a series of exercises: a fixed generator with explicit integer arithmetic
// (SplitMix64), so that a series code gives the same exercises on every machine and with every
// compiler and library.
namespace practice {

class SeriesRandom {
public:
    explicit SeriesRandom(std::uint64_t seed)
        : m_state(seed) {}
    std::uint64_t next();
    // A whole number from lo to hi, both included (lo <= hi).
    std::int64_t between(std::int64_t lo, std::int64_t hi);
    // True once in `n` draws, about.
    bool oneIn(std::int64_t n) { return between(1, n) == 1; }
    // A number from lo to hi that is not 0.
    std::int64_t nonZero(std::int64_t lo, std::int64_t hi);

private:
    std::uint64_t m_state;
};

// The seed of exercise `index` (from 0) of a series, from its code and what it draws.
std::uint64_t exerciseSeed(std::uint32_t code, int kind, int level, int index);

} // namespace practice
