// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/app_setup.h"
#include "shell/production_services.h"
#include "shell/program.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Niveau Seconde"));
    QApplication::setQuitOnLastWindowClosed(false);
    installFonts();
    installFrenchTranslations();

    auto pump = std::make_unique<EventPump>();
    EventPump* pumpPtr = pump.get();
    Program program({NumberFormat(decimalSeparatorOf(QLocale::system())), std::make_unique<QtDialogs>(),
                     std::move(pump), std::make_unique<ClockDraws>(), [pumpPtr] {
                         // From inside a long computation the process ends at once; otherwise
                         // the main loop returns and everything is released in order.
                         if (pumpPtr->depth() > 0) {
                             std::fflush(nullptr);
                             std::_Exit(0);
                         }
                         QCoreApplication::exit(0);
                     }});
    program.start();
    return QApplication::exec();
}
