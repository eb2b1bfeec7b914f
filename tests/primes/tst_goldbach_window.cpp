// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "primes/goldbach_window.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

namespace {
const QString refusal =
    QStringLiteral("La conjecture de Goldbach ne fonctionne qu'avec des nombres pairs supérieurs à 2");
const QString tooLarge =
    QStringLiteral("Ce nombre est trop grand : le plus grand nombre accepté est 2147483647");
} // namespace

class TestGoldbachWindow : public QObject {
    Q_OBJECT

    struct Window : ShownForm<GoldbachWindow> {
        using ShownForm::ShownForm;
        QLineEdit* box() { return control(form, GoldbachWindow::evenNumberBox); }
        QString result() { return control(form, GoldbachWindow::sumLabel)->caption(); }
        void search() { QTest::mouseClick(control(form, GoldbachWindow::searchButton), Qt::LeftButton); }
        void search(const QString& typed) {
            box()->clear();
            typeInto(box(), typed);
            search();
        }
    };

private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    void results_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::newRow("4") << "4"
                           << "2+2=4";
        QTest::newRow("6") << "6"
                           << "3+3=6";
        QTest::newRow("8") << "8"
                           << "3+5=8";
        QTest::newRow("10") << "10"
                            << "3+7=10";
        QTest::newRow("28") << "28"
                            << "5+23=28";
        QTest::newRow("100") << "100"
                             << "3+97=100";
        QTest::newRow("leading zero copied") << "010"
                                             << "3+7=010";
        QTest::newRow("largest even 32-bit") << "2147483646"
                                             << "17+2147483629=2147483646";
        QTest::newRow("3") << "3" << refusal;
        QTest::newRow("7") << "7" << refusal;
        QTest::newRow("2") << "2" << refusal;
        QTest::newRow("0") << "0" << refusal;
        QTest::newRow("empty box does nothing") << ""
                                                << "";
    }
    void results() {
        QFETCH(QString, typed);
        QFETCH(QString, result);
        for (char sep : {',', '.'}) {
            Window w(sep);
            w.search(typed);
            QCOMPARE(w.result(), result);
            QVERIFY(w.tp.dialogs.shown.empty());
        }
    }

    void newSearchReplacesTheLineAndAnEditKeepsIt() {
        Window w;
        w.search(QStringLiteral("10"));
        QCOMPARE(w.result(), QStringLiteral("3+7=10"));
        w.search(QStringLiteral("28"));
        QCOMPARE(w.result(), QStringLiteral("5+23=28"));
        typeInto(w.box(), QStringLiteral("4"));
        QCOMPARE(w.result(), QStringLiteral("5+23=28"));
        w.box()->clear();
        QCOMPARE(w.result(), QStringLiteral("5+23=28"));
        w.search(QStringLiteral("9"));
        QCOMPARE(w.result(), refusal);
        QVERIFY(w.tp.dialogs.shown.empty());
    }

    void numberAbove32BitsIsRefusedWithAMessage_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("even") << "2147483648";
        QTest::newRow("odd") << "2147483649";
        QTest::newRow("far beyond") << "99999999999999999999";
    }
    void numberAbove32BitsIsRefusedWithAMessage() {
        QFETCH(QString, typed);
        Window w;
        w.search(QStringLiteral("8"));
        w.box()->setText(typed);
        w.search();
        QCOMPARE(w.result(), QStringLiteral("3+5=8"));
        QCOMPARE(w.box()->text(), typed);
        QCOMPARE(w.tp.dialogs.shown.size(), std::size_t(1));
        QCOMPARE(w.tp.dialogs.shown[0].text, tooLarge);
        QCOMPARE(w.tp.dialogs.shown[0].title, QStringLiteral("Korrin1"));
    }

    void editDuringTheSearchChangesThePartner() {
        Window w;
        w.box()->setText(QStringLiteral("10"));
        // The first candidate lets events run before its test: the pupil types 28 meanwhile.
        w.tp.pump.onPump = [&](int call) {
            if (call == 1)
                w.box()->setText(QStringLiteral("28"));
        };
        w.search();
        QCOMPARE(w.result(), QStringLiteral("5+23=28"));
    }

    void boxEmptiedDuringTheSearchEndsIt() {
        Window w;
        w.box()->setText(QStringLiteral("10"));
        w.tp.pump.onPump = [&](int call) {
            if (call == 1)
                w.box()->clear();
        };
        w.search();
        QCOMPARE(w.result(), QString());
        QVERIFY(w.tp.dialogs.shown.empty());
    }

    void pressDuringTheSearchReplacesIt_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("messages");
        QTest::newRow("another even number") << "28"
                                             << "5+23=28" << 0;
        QTest::newRow("an odd number") << "7" << refusal << 0;
        QTest::newRow("a number above 32 bits") << "2147483648"
                                                << "" << 1;
    }
    void pressDuringTheSearchReplacesIt() {
        QFETCH(QString, typed);
        QFETCH(QString, result);
        QFETCH(int, messages);
        Window w;
        w.box()->setText(QStringLiteral("1000"));
        w.tp.pump.onPump = [&](int call) {
            if (call == 1) {
                w.box()->setText(typed);
                w.search();
                QCOMPARE(w.result(), result);
                // Typed once the second press is answered: no search may still be running.
                w.box()->setText(QStringLiteral("100"));
            }
        };
        w.search();
        // Had the first search gone on, it would have written a sum for 100.
        QCOMPARE(w.result(), result);
        QCOMPARE(int(w.tp.dialogs.shown.size()), messages);
    }
};

QTEST_MAIN(TestGoldbachWindow)
#include "tst_goldbach_window.moc"
