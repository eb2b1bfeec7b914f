// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/services.h"

#include <cstdint>
#include <memory>
#include <random>
#include <thread>

class QtDialogs : public Dialogs {
public:
    void message(const QString& text, const QString& title, Icon icon) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
};

// Runs the pending events at most once every few milliseconds: a ticker thread raises a flag,
// and the loop's next call finds it. Frequent enough for the pupil, and a call between two ticks
// reads one atomic flag.
class EventPump : public Pump {
public:
    EventPump();
    ~EventPump() override;

protected:
    void runPending() override;

private:
    std::jthread m_ticker;
};

class ClockDraws : public Draws {
public:
    float draw() override;

private:
    std::uint64_t m_count = 0;
};
