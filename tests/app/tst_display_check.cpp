// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/display_check.h"

#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

// Before Qt starts its graphical platform, the program tells whether a display can be there: only
// X11 and Wayland need one, and any of DISPLAY, WAYLAND_DISPLAY, -display or the compositor's usual
// socket may give it.
class TestDisplayCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void missing_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment"); // NAME=value
        QTest::addColumn<bool>("missing");
        // clang-format off
        QTest::newRow("nothing at all") << QStringList{} << QStringList{} << true;
        QTest::newRow("xcb, no display") << QStringList{} << QStringList{"QT_QPA_PLATFORM=xcb"} << true;
        QTest::newRow("empty DISPLAY") << QStringList{} << QStringList{"DISPLAY="} << true;
        QTest::newRow("wayland then xcb, none") << QStringList{} << QStringList{"QT_QPA_PLATFORM=wayland;xcb"} << true;
        QTest::newRow("xcb with options") << QStringList{} << QStringList{"QT_QPA_PLATFORM=xcb:nograb"} << true;
        QTest::newRow("-platform xcb") << QStringList{"-platform", "xcb"} << QStringList{"QT_QPA_PLATFORM=offscreen"} << true;
        QTest::newRow("X11") << QStringList{} << QStringList{"DISPLAY=:0"} << false;
        QTest::newRow("Wayland") << QStringList{} << QStringList{"WAYLAND_DISPLAY=wayland-1"} << false;
        QTest::newRow("-display") << QStringList{"-display", ":1"} << QStringList{} << false;
        QTest::newRow("offscreen") << QStringList{} << QStringList{"QT_QPA_PLATFORM=offscreen"} << false;
        QTest::newRow("-platform offscreen") << QStringList{"-platform", "offscreen"} << QStringList{"QT_QPA_PLATFORM=xcb"} << false;
        QTest::newRow("--platform=minimal") << QStringList{"--platform=minimal"} << QStringList{} << false;
        QTest::newRow("xcb or offscreen") << QStringList{} << QStringList{"QT_QPA_PLATFORM=xcb;offscreen"} << false;
        // clang-format on
    }

    void missing() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(bool, missing);
        QProcessEnvironment env;
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QStringLiteral("/nonexistent"));
        for (const QString& pair : environment)
            env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
        arguments.prepend(QStringLiteral("niveau-seconde"));
        const QString message = missingDisplayMessage(arguments, env);
        QCOMPARE(!message.isEmpty(), missing);
        if (missing)
            QVERIFY2(message.contains(QStringLiteral("aucun écran")), qPrintable(message));
    }

    void waylandUsualSocket() {
        QTemporaryDir runtime;
        QProcessEnvironment env;
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        const QStringList arguments{QStringLiteral("niveau-seconde")};
        QVERIFY(!missingDisplayMessage(arguments, env).isEmpty());
        QFile socket(runtime.filePath(QStringLiteral("wayland-0")));
        QVERIFY(socket.open(QIODevice::WriteOnly));
        socket.close();
        QVERIFY(missingDisplayMessage(arguments, env).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDisplayCheck)
#include "tst_display_check.moc"
