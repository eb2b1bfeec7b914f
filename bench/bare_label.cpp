// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bare Qt Widgets program start-up is compared with: a window of the splash's size showing
// one line of text in a QLabel. It reports its first paint as the program does.
#include "app/first_paint_report.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FirstPaintReport::installIfAsked();
    QWidget window;
    window.resize(536, 300);
    QLabel text(QStringLiteral("Niveau Seconde"), &window);
    text.move(10, 10);
    window.show();
    return QApplication::exec();
}
