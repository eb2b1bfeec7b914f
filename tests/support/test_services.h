// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/services.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// Records every box shown and answers from a script.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString text;
        QString title;
        Icon icon;
    };
    void message(const QString& text, const QString& title, Icon icon) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    std::optional<SaveAnswer> askSaveFile(QWidget* parent, const QString& title, const QStringList& filters,
                                          const QString& suggestedPath) override;
    // Answers as the user choosing to print into a PDF file.
    bool askPrinter(QWidget* parent, QPrinter& printer) override;
    void exportFailed(QWidget* parent, const QString& text) override;

    std::vector<Shown> shown;
    std::deque<QString> inputAnswers;
    std::deque<std::optional<QColor>> colorAnswers;
    std::deque<std::optional<SaveAnswer>> saveAnswers;
    // The PDF files printed into; an empty name cancels the print dialog.
    std::deque<QString> printAnswers;
    // What the last save dialog offered.
    QStringList saveFilters;
    QString suggestedSavePath;
    // Runs while a box is open, as the pupil would act before closing it.
    std::function<void()> whileOpen;
};

// Lets events run at every call, and gives the test a hook into the middle of a long loop.
class TestPump : public Pump {
public:
    TestPump() { m_due = true; }
    int calls = 0;
    // Runs at each call, after the pending events.
    std::function<void(int call)> onPump;
    // A pump that is not due lets a loop run as it does between two runs of events.
    void setDue(bool due) { m_due = due; }

protected:
    void runPending() override;
};

// Draws taken from a list, in order, then 0.
class SequenceDraws : public Draws {
public:
    float draw() override;
    std::deque<float> values;
};
