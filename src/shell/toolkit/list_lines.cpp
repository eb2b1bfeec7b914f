// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/list_lines.h"

#include <QByteArray>

#include <climits>
#include <string>

namespace ui {

void ListLines::append(std::string_view utf8) {
    if (!m_numbers.empty())
        numbersToText();
    // Offsets are 32-bit: lines beyond 4 GB of text are not kept.
    if (m_text.size() + utf8.size() > UINT32_MAX || count() == INT_MAX)
        return;
    m_text.append(utf8.data(), utf8.size());
    m_ends.push_back(std::uint32_t(m_text.size()));
}

void ListLines::appendNumber(std::int64_t value) {
    if (m_ends.empty() && count() < INT_MAX && m_numbers.append(value))
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

void ListLines::clear() {
    // Give the memory back: a cleared list may have held a very long search.
    const std::size_t held = bytesUsed();
    m_text.clear();
    m_ends.clear();
    m_numbers.clear();
    storage::giveBackFreedMemory(held);
}

QString ListLines::at(int row) const {
    if (row < 0 || row >= count())
        return {};
    if (!m_numbers.empty())
        return QString::number(m_numbers.at(std::size_t(row)));
    const std::size_t begin = row == 0 ? 0 : m_ends[std::size_t(row) - 1];
    const std::size_t end = m_ends[std::size_t(row)];
    QByteArray utf8(qsizetype(end - begin), Qt::Uninitialized);
    m_text.copy(begin, end, utf8.data());
    return QString::fromUtf8(utf8);
}

} // namespace ui
