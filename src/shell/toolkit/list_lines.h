// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/toolkit/chunked_array.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <string_view>

// The lines of a list box, where a history may grow to a hundred million lines. A line is either
// text, kept in one UTF-8 buffer with an end offset per line (a dozen bytes a line), or a code, one
// byte a line, that stands for one of a few texts set once: its text is made only when the line is
// shown or read. A list holds one kind or the other. Both grow by fixed blocks, so an append costs
// the same at every length.
class ListLines {
public:
    void append(std::string_view utf8);
    void setCodeTexts(QStringList texts) { m_codeTexts = std::move(texts); }
    void appendCode(std::uint8_t code);
    void clear();
    int count() const { return int(m_ends.size() + m_codes.size()); }
    // The text of a line; empty outside the list.
    QString at(int row) const;
    // The codes of the coded lines [begin, end), copied to out.
    void copyCodes(std::size_t begin, std::size_t end, std::uint8_t* out) const {
        m_codes.copy(begin, end, out);
    }
    std::size_t codeCount() const { return m_codes.size(); }
    std::size_t bytesUsed() const { return m_text.bytesUsed() + m_ends.bytesUsed() + m_codes.bytesUsed(); }

private:
    void codesToText();

    ChunkedArray<char> m_text;
    ChunkedArray<std::uint32_t> m_ends;
    ChunkedArray<std::uint8_t> m_codes;
    QStringList m_codeTexts;
};
