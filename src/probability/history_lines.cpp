// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/history_lines.h"

#include "shell/toolkit/list_box.h"

#include <algorithm>

HistoryLines::HistoryLines(probability::OutcomeHistory& history, QStringList texts, ui::ListBox& list)
    : m_history(history)
    , m_texts(std::move(texts))
    , m_list(list) {
    m_history.addObserver(this);
}

HistoryLines::~HistoryLines() {
    m_history.removeObserver(this);
}

int HistoryLines::count() const {
    return int(std::min<std::size_t>(m_history.size(), probability::OutcomeHistory::kMostOutcomes));
}

QString HistoryLines::at(int row) const {
    if (row < 0 || row >= count())
        return {};
    return m_texts.value(m_history.at(std::size_t(row)));
}

void HistoryLines::historyGrowing(const probability::OutcomeHistory&) {
    m_list.linesAdded();
}

void HistoryLines::historyCleared(const probability::OutcomeHistory&) {
    m_list.linesCleared();
}
