// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class Program;
class QLocale;

// Everything the program does at start once the application object exists: names the application,
// loads the fonts the splash shows and Qt's French translations, makes the program with its
// production services and shows the splash; the other fonts are loaded when the first window after
// the splash is made. The program runs until the returned object is released.
std::unique_ptr<Program> startProgram();

// The platform's style, with its standard icons read only when first shown.
void installStyle();
// Loads the program's bundled fonts and makes the ordinary sans-serif face the default one.
void installFonts();
// The same in two steps: the fonts the splash shows, made the default, then the others.
void installFirstFonts();
void installOtherFonts();
// Makes Qt's own dialogs and buttons (colour chooser, input boxes, "OK"/"Annuler") speak French,
// whatever the desktop's language: the whole program is French. Returns false when Qt's French
// translations are not installed, in which case they stay in English.
bool installFrenchTranslations();
// The user's decimal separator; a comma where the locale names none (C/POSIX), which suits the
// program's French texts.
char decimalSeparatorOf(const QLocale& locale);
