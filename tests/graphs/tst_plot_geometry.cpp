// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/rules/plot_geometry.h"
#include "graphs/rules/plot_state.h"

#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

Q_DECLARE_METATYPE(graphs::PlotNumbers)

using graphs::Dot;
using graphs::Ink;

namespace {

constexpr double kSide = 7500;

struct Plot {
    graphs::Ranges r;
    graphs::Scales s;
    std::vector<Dot> dots;
};

Plot draw(graphs::Ranges r,
          std::optional<graphs::Function> f = graphs::Function{graphs::CurveKind::Affine, 1, 0, 0}) {
    const auto s = graphs::scalesFor(r, kSide, kSide);
    if (!s)
        qFatal("no scales");
    return {r, *s, graphs::plotDots(r, *s, kSide, kSide, f)};
}

template <class P> int count(const std::vector<Dot>& dots, Ink ink, P pred) {
    return int(
        std::count_if(dots.begin(), dots.end(), [&](const Dot& d) { return d.ink == ink && pred(d); }));
}

bool has(const std::vector<Dot>& dots, Ink ink, double x, double y) {
    return count(dots, ink,
                 [&](const Dot& d) { return std::abs(d.x - x) < 1e-6 && std::abs(d.y - y) < 1e-6; }) > 0;
}

// The abscissas of the whole marks (five dots, one above the other) across a horizontal line at height y.
std::set<double> markColumns(const std::vector<Dot>& dots, double y) {
    std::map<double, std::set<int>> heights;
    for (const Dot& d : dots)
        if (d.ink == Ink::Mark && std::abs(d.y - y) <= 2 * graphs::dotSpacing + 1e-9)
            heights[d.x].insert(int(std::lround((d.y - y) / graphs::dotSpacing)));
    std::set<double> xs;
    for (const auto& [x, hs] : heights)
        if (hs.size() == 5)
            xs.insert(x);
    return xs;
}

} // namespace

