// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

// Frequencies of a success: along a history of throws (the law of large numbers), and across
// samples of n throws (sampling fluctuation), free of any window.

namespace probability {

// The probability of a success, as a fraction: 1/2 for pile, 1/6 for a face of the die.
struct Chance {
    std::int64_t numerator = 1;
    std::int64_t denominator = 2;
    double value() const { return double(numerator) / double(denominator); }
};

// The frequency of the success after each throw of a history, kept in at most twice `columns`
// columns however long the history grows: a column holds a run of consecutive throws (the same
// number in each, a power of two) with the lowest and highest frequency reached in it and the one
// at its end. When the columns are full, neighbours merge two by two.
class FrequencyTrace {
public:
    struct Column {
        double low = 0;
        double high = 0;
        double last = 0;
        std::int64_t throws = 0; // throws counted from the start to the column's end
    };

    explicit FrequencyTrace(int columns = 256);

    // Starts again with no throw, with room for the given number of columns.
    void reset(int columns);
    void clear() { reset(m_wanted); }
    void add(bool success);
    // One throw per code, in order; a success where the code is `success`. The same columns as
    // adding them one by one, at a fraction of the cost: only the successes need work.
    void add(std::span<const std::uint8_t> codes, std::uint8_t success);

    std::int64_t throws() const { return m_throws; }
    std::int64_t successes() const { return m_successes; }
    // The frequency after the last throw; nothing before the first.
    std::optional<double> frequency() const;
    std::span<const Column> columns() const {
        settle();
        return m_columns;
    }
    std::int64_t throwsPerColumn() const { return m_perColumn; }
    int wantedColumns() const { return m_wanted; }

private:
    // Starts a new column with one throw, merging the columns two by two first if they are full.
    void openColumn(bool success);
    void mergePairs();
    // Brings the last column up to the last throw (its end, lowest and highest frequencies).
    void settle() const;

    int m_wanted;
    std::int64_t m_throws = 0;
    std::int64_t m_successes = 0;
    std::int64_t m_perColumn = 1;
    std::int64_t m_inColumn = 0; // throws in the last column
    // The last column is brought up to date when read (settle), not at every throw.
    mutable std::vector<Column> m_columns;
};

// Whether a sample of n throws with k successes has its frequency k/n in [p − 1/√n ; p + 1/√n],
// edges included. Exact: no rounding can move a frequency that lies on an edge out of the band.
bool insideBand(std::int64_t successes, std::int64_t n, Chance p);
// The fewest and the most successes of a sample of n throws that lie inside the band.
struct CountRange {
    std::int64_t lowest;
    std::int64_t highest;
    bool contains(std::int64_t k) const { return k >= lowest && k <= highest; }
};
CountRange bandCounts(std::int64_t n, Chance p);
// The band's edges p − 1/√n and p + 1/√n, for drawing.
double bandLow(double p, double n);
double bandHigh(double p, double n);

// The share of samples inside the band, as a whole percentage rounded to the nearest: never 100
// while a sample lies outside, never 0 while one lies inside. Nothing without samples.
std::optional<int> wholePercent(std::int64_t inside, std::int64_t samples);

// The number of successes of one sample.
using SampleDraw = std::function<std::int32_t()>;
// Makes the draw of one run of samples of n throws of probability p.
using Sampler = std::function<SampleDraw(std::int32_t n, double p)>;
// A generator seeded once per run (std::mt19937_64 from the system's entropy) and the binomial
// law of (n, p): a sample costs the same whatever its size.
Sampler binomialSampler();

// The samples of one run and how many of them lie inside the band.
struct Samples {
    std::int32_t size = 0; // n
    Chance chance;
    std::vector<std::int32_t> successes; // one count per sample
    std::int64_t inside = 0;

    void add(std::int32_t k) {
        successes.push_back(k);
        inside += insideBand(k, size, chance) ? 1 : 0;
    }
    std::int64_t count() const { return std::int64_t(successes.size()); }
    double frequency(std::size_t i) const { return double(successes[i]) / double(size); }
};

} // namespace probability
