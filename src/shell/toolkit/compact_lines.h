// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/rules/chunked_array.h"

#include <cstddef>
#include <cstdint>

namespace ui {

// Increasing whole numbers, such as the primes a search lists, in about a byte each: every
// number is kept as its difference from the one before it, one byte when it is below 256 and
// nine bytes (a zero, then the difference) otherwise. Every 128th number is kept whole, with
// where the differences after it begin, so that reading any number adds at most 127 differences.
class IncreasingNumbers {
public:
    // Keeps `value` after the others; false, keeping nothing, when it is not above the last one.
    bool append(std::int64_t value);
    void clear();
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    // The number at `row` (< size()).
    std::int64_t at(std::size_t row) const;
    std::int64_t last() const { return m_last; }
    std::size_t bytesUsed() const { return m_gaps.bytesUsed() + m_marks.bytesUsed(); }

private:
    static constexpr std::size_t kStride = 128;
    struct Mark {
        std::int64_t value; // the number of row k * kStride
        std::uint64_t gaps; // where the differences of the rows after it begin
    };

    storage::ChunkedArray<std::uint8_t> m_gaps;
    storage::ChunkedArray<Mark, 1024> m_marks;
    std::size_t m_size = 0;
    std::int64_t m_last = 0;
};

} // namespace ui