class TestPlotGeometry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void defaultPlot() {
        const Plot p = draw({-5, 10, -5, 10});
        QCOMPARE(p.s.xScale, 500.0);
        QCOMPARE(p.s.yScale, 500.0);
        QCOMPARE(p.s.originX, 2500.0);
        QCOMPARE(p.s.originY, 5000.0);
        QCOMPARE(count(p.dots, Ink::HorizontalAxis, [](const Dot& d) { return d.y == 5000; }), 376);
        QCOMPARE(count(p.dots, Ink::VerticalAxis, [](const Dot& d) { return d.x == 2500; }), 376);
        QVERIFY(has(p.dots, Ink::HorizontalAxis, 7500, 5000));
        QVERIFY(has(p.dots, Ink::VerticalAxis, 2500, 7500));
        // 16 marks of five dots on each axis, one per unit from -5 to 10.
        QCOMPARE(count(p.dots, Ink::Mark, [](const Dot&) { return true; }), 2 * 16 * 5);
        const std::set<double> columns = markColumns(p.dots, 5000);
        QCOMPARE(int(columns.size()), 16);
        for (int g = -5; g <= 10; ++g)
            for (int t = -2; t <= 2; ++t) {
                QVERIFY(has(p.dots, Ink::Mark, 2500 + g * 500, 5000 + 20 * t));
                QVERIFY(has(p.dots, Ink::Mark, 2500 + 20 * t, 5000 - g * 500));
            }
        // The diagonal y = x, from the bottom left corner to the top right one through the crossing.
        QCOMPARE(count(p.dots, Ink::Curve, [](const Dot&) { return true; }), 376);
        QVERIFY(has(p.dots, Ink::Curve, 0, 7500));
        QVERIFY(has(p.dots, Ink::Curve, 2500, 5000));
        QVERIFY(has(p.dots, Ink::Curve, 7500, 0));
        QCOMPARE(count(p.dots, Ink::Curve, [](const Dot& d) { return std::abs(d.x + d.y - 7500) > 1e-9; }),
                 0);
        // Drawing order: axes, marks, curve.
        QVERIFY(std::is_sorted(p.dots.begin(), p.dots.end(),
                               [](const Dot& a, const Dot& b) { return int(a.ink) < int(b.ink); }));
    }

    void ranges_data() {
        QTest::addColumn<double>("xmin");
        QTest::addColumn<double>("xmax");
        QTest::addColumn<double>("ymin");
        QTest::addColumn<double>("ymax");
        QTest::addColumn<int>("horizontalAxisDots");
        QTest::addColumn<int>("verticalAxisDots");
        QTest::addColumn<int>("horizontalMarks"); // distinct mark abscissas on the horizontal axis
        QTest::addColumn<QPointF>("curvePoint");  // a dot the diagonal y = x must have
        QTest::newRow("y from -20 to 20")
            << -5.0 << 10.0 << -20.0 << 20.0 << 376 << 376 << 16 << QPointF(4500, 3000);
        QTest::newRow("y from 1: axis below the surface")
            << -5.0 << 10.0 << 1.0 << 10.0 << 0 << 376 << 0 << QPointF(5000, 7500 - 4 * 7500.0 / 9);
        QTest::newRow("x from 1: no vertical axis")
            << 1.0 << 10.0 << -5.0 << 10.0 << 376 << 0 << 10 << QPointF(0, 4500);
        QTest::newRow("x from -5.5") << -5.5 << 10.0 << -5.0 << 10.0 << 376 << 376 << 16
                                     << QPointF(3000, 5000 - 0.7 * 500);
    }
    void ranges() {
        QFETCH(double, xmin);
        QFETCH(double, xmax);
        QFETCH(double, ymin);
        QFETCH(double, ymax);
        QFETCH(int, horizontalAxisDots);
        QFETCH(int, verticalAxisDots);
        QFETCH(int, horizontalMarks);
        QFETCH(QPointF, curvePoint);
        const Plot p = draw({xmin, xmax, ymin, ymax});
        QCOMPARE(count(p.dots, Ink::HorizontalAxis, [&](const Dot& d) { return d.y == p.s.originY; }),
                 horizontalAxisDots);
        QCOMPARE(count(p.dots, Ink::VerticalAxis, [&](const Dot& d) { return d.x == p.s.originX; }),
                 verticalAxisDots);
        QCOMPARE(int(markColumns(p.dots, p.s.originY).size()), horizontalMarks);
        QCOMPARE(count(p.dots, Ink::Mark, [](const Dot&) { return true; }) % 5, 0);
        QVERIFY2(has(p.dots, Ink::Curve, curvePoint.x(), curvePoint.y()), "curve point missing");
        // No dot lies off the surface by more than a dot spacing.
        for (const Dot& d : p.dots)
            QVERIFY(d.x >= -20 && d.x <= kSide + 20 && d.y >= -20 && d.y <= kSide + 20);
    }

    void marksFollowAFractionalMinimum() {
        const Plot p = draw({-5.5, 10, -5, 10});
        std::set<double> units;
        for (double x : markColumns(p.dots, p.s.originY))
            units.insert(std::round((x - p.s.originX) / p.s.xScale * 2) / 2);
        const std::set<double> expected{-5.5, -4.5, -3.5, -2.5, -1.5, -0.5, 0.5, 1.5,
                                        2.5,  3.5,  4.5,  5.5,  6.5,  7.5,  8.5, 9.5};
        QCOMPARE(units, expected);
    }

    void parabolaAndMissingFunction() {
        const Plot p = draw({-5, 10, -5, 10}, graphs::Function{graphs::CurveKind::Trinomial, 1, 0, 0});
        QVERIFY(has(p.dots, Ink::Curve, 2500, 5000));   // the vertex on the crossing of the axes
        QVERIFY(has(p.dots, Ink::Curve, 3500, 3000));   // (2, 4)
        QVERIFY(has(p.dots, Ink::Curve, 1500, 3000));   // (-2, 4)
        QVERIFY(has(p.dots, Ink::Curve, 4000, 500));    // (3, 9)
        QVERIFY(!has(p.dots, Ink::Curve, 4500, -3000)); // (4, 16) is above the surface: left out
        const Plot none = draw({-5, 10, -5, 10}, std::nullopt);
        QCOMPARE(count(none.dots, Ink::Curve, [](const Dot&) { return true; }), 0);
        QCOMPARE(count(none.dots, Ink::HorizontalAxis, [](const Dot&) { return true; }), 376);
        QCOMPARE(count(none.dots, Ink::VerticalAxis, [](const Dot&) { return true; }), 376);
    }

    void unusableRanges_data() {
        QTest::addColumn<double>("xmin");
        QTest::addColumn<double>("xmax");
        QTest::addColumn<double>("ymin");
        QTest::addColumn<double>("ymax");
        QTest::newRow("x of no width") << 3.0 << 3.0 << -5.0 << 10.0;
        QTest::newRow("y of no width") << -5.0 << 10.0 << 0.0 << 0.0;
        QTest::newRow("x wider than any number") << -1e308 << 1e308 << -5.0 << 10.0;
        QTest::newRow("y scale beyond any number") << -5.0 << 10.0 << 1.0 << 1.0 + 1e-16;
    }
    void unusableRanges() {
        QFETCH(double, xmin);
        QFETCH(double, xmax);
        QFETCH(double, ymin);
        QFETCH(double, ymax);
        QVERIFY(!graphs::scalesFor({xmin, xmax, ymin, ymax}, kSide, kSide));
    }

    void everyRangeDrawsQuickly_data() {
        QTest::addColumn<double>("xmin");
        QTest::addColumn<double>("xmax");
        QTest::addColumn<double>("ymin");
        QTest::addColumn<double>("ymax");
        QTest::newRow("-1e9 to 1e9") << -1e9 << 1e9 << -1e9 << 1e9;
        QTest::newRow("-1e300 to 1e300") << -1e300 << 1e300 << -1e300 << 1e300;
        QTest::newRow("a unit where steps of 1 vanish") << 1e17 << 1e17 + 16 << -1e17 << 1e17;
        QTest::newRow("ten thousand units") << 0.0 << 1e4 << -1e4 << 0.0;
        QTest::newRow("tiny ranges") << -1e-9 << 1e-9 << -1e-300 << 1e-300;
        QTest::newRow("reversed") << 10.0 << -5.0 << 10.0 << -5.0;
    }
    void everyRangeDrawsQuickly() {
        QFETCH(double, xmin);
        QFETCH(double, xmax);
        QFETCH(double, ymin);
        QFETCH(double, ymax);
        const graphs::Ranges r{xmin, xmax, ymin, ymax};
        const auto s = graphs::scalesFor(r, kSide, kSide);
        QVERIFY(s);
        QElapsedTimer timer;
        timer.start();
        const auto dots =
            graphs::plotDots(r, *s, kSide, kSide, graphs::Function{graphs::CurveKind::Trinomial, 1, 1, 1});
        QVERIFY2(timer.elapsed() < 200, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(dots.size() < 200'000);
        for (const Dot& d : dots)
            QVERIFY(std::isfinite(d.x) && std::isfinite(d.y));
    }

    void denseMarksStillCoverTheAxis() {
        // 10 000 units on 7 500 twips: the marks run together into one stroke along the axis.
        const Plot p = draw({0, 1e4, -1, 1});
        const std::set<double> columns = markColumns(p.dots, p.s.originY);
        QVERIFY(columns.size() > 1500);
        QCOMPARE(*columns.begin(), 0.0);
        QVERIFY(*columns.rbegin() > kSide - 5);
        double widestGap = 0;
        for (auto it = std::next(columns.begin()); it != columns.end(); ++it)
            widestGap = std::max(widestGap, *it - *std::prev(it));
        QVERIFY(widestGap <= 5); // a device pixel at most, even on dense screens
    }

    void readOut_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("c");
        QTest::addColumn<double>("X");
        QTest::addColumn<double>("u");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("surfaceY");
        QTest::newRow("affine at 3000") << 1 << 2.0 << 1.0 << 0.0 << 3000.0 << 1.0 << 3.0 << 3500.0;
        QTest::newRow("affine at the left edge") << 1 << 2.0 << 1.0 << 0.0 << 0.0 << -5.0 << -9.0 << 9500.0;
        QTest::newRow("parabola at 3500") << 2 << 1.0 << 0.0 << 0.0 << 3500.0 << 2.0 << 4.0 << 3000.0;
    }
    void readOut() {
        QFETCH(int, kind);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, c);
        QFETCH(double, X);
        QFETCH(double, u);
        QFETCH(double, y);
        QFETCH(double, surfaceY);
        const auto s = graphs::scalesFor({-5, 10, -5, 10}, kSide, kSide);
        const auto r = graphs::readOut(*s, -5, graphs::Function{graphs::CurveKind(kind), a, b, c}, X);
        QVERIFY(r);
        QCOMPARE(r->u, u);
        QCOMPARE(r->y, y);
        QCOMPARE(r->surfaceY, surfaceY);
    }

    void readOutBeyondAnyNumberIsNothing() {
        const auto s = graphs::scalesFor({-5, 10, -5, 10}, kSide, kSide);
        QVERIFY(!graphs::readOut(*s, -5, graphs::Function{graphs::CurveKind::Trinomial, 1e306, 0, 0}, 7000));
        QVERIFY(!graphs::readOut(*s, -5, graphs::Function{graphs::CurveKind::Affine, 1e308, 1e308, 0}, 7000));
        QVERIFY(graphs::readOut(*s, -5, graphs::Function{graphs::CurveKind::Affine, 1e300, 0, 0}, 7000));
    }

    // What a plot leaves: the kind of its curve, the drawing's size, and scales and dots only
    // when the ranges give them; the curve only when the coefficients are numbers.
    void plotStateAndDots_data() {
        QTest::addColumn<graphs::PlotNumbers>("numbers");
        QTest::addColumn<bool>("scaled");
        QTest::addColumn<int>("curveDots");
        const graphs::PlotNumbers line{.kind = graphs::CurveKind::Affine,
                                       .xmin = -5,
                                       .xmax = 10,
                                       .ymin = -5,
                                       .ymax = 10,
                                       .a = 1,
                                       .b = 0};
        QTest::newRow("affine") << line << true << 376;
        graphs::PlotNumbers parabola = line;
        parabola.kind = graphs::CurveKind::Trinomial;
        parabola.c = 0;
        QTest::newRow("trinomial, x² off the drawing beyond |x| = √10") << parabola << true << 159;
        graphs::PlotNumbers noC = parabola;
        noC.c.reset();
        QTest::newRow("trinomial without c: axes and marks") << noC << true << 0;
        graphs::PlotNumbers flat = line;
        flat.ymax = -5;
        QTest::newRow("y range of no height: nothing drawn") << flat << false << 0;
        graphs::PlotNumbers noRange = line;
        noRange.xmax.reset();
        QTest::newRow("x maximum not a number: nothing drawn") << noRange << false << 0;
    }
    void plotStateAndDots() {
        QFETCH(graphs::PlotNumbers, numbers);
        QFETCH(bool, scaled);
        QFETCH(int, curveDots);
        const graphs::Plot plot = graphs::makePlot(numbers, 7500, 7500.0f);
        QCOMPARE(plot.state.kind, numbers.kind);
        QCOMPARE(plot.state.widthTwips, std::int16_t(7500));
        QCOMPARE(plot.state.heightTwips, 7500.0f);
        QCOMPARE(plot.state.dotSpacingTwips, std::int16_t(20));
        QCOMPARE(plot.state.scales.has_value(), scaled);
        QCOMPARE(count(plot.dots, Ink::Curve, [](const Dot&) { return true; }), curveDots);
        if (!scaled) {
            QVERIFY(plot.dots.empty());
            return;
        }
        QCOMPARE(plot.state.scales->xScale, 500.0);
        QCOMPARE(plot.state.scales->originY, 5000.0);
        QCOMPARE(count(plot.dots, Ink::HorizontalAxis, [](const Dot&) { return true; }), 376);
    }

    // The numbers a window hands over: a box without a number leaves out what needs it. The affine
    // function has no c to read.
    void handedNumbers() {
        const graphs::PlotNumbers affine{.kind = graphs::CurveKind::Affine,
                                         .xmin = -5,
                                         .xmax = 10,
                                         .ymin = -5,
                                         .ymax = 10,
                                         .a = 2,
                                         .b = 1};
        const auto s = graphs::scalesFor(*affine.ranges(), kSide, kSide);
        const auto r = graphs::readOut(*s, affine, 3000);
        QVERIFY(r);
        QCOMPARE(r->y, 3.0);
        QCOMPARE(affine.function()->c, 0.0);

        graphs::PlotNumbers trinomial = affine;
        trinomial.kind = graphs::CurveKind::Trinomial;
        QVERIFY(!trinomial.function());
        QVERIFY(!graphs::readOut(*s, trinomial, 3000));
        trinomial.c = -1;
        QCOMPARE(graphs::readOut(*s, trinomial, 3000)->y, 2.0);

        for (auto missing : {&graphs::PlotNumbers::xmin, &graphs::PlotNumbers::xmax,
                             &graphs::PlotNumbers::ymin, &graphs::PlotNumbers::ymax}) {
            graphs::PlotNumbers n = affine;
            n.*missing = std::nullopt;
            QVERIFY(!n.ranges());
        }
        graphs::PlotNumbers noXmin = affine;
        noXmin.xmin.reset();
        QVERIFY(!graphs::readOut(*s, noXmin, 3000)); // the abscissa under the pointer needs x minimum
        graphs::PlotNumbers noB = affine;
        noB.b.reset();
        QVERIFY(!noB.function());
        QVERIFY(!graphs::readOut(*s, noB, 3000));
    }
};

QTEST_APPLESS_MAIN(TestPlotGeometry)
#include "tst_plot_geometry.moc"
