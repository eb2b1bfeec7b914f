// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace ui {

class ExportDialogs;

// The picture of a window for worksheets and slides: copied, saved or printed. The picture is
// the window's client area as the screen shows it, without the frame, painted by the window's own
// painting code onto each device, so that SVG, PDF and print stay vector drawings with real texts.

// The object names of the window's three actions.
inline const QString copyWindowAction = QStringLiteral("copyWindow");
inline const QString saveWindowAction = QStringLiteral("saveWindow");
inline const QString printWindowAction = QStringLiteral("printWindow");

enum class PictureFormat { Png, PngDouble, Svg, Pdf };

// The save dialog's filters, one per format, in the order of PictureFormat.
QStringList pictureFilters();

// Where a picture is saved and in which format, from the name the user typed and the filter
// picked: a name ending in .png, .svg or .pdf says the format itself (.png keeps the filter's size);
// another name takes the filter's extension.
struct SaveTarget {
    QString path;
    PictureFormat format;
};
SaveTarget saveTarget(const QString& typedPath, int filter);

// Gives a top-level window the actions "Copier l'image" (Ctrl+Shift+C), "Enregistrer l'image…"
// (Ctrl+Shift+S) and "Imprimer…" (Ctrl+P) for the picture of `area`, and offers them in a menu
// on a right-click on the window's background or on a drawing. Text boxes and lists keep their
// own menu; a control that reads the right button itself gets its press and release first, and
// the menu opens once the button is released.
void addWindowExport(QWidget* window, QWidget* area, ExportDialogs& dialogs);

} // namespace ui
