// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/compact_lines.h"

namespace ui {

bool IncreasingNumbers::append(std::int64_t value) {
    if (m_size > 0 && value <= m_last)
        return false;
    if (m_size % kStride == 0) {
        m_marks.push_back({value, m_gaps.size()});
    } else {
        // Unsigned, so that a difference across the whole 64-bit range does not overflow.
        const std::uint64_t gap = std::uint64_t(value) - std::uint64_t(m_last);
        if (gap < 256) {
            m_gaps.push_back(std::uint8_t(gap));
        } else {
            std::uint8_t bytes[9] = {0};
            for (int i = 0; i < 8; ++i)
                bytes[1 + i] = std::uint8_t(gap >> (8 * i));
            m_gaps.append(bytes, sizeof bytes);
        }
    }
    m_last = value;
    ++m_size;
    return true;
}

void IncreasingNumbers::clear() {
    m_gaps.clear();
    m_marks.clear();
    m_size = 0;
    m_last = 0;
}

std::int64_t IncreasingNumbers::at(std::size_t row) const {
    const Mark mark = m_marks[row / kStride];
    std::uint64_t value = std::uint64_t(mark.value);
    std::size_t at = mark.gaps;
    for (std::size_t k = row % kStride; k > 0; --k) {
        const std::uint8_t gap = m_gaps[at++];
        if (gap != 0) {
            value += gap;
            continue;
        }
        std::uint64_t wide = 0;
        for (int i = 0; i < 8; ++i)
            wide |= std::uint64_t(m_gaps[at++]) << (8 * i);
        value += wide;
    }
    return std::int64_t(value);
}

} // namespace ui
