// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard.h"
#include "test_program.h"

#include "equations/degree1_window.h"
#include "graphs/graph_window.h"
#include "graphs/plotter.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/drawing_surface.h"
#include "shell/toolkit/keyboard_access.h"
#include "shell/toolkit/list_box.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QScrollBar>

using namespace ui;

namespace {
const QColor kBlue(0, 0, 255);
const QColor kYellow(255, 255, 0);
const QColor kBlack(0, 0, 0);
const QColor kMarkerRing(64, 64, 64);
const QColor kWhite(255, 255, 255);
const QString kSlopeLine = QStringLiteral("Coefficient directeur (y2-y1)/(x2-x1) = ");
} // namespace

class TestGraphWindow : public QObject {
    Q_OBJECT

    // The degree-1 window and the graph window it plots into.
    struct Plotting : ShownForm<Degree1Window> {
        using ShownForm::ShownForm;
        Degree1Window& eq = form;
        QLineEdit* box(const ui::Ref<TextBox>& ref) { return control(eq, ref); }
        void setRanges(const QStringList& r) {
            for (int i = 0; i < 4; ++i)
                box(Degree1Window::rangeBoxes[i])->setText(r[i]);
        }
        void plot() { QTest::mouseClick(control(eq, Degree1Window::plotButton), Qt::LeftButton); }
        GraphWindow& graph() { return tp->get<GraphWindow>(); }
        DrawingSurface* surface() { return control(graph(), GraphWindow::drawing); }
        ListBox* list() { return control(graph(), GraphWindow::readOuts); }
        QStringList lines() {
            QStringList l;
            for (int i = 0; i < list()->count(); ++i)
                l << list()->item(i);
            return l;
        }
        // A click on the drawing at X twips (the height does not matter).
        void clickAt(int xTwips, Qt::MouseButton button = Qt::LeftButton) {
            QTest::mouseClick(surface(), button, {}, QPoint(xTwips / 15, 100));
        }
        QColor at(double x, double y) { return surface()->point(x, y); }
        int pixelsOf(const QColor& c) {
            const QImage& img = surface()->image();
            int n = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    n += QColor(img.pixel(x, y)) == c;
            return n;
        }
    };

private Q_SLOTS:
    void initTestCase() {
        setUpTestApplication();
        Heard::listen();
    }

    void defaultPlot() {
        Plotting p;
        p.plot();
        GraphWindow& g = p.graph();
        QVERIFY(g.isShown());
        QCOMPARE(g.window().windowTitle(), QStringLiteral("Form1"));
        QCOMPARE(g.window().size(), QSize(545, 636));
        QCOMPARE(p.lines(), QStringList{kSlopeLine + "1"});
        const graphs::PlotState& st = g.plotState();
        QCOMPARE(st.kind, graphs::CurveKind::Affine);
        QCOMPARE(st.widthTwips, std::int16_t(7500));
        QCOMPARE(st.heightTwips, 7500.0f);
        QCOMPARE(st.scales->xScale, 500.0);
        QCOMPARE(st.scales->originY, 5000.0);
        // The diagonal in blue through the crossing, the axes and marks in black.
        QCOMPARE(p.at(2500, 5000), kBlue);
        QCOMPARE(p.at(4000, 3500), kBlue);
        QCOMPARE(p.at(1000, 5000), kBlack);
        QCOMPARE(p.at(2500, 1000), kBlack);
        QCOMPARE(p.at(6500, 5000 + 40), kBlack); // a mark's end
        QCOMPARE(p.at(6510, 4000), kWhite);
        // What the window shows is that drawing, also after being hidden and shown again.
        g.hide();
        g.show();
        const QImage shown = p.surface()->grab().toImage();
        const auto shownAt = [&](double x, double y) {
            const double dpr = shown.devicePixelRatio();
            return QColor(shown.pixel(int(x / 15 * dpr), int(y / 15 * dpr)));
        };
        QCOMPARE(shownAt(2500, 5000), kBlue);
        QCOMPARE(shownAt(1000, 5000), kBlack);
    }

