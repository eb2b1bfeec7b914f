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

// The answer to `arguments` (the program's name first), read before Qt starts so that it needs no
// display. The options Qt documents for every application (-platform, -style, -reverse…) are
// left to Qt.
CommandLineAnswer readCommandLine(const QStringList& arguments);

// The program's version, as `--version` prints it.
QString programVersion();
