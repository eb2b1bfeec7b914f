// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/app_setup.h"

#include "shell/toolkit/twips.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installFonts() {
    for (const char* file :
         {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf",
          ":/fonts/LiberationSans-Italic.ttf", ":/fonts/ComicNeue-Regular.otf", ":/fonts/ComicNeue-Bold.otf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    QApplication::setFont(FontSpec{}.toFont());
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
