// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/plain_file_icons.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStyle>

QIcon PlainFileIcons::icon(IconType type) const {
    QStyle* style = QApplication::style();
    switch (type) {
    case Computer:
        return style->standardIcon(QStyle::SP_ComputerIcon);
    case Drive:
        return style->standardIcon(QStyle::SP_DriveHDIcon);
    case Folder:
        return style->standardIcon(QStyle::SP_DirIcon);
    case Trashcan:
        return style->standardIcon(QStyle::SP_TrashIcon);
    default:
        return style->standardIcon(QStyle::SP_FileIcon);
    }
}

QIcon PlainFileIcons::icon(const QFileInfo& info) const {
    if (info.isRoot())
        return icon(Drive);
    return icon(info.isDir() ? Folder : File);
}

QString PlainFileIcons::type(const QFileInfo& info) const {
    if (info.isRoot())
        return QStringLiteral("Lecteur");
    if (info.isDir())
        return QStringLiteral("Dossier");
    // By the name's extension only: nothing is read from the file.
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    if (mime.isDefault())
        return info.suffix().isEmpty() ? QStringLiteral("Fichier")
                                       : QStringLiteral("Fichier %1").arg(info.suffix().toUpper());
    return mime.comment();
}
