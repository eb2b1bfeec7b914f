// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/plain_file_icons.h"
#include "shell/services.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <random>
#include <thread>

class QtDialogs : public Dialogs {
public:
    void message(const QString& text, const QString& title, Icon icon) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    std::optional<SaveAnswer> askSaveFile(QWidget* parent, const QString& title, const QStringList& filters,
                                          const QString& suggestedPath) override;
    bool askPrinter(QWidget* parent, QPrinter& printer) override;
    void exportFailed(QWidget* parent, const QString& text) override;
    void saved(const QString& path) override;

private:
    // The folder of the last file saved in this run; the user's documents at first.
    QString m_saveFolder;
    PlainFileIcons m_fileIcons;
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

// One generator seeded once from the system's entropy; each draw mixes the high-resolution clock
// into its output, which stands for the reseed from the clock before every draw. Seeding from the
// clock alone would make a fast series repeat one value for a whole tick of the clock; mixing an
// independent value into a uniform one keeps it uniform, so the draws are independent at any speed.
class ClockDraws : public Draws {
public:
    ClockDraws();
    float draw() override;

private:
    std::mt19937_64 m_generator;
};
