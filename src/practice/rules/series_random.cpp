// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/rules/series_random.h"

namespace practice {

std::uint64_t SeriesRandom::next() {
    m_state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::int64_t SeriesRandom::between(std::int64_t lo, std::int64_t hi) {
    const auto span = static_cast<std::uint64_t>(hi - lo) + 1;
    return lo + static_cast<std::int64_t>(next() % span);
}

std::int64_t SeriesRandom::nonZero(std::int64_t lo, std::int64_t hi) {
    std::int64_t v = 0;
    while (v == 0)
        v = between(lo, hi);
    return v;
}

std::uint64_t exerciseSeed(std::uint32_t code, int kind, int level, int index) {
    return (std::uint64_t(code) << 32) | (std::uint64_t(kind & 0xFF) << 24) |
           (std::uint64_t(level & 0xFF) << 16) | std::uint64_t(index & 0xFFFF);
}

} // namespace practice
