// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/rules/frequencies.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>

namespace probability {

FrequencyTrace::FrequencyTrace(int columns) {
    reset(columns);
}

void FrequencyTrace::reset(int columns) {
    m_wanted = std::max(columns, 1);
    m_throws = 0;
    m_successes = 0;
    m_perColumn = 1;
    m_inColumn = 0;
    m_columns.clear();
    m_columns.reserve(std::size_t(2 * m_wanted));
}

void FrequencyTrace::add(bool success) {
    const std::uint8_t code = success ? 1 : 0;
    add(std::span(&code, 1), 1);
}

void FrequencyTrace::openColumn(bool success) {
    settle();
    if (std::ssize(m_columns) == 2 * m_wanted)
        mergePairs();
    ++m_throws;
    m_successes += success ? 1 : 0;
    const double f = double(m_successes) / double(m_throws);
    m_columns.push_back({.low = f, .high = f, .last = f, .throws = m_throws});
    m_inColumn = 1;
}

namespace {
// One bit (the byte's highest) for each byte of `word` equal to `code`, eight bytes at a time.
std::uint64_t bytesEqual(std::uint64_t word, std::uint8_t code) {
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    const std::uint64_t x = word ^ (0x0101010101010101ULL * code); // a zero byte where equal
    // Exact for every byte: its highest bit stays clear only when the byte is zero.
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}
} // namespace

void FrequencyTrace::add(std::span<const std::uint8_t> codes, std::uint8_t success) {
    std::size_t i = 0;
    while (i < codes.size()) {
        if (m_columns.empty() || m_inColumn == m_perColumn) {
            openColumn(codes[i++] == success);
            continue;
        }
        // The rest of the last column. The frequency falls with each failure and rises with each
        // success: inside a column it is lowest just before a success or at the column's end, and
        // highest just after a success or at its start. Only the successes need a division (a
        // series adds millions of throws).
        const std::size_t end =
            i + std::size_t(std::min<std::int64_t>(std::int64_t(codes.size() - i), m_perColumn - m_inColumn));
        const std::int64_t before = m_throws - std::int64_t(i); // throws before codes[0]
        Column& c = m_columns.back();
        double low = c.low;
        double high = c.high;
        std::int64_t successes = m_successes;
        const auto count = [&](std::size_t at) {
            const std::int64_t throws = before + std::int64_t(at) + 1;
            ++successes;
            low = std::min(low, double(successes - 1) / double(throws - 1));
            high = std::max(high, double(successes) / double(throws));
        };
        std::size_t j = i;
        for (; j + 8 <= end; j += 8) {
            std::uint64_t word;
            std::memcpy(&word, codes.data() + j, sizeof word);
            // In the order of the throws: the first byte is the lowest on a little-endian machine.
            for (std::uint64_t found = bytesEqual(word, success); found != 0;) {
                if constexpr (std::endian::native == std::endian::little) {
                    count(j + std::size_t(std::countr_zero(found) / 8));
                    found &= found - 1;
                } else {
                    const int skipped = std::countl_zero(found);
                    count(j + std::size_t(skipped / 8));
                    found &= ~(std::uint64_t{1} << (63 - skipped));
                }
            }
        }
        for (; j < end; ++j)
            if (codes[j] == success)
                count(j);
        c.low = low;
        c.high = high;
        m_successes = successes;
        m_inColumn += std::int64_t(end - i);
        m_throws += std::int64_t(end - i);
        i = end;
    }
}

void FrequencyTrace::settle() const {
    if (m_columns.empty())
        return;
    Column& c = m_columns.back();
    const double f = double(m_successes) / double(m_throws);
    c.low = std::min(c.low, f);
    c.high = std::max(c.high, f);
    c.last = f;
    c.throws = m_throws;
}

void FrequencyTrace::mergePairs() {
    // Every column is full here, and there is an even number of them.
    const std::size_t half = m_columns.size() / 2;
    for (std::size_t i = 0; i < half; ++i) {
        const Column& a = m_columns[2 * i];
        const Column& b = m_columns[2 * i + 1];
        m_columns[i] = {.low = std::min(a.low, b.low),
                        .high = std::max(a.high, b.high),
                        .last = b.last,
                        .throws = b.throws};
    }
    m_columns.resize(half);
    m_perColumn *= 2;
}

std::optional<double> FrequencyTrace::frequency() const {
    if (m_throws == 0)
        return std::nullopt;
    return double(m_successes) / double(m_throws);
}

namespace {
// The whole part of the square root of x ≥ 0, exact.
std::int64_t wholeRoot(std::int64_t x) {
    auto r = std::int64_t(std::sqrt(double(x)));
    while (r > 0 && r * r > x)
        --r;
    while ((r + 1) * (r + 1) <= x)
        ++r;
    return r;
}
} // namespace

bool insideBand(std::int64_t successes, std::int64_t n, Chance p) {
    if (n <= 0)
        return false;
    // |k/n − a/b| ≤ 1/√n  ⇔  |b·k − a·n| ≤ b·√n  ⇔  |b·k − a·n| ≤ ⌊√(b²·n)⌋, all in whole numbers
    // (k, n below 2^31 and b at most 6 keep every product far below 2^63).
    const std::int64_t gap = std::llabs(p.denominator * successes - p.numerator * n);
    return gap <= wholeRoot(p.denominator * p.denominator * n);
}

CountRange bandCounts(std::int64_t n, Chance p) {
    if (n <= 0)
        return {1, 0};
    // a·n − r ≤ b·k ≤ a·n + r, with r = ⌊√(b²·n)⌋, as in insideBand().
    const std::int64_t r = wholeRoot(p.denominator * p.denominator * n);
    const std::int64_t low = p.numerator * n - r;
    const std::int64_t high = p.numerator * n + r;
    const std::int64_t b = p.denominator;
    const std::int64_t lowest = low <= 0 ? 0 : (low + b - 1) / b;
    const std::int64_t highest = high < 0 ? -1 : high / b;
    return {lowest, std::min(highest, n)};
}

double bandLow(double p, double n) {
    return p - 1.0 / std::sqrt(n);
}

double bandHigh(double p, double n) {
    return p + 1.0 / std::sqrt(n);
}

std::optional<int> wholePercent(std::int64_t inside, std::int64_t samples) {
    if (samples <= 0)
        return std::nullopt;
    // Rounded half up, in whole numbers: (200·inside + samples) ÷ (2·samples).
    auto percent = int((200 * inside + samples) / (2 * samples));
    if (inside < samples)
        percent = std::min(percent, 99);
    if (inside > 0)
        percent = std::max(percent, 1);
    return percent;
}

Sampler binomialSampler() {
    return [](std::int32_t n, double p) -> SampleDraw {
        std::random_device entropy;
        std::seed_seq seed{entropy(), entropy(), entropy(), entropy()};
        // 64-bit counts inside the law: its set-up multiplies n by small constants.
        return [generator = std::mt19937_64(seed),
                law = std::binomial_distribution<std::int64_t>(n, p)]() mutable {
            return std::int32_t(law(generator));
        };
    };
}

} // namespace probability
