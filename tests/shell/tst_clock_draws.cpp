// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/rules/simulation.h"
#include "shell/production_services.h"

#include <QTest>

#include <array>
#include <vector>

// The program's own draws: uniform on [0, 1) at any speed, and never the same series twice.
class TestClockDraws : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A tight series, as a die "Auto" makes: a generator reseeded from a coarse clock before every
    // draw would give one face for a whole tick of the clock.
    void aFastSeriesIsUniform() {
        ClockDraws draws;
        constexpr int kThrows = 600'000;
        std::array<int, 6> counts{};
        float lowest = 1.0f;
        float highest = 0.0f;
        int repeats = 0;
        int previous = 0;
        for (int i = 0; i < kThrows; ++i) {
            const float r = draws.draw();
            lowest = std::min(lowest, r);
            highest = std::max(highest, r);
            const int face = probability::dieFace(r);
            ++counts[std::size_t(face - 1)];
            repeats += face == previous;
            previous = face;
        }
        QVERIFY(lowest >= 0.0f);
        QVERIFY(highest < 1.0f);
        for (int count : counts) {
            const double share = double(count) / kThrows;
            QVERIFY2(std::abs(share - 1.0 / 6.0) <= 0.005, qPrintable(QString::number(share)));
        }
        // The same face twice in a row one throw in six, not more.
        QVERIFY2(std::abs(double(repeats) / kThrows - 1.0 / 6.0) <= 0.005,
                 qPrintable(QString::number(repeats)));
    }

    void seriesStartedTogetherDiffer() {
        const auto series = [](ClockDraws& draws) {
            std::vector<float> v;
            for (int i = 0; i < 20; ++i)
                v.push_back(draws.draw());
            return v;
        };
        // Made and drawn within the same millisecond: the clock alone could not tell them apart.
        ClockDraws first;
        ClockDraws second;
        const std::vector<float> a = series(first);
        const std::vector<float> b = series(second);
        const std::vector<float> c = series(first);
        QVERIFY(a != b);
        QVERIFY(a != c);
    }
};

QTEST_APPLESS_MAIN(TestClockDraws)
#include "tst_clock_draws.moc"
