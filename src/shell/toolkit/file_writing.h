// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QIODevice;

namespace ui {

// Files written whole or not at all: the content goes to a new file beside the one it replaces,
// every write and the final flush are checked, and only then does the new file take the old one's
// place. A full disk or a refused folder leaves the old file as it was, and the reason is said in
// French.

// Writes `path` through `write`, which returns false when it could not write everything. On
// failure, `why` gets the reason in a sentence («le disque est plein»…).
bool writeWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write, QString* why);

// The reason, in French, why the file could not be written in its folder, from the system's
// error text.
QString writeFailureReason(const QString& path, const QString& systemError);

// The whole message: `headline` with the file's name for %1, then the reason, then whether a
// file of that name is still there as it was.
QString writeFailureMessage(const QString& headline, const QString& path, const QString& why);

// A file written by another component (a printer into a PDF) first goes to `temporaryPath()`; once
// it is checked whole, `replace()` puts it in place of the target.
class FileReplacement {
public:
    explicit FileReplacement(QString target);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Whether a file could be made beside the target; if not, `why` tells why.
    bool ready(QString* why) const;
    QString temporaryPath() const { return m_temporary; }
    // Moves the written file over the target; false, the target untouched, when it could not.
    bool replace(QString* why);
    QString target() const { return m_target; }

private:
    QString m_target;
    QString m_temporary;
    QString m_openError;
};

// Whether `path` holds a whole PDF document: a header at the start and the end-of-file mark of
// its trailer at the end.
bool isWholePdf(const QString& path);

} // namespace ui
