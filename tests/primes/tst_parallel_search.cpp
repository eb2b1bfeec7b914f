// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/rules/parallel_search.h"
#include "primes/rules/primality.h"

#include <QTest>

#include <chrono>
#include <vector>

class TestParallelSearch : public QObject {
    Q_OBJECT

    static std::vector<std::int32_t> oneByOne(std::int64_t lower, std::int64_t upper) {
        std::vector<std::int32_t> l;
        for (std::int64_t n = lower; n <= upper; ++n)
            if (primes::isPrime(std::int32_t(n)))
                l.push_back(std::int32_t(n));
        return l;
    }

    static std::vector<std::int32_t> onThreads(primes::ParallelPrimeSearch& search, int* blocks = nullptr) {
        std::vector<std::int32_t> all;
        std::vector<std::int32_t> block;
        for (;;) {
            const auto next = search.next(block, std::chrono::milliseconds(50));
            if (next == primes::ParallelPrimeSearch::Next::Done)
                return all;
            if (next == primes::ParallelPrimeSearch::Next::Block) {
                all.insert(all.end(), block.begin(), block.end());
                if (blocks)
                    ++*blocks;
            }
        }
    }

private Q_SLOTS:
    void listsWhatTheOneByOneSearchLists_data() {
        QTest::addColumn<qint64>("lower");
        QTest::addColumn<qint64>("upper");
        QTest::addColumn<int>("threads");
        QTest::addColumn<int>("blockSize");
        QTest::newRow("empty: bounds reversed") << qint64(20) << qint64(10) << 2 << 4;
        QTest::newRow("one number, prime") << qint64(7) << qint64(7) << 2 << 4;
        QTest::newRow("one number, not prime") << qint64(8) << qint64(8) << 3 << 1;
        QTest::newRow("0 and 1") << qint64(0) << qint64(1) << 2 << 1;
        QTest::newRow("blocks that do not divide the range") << qint64(1) << qint64(1000) << 3 << 17;
        QTest::newRow("block of one number") << qint64(90) << qint64(130) << 2 << 1;
        QTest::newRow("more threads than blocks") << qint64(1) << qint64(30) << 8 << 16;
        QTest::newRow("a long range, many blocks ahead") << qint64(1) << qint64(200000) << 2 << 64;
        QTest::newRow("ends at the largest 32-bit number")
            << qint64(2147483000) << qint64(2147483647) << 2 << 7;
        QTest::newRow("the largest 32-bit number alone")
            << qint64(2147483647) << qint64(2147483647) << 2 << 4096;
    }
    void listsWhatTheOneByOneSearchLists() {
        QFETCH(qint64, lower);
        QFETCH(qint64, upper);
        QFETCH(int, threads);
        QFETCH(int, blockSize);
        primes::ParallelPrimeSearch search(lower, upper, threads, blockSize);
        int blocks = 0;
        QCOMPARE(onThreads(search, &blocks), oneByOne(lower, upper));
        QCOMPARE(blocks, upper < lower ? 0 : int((upper - lower) / blockSize + 1));
    }

    // A stopped search, or one dropped unread while its threads wait for room, ends at once and
    // leaves no thread behind (the sanitizers and the test's own end would see one).
    void stopsAtOnce() {
        const auto start = std::chrono::steady_clock::now();
        {
            primes::ParallelPrimeSearch search(1, 2147483647, 2, 4096);
            std::vector<std::int32_t> block;
            while (search.next(block, std::chrono::milliseconds(50)) !=
                   primes::ParallelPrimeSearch::Next::Block) {
            }
            QCOMPARE(block.front(), 2);
            search.stop();
            QCOMPARE(search.next(block, std::chrono::milliseconds(50)),
                     primes::ParallelPrimeSearch::Next::Done);
        }
        {
            primes::ParallelPrimeSearch unread(1, 2147483647, 2, 16);
            QTest::qSleep(20); // the threads fill their blocks ahead and wait
        }
        QVERIFY(std::chrono::steady_clock::now() - start < std::chrono::seconds(5));
    }
};

QTEST_MAIN(TestParallelSearch)
#include "tst_parallel_search.moc"