    void slopeLineShowsTheBoxAsTyped() {
        Plotting p;
        p.box(Degree1Window::aBox)->setText(QStringLiteral("2,50"));
        p.box(Degree1Window::bBox)->clear();
        p.plot();
        QCOMPARE(p.lines(), QStringList{kSlopeLine + "2,50"});
        // Without b there is no curve, only the axes and marks.
        QCOMPARE(p.pixelsOf(kBlue), 0);
        QVERIFY(p.pixelsOf(kBlack) > 600);
    }

    void clickReadOuts_data() {
        QTest::addColumn<char>("sep");
        QTest::addColumn<QString>("a");
        QTest::addColumn<int>("X");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("dotY"); // -1: the point is off the drawing
        QTest::newRow("X = 3000") << ',' << "2" << 3000 << "x(antécédant) =  1   y(image) =  3" << 3500;
        QTest::newRow("left edge") << ',' << "2" << 0 << "x(antécédant) = -5   y(image) = -9" << -1;
        QTest::newRow("fractions with a point")
            << ',' << "0,5" << 2625 << "x(antécédant) =  0.25   y(image) =  1.125" << 4437;
        QTest::newRow("point settings")
            << '.' << "0.5" << 2625 << "x(antécédant) =  0.25   y(image) =  1.125" << 4437;
    }
    void clickReadOuts() {
        QFETCH(char, sep);
        QFETCH(QString, a);
        QFETCH(int, X);
        QFETCH(QString, line);
        QFETCH(int, dotY);
        Plotting p(sep);
        p.box(Degree1Window::aBox)->setText(a);
        p.box(Degree1Window::bBox)->setText(QStringLiteral("1"));
        p.plot();
        p.clickAt(X);
        p.clickAt(X, Qt::MiddleButton); // any button but the right one, which opens the menu
        QCOMPARE(p.lines(), (QStringList{kSlopeLine + a, line, line}));
        if (dotY >= 0) {
            QCOMPARE(p.at(X, dotY), kYellow);
            // A large dot: five pixels wide, ringed by one dark pixel on each side.
            QCOMPARE(p.at(X + 30, dotY), kYellow);
            QCOMPARE(p.at(X + 45, dotY), kMarkerRing);
            QCOMPARE(p.at(X - 45, dotY), kMarkerRing);
            QCOMPARE(p.at(X + 60, dotY) == kMarkerRing, false);
        } else {
            QCOMPARE(p.pixelsOf(kYellow), 0);
        }
        QCOMPARE(p.surface()->drawWidth(), 1);
    }

    // A read-out wider than the list is shown whole: the list scrolls sideways, and the line is its
    // own tooltip.
    void longReadOutsAreShownWhole() {
        Plotting p;
        p.box(Degree1Window::aBox)->setText(QStringLiteral("0,123456789012345"));
        p.box(Degree1Window::bBox)->setText(QStringLiteral("-9876543,21012345"));
        p.plot();
        // The click reads the ranges as they are now.
        p.box(Degree1Window::rangeBoxes[0])->setText(QStringLiteral("-0,333333333333333"));
        p.clickAt(3000);
        ListBox* list = p.list();
        QTRY_COMPARE(list->shownCount(), 2);
        const QString line = p.lines().last();
        QCOMPARE(QAccessible::queryAccessibleInterface(list)->child(1)->text(QAccessible::Name), line);
        QVERIFY(list->fontMetrics().horizontalAdvance(line) > list->viewport()->width());
        QVERIFY(list->rowRect(1).width() >= list->fontMetrics().horizontalAdvance(line));
        QVERIFY(list->horizontalScrollBar()->maximum() > 0);
    }

    void clickUsesTheBoxesAsTheyAreNow() {
        Plotting p;
        p.box(Degree1Window::aBox)->setText(QStringLiteral("2"));
        p.box(Degree1Window::bBox)->setText(QStringLiteral("1"));
        p.plot();
        p.box(Degree1Window::aBox)->setText(QStringLiteral("3"));
        p.clickAt(3000);
        QCOMPARE(p.lines().last(), QStringLiteral("x(antécédant) =  1   y(image) =  4"));
        QCOMPARE(p.at(3000, 3000), kYellow); // on the new function's graph, off the drawn curve
        // A box emptied since the plot: the click does nothing.
        for (const ui::Ref<TextBox>& ref : {Degree1Window::aBox, Degree1Window::rangeBoxes[0]}) {
            const QString kept = p.box(ref)->text();
            p.box(ref)->clear();
            p.clickAt(3000);
            QCOMPARE(p.lines().size(), 2);
            p.box(ref)->setText(kept);
        }
        // An image beyond any double: ignored.
        p.box(Degree1Window::aBox)->setText(QStringLiteral("1e308"));
        p.box(Degree1Window::bBox)->setText(QStringLiteral("1e308"));
        p.clickAt(7000);
        QCOMPARE(p.lines().size(), 2);
        QCOMPARE(p.surface()->drawWidth(), 1);
    }

