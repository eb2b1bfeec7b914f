// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_setup.h"
#include "app/command_line.h"
#include "app/display_check.h"
#include "app/first_paint_report.h"
#include "shell/program.h"

#include <QApplication>

#include <cstdio>

namespace {
QStringList argumentList(int argc, char* argv[]) {
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

// Prints what the command line asked for; true when the program stops there.
bool answered(const CommandLineAnswer& answer) {
    std::fputs(answer.out.toUtf8().constData(), stdout);
    std::fputs(answer.err.toUtf8().constData(), stderr);
    return answer.action == CommandLineAnswer::Action::Stop;
}
} // namespace

int main(int argc, char* argv[]) {
    // Answered before Qt looks for a display, so that --help, --version and mistakes need none.
    const QStringList arguments = argumentList(argc, argv);
    if (const CommandLineAnswer answer = readCommandLine(arguments); answered(answer))
        return answer.exitStatus;

    // Without a display, a French message and status 1 instead of Qt's abort.
    const std::unique_ptr<QApplication> app = openApplication(argc, argv, arguments);
    if (!app)
        return 1;
    FirstPaintReport::installIfAsked();
    const std::unique_ptr<Program> program = startProgram();
    return QApplication::exec();
}
