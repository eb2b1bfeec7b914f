// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QApplication;
class QProcessEnvironment;

// The French message saying that no display is there for the graphical platform Qt is going to
// start (X11 or Wayland: the one named by -platform or QT_QPA_PLATFORM, or Qt's default), read
// from `arguments` (the program's name first) and `environment` without connecting to anything;
// empty when a display may be there or another platform (offscreen…) is asked for.
QString missingDisplayMessage(const QStringList& arguments, const QProcessEnvironment& environment);

// The application object, or nothing when no window can open: the missing display or the failure
// of the graphical platform is then told in French on standard error (where Qt would abort with an
// English message), and the program should end with status 1.
std::unique_ptr<QApplication> openApplication(int& argc, char* argv[], const QStringList& arguments);
