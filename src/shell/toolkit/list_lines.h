// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/rules/chunked_array.h"
#include "shell/toolkit/compact_lines.h"
#include "shell/toolkit/lines_source.h"

#include <cstdint>
#include <string_view>

namespace ui {

// A list box's own lines, where a list may grow to a hundred million lines. A line is text, kept
// in one UTF-8 buffer with an end offset per line (a dozen bytes a line); a list of increasing
// whole numbers keeps them as differences, about a byte a line (see ui::IncreasingNumbers), and
// makes their text only when a line is shown or read. A number that is not above the last, or a
// text line, turns the list into text. Both grow by fixed blocks, so an append costs the same at
// every length.
class ListLines : public LinesSource {
public:
    void append(std::string_view utf8);
    void appendNumber(std::int64_t value);
    void clear();
    int count() const override { return int(m_ends.size() + m_numbers.size()); }
    // The text of a line; empty outside the list.
    QString at(int row) const override;
    std::size_t bytesUsed() const { return m_text.bytesUsed() + m_ends.bytesUsed() + m_numbers.bytesUsed(); }

private:
    void numbersToText();

    storage::ChunkedArray<char> m_text;
    storage::ChunkedArray<std::uint32_t> m_ends;
    ui::IncreasingNumbers m_numbers;
};

} // namespace ui
