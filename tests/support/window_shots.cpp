// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a picture of every window the program has, as first shown, for looking at layouts and
// comparing them before and after a change: window_shots <folder> [point].
#include "test_program.h"

#include "app/window_catalog.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpTestApplication();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    const char separator = argc > 2 && QByteArray(argv[2]) == "point" ? '.' : ',';
    QDir().mkpath(folder);
    for (std::string_view name : windowNames()) {
        TestProgram tp(separator);
        Form* form = tp->form(name);
        if (!form)
            continue;
        form->show();
        QApplication::processEvents();
        const QString file =
            folder + u'/' + QString::fromLatin1(name.data(), qsizetype(name.size())) + QStringLiteral(".png");
        form->window().grab().save(file);
    }
    return 0;
}
