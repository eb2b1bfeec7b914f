// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/list_lines.h"

#include <QByteArray>

#include <climits>

#ifdef __GLIBC__
#include <malloc.h>
#endif

void ListLines::append(std::string_view utf8) {
    if (!m_codes.empty())
        codesToText();
    // Offsets are 32-bit: lines beyond 4 GB of text are not kept.
    if (m_text.size() + utf8.size() > UINT32_MAX || count() == INT_MAX)
        return;
    m_text.append(utf8.data(), utf8.size());
    m_ends.push_back(std::uint32_t(m_text.size()));
}

void ListLines::appendCode(std::uint8_t code) {
    if (!m_ends.empty()) {
        append(std::string_view(m_codeTexts.value(code).toUtf8()));
        return;
    }
    if (count() == INT_MAX)
        return;
    m_codes.push_back(code);
}

// A text line added to coded lines: all become text, in order.
void ListLines::codesToText() {
    ChunkedArray<std::uint8_t> codes;
    std::swap(codes, m_codes);
    for (std::size_t i = 0; i < codes.size(); ++i)
        append(std::string_view(m_codeTexts.value(codes[i]).toUtf8()));
}

void ListLines::clear() {
    // Give the memory back: a cleared list may have held a very long search.
    const std::size_t held = bytesUsed();
    m_text.clear();
    m_ends.clear();
    m_codes.clear();
#ifdef __GLIBC__
    // The blocks are small enough for the C library to keep them in its heap once freed, where
    // anything allocated after them pins them; after a long history, hand the free pages back.
    if (held >= kTrimAbove)
        malloc_trim(0);
#endif
}

QString ListLines::at(int row) const {
    if (row < 0 || row >= count())
        return {};
    if (!m_codes.empty())
        return m_codeTexts.value(m_codes[std::size_t(row)]);
    const std::size_t begin = row == 0 ? 0 : m_ends[std::size_t(row) - 1];
    const std::size_t end = m_ends[std::size_t(row)];
    QByteArray utf8(qsizetype(end - begin), Qt::Uninitialized);
    m_text.copy(begin, end, utf8.data());
    return QString::fromUtf8(utf8);
}
