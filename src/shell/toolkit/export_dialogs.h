// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;
class QWidget;

namespace ui {

// The questions that saving or printing a window's picture asks the user. The program answers
// them with its own dialogs; tests answer from a script.
class ExportDialogs {
public:
    struct SaveAnswer {
        QString path;
        int filter = 0; // index in the filters offered
    };

    virtual ~ExportDialogs() = default;
    // The file to save to and the filter picked, or nothing when cancelled. `parent` may be
    // destroyed while the dialog is open.
    virtual std::optional<SaveAnswer> askSaveFile(QWidget* parent, const QString& title,
                                                  const QStringList& filters,
                                                  const QString& suggestedPath) = 0;
    // Lets the user choose and set up the printer, or a PDF file to print to; false when cancelled.
    virtual bool askPrinter(QWidget* parent, QPrinter& printer) = 0;
    // Tells the user that the picture could not be saved or printed.
    virtual void exportFailed(QWidget* parent, const QString& text) = 0;
    // A file was saved whole at `path`: the next save dialog opens in its folder.
    virtual void saved(const QString& path) { (void)path; }
};

} // namespace ui
