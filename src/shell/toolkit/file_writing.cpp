// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/file_writing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace ui {

namespace {

bool saysError(const QString& systemError, int code) {
    return systemError.contains(QString::fromLocal8Bit(std::strerror(code)), Qt::CaseInsensitive);
}

void setWhy(QString* why, const QString& text) {
    if (why)
        *why = text;
}

} // namespace

QString writeFailureReason(const QString& path, const QString& systemError) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("Le dossier « %1 » n'existe pas.").arg(QDir::toNativeSeparators(folder));
    if (saysError(systemError, ENOSPC) || saysError(systemError, EDQUOT) ||
        QStorageInfo(folder).bytesAvailable() == 0)
        return QStringLiteral("Le disque est plein.");
    if (saysError(systemError, EACCES) || saysError(systemError, EPERM) || saysError(systemError, EROFS) ||
        !QFileInfo(folder).isWritable())
        return QStringLiteral("Vous n'avez pas le droit d'écrire dans ce dossier.");
    return QStringLiteral("Le système a répondu : %1.").arg(systemError);
}

QString writeFailureMessage(const QString& headline, const QString& path, const QString& why) {
    QString text = headline.arg(QDir::toNativeSeparators(path)) + u'\n' + why;
    if (QFileInfo::exists(path))
        text += QStringLiteral("\nLe fichier qui portait ce nom est resté tel qu'il était.");
    return text;
}

bool writeWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write, QString* why) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setWhy(why, writeFailureReason(path, file.errorString()));
        return false;
    }
    // The flush is checked apart: the last buffered bytes reach the disk only there, and a
    // failure there is not seen by the commit.
    const bool written = write(file) && file.flush() && file.error() == QFileDevice::NoError;
    if (!written) {
        const QString error = file.errorString();
        file.cancelWriting();
        setWhy(why, writeFailureReason(path, error));
        return false;
    }
    if (!file.commit()) {
        setWhy(why, writeFailureReason(path, file.errorString()));
        return false;
    }
    return true;
}

FileReplacement::FileReplacement(QString target)
    : m_target(std::move(target)) {
    QTemporaryFile file(m_target + QStringLiteral(".XXXXXX"));
    file.setAutoRemove(false);
    if (file.open()) {
        m_temporary = file.fileName();
        file.close();
    } else {
        m_openError = file.errorString();
    }
}

FileReplacement::~FileReplacement() {
    if (!m_temporary.isEmpty())
        QFile::remove(m_temporary);
}

bool FileReplacement::ready(QString* why) const {
    if (m_temporary.isEmpty())
        setWhy(why, writeFailureReason(m_target, m_openError));
    return !m_temporary.isEmpty();
}

bool FileReplacement::replace(QString* why) {
    if (!ready(why))
        return false;
    // The new file keeps the rights of the one it replaces, or a document's usual ones.
    const QFileDevice::Permissions rights = QFileInfo::exists(m_target)
                                                ? QFile::permissions(m_target)
                                                : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ReadUser | QFileDevice::WriteUser |
                                                      QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QFile::setPermissions(m_temporary, rights);
    // rename() replaces the target in one step, where QFile::rename refuses an existing one.
    if (std::rename(QFile::encodeName(m_temporary).constData(), QFile::encodeName(m_target).constData()) !=
        0) {
        setWhy(why, writeFailureReason(m_target, QString::fromLocal8Bit(std::strerror(errno))));
        return false;
    }
    m_temporary.clear();
    return true;
}

bool isWholePdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 32)
        return false;
    if (!file.read(5).startsWith("%PDF-"))
        return false;
    // The trailer: "startxref", its offset, then "%%EOF" and at most a line end.
    file.seek(std::max<qint64>(0, file.size() - 1024));
    const QByteArray tail = file.readAll().trimmed();
    return tail.endsWith("%%EOF") && tail.contains("startxref");
}

} // namespace ui
