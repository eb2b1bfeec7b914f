// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "functions/rules/reference_functions.h"

#include <QTest>

using namespace functions;

namespace {
// The curves as the exercise lays them out.
const numbers::TwipsRect kCurves[] = {
    {.left = 240, .top = 2400, .width = 1935, .height = 2055},
    {.left = 360, .top = 4680, .width = 1695, .height = 1815},
    {.left = 240, .top = 6720, .width = 2055, .height = 1455},
    {.left = 240, .top = 8400, .width = 2175, .height = 1695},
};
constexpr int kLeft = 1;
} // namespace

Q_DECLARE_METATYPE(functions::Point)

class TestReferenceFunctions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dropBounds_data() {
        QTest::addColumn<int>("curve");
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("top");
        QTest::addColumn<bool>("accepted");
        // The edges of the square's curve, as floats like the pointer's coordinates.
        const float left = float(kCurves[Square].left);
        const float top = float(kCurves[Square].top);
        const float right = float(kCurves[Square].right());
        const float bottom = float(kCurves[Square].bottom() + 100); // 4555
        QTest::newRow("150 twips left of the curve") << 0 << left - 150 << top << true;
        QTest::newRow("200 twips left: refused") << 0 << left - 200 << top << false;
        QTest::newRow("just inside the left bound") << 0 << 40.5f << 3000.f << true;
        QTest::newRow("at the curve's right edge: refused") << 0 << right << top << false;
        QTest::newRow("just inside the right edge") << 0 << 2174.f << top << true;
        QTest::newRow("100 above: refused") << 0 << left << top - 100 << false;
        QTest::newRow("99 above") << 0 << left << top - 99 << true;
        QTest::newRow("exactly the bottom bound: refused") << 0 << left << bottom << false;
        QTest::newRow("just above the bottom bound") << 0 << left << bottom - 1 << true;
        QTest::newRow("inside the curve's own box") << 0 << 1000.f << 3000.f << true;
        QTest::newRow("the 1/x curve, bottom row") << 3 << 300.f << 10194.f << true;
        QTest::newRow("the 1/x curve, below") << 3 << 300.f << 10195.f << false;
    }
    void dropBounds() {
        QFETCH(int, curve);
        QFETCH(float, left);
        QFETCH(float, top);
        QFETCH(bool, accepted);
        QCOMPARE(dropAccepted(kCurves[curve], {.left = left, .top = top}), accepted);
    }

    void snapsBesideTheCurve() {
        QCOMPARE(besideCurve(kCurves[Square]), (Point{.left = 2225, .top = 2400}));
        QCOMPARE(besideCurve(kCurves[Inverse]), (Point{.left = 2465, .top = 8400}));
    }

    // Each label is tested against its own curve only: dropped on another function's curve it goes
    // back, and the drag follows the point where the label was grabbed.
    void dragOntoAnotherCurveGoesBack() {
        LabelDrag drag;
        const Point start{.left = 4200, .top = 1200};
        drag.press(Square, kLeft, start, 300, 200);
        QVERIFY(drag.dragging());
        // The pointer moves to (600, 7000) in the label's start frame: the label follows.
        const std::optional<Point> moved = drag.move(Square, kLeft, start, 300 - 3900 + 600, 200 + 5800);
        QCOMPARE(moved, (Point{.left = 900, .top = 7000}));
        // (900, 7000) lies on the square-root curve, not on the square's.
        QVERIFY(dropAccepted(kCurves[SquareRoot], *moved));
        const auto drop = drag.release(Square, kLeft, *moved, kCurves[Square]);
        QVERIFY(drop);
        QCOMPARE(drop->position, start);
        QVERIFY(!drop->placed);
        QVERIFY(!drag.dragging());
    }

    void aPlacedLabelDraggedAwayComesBackToItsPlace() {
        LabelDrag drag;
        drag.press(Cube, kLeft, {.left = 3120, .top = 480}, 10, 10);
        auto drop = drag.release(Cube, kLeft, {.left = 500, .top = 5000}, kCurves[Cube]);
        QVERIFY(drop && drop->placed);
        const Point placed = drop->position;
        QCOMPARE(placed, (Point{.left = 2105, .top = 4680}));
        // Taken again, dropped far off: back beside its curve.
        drag.press(Cube, kLeft, placed, 10, 10);
        drop = drag.release(Cube, kLeft, {.left = 9000, .top = 300}, kCurves[Cube]);
        QVERIFY(drop && !drop->placed);
        QCOMPARE(drop->position, placed);
        // Taken again and dropped on its curve once more: placed again.
        drag.press(Cube, kLeft, placed, 10, 10);
        drop = drag.release(Cube, kLeft, {.left = 400, .top = 4700}, kCurves[Cube]);
        QVERIFY(drop && drop->placed);
        QCOMPARE(drop->position, placed);
    }

    // What a pupil's hand can do besides a clean press, move and release.
    void strayEventsLoseNoLabel() {
        LabelDrag drag;
        const Point start{.left = 1920, .top = 1200};
        // A release or a move without a drag does nothing.
        QVERIFY(!drag.release(SquareRoot, kLeft, start, kCurves[SquareRoot]));
        QVERIFY(!drag.move(SquareRoot, kLeft, start, 50, 50));
        drag.press(SquareRoot, kLeft, start, 100, 100);
        // A second press, on the same label or another, keeps the first start.
        drag.press(SquareRoot, 2, {.left = 5000, .top = 5000}, 0, 0);
        drag.press(Inverse, kLeft, {.left = 3120, .top = 1920}, 0, 0);
        QCOMPARE(drag.item(), std::optional<int>(SquareRoot));
        // Only the label being dragged moves, only while its button is held.
        QVERIFY(!drag.move(Inverse, kLeft, start, 500, 500));
        QVERIFY(!drag.move(SquareRoot, 0, start, 500, 500));
        QVERIFY(!drag.move(SquareRoot, 2, start, 500, 500));
        QVERIFY(drag.move(SquareRoot, kLeft | 2, start, 500, 500));
        // Another button's release, or a release over another label, does not end the drag.
        QVERIFY(!drag.release(SquareRoot, 2, {.left = 5000, .top = 5000}, kCurves[SquareRoot]));
        QVERIFY(!drag.release(Inverse, kLeft, {.left = 300, .top = 8500}, kCurves[Inverse]));
        QVERIFY(drag.dragging());
        // Dropped far outside the window: back at the first start.
        const auto drop =
            drag.release(SquareRoot, kLeft, {.left = -40000, .top = 90000}, kCurves[SquareRoot]);
        QVERIFY(drop && !drop->placed);
        QCOMPARE(drop->position, start);
        // A cancelled drag also goes back; with no drag there is nothing to cancel.
        drag.press(Inverse, 4, {.left = 3120, .top = 1920}, 0, 0);
        const auto back = drag.cancel();
        QVERIFY(back && back->item == Inverse && !back->placed);
        QCOMPARE(back->position, (Point{.left = 3120, .top = 1920}));
        QVERIFY(!drag.cancel());
        // Indices outside the four functions are ignored.
        drag.press(4, kLeft, start, 0, 0);
        drag.press(-1, kLeft, start, 0, 0);
        QVERIFY(!drag.dragging());
    }

    void matching() {
        Matching m;
        // A curve click before any table is selected does nothing.
        QVERIFY(!m.clickCurve(Square).matched);
        m.selectTable(Cube);
        // Another curve: nothing, and the selection stays.
        QVERIFY(!m.clickCurve(Square).matched);
        QCOMPARE(m.selected(), std::optional<int>(Cube));
        QVERIFY(m.clickCurve(Cube).matched);
        QCOMPARE(m.matchCount(), std::int16_t(1));
        // The table stays selected, but a table already matched counts once.
        QCOMPARE(m.selected(), std::optional<int>(Cube));
        QVERIFY(!m.clickCurve(Cube).matched);
        QCOMPARE(m.matchCount(), std::int16_t(1));
        m.selectTable(7);
        QCOMPARE(m.selected(), std::optional<int>(Cube));
        QVERIFY(!m.clickCurve(7).matched);
        for (int i : {Inverse, Square}) {
            m.selectTable(i);
            const Matching::Outcome o = m.clickCurve(i);
            QVERIFY(o.matched && !o.stageOver);
        }
        QCOMPARE(m.matchCount(), std::int16_t(3));
        m.selectTable(SquareRoot);
        const Matching::Outcome last = m.clickCurve(SquareRoot);
        QVERIFY(last.matched && last.stageOver);
        QCOMPARE(m.matchCount(), std::int16_t(0));
        QVERIFY(m.inDragStage());
        // In the drag stage curve clicks count for nothing.
        QVERIFY(!m.clickCurve(SquareRoot).matched);
        QCOMPARE(m.matchCount(), std::int16_t(0));
    }
};

QTEST_APPLESS_MAIN(TestReferenceFunctions)
#include "tst_reference_functions.moc"