    void clickAfterThePlottingWindowClosedIsIgnored() {
        Plotting p;
        p.plot();
        p.eq.closeByPupil();
        p.clickAt(3000);
        p.eq.show(); // a fresh window, not the one that plotted
        p.clickAt(3000);
        QCOMPARE(p.lines().size(), 1);
        QCOMPARE(p.pixelsOf(kYellow), 0);
    }

    void eachPlotStartsAfresh() {
        Plotting p;
        p.plot();
        p.clickAt(3000);
        p.clickAt(4000);
        QCOMPARE(p.lines().size(), 3);
        QVERIFY(p.pixelsOf(kYellow) > 0);
        p.plot();
        QCOMPARE(p.lines(), QStringList{kSlopeLine + "1"});
        QCOMPARE(p.pixelsOf(kYellow), 0);
        // The graph window closed and plotted into again: built afresh, then drawn.
        p.graph().closeByPupil();
        p.plot();
        QVERIFY(p.graph().isShown());
        QCOMPARE(p.at(2500, 5000), kBlue);
        QCOMPARE(p.lines().size(), 1);
    }

    void rangesThatGiveNoDrawing_data() {
        QTest::addColumn<QStringList>("ranges");
        QTest::newRow("x minimum not a number") << QStringList{"abc", "10", "-5", "10"};
        QTest::newRow("y maximum empty") << QStringList{"-5", "10", "-5", ""};
        QTest::newRow("x range of no width") << QStringList{"3", "3", "-5", "10"};
        QTest::newRow("y range of no width") << QStringList{"-5", "10", "2,5", "2,5"};
        QTest::newRow("x range wider than any number") << QStringList{"-1e308", "1e308", "-5", "10"};
    }
    void rangesThatGiveNoDrawing() {
        QFETCH(QStringList, ranges);
        Plotting p;
        p.plot();
        p.clickAt(3000);
        p.setRanges(ranges);
        p.plot();
        QVERIFY(p.graph().isShown());
        QCOMPARE(p.pixelsOf(kWhite), p.surface()->image().width() * p.surface()->image().height());
        QCOMPARE(p.lines(), QStringList{kSlopeLine + "1"});
        p.clickAt(3000);
        QCOMPARE(p.lines().size(), 1);
        QCOMPARE(p.pixelsOf(kWhite), p.surface()->image().width() * p.surface()->image().height());
    }

