// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for. The program takes no arguments of its own: it answers --help and
// --version and stops, refuses anything else with status 2, and otherwise starts its windows.
struct CommandLineAnswer {
    enum class Action { Start, Stop };
    Action action = Action::Start;
    int exitStatus = 0;
    QString out; // for standard output
    QString err; // for standard error
};

// The answer to `arguments` (the program's name first). When `qtOptionsRemoved` is false, the
// arguments still hold the options Qt takes for itself (-platform, -style…), which this program
// cannot tell from mistakes: only --help and --version are answered then, so that they work with no
// display at all, and everything else waits for the second reading once Qt has taken its own.
CommandLineAnswer readCommandLine(const QStringList& arguments, bool qtOptionsRemoved);

// The program's version, as `--version` prints it.
QString programVersion();
