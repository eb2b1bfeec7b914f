// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/rules/plot_description.h"
#include "graphs/rules/read_cursor.h"
#include "numbers/number_format.h"

#include <QTest>

#include <cmath>

using numbers::NumberFormat;

using graphs::ReadCursor;

namespace {

constexpr double kSide = 7500;

ReadCursor cursorFor(graphs::Ranges r) {
    const auto s = graphs::scalesFor(r, kSide, kSide);
    if (!s)
        qFatal("no scales");
    const auto c = ReadCursor::on(*s, kSide);
    if (!c)
        qFatal("no cursor");
    return *c;
}

// The abscissa in units at surface abscissa X.
double unitsAt(graphs::Ranges r, double X) {
    return r.xmin + X / (kSide / (r.xmax - r.xmin));
}

std::string frenchNumber(double v) {
    return NumberFormat(',').numberText(v);
}

} // namespace

class TestPlotReading : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The cursor stops at round values of x, at least twenty pixels apart: where it starts, the
    // step, and the stops at the two edges.
    void stops_data() {
        QTest::addColumn<double>("xmin");
        QTest::addColumn<double>("xmax");
        QTest::addColumn<double>("step");  // units
        QTest::addColumn<double>("start"); // units
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("last");
        QTest::newRow("the windows' ranges") << -5.0 << 10.0 << 1.0 << 0.0 << -5.0 << 10.0;
        QTest::newRow("wide") << 0.0 << 1000.0 << 50.0 << 0.0 << 0.0 << 1000.0;
        QTest::newRow("off-centre, zero off the drawing") << 1.0 << 2.0 << 0.05 << 1.5 << 1.0 << 2.0;
        QTest::newRow("uneven bounds") << -5.5 << 9.7 << 1.0 << 0.0 << -5.0 << 9.0;
        QTest::newRow("tiny") << -1e-6 << 2e-6 << 2e-7 << 0.0 << -1e-6 << 2e-6;
    }
    void stops() {
        QFETCH(double, xmin);
        QFETCH(double, xmax);
        QFETCH(double, step);
        QFETCH(double, start);
        QFETCH(double, first);
        QFETCH(double, last);
        const graphs::Ranges r{xmin, xmax, -5, 10};
        const ReadCursor c = cursorFor(r);
        QVERIFY(c.stepTwips() >= ReadCursor::minStepTwips);
        QVERIFY(std::abs(c.stepUnits() - step) < step * 1e-9);
        const double tolerance = step * 1e-6;
        QVERIFY(std::abs(unitsAt(r, c.start()) - start) < tolerance);
        QVERIFY(std::abs(unitsAt(r, c.first()) - first) < tolerance);
        QVERIFY(std::abs(unitsAt(r, c.last()) - last) < tolerance);
        // Walking right from the first stop visits every stop once, then stays on the last.
        double X = c.first();
        int count = 0;
        while (count < 10000) {
            const double next = c.next(X, +1);
            if (next == X)
                break;
            QVERIFY(next > X);
            QVERIFY(std::abs(next - X - c.stepTwips()) < 1e-6 * c.stepTwips());
            X = next;
            ++count;
        }
        QCOMPARE(X, c.last());
        QCOMPARE(count, int(std::lround((last - first) / step)));
        QCOMPARE(c.next(c.first(), -1), c.first());
    }

    void movesFromAnywhere() {
        const graphs::Ranges r{-5, 10, -5, 10};
        const ReadCursor c = cursorFor(r);
        // Between stops, the cursor goes to the neighbouring stop, not a whole step further.
        QCOMPARE(c.next(2600, +1), 3000.0);
        QCOMPARE(c.next(2600, -1), 2500.0);
        // Fine moves: a quarter of a step, also to the edge stops the coarse ones do not reach.
        QCOMPARE(c.next(2500, +1, true), 2625.0);
        QCOMPARE(c.next(2600, -1, true), 2500.0);
        QCOMPARE(c.next(7480, +1, true), 7500.0);
        QCOMPARE(c.next(7500, +1, true), 7500.0);
        QCOMPARE(c.next(0, -1, true), 0.0);
    }

    // Ranges whose zero lies far off the drawing, or that no double can step through: the cursor
    // stays on the drawing and never loops.
    void extremeRanges_data() {
        QTest::addColumn<double>("xmin");
        QTest::addColumn<double>("xmax");
        QTest::newRow("far origin") << 1e17 << 100000000000000016.0;
        QTest::newRow("huge") << -1e300 << 1e300;
        QTest::newRow("far right") << 1e9 << 1e9 + 3;
    }
    void extremeRanges() {
        QFETCH(double, xmin);
        QFETCH(double, xmax);
        const auto s = graphs::scalesFor({xmin, xmax, -1, 1}, kSide, kSide);
        QVERIFY(s);
        const auto c = ReadCursor::on(*s, kSide);
        if (!c)
            return;
        double X = c->start();
        for (int i = 0; i < 100; ++i) {
            X = c->next(X, i < 50 ? +1 : -1, i % 3 == 0);
            QVERIFY(X >= 0 && X <= kSide);
        }
    }

    void noStopsWithoutScales() {
        QVERIFY(!ReadCursor::on(graphs::Scales{0, 500, 2500, 5000}, kSide));
        QVERIFY(!ReadCursor::on(graphs::Scales{NAN, 500, 2500, 5000}, kSide));
        QVERIFY(!ReadCursor::on(graphs::Scales{500, 500, INFINITY, 5000}, kSide));
    }

    void equations_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("c");
        QTest::addColumn<QString>("text");
        QTest::newRow("2x + 1") << 1 << 2.0 << 1.0 << 0.0 << "f(x) = 2x + 1";
        QTest::newRow("x + 1") << 1 << 1.0 << 1.0 << 0.0 << "f(x) = x + 1";
        QTest::newRow("-x") << 1 << -1.0 << 0.0 << 0.0 << "f(x) = -x";
        QTest::newRow("negative zero slope") << 1 << -0.0 << -1.0 << 0.0 << "f(x) = -1";
        QTest::newRow("zero") << 1 << 0.0 << 0.0 << 0.0 << "f(x) = 0";
        QTest::newRow("decimal") << 1 << 0.5 << -3.0 << 0.0 << "f(x) = 0,5x - 3";
        QTest::newRow("the affine c is not shown") << 1 << 1.0 << 0.0 << 7.0 << "f(x) = x";
        QTest::newRow("x² - 3x + 2") << 2 << 1.0 << -3.0 << 2.0 << "f(x) = x² - 3x + 2";
        QTest::newRow("-2x² + 1") << 2 << -2.0 << 0.0 << 1.0 << "f(x) = -2x² + 1";
        QTest::newRow("-x² - x - 1") << 2 << -1.0 << -1.0 << -1.0 << "f(x) = -x² - x - 1";
        QTest::newRow("large") << 2 << 1e20 << 0.0 << 0.0 << "f(x) = 1E+20x²";
    }
    void equations() {
        QFETCH(int, kind);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, c);
        QFETCH(QString, text);
        const graphs::Function f{std::int16_t(kind), a, b, c};
        QCOMPARE(QString::fromStdString(graphs::equationText(f, frenchNumber)), text);
    }

    void descriptions() {
        graphs::PlotNumbers n{
            .kind = 2, .xmin = -5, .xmax = 10, .ymin = -2.5, .ymax = 10, .a = 1, .b = 0, .c = 0};
        QCOMPARE(QString::fromStdString(graphs::plotDescription(n, true, frenchNumber)),
                 QStringLiteral("Courbe de f(x) = x² ; x de -5 à 10, y de -2,5 à 10."));
        n.c.reset();
        QVERIFY(QString::fromStdString(graphs::plotDescription(n, true, frenchNumber))
                    .startsWith(QStringLiteral("Axes sans courbe")));
        QVERIFY(QString::fromStdString(graphs::plotDescription(n, false, frenchNumber))
                    .startsWith(QStringLiteral("Aucun dessin")));
        n.xmax.reset();
        QVERIFY(QString::fromStdString(graphs::plotDescription(n, true, frenchNumber))
                    .startsWith(QStringLiteral("Aucun dessin")));
    }
};

QTEST_GUILESS_MAIN(TestPlotReading)
#include "tst_plot_reading.moc"
