// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "primes/prime_search_window.h"
#include "primes/rules/primality.h"
#include "shell/main_menu.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/list_box.h"

using namespace ui;

class TestPrimeSearchWindow : public QObject {
    Q_OBJECT

    struct Window : ShownForm<PrimeSearchWindow> {
        using W = PrimeSearchWindow;
        QLineEdit* lower() { return control(form, W::lowerBox); }
        QLineEdit* upper() { return control(form, W::upperBox); }
        ListBox* list() { return control(form, W::primesList); }
        QString count() { return control(form, W::countLabel)->caption(); }
        void start() { QTest::mouseClick(control(form, W::startButton), Qt::LeftButton); }
        void search(const QString& from, const QString& to) {
            lower()->clear();
            upper()->clear();
            typeInto(lower(), from);
            typeInto(upper(), to);
            start();
        }
        QStringList entries() {
            QStringList l;
            for (int i = 0; i < list()->count(); ++i)
                l << list()->item(i);
            return l;
        }
    };

    // The primes by trial division, one candidate after the other.
    static QStringList primesUpTo(std::int64_t from, std::int64_t to) {
        QStringList l;
        for (std::int64_t i = from; i <= to; ++i)
            if (primes::isPrime(std::int32_t(i)))
                l << QString::number(i);
        return l;
    }

private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    void mainMenuOpensTheWindow_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::newRow("Rechercher") << "Command2"
                                    << "b_Prem_rech";
        QTest::newRow("Etude de la conjecture de Goldbach") << "Command3"
                                                            << "b_Prem_gold";
    }
    void mainMenuOpensTheWindow() {
        QFETCH(QString, button);
        QFETCH(QString, window);
        TestProgram tp;
        auto& menu = tp->get<MainMenu>();
        menu.show();
        QTest::mouseClick(control<Button>(menu, qPrintable(button)), Qt::LeftButton);
        Form* f = tp->form(window.toStdString());
        QVERIFY(f);
        QVERIFY(f->isShown());
    }

    // Each search is made on the user-interface thread and on two threads with blocks of three
    // candidates, whose boundaries fall at awkward places.
    void searches_data() {
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<int>("threads");
        for (const int threads : {0, 2})
            searchRows(threads);
    }
    static void searchRows(int threads) {
        const char* where = threads ? " (threads)" : "";
        auto newRow = [&](const char* name) -> QTestData& {
            return QTest::newRow(qPrintable(QString::fromUtf8(name) + QString::fromUtf8(where)));
        };
        newRow("1 to 30") << "1"
                          << "30" << QStringList{"2", "3", "5", "7", "11", "13", "17", "19", "23", "29"}
                          << threads;
        newRow("empty lower bound starts at 0") << ""
                                                << "10" << QStringList{"2", "3", "5", "7"} << threads;
        newRow("bounds reversed") << "20"
                                  << "10" << QStringList{} << threads;
        newRow("7 to 7") << "7"
                         << "7" << QStringList{"7"} << threads;
        newRow("0 to 1") << "0"
                         << "1" << QStringList{} << threads;
        newRow("empty upper bound finds nothing") << "1"
                                                  << "" << QStringList{} << threads;
        newRow("ends after the largest 32-bit number")
            << "2147483600"
            << "2147483647" << QStringList{"2147483629", "2147483647"} << threads;
        newRow("1 to 3000") << "1"
                            << "3000" << primesUpTo(1, 3000) << threads;
        newRow("0 to 2") << "0"
                         << "2" << QStringList{"2"} << threads;
        newRow("2 to 2") << "2"
                         << "2" << QStringList{"2"} << threads;
        // 46337 is the largest prime whose square is a 32-bit number.
        newRow("around 46337 squared") << "2147117529"
                                       << "2147117609" << primesUpTo(2147117529, 2147117609) << threads;
        newRow("around 46327 times 46337") << "2146654159"
                                           << "2146654239" << primesUpTo(2146654159, 2146654239) << threads;
        newRow("top of the 32-bit range") << "2147483347"
                                          << "2147483647" << primesUpTo(2147483347, 2147483647) << threads;
    }
    void searches() {
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        QFETCH(QStringList, listed);
        QFETCH(int, threads);
        Window w;
        w.form.setSearchThreads(threads, 3);
        w.search(lower, upper);
        QCOMPARE(w.entries(), listed);
        QCOMPARE(w.count(), QString::number(listed.size()));
        QCOMPARE(w.list()->listIndex(), int(listed.size()) - 1);
        QVERIFY(w.tp.dialogs.shown.empty());
        // The pupil sees the newest prime selected once events have run.
        QTRY_COMPARE(w.list()->shownSelection(), int(listed.size()) - 1);
    }

    // The published counts of the primes below the powers of ten; the list ends with the largest.
    void countsThePrimesBelowPowersOfTen_data() {
        QTest::addColumn<int>("power");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("largest");
        QTest::addColumn<int>("threads");
        for (const int threads : {0, 2}) {
            const char* where = threads ? " (threads)" : "";
            QTest::addRow("10^5%s", where) << 100000 << 9592 << "99991" << threads;
            QTest::addRow("10^6%s", where) << 1000000 << 78498 << "999983" << threads;
            QTest::addRow("10^7%s", where) << 10000000 << 664579 << "9999991" << threads;
        }
    }
    void countsThePrimesBelowPowersOfTen() {
        QFETCH(int, power);
        QFETCH(int, count);
        QFETCH(QString, largest);
        QFETCH(int, threads);
        Window w;
        // Blocks that do not divide the range.
        w.form.setSearchThreads(threads, 99991);
        w.search(QStringLiteral("1"), QString::number(power));
        QCOMPARE(w.list()->count(), count);
        QCOMPARE(w.count(), QString::number(count));
        QCOMPARE(w.list()->item(count - 1), largest);
        QCOMPARE(w.list()->listIndex(), count - 1);
    }

    // Between two runs of events the primes found wait to be listed together: none is lost or
    // listed twice, however many runs the search makes.
    void searchWithoutEventsListsEveryPrime() {
        Window w;
        w.form.setSearchThreads(0);
        typeInto(w.lower(), QStringLiteral("1"));
        typeInto(w.upper(), QStringLiteral("20000"));
        w.tp.pump.setDue(false);
        w.start();
        QCOMPARE(w.tp.pump.calls, 0);
        const QStringList all = primesUpTo(1, 20000);
        QVERIFY(all.size() > 2 * int(PrimeSearchWindow::kRun));
        QCOMPARE(w.entries(), all);
        QCOMPARE(w.count(), QString::number(all.size()));
        QCOMPARE(w.list()->listIndex(), int(all.size()) - 1);
    }

    // A bound beyond 32 bits gets the message of the other prime windows, and nothing is searched.
    void boundAboveThirtyTwoBits_data() {
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::newRow("upper") << "1"
                               << "2147483648";
        QTest::newRow("lower") << "99999999999"
                               << "10";
    }
    void boundAboveThirtyTwoBits() {
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        Window w;
        w.search(lower, upper);
        QCOMPARE(w.entries(), QStringList{});
        QCOMPARE(w.count(), QStringLiteral("0"));
        QCOMPARE(int(w.tp.dialogs.shown.size()), 1);
        QCOMPARE(w.tp.dialogs.shown[0].text,
                 QStringLiteral("Ce nombre est trop grand : le plus grand nombre accepté est 2147483647"));
        QCOMPARE(w.tp.dialogs.shown[0].title, QStringLiteral("Korrin1"));
    }

    void secondPressAppendsAndCountsAgain() {
        Window w;
        w.search(QStringLiteral("1"), QStringLiteral("10"));
        w.start();
        QCOMPARE(w.entries(), (QStringList{"2", "3", "5", "7", "2", "3", "5", "7"}));
        QCOMPARE(w.count(), QStringLiteral("4"));
        QCOMPARE(w.list()->listIndex(), 7);
    }

    void editingABoundEmptiesTheListOnly_data() {
        QTest::addColumn<bool>("lower");
        QTest::newRow("lower") << true;
        QTest::newRow("upper") << false;
    }
    void editingABoundEmptiesTheListOnly() {
        QFETCH(bool, lower);
        Window w;
        w.search(QStringLiteral("1"), QStringLiteral("30"));
        const auto box = [&] { return lower ? w.lower() : w.upper(); };
        typeInto(box(), QStringLiteral("5"));
        QCOMPARE(w.list()->count(), 0);
        QCOMPARE(w.list()->listIndex(), -1);
        QCOMPARE(w.count(), QStringLiteral("10"));
        // A letter is refused and removed; the list stays empty.
        typeInto(box(), QStringLiteral("x"));
        QCOMPARE(w.tp.dialogs.shown.size(), std::size_t(1));
        QCOMPARE(box()->text(), QString());
    }

    void longListKeepsSelectingTheLast() {
        Window w;
        typeInto(w.lower(), QStringLiteral("1"));
        typeInto(w.upper(), QStringLiteral("10"));
        // A list already longer than 16-bit indexes reach.
        for (int i = 0; i < 40000; ++i)
            w.list()->addItem(std::to_string(i));
        w.start();
        QCOMPARE(w.list()->count(), 40004);
        QCOMPARE(w.list()->item(40003), QStringLiteral("7"));
        QCOMPARE(w.list()->listIndex(), 40003);
        QCOMPARE(w.count(), QStringLiteral("4"));
        QTRY_COMPARE(w.list()->shownSelection(), 40003);
    }

    // Events run during a search, on the user-interface thread (here once per prime found, as the
    // test pump is always due) or while threads sieve the range (once per block of 16 here): the
    // 300th run comes in the middle of the search either way.
    static void midSearchRows() {
        QTest::addColumn<int>("threads");
        QTest::addColumn<QString>("upper");
        QTest::newRow("here") << 0 << "30000";
        QTest::newRow("threads") << 2 << "30000";
    }

    void editDuringTheSearchEmptiesTheListAndTheSearchGoesOn_data() { midSearchRows(); }
    void editDuringTheSearchEmptiesTheListAndTheSearchGoesOn() {
        QFETCH(int, threads);
        QFETCH(QString, upper);
        Window w;
        w.form.setSearchThreads(threads, 16);
        int listedAtEdit = -1;
        w.tp.pump.onPump = [&](int call) {
            // The count the pupil sees matches the primes the list shows.
            if (listedAtEdit < 0)
                QCOMPARE(w.count(), QString::number(w.list()->shownCount()));
            if (call == 300) {
                listedAtEdit = w.list()->count();
                w.upper()->setText(QStringLiteral("50"));
                QCOMPARE(w.list()->count(), 0);
            }
        };
        w.search(QStringLiteral("1"), upper);
        w.tp.pump.onPump = nullptr;
        QVERIFY(listedAtEdit > 0);
        // The search kept its bounds and its count.
        const QStringList all = primesUpTo(1, upper.toInt());
        QCOMPARE(w.count(), QString::number(all.size()));
        QCOMPARE(w.entries(), all.mid(listedAtEdit));
    }

    void pressDuringTheSearchStartsAgain_data() { midSearchRows(); }
    void pressDuringTheSearchStartsAgain() {
        QFETCH(int, threads);
        QFETCH(QString, upper);
        Window w;
        w.form.setSearchThreads(threads, 16);
        int listedAtPress = -1;
        w.tp.pump.onPump = [&](int call) {
            if (call == 300) {
                listedAtPress = w.list()->count();
                w.start();
            }
        };
        w.search(QStringLiteral("1"), upper);
        w.tp.pump.onPump = nullptr;
        QVERIFY(listedAtPress > 0);
        // The first search stopped where it was; the second one ran to its end.
        const QStringList all = primesUpTo(1, upper.toInt());
        QCOMPARE(w.entries(), all.mid(0, listedAtPress) + all);
        QCOMPARE(w.count(), QString::number(all.size()));
    }

    void closedDuringTheSearchGoesOnHidden_data() { midSearchRows(); }
    void closedDuringTheSearchGoesOnHidden() {
        QFETCH(int, threads);
        QFETCH(QString, upper);
        Window w;
        w.form.setSearchThreads(threads, 16);
        QPointer<FormWindow> first = &w.form.window();
        int listedAtClose = -1;
        w.tp.pump.onPump = [&](int call) {
            if (call == 300) {
                listedAtClose = w.list()->count();
                first->close();
            }
        };
        w.search(QStringLiteral("1"), upper);
        w.tp.pump.onPump = nullptr;
        QVERIFY(!w.form.isShown());
        QVERIFY(&w.form.window() != first.data());
        // The rebuilt window got the rest of the primes; its count, rebuilt empty, cannot be
        // counted on.
        const QStringList all = primesUpTo(1, upper.toInt());
        QCOMPARE(w.entries(), all.mid(listedAtClose));
        QCOMPARE(w.count(), QString());
        QTest::qWait(1);
        QVERIFY(first.isNull());
    }

    void endingDuringTheSearchStopsIt_data() { midSearchRows(); }
    void endingDuringTheSearchStopsIt() {
        QFETCH(int, threads);
        QFETCH(QString, upper);
        Window w;
        w.form.setSearchThreads(threads, 16);
        w.tp.pump.onPump = [&](int call) {
            if (call == 300)
                w.tp->endProgram();
        };
        w.search(QStringLiteral("1"), upper);
        QCOMPARE(w.tp.endCalls, 1);
        QVERIFY(!w.form.hasControls());
        QVERIFY(w.tp.pump.calls < 400);
    }
};

QTEST_MAIN(TestPrimeSearchWindow)
#include "tst_prime_search_window.moc"
