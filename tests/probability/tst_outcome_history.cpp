// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/rules/outcome_history.h"

#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

using namespace probability;

namespace {

// Writes down what it is told, one word per call.
struct Recorder : HistoryObserver {
    std::vector<std::string> heard;
    void historyGrowing(const OutcomeHistory& h) override {
        heard.push_back("growing " + std::to_string(h.size()));
    }
    void historyGrew(const OutcomeHistory& h, bool goesOn) override {
        heard.push_back("grew " + std::to_string(h.size()) + (goesOn ? " more coming" : ""));
    }
    void historyCleared(const OutcomeHistory&) override { heard.push_back("cleared"); }
};

using Heard = std::vector<std::string>;

} // namespace

class TestOutcomeHistory : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The codes read back as they were added, one by one and in blocks that cross the storage's
    // own blocks, at about a byte an outcome; cleared, the history starts again and gives its
    // memory back.
    void keepsTheCodesInOrder_data() {
        QTest::addColumn<int>("block");
        for (const int block : {1, 13, 16384, 16385, 1'000'000})
            QTest::addRow("read by %d", block) << block;
    }
    void keepsTheCodesInOrder() {
        QFETCH(int, block);
        OutcomeHistory die(Experiment::Die);
        QCOMPARE(die.experiment(), Experiment::Die);
        constexpr std::size_t kOutcomes = 1'000'000;
        const auto codeOf = [](std::size_t i) { return std::uint8_t((i * 7 + i / 5) % 6); };
        for (std::size_t i = 0; i < kOutcomes; ++i)
            QVERIFY(die.append(codeOf(i)));
        QCOMPARE(die.size(), kOutcomes);
        QVERIFY2(die.bytesUsed() < kOutcomes * 11 / 10, qPrintable(QString::number(die.bytesUsed())));
        std::vector<std::uint8_t> codes(std::size_t(block) + 1, 0xff);
        for (std::size_t begin = 0; begin < kOutcomes; begin += std::size_t(block)) {
            const std::size_t end = std::min(kOutcomes, begin + std::size_t(block));
            std::fill(codes.begin(), codes.end(), std::uint8_t(0xff));
            die.copy(begin, end, codes.data());
            for (std::size_t i = begin; i < end; ++i)
                if (codes[i - begin] != codeOf(i) || die.at(i) != codeOf(i))
                    QFAIL(qPrintable(QStringLiteral("outcome %1").arg(i)));
            QCOMPARE(codes[end - begin], std::uint8_t(0xff)); // nothing written past the end
        }
        die.clear();
        QCOMPARE(die.size(), std::size_t(0));
        QVERIFY(die.bytesUsed() < 1024);
        die.append(5);
        QCOMPARE(die.size(), std::size_t(1));
        QCOMPARE(die.at(0), std::uint8_t(5));
    }

    // A view hears of growth once per run of additions, so that it can plan to show them; a
    // follower hears when the history is there to be read, and when it is emptied.
    void observersAreTold() {
        SimulationHistories histories;
        OutcomeHistory& coin = histories.of(Experiment::Coin);
        QCOMPARE(&coin, &histories.coin);
        QCOMPARE(&histories.of(Experiment::Die), &histories.die);
        Recorder first, second;
        coin.addObserver(&first);
        coin.addObserver(&first); // once is enough
        coin.addObserver(&second);
        for (int i = 0; i < 3; ++i)
            coin.append(std::uint8_t(Coin::Pile));
        coin.announce(true);
        coin.append(std::uint8_t(Coin::Face));
        coin.announce(false);
        coin.announce(false);    // nothing added meanwhile: still said
        histories.die.append(0); // the other history is not theirs
        coin.clear();
        coin.append(std::uint8_t(Coin::Face));
        const Heard expected{"growing 1", "grew 3 more coming", "growing 4", "grew 4", "grew 4",
                             "cleared",   "growing 1"};
        QCOMPARE(first.heard, expected);
        QCOMPARE(second.heard, expected);
        coin.removeObserver(&second);
        coin.announce(false);
        QCOMPARE(first.heard.back(), "grew 1");
        QCOMPARE(second.heard.size(), expected.size());
    }

    // An observer may stop following while it is told (a view closed by what it is told): it,
    // or one told after it, hears nothing more, and the others go on hearing.
    void observersMayLeaveWhileTold() {
        OutcomeHistory die(Experiment::Die);
        struct Leaver : Recorder {
            OutcomeHistory* history = nullptr;
            HistoryObserver* leaving = nullptr;
            void historyGrew(const OutcomeHistory& h, bool goesOn) override {
                Recorder::historyGrew(h, goesOn);
                history->removeObserver(leaving);
            }
        };
        Leaver leaver;
        Recorder after, last;
        leaver.history = &die;
        leaver.leaving = &after;
        die.addObserver(&leaver);
        die.addObserver(&after);
        die.addObserver(&last);
        die.announce(false);
        QCOMPARE(after.heard, Heard{});
        QCOMPARE(last.heard, Heard{"grew 0"});
        leaver.leaving = &leaver;
        die.announce(false);
        die.announce(false);
        QCOMPARE(leaver.heard, (Heard{"grew 0", "grew 0"}));
        QCOMPARE(last.heard, (Heard{"grew 0", "grew 0", "grew 0"}));
        // Back again after leaving, told once.
        die.addObserver(&leaver);
        die.addObserver(&leaver);
        die.clear();
        QCOMPARE(leaver.heard.back(), "cleared");
        QCOMPARE(std::count(leaver.heard.begin(), leaver.heard.end(), "cleared"), 1);
    }
};

QTEST_APPLESS_MAIN(TestOutcomeHistory)
#include "tst_outcome_history.moc"
