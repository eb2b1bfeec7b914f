// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "primes/prime_check_window.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

class TestPrimeCheckWindow : public QObject {
    Q_OBJECT

    struct Window : ShownForm<PrimeCheckWindow> {
        using ShownForm::ShownForm;
        using W = PrimeCheckWindow;
        QLineEdit* box() { return control(form, W::numberBox); }
        QString verdict() { return control(form, W::verdictLabel)->caption(); }
        QString decomposition() { return control(form, W::decompositionLabel)->caption(); }
        bool decomposeShown() { return control(form, W::decomposeButton)->isVisibleTo(&form.window()); }
        void verify() { QTest::mouseClick(control(form, W::checkButton), Qt::LeftButton); }
        void decompose() {
            // Only a visible button can be pressed.
            if (decomposeShown())
                QTest::mouseClick(control(form, W::decomposeButton), Qt::LeftButton);
        }
    };

private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    void verdictsAndDecompositions_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("decomposition"); // empty: the button stays hidden
        const QString prime = QStringLiteral("Le nombre est premier");
        const QString composite = QStringLiteral("Le nombre est composé");
        QTest::newRow("97") << "97" << prime << "";
        QTest::newRow("007 is 7") << "007" << prime << "";
        QTest::newRow("0") << "0" << composite << "0=0*0";
        QTest::newRow("1") << "1" << composite << "1=1*1";
        QTest::newRow("2") << "2" << prime << "";
        QTest::newRow("13") << "13" << prime << "";
        QTest::newRow("12") << "12" << composite << "12=4*3";
        QTest::newRow("91") << "91" << composite << "91=13*7";
        QTest::newRow("1001") << "1001" << composite << "1001=77*13";
        QTest::newRow("169") << "169" << composite << "169=13*13";
        QTest::newRow("2147483646") << "2147483646" << composite << "2147483646=49981*42966";
        QTest::newRow("2147483647") << "2147483647" << prime << "";
    }
    void verdictsAndDecompositions() {
        QFETCH(QString, typed);
        QFETCH(QString, verdict);
        QFETCH(QString, decomposition);
        for (char sep : {',', '.'}) {
            Window w(sep);
            typeInto(w.box(), typed);
            QCOMPARE(w.box()->text(), typed);
            w.verify();
            QCOMPARE(w.verdict(), verdict);
            QCOMPARE(w.decomposeShown(), !decomposition.isEmpty());
            QCOMPARE(w.decomposition(), QString());
            if (w.decomposeShown()) {
                w.decompose();
                QCOMPARE(w.decomposition(), decomposition);
            }
            QVERIFY(w.tp.dialogs.shown.empty());
        }
    }

    void rejectedTyping_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left"); // what stays in the box
        QTest::addColumn<int>("messages");
        QTest::newRow("minus at once") << "-12"
                                       << "12" << 1;
        QTest::newRow("letter") << "4a"
                                << "" << 1;
        QTest::newRow("letter then digits") << "4a5"
                                            << "5" << 1;
        QTest::newRow("decimal comma") << "2,5"
                                       << "" << 1;
    }
    void rejectedTyping() {
        QFETCH(QString, typed);
        QFETCH(QString, left);
        QFETCH(int, messages);
        Window w;
        typeInto(w.box(), typed);
        QCOMPARE(w.box()->text(), left);
        QCOMPARE(int(w.tp.dialogs.shown.size()), messages);
        QCOMPARE(w.tp.dialogs.shown[0].text,
                 QStringLiteral("Erreur, il est impossible de rentrer ce nombre"));
        QCOMPARE(w.tp.dialogs.shown[0].title, QStringLiteral("Korrin1"));
        QCOMPARE(w.tp.dialogs.shown[0].icon, Dialogs::Icon::None);
    }

    void tooLargeNumberIsRefusedWithAMessage() {
        Window w;
        typeInto(w.box(), QStringLiteral("12"));
        w.verify();
        w.decompose();
        w.box()->setText(QStringLiteral("2147483648"));
        w.decompose();
        QCOMPARE(w.decomposition(), QStringLiteral("12=4*3"));
        w.verify();
        QCOMPARE(w.verdict(), QString());
        QCOMPARE(w.decomposition(), QString());
        QVERIFY(!w.decomposeShown());
        QCOMPARE(int(w.tp.dialogs.shown.size()), 2);
        for (const auto& m : w.tp.dialogs.shown) {
            QCOMPARE(m.text, QStringLiteral(
                                 "Ce nombre est trop grand : le plus grand nombre accepté est 2147483647"));
            QCOMPARE(m.title, QStringLiteral("Korrin1"));
        }
    }

    void editingAfterACompositeVerdict() {
        Window w;
        typeInto(w.box(), QStringLiteral("12"));
        w.verify();
        w.decompose();
        w.box()->clear();
        QCOMPARE(w.verdict(), QString());
        QVERIFY(w.decomposeShown());
        QCOMPARE(w.decomposition(), QStringLiteral("12=4*3"));
        // An empty box tests nothing, and "Décomposition" on it does nothing.
        w.decompose();
        QCOMPARE(w.decomposition(), QStringLiteral("12=4*3"));
        w.verify();
        QVERIFY(!w.decomposeShown());
        QCOMPARE(w.decomposition(), QString());
        QCOMPARE(w.verdict(), QString());
        // "Décomposition" works on whatever the box holds at the press.
        typeInto(w.box(), QStringLiteral("9"));
        w.verify();
        w.box()->setText(QStringLiteral("7"));
        w.decompose();
        QCOMPARE(w.decomposition(), QStringLiteral("7=7*1"));
    }

    void closedDuringTheTestIsRebuiltHidden() {
        Window w;
        typeInto(w.box(), QStringLiteral("2147483647"));
        QPointer<FormWindow> first = &w.form.window();
        w.tp.pump.onPump = [&](int call) {
            if (call == 100)
                first->close();
        };
        w.verify();
        QVERIFY(w.tp.pump.calls >= 7724);
        QVERIFY(w.form.hasControls());
        QVERIFY(&w.form.window() != first.data());
        QVERIFY(!w.form.isShown());
        // The rebuilt window got the verdict, over its initial layout.
        QCOMPARE(w.verdict(), QStringLiteral("Le nombre est premier"));
        QCOMPARE(w.box()->text(), QString());
        QTest::qWait(1);
        QVERIFY(first.isNull());
    }

    void nestedPressDuringATest() {
        Window w;
        typeInto(w.box(), QStringLiteral("2147483647"));
        w.tp.pump.onPump = [&](int call) {
            if (call == 10) {
                w.box()->setText(QStringLiteral("12"));
                w.verify(); // runs to completion inside the first test
                QCOMPARE(w.verdict(), QStringLiteral("Le nombre est composé"));
            }
        };
        w.verify();
        // The first test's verdict is written last.
        QCOMPARE(w.verdict(), QStringLiteral("Le nombre est premier"));
    }
};

QTEST_MAIN(TestPrimeCheckWindow)
#include "tst_prime_check_window.moc"
