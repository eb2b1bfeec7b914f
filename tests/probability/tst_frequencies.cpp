// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/rules/frequencies.h"

#include <QTest>

#include <algorithm>
#include <random>
#include <span>
#include <vector>

using namespace probability;
Q_DECLARE_METATYPE(probability::Chance)

class TestFrequencies : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every column holds the lowest, highest and last frequency of its throws, however many times
    // the columns have merged, whether it is read after every addition or only at the end, and
    // whether the throws come one by one or as blocks of codes (which cross the columns' edges);
    // their number stays within twice what was asked for.
    void traceMatchesEveryFrequency_data() {
        QTest::addColumn<double>("chance");
        QTest::addColumn<bool>("readEachTime");
        QTest::addColumn<int>("block"); // 0: one throw at a time through add(bool)
        for (const double chance : {0.3, 1.0 / 6, 0.9, 0.0, 1.0})
            for (const bool each : {true, false})
                for (const int block : {0, 1, 13, 64, 1000})
                    QTest::addRow("p=%g %s, block %d", chance, each ? "read each time" : "read at the end",
                                  block)
                        << chance << each << block;
    }
    void traceMatchesEveryFrequency() {
        QFETCH(double, chance);
        QFETCH(bool, readEachTime);
        QFETCH(int, block);
        std::mt19937 generator(7);
        std::bernoulli_distribution coin(chance);
        std::uniform_int_distribution<int> otherFace(0, 4);
        constexpr std::uint8_t kSuccess = 5; // a die's sixth face; the failures any of the others
        std::vector<std::uint8_t> codes;
        std::vector<double> frequencies;
        std::int64_t successes = 0;
        for (int n = 1; n <= 1000; ++n) {
            const bool s = coin(generator);
            successes += s;
            codes.push_back(s ? kSuccess : std::uint8_t(otherFace(generator)));
            frequencies.push_back(double(successes) / n);
        }
        FrequencyTrace trace(4);
        const std::size_t step = block == 0 ? 1 : std::size_t(block);
        for (std::size_t begin = 0; begin < codes.size(); begin += step) {
            const std::size_t end = std::min(codes.size(), begin + step);
            if (block == 0)
                trace.add(codes[begin] == kSuccess);
            else
                trace.add(std::span(codes).subspan(begin, end - begin), kSuccess);
            if (readEachTime || end == 500)
                QVERIFY(trace.columns().size() <= 8);
        }
        QCOMPARE(trace.throws(), 1000);
        QCOMPARE(trace.successes(), successes);
        QCOMPARE(*trace.frequency(), frequencies.back());
        QCOMPARE(trace.throwsPerColumn(), 128); // 1000 throws in at most 8 columns of a power of two
        std::int64_t begin = 0;
        for (const auto& c : trace.columns()) {
            const auto first = frequencies.begin() + begin;
            const auto last = frequencies.begin() + c.throws;
            QCOMPARE(c.low, *std::min_element(first, last));
            QCOMPARE(c.high, *std::max_element(first, last));
            QCOMPARE(c.last, *(last - 1));
            begin = c.throws;
        }
        QCOMPARE(begin, 1000);
        trace.clear();
        QCOMPARE(trace.throws(), 0);
        QVERIFY(!trace.frequency());
        QVERIFY(trace.columns().empty());
    }

    void band_data() {
        QTest::addColumn<qint64>("successes");
        QTest::addColumn<qint64>("n");
        QTest::addColumn<Chance>("p");
        QTest::addColumn<bool>("inside");
        const Chance coin{1, 2};
        const Chance die{1, 6};
        // n = 100: [0,4 ; 0,6]; the frequencies 0,4 and 0,6 lie on the edges.
        QTest::newRow("coin, lower edge") << qint64(40) << qint64(100) << coin << true;
        QTest::newRow("coin, upper edge") << qint64(60) << qint64(100) << coin << true;
        QTest::newRow("coin, just below") << qint64(39) << qint64(100) << coin << false;
        QTest::newRow("coin, just above") << qint64(61) << qint64(100) << coin << false;
        QTest::newRow("coin, on p") << qint64(50) << qint64(100) << coin << true;
        // n = 36: [1/6 − 1/6 ; 1/6 + 1/6] = [0 ; 1/3].
        QTest::newRow("die, frequency 0 on the edge") << qint64(0) << qint64(36) << die << true;
        QTest::newRow("die, 12/36 on the edge") << qint64(12) << qint64(36) << die << true;
        QTest::newRow("die, 13/36") << qint64(13) << qint64(36) << die << false;
        // n = 1: the band [p − 1 ; p + 1] holds both outcomes.
        QTest::newRow("one throw, success") << qint64(1) << qint64(1) << die << true;
        QTest::newRow("one throw, failure") << qint64(0) << qint64(1) << coin << true;
        // n = 2^31 − 1: 1/√n ≈ 0,0000216, so about 46 341 successes either side of n/2.
        const qint64 big = 2147483647;
        QTest::newRow("largest n, inside") << big / 2 + 46340 << big << coin << true;
        QTest::newRow("largest n, outside") << big / 2 + 46342 << big << coin << false;
        QTest::newRow("largest n, all") << big << big << die << false;
        QTest::newRow("no throw") << qint64(0) << qint64(0) << coin << false;
    }
    void band() {
        QFETCH(qint64, successes);
        QFETCH(qint64, n);
        QFETCH(Chance, p);
        QFETCH(bool, inside);
        QCOMPARE(insideBand(successes, n, p), inside);
        QCOMPARE(bandCounts(n, p).contains(successes), inside);
    }

    void percent_data() {
        QTest::addColumn<qint64>("inside");
        QTest::addColumn<qint64>("samples");
        QTest::addColumn<int>("percent"); // −1: nothing
        QTest::newRow("no samples") << qint64(0) << qint64(0) << -1;
        QTest::newRow("95 of 100") << qint64(95) << qint64(100) << 95;
        QTest::newRow("a half rounds up") << qint64(1) << qint64(8) << 13;
        QTest::newRow("all") << qint64(7) << qint64(7) << 100;
        QTest::newRow("none") << qint64(0) << qint64(7) << 0;
        QTest::newRow("one outside of a thousand") << qint64(999) << qint64(1000) << 99;
        QTest::newRow("one inside of a thousand") << qint64(1) << qint64(1000) << 1;
        QTest::newRow("a million") << qint64(954'499) << qint64(1'000'000) << 95;
    }
    void percent() {
        QFETCH(qint64, inside);
        QFETCH(qint64, samples);
        QFETCH(int, percent);
        const auto got = wholePercent(inside, samples);
        QCOMPARE(got.value_or(-1), percent);
    }

    void samplesCountTheBand() {
        Samples s{.size = 100, .chance = {1, 2}, .successes = {}, .inside = 0};
        for (std::int32_t k : {40, 60, 39, 61, 50})
            s.add(k);
        QCOMPARE(s.count(), 5);
        QCOMPARE(s.inside, 3);
        QCOMPARE(s.frequency(1), 0.6);
    }

    // The binomial draw keeps every count within [0, n] and centres on n·p, at every size.
    void binomialDraws_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("p");
        QTest::newRow("coin, n = 100") << 100 << 0.5;
        QTest::newRow("die, n = 1") << 1 << 1.0 / 6;
        QTest::newRow("die, n = 10^6") << 1'000'000 << 1.0 / 6;
        QTest::newRow("coin, largest n") << 2147483647 << 0.5;
    }
    void binomialDraws() {
        QFETCH(int, n);
        QFETCH(double, p);
        SampleDraw draw = binomialSampler()(n, p);
        constexpr int kSamples = 20000;
        double sum = 0;
        for (int i = 0; i < kSamples; ++i) {
            const std::int32_t k = draw();
            QVERIFY(k >= 0 && k <= n);
            sum += double(k) / n;
        }
        // The mean frequency strays from p by about √(p(1 − p)/(n·samples)): far less than this.
        QVERIFY2(std::abs(sum / kSamples - p) < 0.01, qPrintable(QString::number(sum / kSamples)));
    }
};

QTEST_APPLESS_MAIN(TestFrequencies)
#include "tst_frequencies.moc"
