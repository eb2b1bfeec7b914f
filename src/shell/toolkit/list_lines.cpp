// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/list_lines.h"

#include <QByteArray>

#include <climits>
#include <string>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace ui {

void ListLines::append(std::string_view utf8) {
    if (!m_codes.empty())
        codesToText();
    if (!m_numbers.empty())
        numbersToText();
    // Offsets are 32-bit: lines beyond 4 GB of text are not kept.
    if (m_text.size() + utf8.size() > UINT32_MAX || count() == INT_MAX)
        return;
    m_text.append(utf8.data(), utf8.size());
    m_ends.push_back(std::uint32_t(m_text.size()));
}

void ListLines::appendCode(std::uint8_t code) {
    if (!m_ends.empty() || !m_numbers.empty()) {
        append(std::string_view(m_codeTexts.value(code).toUtf8()));
        return;
    }
    if (count() == INT_MAX)
        return;
    m_codes.push_back(code);
}

void ListLines::appendNumber(std::int64_t value) {
    if (m_ends.empty() && m_codes.empty() && count() < INT_MAX && m_numbers.append(value))
        return;
    append(std::to_string(value));
}

// A line of another kind added to numbers: all become text, in order.
void ListLines::numbersToText() {
    ui::IncreasingNumbers numbers;
    std::swap(numbers, m_numbers);
    for (std::size_t i = 0; i < numbers.size(); ++i)
        append(std::to_string(numbers.at(i)));
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
    m_numbers.clear();
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
    if (!m_numbers.empty())
        return QString::number(m_numbers.at(std::size_t(row)));
    const std::size_t begin = row == 0 ? 0 : m_ends[std::size_t(row) - 1];
    const std::size_t end = m_ends[std::size_t(row)];
    QByteArray utf8(qsizetype(end - begin), Qt::Uninitialized);
    m_text.copy(begin, end, utf8.data());
    return QString::fromUtf8(utf8);
}

} // namespace ui
