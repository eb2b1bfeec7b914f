// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/toolkit/chunked_array.h"
#include "shell/toolkit/compact_lines.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <string_view>

namespace ui {

// The lines of a list box, where a history may grow to a hundred million lines. A line is either
// text, kept in one UTF-8 buffer with an end offset per line (a dozen bytes a line), or a code, one
// byte a line, that stands for one of a few texts set once: its text is made only when the line is
// shown or read. A list of increasing whole numbers keeps them as differences, about a byte a line
// (see ui::IncreasingNumbers), and makes their text too only when a line is shown or read. A list
// holds one kind only: a line of another kind, or a number not above the last, turns the list into
// text. All grow by fixed blocks, so an append costs the same at every length.
class ListLines {
public:
    void append(std::string_view utf8);
    void setCodeTexts(QStringList texts) { m_codeTexts = std::move(texts); }
    void appendCode(std::uint8_t code);
    void appendNumber(std::int64_t value);
    void clear();
    int count() const { return int(m_ends.size() + m_codes.size() + m_numbers.size()); }
    // The text of a line; empty outside the list.
    QString at(int row) const;
    // The codes of the coded lines [begin, end), copied to out.
    void copyCodes(std::size_t begin, std::size_t end, std::uint8_t* out) const {
        m_codes.copy(begin, end, out);
    }
    std::size_t codeCount() const { return m_codes.size(); }
    std::size_t bytesUsed() const {
        return m_text.bytesUsed() + m_ends.bytesUsed() + m_codes.bytesUsed() + m_numbers.bytesUsed();
    }

private:
    // Clearing a list that held at least this much gives the freed memory back to the system.
    static constexpr std::size_t kTrimAbove = std::size_t(8) << 20;

    void codesToText();
    void numbersToText();

    ChunkedArray<char> m_text;
    ChunkedArray<std::uint32_t> m_ends;
    ChunkedArray<std::uint8_t> m_codes;
    ui::IncreasingNumbers m_numbers;
    QStringList m_codeTexts;
};

} // namespace ui
