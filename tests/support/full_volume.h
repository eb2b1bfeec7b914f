// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

// A small volume (a 64 KB tmpfs) holding one old file, then filled up to the last byte: a save onto
// it fails as on a full USB stick. Mounting needs the right to mount; without it the volume is not
// usable and the test skips.
class FullVolume {
public:
    explicit FullVolume(const QByteArray& oldContent, const QString& oldName) {
        if (!m_dir.isValid() ||
            QProcess::execute(QStringLiteral("mount"),
                              {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                               QStringLiteral("size=64k"), QStringLiteral("tmpfs"), m_dir.path()}) != 0)
            return;
        m_mounted = true;
        QFile old(filePath(oldName));
        if (!old.open(QIODevice::WriteOnly) || old.write(oldContent) != oldContent.size() || !old.flush())
            return;
        old.close();
        QFile filler(filePath(QStringLiteral("remplissage")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size()) {
        }
        m_full = true;
    }
    ~FullVolume() {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_dir.path()});
    }
    FullVolume(const FullVolume&) = delete;
    FullVolume& operator=(const FullVolume&) = delete;

    bool usable() const { return m_full; }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    QByteArray contentOf(const QString& name) const {
        QFile f(filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    bool m_full = false;
};
