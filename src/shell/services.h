// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/toolkit/export_dialogs.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <atomic>
#include <optional>

// The modal boxes the program shows, the file and print dialogs of the windows' pictures
// included. Tests script the answers and record every box.
class Dialogs : public ui::ExportDialogs {
public:
    enum class Icon { None, Critical };
    virtual ~Dialogs() = default;
    virtual void message(const QString& text, const QString& title, Icon icon = Icon::None) = 0;
    // The typed text, or an empty text when cancelled.
    virtual QString input(const QString& prompt, const QString& title, const QString& defaultText = {}) = 0;
    // The chosen colour, or nothing when cancelled.
    virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;
};

// Lets pending events run from inside a long computation. Calling it must cost next to nothing:
// a loop calls it on every pass, millions of times; the events only run when they are due.
class Pump {
public:
    virtual ~Pump() = default;
    void operator()() {
        if (m_due.load(std::memory_order_relaxed)) [[unlikely]]
            runPending();
    }
    // Whether the next call will run events: a loop may get ready for them first.
    bool due() const { return m_due.load(std::memory_order_relaxed); }
    // How many calls are running events at this moment (more than one when a handler run by the
    // pump starts a long computation of its own).
    int depth() const { return m_depth; }

protected:
    virtual void runPending() = 0;
    std::atomic<bool> m_due{false};
    int m_depth = 0;
};

// The random draw: a single-precision value in [0, 1), the generator reseeded from the clock
// before each draw.
class Draws {
public:
    virtual ~Draws() = default;
    virtual float draw() = 0;
};
