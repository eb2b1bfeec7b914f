// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/rules/placement.h"

#include <QTest>

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

using numbers::PixelRect;
Q_DECLARE_METATYPE(PixelRect)

class TestPlacement : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void beside_data() {
        QTest::addColumn<PixelRect>("anchor");
        QTest::addColumn<PixelRect>("expected");
        // A 1920 × 1080 screen, a 545 × 636 window, 8 pixels apart.
        QTest::newRow("room on the right") << PixelRect{100, 200, 317, 487} << PixelRect{425, 200, 545, 636};
        QTest::newRow("room on the left only")
            << PixelRect{1300, 100, 500, 487} << PixelRect{747, 100, 545, 636};
        QTest::newRow("right edge exactly") << PixelRect{1367, 0, 0, 100} << PixelRect{1375, 0, 545, 636};
        QTest::newRow("no room: roomier right side")
            << PixelRect{400, 0, 1100, 400} << PixelRect{1375, 0, 545, 636};
        QTest::newRow("no room: roomier left side")
            << PixelRect{500, 0, 1000, 400} << PixelRect{0, 0, 545, 636};
        QTest::newRow("low anchor: moved up")
            << PixelRect{100, 900, 300, 100} << PixelRect{408, 444, 545, 636};
        QTest::newRow("anchor above the screen")
            << PixelRect{100, -50, 300, 100} << PixelRect{408, 0, 545, 636};
        QTest::newRow("anchor pushed off the right edge")
            << PixelRect{2000, 100, 300, 100} << PixelRect{1375, 100, 545, 636};
    }
    void beside() {
        QFETCH(PixelRect, anchor);
        QFETCH(PixelRect, expected);
        const PixelRect got = placement::beside(anchor, 545, 636, PixelRect{0, 0, 1920, 1080}, 8);
        QCOMPARE(got.left, expected.left);
        QCOMPARE(got.top, expected.top);
        QCOMPARE(got.width, 545);
        QCOMPARE(got.height, 636);
    }

    // Whatever the anchor, the window stays on the screen, and beside the anchor when there is room.
    void neverOffTheScreenNorOverTheAnchorWhenItFits() {
        const PixelRect screen{0, 0, 1280, 1024};
        for (int left = -100; left < 1300; left += 37)
            for (int width = 1; width < 900; width += 61) {
                const PixelRect anchor{left, 300, width, 400};
                const PixelRect got = placement::beside(anchor, 545, 636, screen, 8);
                QVERIFY(got.left >= 0 && got.right() <= 1280);
                QVERIFY(got.top >= 0 && got.bottom() <= 1024);
                const bool fits = anchor.left - 8 >= 545 || 1280 - anchor.right() - 8 >= 545;
                const bool overlaps = got.left < anchor.right() && anchor.left < got.right();
                if (fits)
                    QVERIFY(!overlaps);
            }
    }

    // Other windows on the screen: the new one keeps clear of the anchor first, then of them, as
    // near to beside()'s place as that allows.
    void besideAvoiding_data() {
        QTest::addColumn<QList<PixelRect>>("others");
        QTest::addColumn<PixelRect>("expected");
        // A 1920 × 1080 screen, the menu at the top left, 546 × 430; the new window 545 × 636.
        const PixelRect right{554, 0, 545, 636}; // where beside() puts it
        QTest::newRow("no other window") << QList<PixelRect>{} << right;
        QTest::newRow("others out of the way") << QList<PixelRect>{{1300, 700, 300, 300}} << right;
        QTest::newRow("one already there: next to it")
            << QList<PixelRect>{right} << PixelRect{1107, 0, 545, 636};
        QTest::newRow("two there: below the menu, clear of them")
            << QList<PixelRect>{right, {1107, 0, 545, 636}} << PixelRect{1, 438, 545, 636};
        QTest::newRow("the right side taken: below the menu")
            << QList<PixelRect>{{554, 0, 1366, 1080}} << PixelRect{1, 438, 545, 636};
        // Beside the menu it would cover both others; below it, only the second.
        QTest::newRow("no free place: the menu clear, the least covered")
            << QList<PixelRect>{{554, 0, 1366, 1080}, {0, 438, 1920, 642}} << PixelRect{1, 438, 545, 636};
    }
    void besideAvoiding() {
        QFETCH(QList<PixelRect>, others);
        QFETCH(PixelRect, expected);
        const PixelRect got =
            placement::besideAvoiding(PixelRect{0, 0, 546, 430}, 545, 636, PixelRect{0, 0, 1920, 1080}, 8,
                                      std::span<const PixelRect>(others.data(), std::size_t(others.size())));
        QCOMPARE(got.left, expected.left);
        QCOMPARE(got.top, expected.top);
    }

    // Against scattered windows: never off the screen, never over the anchor where beside() is
    // clear of it, and never over more of the others than beside()'s place.
    void avoidingNeverDoesWorseThanBeside() {
        const PixelRect screen{0, 0, 1366, 768};
        const auto covered = [](const PixelRect& a, const std::vector<PixelRect>& boxes) {
            std::int64_t sum = 0;
            for (const PixelRect& b : boxes) {
                const std::int64_t x = std::min(a.right(), b.right()) - std::max(a.left, b.left);
                const std::int64_t y = std::min(a.bottom(), b.bottom()) - std::max(a.top, b.top);
                sum += x > 0 && y > 0 ? x * y : 0;
            }
            return sum;
        };
        std::uint32_t seed = 12345;
        const auto next = [&](int below) {
            seed = seed * 1664525U + 1013904223U;
            return int((seed >> 8) % std::uint32_t(below));
        };
        for (int round = 0; round < 500; ++round) {
            const PixelRect anchor{next(900), next(400), 200 + next(400), 150 + next(300)};
            std::vector<PixelRect> others;
            for (int i = next(6); i > 0; --i)
                others.push_back({next(1200), next(600), 100 + next(600), 100 + next(400)});
            const int width = 200 + next(700);
            const int height = 150 + next(500);
            const PixelRect plain = placement::beside(anchor, width, height, screen, 8);
            const PixelRect got = placement::besideAvoiding(anchor, width, height, screen, 8, others);
            QVERIFY(got.left >= 0 && got.right() <= 1366 && got.top >= 0 && got.bottom() <= 768);
            QVERIFY(covered(got, {anchor}) <= covered(plain, {anchor}));
            if (covered(got, {anchor}) == covered(plain, {anchor}))
                QVERIFY(covered(got, others) <= covered(plain, others));
        }
    }
};

QTEST_APPLESS_MAIN(TestPlacement)
#include "tst_placement.moc"
