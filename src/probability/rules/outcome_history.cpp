// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/rules/outcome_history.h"

#include <algorithm>

namespace probability {

void OutcomeHistory::announce(bool seriesGoesOn) {
    m_growing = false;
    notify([&](HistoryObserver& o) { o.historyGrew(*this, seriesGoesOn); });
}

void OutcomeHistory::clear() {
    const std::size_t held = m_codes.bytesUsed();
    m_codes.clear();
    storage::giveBackFreedMemory(held);
    m_growing = false;
    notify([this](HistoryObserver& o) { o.historyCleared(*this); });
}

void OutcomeHistory::addObserver(HistoryObserver* observer) {
    if (observer && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void OutcomeHistory::removeObserver(HistoryObserver* observer) {
    const auto found = std::find(m_observers.begin(), m_observers.end(), observer);
    if (found == m_observers.end())
        return;
    if (m_notifying > 0)
        *found = nullptr; // left out of the rest of this telling, dropped after it
    else
        m_observers.erase(found);
}

} // namespace probability
