// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/rules/placement.h"

#include <QTest>

using placement::Box;
Q_DECLARE_METATYPE(Box)

class TestPlacement : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void beside_data() {
        QTest::addColumn<Box>("anchor");
        QTest::addColumn<Box>("expected");
        // A 1920 × 1080 screen, a 545 × 636 window, 8 pixels apart.
        QTest::newRow("room on the right") << Box{100, 200, 317, 487} << Box{425, 200, 545, 636};
        QTest::newRow("room on the left only") << Box{1300, 100, 500, 487} << Box{747, 100, 545, 636};
        QTest::newRow("right edge exactly") << Box{1367, 0, 0, 100} << Box{1375, 0, 545, 636};
        QTest::newRow("no room: roomier right side") << Box{400, 0, 1100, 400} << Box{1375, 0, 545, 636};
        QTest::newRow("no room: roomier left side") << Box{500, 0, 1000, 400} << Box{0, 0, 545, 636};
        QTest::newRow("low anchor: moved up") << Box{100, 900, 300, 100} << Box{408, 444, 545, 636};
        QTest::newRow("anchor above the screen") << Box{100, -50, 300, 100} << Box{408, 0, 545, 636};
        QTest::newRow("anchor pushed off the right edge")
            << Box{2000, 100, 300, 100} << Box{1375, 100, 545, 636};
    }
    void beside() {
        QFETCH(Box, anchor);
        QFETCH(Box, expected);
        const Box got = placement::beside(anchor, 545, 636, Box{0, 0, 1920, 1080}, 8);
        QCOMPARE(got.left, expected.left);
        QCOMPARE(got.top, expected.top);
        QCOMPARE(got.width, 545);
        QCOMPARE(got.height, 636);
    }

    // Whatever the anchor, the window stays on the screen, and beside the anchor when there is room.
    void neverOffTheScreenNorOverTheAnchorWhenItFits() {
        const Box screen{0, 0, 1280, 1024};
        for (int left = -100; left < 1300; left += 37)
            for (int width = 1; width < 900; width += 61) {
                const Box anchor{left, 300, width, 400};
                const Box got = placement::beside(anchor, 545, 636, screen, 8);
                QVERIFY(got.left >= 0 && got.right() <= 1280);
                QVERIFY(got.top >= 0 && got.bottom() <= 1024);
                const bool fits = anchor.left - 8 >= 545 || 1280 - anchor.right() - 8 >= 545;
                const bool overlaps = got.left < anchor.right() && anchor.left < got.right();
                if (fits)
                    QVERIFY(!overlaps);
            }
    }
};

QTEST_APPLESS_MAIN(TestPlacement)
#include "tst_placement.moc"
