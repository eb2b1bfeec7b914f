// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bare Qt Widgets program start-up is compared with (bare_window.h), as its own process. It
// reports its first paint as the program does.
#include "app/first_paint_report.h"

#include "bare_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FirstPaintReport::installIfAsked();
    const BareWindow bare;
    return QApplication::exec();
}
