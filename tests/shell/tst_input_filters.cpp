// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "shell/input_filters.h"
#include "shell/toolkit/controls.h"

// A box wired as the filtered boxes are: on every change, the filter, and the box emptied on rejection.
class TestFiltersUi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typingIntoFilteredBoxes_data() {
        QTest::addColumn<int>("filter"); // 0 digit, 1 bound, 2 signed
        QTest::addColumn<QChar>("sep");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left");
        QTest::addColumn<int>("messages");
        QTest::newRow("signed -12") << 2 << QChar(',') << "-12"
                                    << "-12" << 0;
        QTest::newRow("digit -12") << 0 << QChar(',') << "-12"
                                   << "12" << 1;
        QTest::newRow("bound 2,5") << 1 << QChar(',') << "2,5"
                                   << "" << 1;
        QTest::newRow("bound 2.5 point") << 1 << QChar('.') << "2.5"
                                         << "2.5" << 0;
        QTest::newRow("digit 2.5 point") << 0 << QChar('.') << "2.5"
                                         << "" << 1;
        QTest::newRow("signed -5.5 point") << 2 << QChar('.') << "-5.5"
                                           << "-5.5" << 0;
        QTest::newRow("digit eleven digits") << 0 << QChar(',') << "12345678901"
                                             << "12345678901" << 0;
        QTest::newRow("digit 007") << 0 << QChar(',') << "007"
                                   << "007" << 0;
        QTest::newRow("signed letter") << 2 << QChar(',') << "5a"
                                       << "" << 1;
    }
    void typingIntoFilteredBoxes() {
        QFETCH(int, filter);
        QFETCH(QChar, sep);
        QFETCH(QString, typed);
        QFETCH(QString, left);
        QFETCH(int, messages);
        const Mod_Verif::Filter filters[] = {Mod_Verif::VerifEntier, Mod_Verif::VerifBorne,
                                             Mod_Verif::VerifSigne};
        TestProgram tp(sep.toLatin1());
        QLineEdit box;
        int changes = 0;
        connect(&box, &QLineEdit::textChanged, [&] {
            ++changes;
            Mod_Verif::filterBox(*tp, &box, filters[filter]);
        });
        typeInto(&box, typed);
        QCOMPARE(box.text(), left);
        QCOMPARE(int(tp.dialogs.shown.size()), messages);
        if (messages) {
            const auto& m = tp.dialogs.shown[0];
            if (filter == 2) {
                QCOMPARE(m.text, QStringLiteral("il est impossible de rentrer ce nombre"));
                QCOMPARE(m.title, QStringLiteral("NON NON NON"));
                QCOMPARE(m.icon, Dialogs::Icon::Critical);
            } else {
                QCOMPARE(m.text, QStringLiteral("Erreur, il est impossible de rentrer ce nombre"));
                QCOMPARE(m.title, QStringLiteral("Korrin1"));
                QCOMPARE(m.icon, Dialogs::Icon::None);
            }
            // The emptying ran the change handler once more, silently.
            QCOMPARE(changes, int(typed.size()) + messages);
        }
    }

    void pastedLongTextIsRejectedOnce() {
        TestProgram tp;
        TextBox box(nullptr, QStringLiteral("Text1"), {0, 0, 1500, 300});
        connect(&box, &QLineEdit::textChanged,
                [&] { Mod_Verif::filterBox(*tp, &box, Mod_Verif::VerifEntier); });
        box.setText(QString(100000, QLatin1Char('7')) + QLatin1Char('x'));
        QCOMPARE(box.text(), QString());
        QCOMPARE(int(tp.dialogs.shown.size()), 1);
    }
};

QTEST_MAIN(TestFiltersUi)
#include "tst_input_filters.moc"
