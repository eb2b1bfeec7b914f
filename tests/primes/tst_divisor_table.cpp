// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/rules/divisor_table.h"
#include "primes/rules/primality.h"
#include "rules/reference_primality.h"

#include <QTest>

#include <vector>

namespace {

std::vector<std::int32_t> numbersToCheck() {
    std::vector<std::int32_t> numbers;
    for (std::int32_t n = -5; n <= 1'000'000; ++n)
        numbers.push_back(n);
    for (std::int32_t n = 2147483647; n > 2147483647 - 100'000; --n)
        numbers.push_back(n);
    // Squares and products of the primes around the root of 2^31, where the last passes decide.
    const std::int64_t near[] = {46273, 46279, 46301, 46307, 46309, 46327, 46337, 46349};
    for (const std::int64_t p : near)
        for (const std::int64_t q : near)
            if (p * q <= 2147483647)
                numbers.push_back(std::int32_t(p * q));
    // Products of a small prime and a large one, found in the first pass of a vector only.
    for (const std::int32_t p : {5, 7, 11, 13, 29, 31, 97, 101})
        numbers.push_back(p * (2147483647 / p / 6 * 6 - 1));
    return numbers;
}

} // namespace

class TestDivisorTable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { primes::useDivisionPath(primes::DivisionPath::Best); }

    void everyPathAgreesWithDivision_data() {
        QTest::addColumn<int>("path");
        QTest::newRow("plain") << int(primes::DivisionPath::Plain);
        QTest::newRow("8 at a time") << int(primes::DivisionPath::Avx2);
        QTest::newRow("16 at a time") << int(primes::DivisionPath::Avx512);
    }
    void everyPathAgreesWithDivision() {
        QFETCH(int, path);
        const auto wanted = primes::DivisionPath(path);
        const auto taken = primes::useDivisionPath(wanted);
        if (taken != wanted)
            QSKIP("this processor lacks that path");
        QCOMPARE(primes::divisionPath(), wanted);
        for (const std::int32_t n : numbersToCheck()) {
            int expected = 0;
            const bool verdict = reference::isPrimeAsListed(n, expected);
            int calls = 0;
            if (primes::isPrime(n, [&] { ++calls; }) != verdict || calls != expected)
                QFAIL(qPrintable(
                    QStringLiteral("%1: %2 passes instead of %3").arg(n).arg(calls).arg(expected)));
            // A pump told of runs of passes hears of the same passes.
            int told = 0;
            if (primes::isPrime(n, [&](int passes) { told += passes; }) != verdict || told != expected)
                QFAIL(qPrintable(
                    QStringLiteral("%1: told of %2 passes instead of %3").arg(n).arg(told).arg(expected)));
        }
    }

    // Any range of passes, whatever its place in the vectors: the first divisor found, in order.
    void firstDividingPassOfAnyRange() {
        for (const auto path :
             {primes::DivisionPath::Plain, primes::DivisionPath::Avx2, primes::DivisionPath::Avx512}) {
            if (primes::useDivisionPath(path) != path)
                continue;
            // 5 * 7 * 11 * 13 * 17 * 19 * 23: passes 1 (5, 7), 2 (11, 13), 3 (17, 19), 4 (23).
            const std::uint32_t n = 5u * 7 * 11 * 13 * 17 * 19 * 23;
            for (int first = 1; first <= 40; ++first)
                for (int last = first - 1; last <= 40; ++last) {
                    int expected = last + 1;
                    for (int i = first; i <= last && expected > last; ++i)
                        if (n % std::uint32_t(6 * i - 1) == 0 || n % std::uint32_t(6 * i + 1) == 0)
                            expected = i;
                    QCOMPARE(primes::firstDividingPass(n, first, last), expected);
                }
            // The last passes of the table: 46337 = 6 * 7723 - 1 and 46345 = 6 * 7724 + 1.
            QCOMPARE(primes::firstDividingPass(46337u * 46337u, 1, primes::kLastPass), 7723);
            QCOMPARE(primes::firstDividingPass(46345u * 3u, 7700, primes::kLastPass), primes::kLastPass);
            QCOMPARE(primes::firstDividingPass(0u, 3, 10), 3);
            QCOMPARE(primes::firstDividingPass(1u, 1, primes::kLastPass), primes::kLastPass + 1);
        }
    }
};

QTEST_APPLESS_MAIN(TestDivisorTable)
#include "tst_divisor_table.moc"
