// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_setup.h"

#include "app/window_catalog.h"
#include "shell/production_services.h"
#include "shell/program.h"
#include "shell/splash.h"
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
#include <initializer_list>
#include <utility>

using numbers::NumberFormat;

namespace {

// The fonts are stored uncompressed in the program (see src/CMakeLists.txt) and handed to Qt where
// they lie: reading them through a file would give Qt a copy of 1.3 MB to keep, while the font
// engine only reads the few tables and glyphs it uses.
void addFonts(std::initializer_list<const char*> files) {
    for (const char* file : files) {
        const QResource font(QString::fromLatin1(file));
        QFontDatabase::addApplicationFontFromData(
            font.compressionAlgorithm() == QResource::NoCompression
                ? QByteArray::fromRawData(reinterpret_cast<const char*>(font.data()), qsizetype(font.size()))
                : font.uncompressedData());
    }
}

// The windows, with the fonts that only the windows after the splash use loaded just before the
// first of them is made: the splash shows sooner and the program takes less memory until then.
std::unique_ptr<Form> makeWindowWhenReady(std::string_view name, Program& program) {
    static bool ready = false;
    if (name != Splash::description.name && !std::exchange(ready, true))
        installOtherFonts();
    return makeWindow(name, program);
}

} // namespace

void installFirstFonts() {
    addFonts({":/fonts/LiberationSans-Regular.ttf", ":/fonts/ComicNeue-Bold.otf"});
    QApplication::setFont(ui::FontSpec{}.toFont());
}

void installOtherFonts() {
    addFonts({":/fonts/LiberationSans-Bold.ttf", ":/fonts/LiberationSans-Italic.ttf",
              ":/fonts/LiberationMono-Regular.ttf", ":/fonts/ComicNeue-Regular.otf"});
}

void installFonts() {
    installFirstFonts();
    installOtherFonts();
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
    // Each font loaded costs time and memory at start: the splash gets the two it shows.
    installFirstFonts();
    // Qt's own dialogs (saving or printing a picture of the splash too) speak French from the start.
    installFrenchTranslations();

    auto pump = std::make_unique<EventPump>();
    EventPump* pumpPtr = pump.get();
    auto program = std::make_unique<Program>(
        makeWindowWhenReady,
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
