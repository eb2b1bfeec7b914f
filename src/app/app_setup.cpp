// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_setup.h"

#include "app/window_catalog.h"
#include "shell/production_services.h"
#include "shell/program.h"
#include "shell/toolkit/lazy_icons_style.h"
#include "shell/toolkit/style.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QResource>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

using numbers::NumberFormat;

void installFonts() {
    // The fonts are stored uncompressed in the program (see src/CMakeLists.txt) and handed to Qt
    // where they lie: reading them through a file would give Qt a copy of 1.3 MB to keep, while
    // the font engine only reads the few tables and glyphs it uses.
    for (const char* file : {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf",
                             ":/fonts/LiberationSans-Italic.ttf", ":/fonts/ComicNeue-Regular.otf",
                             ":/fonts/ComicNeue-Bold.otf"}) {
        const QResource font(QString::fromLatin1(file));
        QFontDatabase::addApplicationFontFromData(
            font.compressionAlgorithm() == QResource::NoCompression
                ? QByteArray::fromRawData(reinterpret_cast<const char*>(font.data()), qsizetype(font.size()))
                : font.uncompressedData());
    }
    QApplication::setFont(ui::FontSpec{}.toFont());
}

void installStyle() {
    QApplication::setStyle(new ui::LazyIconsStyle);
}

bool installFrenchTranslations() {
    auto* qt = new QTranslator(qApp);
    if (!qt->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        return false;
    }
    QCoreApplication::installTranslator(qt);
    return true;
}

char decimalSeparatorOf(const QLocale& locale) {
    if (locale.language() == QLocale::C)
        return ',';
    return locale.decimalPoint() == QStringLiteral(".") ? '.' : ',';
}

std::unique_ptr<Program> startProgram() {
    QApplication::setApplicationName(QStringLiteral("Niveau Seconde"));
    QApplication::setQuitOnLastWindowClosed(false);
    installStyle();
    installFonts();
    installFrenchTranslations();

    auto pump = std::make_unique<EventPump>();
    EventPump* pumpPtr = pump.get();
    auto program = std::make_unique<Program>(
        makeWindow,
        Program::Services{NumberFormat(decimalSeparatorOf(QLocale::system())), std::make_unique<QtDialogs>(),
                          std::move(pump), std::make_unique<ClockDraws>(), [pumpPtr] {
                              // From inside a long computation the process ends at once; otherwise the main
                              // loop returns and everything is released in order.
                              if (pumpPtr->depth() > 0) {
                                  std::fflush(nullptr);
                                  std::_Exit(0);
                              }
                              QCoreApplication::exit(0);
                          }});
    program->start();
    return program;
}
