// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/rules/sieve.h"
#include "rules/reference_primality.h"

#include <QTest>

#include <algorithm>
#include <set>

namespace {

std::set<int> marksOf(std::initializer_list<int> numbers) {
    std::set<int> marked;
    for (int number : numbers)
        for (std::int32_t cell : primes::sieve::cellsMarkedBy(number))
            marked.insert(cell);
    return marked;
}

std::set<int> unmarkedBetween1And250(const std::set<int>& marked) {
    std::set<int> left;
    for (int k = 1; k <= 250; ++k)
        if (!marked.count(k))
            left.insert(k);
    return left;
}
} // namespace

class TestSieve : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void actingButtonMarksItsMultiplesButNotItself_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("largest"); // the largest multiple up to 250
        QTest::newRow("2") << 2 << 250;
        QTest::newRow("3") << 3 << 249;
        QTest::newRow("5") << 5 << 250;
        QTest::newRow("7") << 7 << 245;
        QTest::newRow("11") << 11 << 242;
        QTest::newRow("13") << 13 << 247;
    }
    void actingButtonMarksItsMultiplesButNotItself() {
        QFETCH(int, k);
        QFETCH(int, largest);
        const auto cells = primes::sieve::cellsMarkedBy(k);
        QVERIFY(std::is_sorted(cells.begin(), cells.end()));
        QVERIFY(std::adjacent_find(cells.begin(), cells.end()) == cells.end());
        for (std::int32_t c : cells) {
            QVERIFY2(c % k == 0, qPrintable(QString::number(c)));
            QVERIFY(c >= 0 && c <= 250);
        }
        // Every multiple from 0 to 250 but k itself: 0, then 2k, 3k, … up to the largest.
        QCOMPARE(int(cells.size()), 250 / k);
        QCOMPARE(cells.front(), 0);
        QCOMPARE(cells[1], 2 * k);
        QCOMPARE(cells.back(), largest);
        QVERIFY(std::find(cells.begin(), cells.end(), k) == cells.end());
    }

    void buttonOneMarksOne() { QCOMPARE(primes::sieve::cellsMarkedBy(1), std::vector<std::int32_t>{1}); }

    void otherNumbersMarkNothing_data() {
        QTest::addColumn<int>("number");
        for (int n : {4, 6, 8, 9, 10, 12, 14, 15, 16, 17, 18})
            QTest::newRow(qPrintable(QStringLiteral("button %1").arg(n))) << n;
        // Numbers no button stands for.
        for (int n : {0, -2, 19, 250, 251})
            QTest::newRow(qPrintable(QStringLiteral("number %1").arg(n))) << n;
    }
    void otherNumbersMarkNothing() {
        QFETCH(int, number);
        QVERIFY(primes::sieve::cellsMarkedBy(number).empty());
    }

    void allActingButtonsLeaveExactlyThePrimes() {
        const std::set<int> left = unmarkedBetween1And250(marksOf({1, 2, 3, 5, 7, 11, 13}));
        std::set<int> primes;
        for (int k = 1; k <= 250; ++k)
            if (reference::isPrime(k))
                primes.insert(k);
        QCOMPARE(left, primes);
        QCOMPARE(int(left.size()), 53);
        QCOMPARE(*left.begin(), 2);
        QCOMPARE(*left.rbegin(), 241);
    }

    void elevenAndThirteenRemoveTheLastComposites() {
        const std::set<int> afterSeven = marksOf({1, 2, 3, 5, 7});
        std::set<int> composites;
        for (int k : unmarkedBetween1And250(afterSeven))
            if (!reference::isPrime(k))
                composites.insert(k);
        QCOMPARE(composites, (std::set<int>{121, 143, 169, 187, 209, 221, 247}));
        std::set<int> byEleven;
        for (int k : marksOf({11}))
            if (composites.count(k))
                byEleven.insert(k);
        QCOMPARE(byEleven, (std::set<int>{121, 143, 187, 209}));
        std::set<int> byThirteen;
        for (int k : marksOf({13}))
            if (composites.count(k) && !byEleven.count(k))
                byThirteen.insert(k);
        QCOMPARE(byThirteen, (std::set<int>{169, 221, 247}));
    }

    // Why the other buttons may mark nothing: once the acting ones are pressed, every multiple
    // of their number (the number itself excepted when it is prime) is already marked.
    void otherButtonsWouldAddNothing() {
        const std::set<int> marked = marksOf({1, 2, 3, 5, 7, 11, 13});
        for (int n : {4, 6, 8, 9, 10, 12, 14, 15, 16, 17, 18})
            for (int m = n; m <= 250; m += n)
                if (m != n || !reference::isPrime(n))
                    QVERIFY2(marked.count(m), qPrintable(QStringLiteral("%1 for %2").arg(m).arg(n)));
    }
};

QTEST_APPLESS_MAIN(TestSieve)
#include "tst_sieve.moc"
