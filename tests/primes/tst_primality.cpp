// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/rules/primality.h"
#include "rules/reference_primality.h"

#include <QTest>

#include <vector>

class TestPrimality : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void agreesWithASieveBelowAMillion() {
        constexpr int limit = 1'000'000;
        std::vector<bool> composite(limit, false);
        composite[0] = composite[1] = true;
        for (int i = 2; i * i < limit; ++i)
            if (!composite[i])
                for (int j = i * i; j < limit; j += i)
                    composite[j] = true;
        for (int n = 0; n < limit; ++n)
            if (primes::isPrime(n) == composite[n])
                QFAIL(qPrintable(QStringLiteral("isPrime(%1) is wrong").arg(n)));
    }

    void largestThirtyTwoBitNumbers() {
        for (std::int32_t n = 2147483647; n > 2147483647 - 3000; --n)
            QCOMPARE(primes::isPrime(n), reference::isPrime(n));
        // Squares of primes just below the 32-bit limit: the loop must reach the root.
        QVERIFY(!primes::isPrime(46337 * 46337));
        QVERIFY(!primes::isPrime(46327 * 46337));
    }

    void pumpsOncePerPass() {
        int calls = 0;
        QVERIFY(primes::isPrime(2147483647, [&] { ++calls; }));
        QCOMPARE(calls, 7724);
        calls = 0;
        for (int n : {0, 1, 2, 3, 5, 7, 11, 13})
            primes::isPrime(n, [&] { ++calls; });
        QCOMPARE(calls, 0);
        for (int n : {25, 49, 121, 169})
            QVERIFY(!primes::isPrime(n));
    }

    // The test step for step as the listing writes it: the same verdict after the same number of
    // passes, whatever shortcuts the fast one takes.
    void passesAsTheListingDoes() {
        std::vector<std::int32_t> numbers;
        for (std::int32_t n = 0; n < 100000; ++n)
            numbers.push_back(n);
        for (std::int32_t n = 2147483647; n > 2147483647 - 3000; --n)
            numbers.push_back(n);
        for (std::int32_t p : {46337, 46327, 46309}) // squares of primes near the 32-bit top
            numbers.push_back(p * p);
        for (const std::int32_t n : numbers) {
            int expected = 0;
            int calls = 0;
            const bool verdict = reference::isPrimeAsListed(n, expected);
            if (primes::isPrime(n, [&] { ++calls; }) != verdict || calls != expected)
                QFAIL(qPrintable(
                    QStringLiteral("%1: %2 passes instead of %3").arg(n).arg(calls).arg(expected)));
        }
    }

    void largestDivisorNotAboveTheRoot_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("d");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("prime") << 97 << 1;
        QTest::newRow("12") << 12 << 3;
        QTest::newRow("100") << 100 << 10;
        QTest::newRow("91") << 91 << 7;
        QTest::newRow("1001") << 1001 << 13;
        QTest::newRow("2147483646") << 2147483646 << 42966;
        QTest::newRow("2147483647") << 2147483647 << 1;
    }
    void largestDivisorNotAboveTheRoot() {
        QFETCH(int, n);
        QFETCH(int, d);
        QCOMPARE(primes::largestDivisorUpToRoot(n), d);
    }
};

QTEST_APPLESS_MAIN(TestPrimality)
#include "tst_primality.moc"
