// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A 5 ms timer, as any animation of the program would have: the largest gap between its ticks
// while the program works says how long the pupil may wait for a reaction.
#include "measure.h"

#include <QObject>
#include <QTimer>

#include <algorithm>
#include <chrono>

namespace measure {

class TimerGaps {
public:
    TimerGaps() {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const auto now = Clock::now();
            m_largest = std::max(m_largest, now - m_last);
            m_last = now;
        });
        m_timer.start(5);
        restart();
    }
    // Forgets the gaps so far: the next one counts from now. Read largest() as soon as the work
    // is done, before events run again.
    void restart() {
        m_last = Clock::now();
        m_largest = {};
    }
    Clock::duration largest() const { return m_largest; }

private:
    QTimer m_timer;
    Clock::time_point m_last;
    Clock::duration m_largest{};
};

} // namespace measure
