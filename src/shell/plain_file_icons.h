// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractFileIconProvider>

// The icons and kinds of files the save dialog shows, told from the names alone. Qt's own provider
// opens a file whose name says nothing to read its first bytes, on the interface thread: a special
// file that never answers (/proc/kmsg) would freeze the whole program. The kinds are in French.
class PlainFileIcons : public QAbstractFileIconProvider {
public:
    QIcon icon(IconType type) const override;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};
