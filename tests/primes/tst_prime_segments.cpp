// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/rules/primality.h"
#include "primes/rules/prime_segments.h"

#include <QTest>

#include <vector>

class TestPrimeSegments : public QObject {
    Q_OBJECT

    static std::vector<std::int64_t> sieved(std::int64_t lower, std::int64_t upper) {
        std::vector<std::int64_t> all;
        primes::PrimeSegments segments(lower, upper);
        while (!segments.done())
            for (const std::uint64_t prime : segments.next())
                all.push_back(std::int64_t(prime));
        // Once done, it stays done.
        if (!segments.next().empty())
            all.push_back(-1);
        return all;
    }

    static std::vector<std::int64_t> byTrialDivision(std::int64_t lower, std::int64_t upper) {
        std::vector<std::int64_t> all;
        for (std::int64_t n = lower; n <= upper; ++n)
            if (primes::isPrime(std::int32_t(n)))
                all.push_back(n);
        return all;
    }

private Q_SLOTS:
    void findsWhatTrialDivisionFinds_data() {
        QTest::addColumn<qint64>("lower");
        QTest::addColumn<qint64>("upper");
        QTest::newRow("0 alone") << qint64(0) << qint64(0);
        QTest::newRow("0 and 1") << qint64(0) << qint64(1);
        QTest::newRow("0 to 2") << qint64(0) << qint64(2);
        QTest::newRow("2 alone") << qint64(2) << qint64(2);
        QTest::newRow("4 alone") << qint64(4) << qint64(4);
        QTest::newRow("negative lower bound") << qint64(-10) << qint64(12);
        QTest::newRow("reversed") << qint64(20) << qint64(10);
        QTest::newRow("many segments") << qint64(1) << qint64(300000);
        // 46337 is the largest prime whose square is a 32-bit number (46341 squared is not).
        QTest::newRow("around the root of the 32-bit range") << qint64(46300) << qint64(46400);
        QTest::newRow("around 46337 squared") << qint64(2147117569 - 40) << qint64(2147117569 + 40);
        QTest::newRow("around 46327 times 46337") << qint64(2146654199 - 40) << qint64(2146654199 + 40);
        QTest::newRow("top of the 32-bit range") << qint64(2147483647 - 300) << qint64(2147483647);
        QTest::newRow("the largest 32-bit number alone") << qint64(2147483647) << qint64(2147483647);
    }
    void findsWhatTrialDivisionFinds() {
        QFETCH(qint64, lower);
        QFETCH(qint64, upper);
        QCOMPARE(sieved(lower, upper), byTrialDivision(lower, upper));
    }

    // The published counts of the primes below the powers of ten.
    void countsThePrimesBelowPowersOfTen_data() {
        QTest::addColumn<qint64>("upper");
        QTest::addColumn<qint64>("count");
        const qint64 counts[] = {4, 25, 168, 1229, 9592, 78498, 664579, 5761455};
        qint64 power = 1;
        for (int k = 1; k <= 8; ++k) {
            power *= 10;
            QTest::addRow("10^%d", k) << power << counts[k - 1];
        }
    }
    void countsThePrimesBelowPowersOfTen() {
        QFETCH(qint64, upper);
        QFETCH(qint64, count);
        qint64 found = 0;
        std::uint64_t last = 0;
        bool increasing = true;
        for (primes::PrimeSegments segments(1, upper); !segments.done();)
            for (const std::uint64_t prime : segments.next()) {
                increasing = increasing && prime > last;
                last = prime;
                ++found;
            }
        QCOMPARE(found, count);
        QVERIFY(increasing);
    }
};

QTEST_MAIN(TestPrimeSegments)
#include "tst_prime_segments.moc"
