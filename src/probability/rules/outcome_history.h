// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "probability/rules/simulation.h"
#include "shell/rules/chunked_array.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace probability {

class OutcomeHistory;

// Follows a history: the views that show it and whoever reads it as it grows.
class HistoryObserver {
public:
    // Outcomes are being added: said at the first one after the history last announced itself,
    // so that a view can plan to show them. Cheap enough to be said inside a long series.
    virtual void historyGrowing(const OutcomeHistory&) {}
    // The history as it stands is there to be read: announced by whoever adds to it, at most once
    // a run of events during a series and at its end. `seriesGoesOn`: more outcomes are coming.
    virtual void historyGrew(const OutcomeHistory&, bool /*seriesGoesOn*/) {}
    virtual void historyCleared(const OutcomeHistory&) {}

protected:
    ~HistoryObserver() = default;
};

// The outcomes of one experiment in the order they came, one byte each: its code, the coin's Coin
// value or the die's face − 1. It keeps up to 2^31 − 1 of them, growing by fixed blocks, so that
// the two billionth costs what the first did and nothing is ever copied as it grows.
class OutcomeHistory {
public:
    static constexpr std::size_t kMostOutcomes = 2'147'483'647;

    explicit OutcomeHistory(Experiment experiment)
        : m_experiment(experiment) {}
    OutcomeHistory(const OutcomeHistory&) = delete;
    OutcomeHistory& operator=(const OutcomeHistory&) = delete;

    Experiment experiment() const { return m_experiment; }
    std::size_t size() const { return m_codes.size(); }
    std::uint8_t at(std::size_t i) const { return m_codes[i]; }
    // The codes [begin, end) (within the history), copied to out.
    void copy(std::size_t begin, std::size_t end, std::uint8_t* out) const { m_codes.copy(begin, end, out); }
    std::size_t bytesUsed() const { return m_codes.bytesUsed(); }

    // Adds an outcome; false, keeping nothing, once the history is full.
    bool append(std::uint8_t code) {
        if (m_codes.size() >= kMostOutcomes)
            return false;
        m_codes.push_back(code);
        if (!m_growing) {
            m_growing = true;
            notify([this](HistoryObserver& o) { o.historyGrowing(*this); });
        }
        return true;
    }
    void announce(bool seriesGoesOn);
    // Empties the history and gives its memory back.
    void clear();

    // An observer is told until it is removed; it may be removed while being told.
    void addObserver(HistoryObserver* observer);
    void removeObserver(HistoryObserver* observer);

private:
    template <typename Tell> void notify(Tell tell) {
        ++m_notifying;
        for (std::size_t i = 0; i < m_observers.size(); ++i)
            if (HistoryObserver* o = m_observers[i])
                tell(*o);
        if (--m_notifying == 0)
            std::erase(m_observers, nullptr);
    }

    Experiment m_experiment;
    storage::ChunkedArray<std::uint8_t> m_codes;
    bool m_growing = false;
    std::vector<HistoryObserver*> m_observers;
    int m_notifying = 0;
};

// The histories of the simulation, the coin's and the die's, kept below the windows that show and
// follow them, for the whole run.
struct SimulationHistories {
    OutcomeHistory coin{Experiment::Coin};
    OutcomeHistory die{Experiment::Die};
    OutcomeHistory& of(Experiment experiment) { return experiment == Experiment::Die ? die : coin; }
};

} // namespace probability