    void anyRangePlotsQuickly_data() {
        QTest::addColumn<QStringList>("ranges");
        QTest::newRow("-1e9 to 1e9") << QStringList{"-1e9", "1e9", "-1e9", "1e9"};
        QTest::newRow("-1e300 to 1e300") << QStringList{"-1e300", "1e300", "-1e300", "1e300"};
        QTest::newRow("huge origin") << QStringList{"1e17", "100000000000000016", "-1", "1"};
    }
    void anyRangePlotsQuickly() {
        QFETCH(QStringList, ranges);
        Plotting p;
        p.setRanges(ranges);
        QElapsedTimer timer;
        timer.start();
        p.plot();
        QVERIFY2(timer.elapsed() < 100, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(p.graph().isShown());
    }

    // The read-out without a mouse: the plot button pressed with the keyboard, Tab onto the drawing,
    // the arrows move a cursor along x (a quarter of a step with Shift, Home and End to the edges),
    // Enter reads the point under it as a click there does.
    void keyboardReadOut() {
        Plotting p;
        p.box(Degree1Window::aBox)->setText(QStringLiteral("2"));
        p.box(Degree1Window::bBox)->setText(QStringLiteral("1"));
        QTest::keyClick(control(p.eq, Degree1Window::plotButton), Qt::Key_Space);
        GraphWindow& g = p.graph();
        QVERIFY(g.isShown());
        g.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&g.window()));
        const auto press = [](Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            QTest::keyClick(focus, key, mods);
        };
        // Tab walks the drawing and the list of points read.
        press(Qt::Key_Tab);
        if (QApplication::focusWidget() != p.surface())
            press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), p.surface());
        QVERIFY(KeyboardAccess::of(p.surface())->ringShown());

        // The drawing says what it shows; each move of the cursor says where it stands, with the
        // point of the curve there, while the drawing keeps its name.
        QAccessibleInterface* drawing = QAccessible::queryAccessibleInterface(p.surface());
        QCOMPARE(drawing->text(QAccessible::Description),
                 QStringLiteral("Courbe de f(x) = 2x + 1 ; x de -5 à 10, y de -5 à 10."));
        heardFrom(g);
        press(Qt::Key_Right);
        QVERIFY(g.cursorShown());
        QCOMPARE(g.cursorX(), std::optional<double>(3000));
        QCOMPARE(heardFrom(g), QStringList{"x = 1 ; y = 3"});
        QCOMPARE(drawing->text(QAccessible::Name), QStringLiteral("Courbe"));

        // The cursor is seen on the curve, over the drawing and not in it.
        const QImage before = p.surface()->image();
        const QImage shown = p.surface()->grab().toImage();
        const double dpr = shown.devicePixelRatio();
        const auto shownAt = [&](double x, double y) {
            return QColor(shown.pixel(int(x / 15 * dpr), int(y / 15 * dpr)));
        };
        const auto isMarker = [](QColor c) { return c.red() > 150 && c.green() < 60 && c.blue() < 60; };
        // A ring round the point (1, 3): marker pixels around it, none far off the line elsewhere.
        int ring = 0;
        for (int dy = -150; dy <= 150; dy += 15)
            for (int dx = -150; dx <= 150; dx += 15)
                ring += std::abs(dx) > 30 && isMarker(shownAt(3000 + dx, 3500 + dy));
        QVERIFY2(ring > 8, qPrintable(QString::number(ring)));
        QVERIFY(!isMarker(shownAt(3000 + 150, 1000)));
        // A dashed line down the whole height at x = 1.
        int lineDots = 0;
        for (int y = 0; y < 7500; y += 15)
            lineDots += isMarker(shownAt(3000, y));
        QVERIFY2(lineDots > 150, qPrintable(QString::number(lineDots)));
        QCOMPARE(p.at(3000, 3500 - 7 * 15), kWhite);

        press(Qt::Key_Return);
        QCOMPARE(p.lines().last(), QStringLiteral("x(antécédant) =  1   y(image) =  3"));
        QCOMPARE(heardFrom(g), QStringList{"Point lu : x = 1 ; y = 3"});
        QCOMPARE(p.at(3000, 3500), kYellow);
        QVERIFY(p.surface()->image() != before);

        const QList<std::tuple<Qt::Key, Qt::KeyboardModifiers, QString>> moves = {
            {Qt::Key_Left, Qt::NoModifier, "x(antécédant) =  0   y(image) =  1"},
            {Qt::Key_Left, Qt::NoModifier, "x(antécédant) = -1   y(image) = -1"},
            {Qt::Key_Right, Qt::ShiftModifier, "x(antécédant) = -0.75   y(image) = -0.5"},
            {Qt::Key_Right, Qt::NoModifier, "x(antécédant) =  0   y(image) =  1"},
            {Qt::Key_Home, Qt::NoModifier, "x(antécédant) = -5   y(image) = -9"},
            {Qt::Key_Left, Qt::NoModifier, "x(antécédant) = -5   y(image) = -9"},
            {Qt::Key_End, Qt::NoModifier, "x(antécédant) =  10   y(image) =  21"},
            {Qt::Key_Right, Qt::ShiftModifier, "x(antécédant) =  10   y(image) =  21"},
        };
        for (const auto& [key, mods, line] : moves) {
            press(key, mods);
            press(Qt::Key_Space);
            QCOMPARE(p.lines().last(), line);
        }
        // Tab leaves the drawing for the list of points read, Shift+Tab comes back.
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), p.list());
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), p.surface());
        // Leaving the drawing takes the cursor away; the next plot puts it back at x = 0.
        p.surface()->clearFocus();
        QVERIFY(!g.cursorShown());
        QCOMPARE(drawing->text(QAccessible::Name), QStringLiteral("Courbe"));
        p.plot();
        QCOMPARE(g.cursorX(), std::optional<double>(2500));
    }

    // The drawing's description follows each plot: the curve, or what keeps it from being drawn.
    void drawingDescription_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QStringList>("ranges");
        QTest::addColumn<QString>("description");
        const QStringList standard{"-5", "10", "-5", "10"};
        QTest::newRow("slope -1, no constant")
            << "-1"
            << "0" << standard << "Courbe de f(x) = -x ; x de -5 à 10, y de -5 à 10.";
        QTest::newRow("decimal comma") << "0,5"
                                       << "-3" << QStringList{"-2,5", "2,5", "-1", "1"}
                                       << "Courbe de f(x) = 0,5x - 3 ; x de -2,5 à 2,5, y de -1 à 1.";
        QTest::newRow("b missing")
            << "1"
            << "" << standard
            << "Axes sans courbe, les coefficients ne sont pas tous des nombres ; x de "
               "-5 à 10, y de -5 à 10.";
        QTest::newRow("empty x range")
            << "1"
            << "0" << QStringList{"3", "3", "-5", "10"}
            << "Aucun dessin : les bornes de x et de y ne permettent pas de tracer.";
    }
    void drawingDescription() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QStringList, ranges);
        QFETCH(QString, description);
        Plotting p;
        p.box(Degree1Window::aBox)->setText(a);
        p.box(Degree1Window::bBox)->setText(b);
        p.setRanges(ranges);
        p.plot();
        QCOMPARE(QAccessible::queryAccessibleInterface(p.surface())->text(QAccessible::Description),
                 description);
        // Without a drawing the keys do nothing.
        p.graph().moveCursor(+1, false);
        p.graph().readAtCursor();
        if (description.startsWith(QStringLiteral("Aucun"))) {
            QVERIFY(!p.graph().cursorX());
            QCOMPARE(p.lines().size(), 1);
        }
    }

    void doubleClickOnTheBackgroundPicksItsColour() {
        Plotting p;
        p.plot();
        GraphWindow& g = p.graph();
        QWidget* client = g.window().client();
        const QColor initial = g.window().client()->backColor();
        QCOMPARE(initial, QApplication::palette().color(QPalette::ButtonText));
        const QPoint background(8000 / 15, 9000 / 15);
        QCOMPARE(client->childAt(background), nullptr);
        // Cancelled the first time: the chooser's initial colour, the background's own.
        QTest::mouseDClick(client, Qt::LeftButton, {}, background);
        QCOMPARE(int(p.tp.dialogs.shown.size()), 1);
        QCOMPARE(client->property("backColor").isValid(), false);
        QCOMPARE(g.window().client()->backColor(), initial);
        p.tp.dialogs.colorAnswers.push_back(QColor(200, 30, 30));
        QTest::mouseDClick(client, Qt::LeftButton, {}, background);
        QCOMPARE(g.window().client()->backColor(), QColor(200, 30, 30));
        // Cancelled later: the colour the chooser held, the previous choice.
        QTest::mouseDClick(client, Qt::LeftButton, {}, background);
        QCOMPARE(g.window().client()->backColor(), QColor(200, 30, 30));
        QCOMPARE(int(p.tp.dialogs.shown.size()), 3);
        // Double-clicks on the drawing or the list open nothing.
        QTest::mouseDClick(p.surface(), Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(int(p.tp.dialogs.shown.size()), 3);
        QTest::mouseDClick(p.list()->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(int(p.tp.dialogs.shown.size()), 3);
        // Closing the window forgets the colour.
        g.closeByPupil();
        p.plot();
        QCOMPARE(g.window().client()->backColor(), initial);
    }
};

QTEST_MAIN(TestGraphWindow)
#include "tst_graph_window.moc"
