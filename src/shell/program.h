// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/number_format.h"
#include "shell/services.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

class Form;

// The whole program: its services and its windows, each made on first reference and kept until
// the end of the run.
class Program {
public:
    struct Services {
        numbers::NumberFormat numbers;
        std::unique_ptr<Dialogs> dialogs;
        std::unique_ptr<Pump> pump;
        std::unique_ptr<Draws> draws;
        // Ends the process; called once every window is closed.
        std::function<void()> endProcess;
        // Time passes only when the caller says: the timers of the windows tick when told, and
        // lists show their new lines at the next events. A test walk then depends on its own
        // actions alone, never on the clock.
        bool steppedTime = false;
    };

    // The title of the message boxes that name none.
    static inline const QString applicationTitle = QStringLiteral("Korrin1");

    // Makes the window of a name, or nullptr for a name the program does not have. The program's
    // assembly hands over its catalogue, so that nothing here depends on the windows themselves.
    using WindowFactory = std::unique_ptr<Form> (*)(std::string_view name, Program& program);

    Program(WindowFactory windows, Services services);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The first and only start action: the splash window.
    void start();

    // The window of that name, made on first reference; nullptr for a name the program does not have yet.
    Form* form(std::string_view name);
    template <class F> F& get() { return static_cast<F&>(*form(F::description.name)); }
    // Closes every window at once and ends the process.
    void endProgram();
    bool ended() const { return m_ended; }
    // The pupil has closed a window: once the program has started, closing the last window on
    // screen ends it, since nothing would be left to use it or to end it with.
    void windowClosedByPupil();
    bool steppedTime() const { return m_services.steppedTime; }

    const numbers::NumberFormat& numbers() const { return m_services.numbers; }
    Dialogs& dialogs() { return *m_services.dialogs; }
    Pump& pump() { return *m_services.pump; }
    Draws& draws() { return *m_services.draws; }
    // A message box with the application title.
    void message(const QString& text) { dialogs().message(text, applicationTitle); }

private:
    WindowFactory m_makeWindow;
    Services m_services;
    std::map<std::string, std::unique_ptr<Form>, std::less<>> m_forms;
    bool m_started = false;
    bool m_ended = false;
};
