// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QTest>

// The command line: --help and --version answer and stop, anything else is refused with status 2,
// nothing starts the windows.
class TestCommandLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void answers_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("stops");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString help = QStringLiteral("Utilisation : niveau-seconde [option]");
        const QString version = QStringLiteral("Niveau Seconde %1\n").arg(programVersion());
        // clang-format off
        QTest::newRow("nothing") << QStringList{} << false << 0 << "" << "";
        QTest::newRow("help") << QStringList{"--help"} << true << 0 << help << "";
        QTest::newRow("-h") << QStringList{"-h"} << true << 0 << help << "";
        QTest::newRow("version") << QStringList{"--version"} << true << 0 << version << "";
        QTest::newRow("-v") << QStringList{"-v"} << true << 0 << version << "";
        QTest::newRow("help beside a mistake") << QStringList{"--nope", "--help"} << true << 0 << help << "";
        QTest::newRow("help beside Qt's options") << QStringList{"-platform", "xcb", "--help"} << true << 0 << help << "";
        QTest::newRow("Qt's options are Qt's") << QStringList{"-platform", "xcb", "-reverse", "--style=fusion", "-qwindowtitle", "x y"} << false << 0 << "" << "";
        QTest::newRow("a Qt option without its value") << QStringList{"-style"} << false << 0 << "" << "";
        QTest::newRow("unknown long") << QStringList{"--plein-ecran"} << true << 2 << "" << "option inconnue « --plein-ecran »";
        QTest::newRow("unknown with value") << QStringList{"--taille=3"} << true << 2 << "" << "option inconnue « --taille »";
        QTest::newRow("unknown short") << QStringList{"-x"} << true << 2 << "" << "option inconnue « -x »";
        QTest::newRow("unknown beside Qt's options") << QStringList{"-platform", "offscreen", "-x"} << true << 2 << "" << "option inconnue « -x »";
        QTest::newRow("a file") << QStringList{"devoir.txt"} << true << 2 << "" << "argument inattendu « devoir.txt »";
        QTest::newRow("after --") << QStringList{"--", "--help"} << true << 2 << "" << "argument inattendu « --help »";
        // clang-format on
    }

    void answers() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, stops);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        arguments.prepend(QStringLiteral("/usr/bin/niveau-seconde"));
        const CommandLineAnswer answer = readCommandLine(arguments);
        QCOMPARE(answer.action == CommandLineAnswer::Action::Stop, stops);
        QCOMPARE(answer.exitStatus, status);
        QVERIFY2(out.isEmpty() ? answer.out.isEmpty() : answer.out.startsWith(out), qPrintable(answer.out));
        QVERIFY2(err.isEmpty() ? answer.err.isEmpty() : answer.err.contains(err), qPrintable(answer.err));
        if (status == 2) // a refusal says where to look
            QVERIFY(answer.err.contains(QStringLiteral("niveau-seconde --help")));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
