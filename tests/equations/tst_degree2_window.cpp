// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "equations/degree2_window.h"
#include "graphs/graph_window.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/decorations.h"
#include "shell/toolkit/drawing_surface.h"
#include "shell/toolkit/list_box.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <array>

using namespace ui;

namespace {

// Example texts are written with a comma; under the point separator every comma becomes a point.
QString withSeparator(QString s, char sep) {
    if (sep == '.')
        s.replace(u',', u'.');
    return s;
}

using Ends = std::array<int, 4>; // X1, Y1, X2, Y2 in twips

} // namespace

using W = Degree2Window;

class TestEqD2 : public QObject {
    Q_OBJECT

    struct Window : ShownForm<Degree2Window> {
        char sep;
        explicit Window(char separator = ',')
            : ShownForm(separator)
            , sep(separator) {}
        QLineEdit* box(const ui::Ref<TextBox>& ref) { return control(form, ref); }
        QString caption(const ui::Ref<Label>& ref) { return control(form, ref)->caption(); }
        // A caption no handler writes, found by its object name.
        QString caption(const char* name) { return control<Label>(form, name)->caption(); }
        template <class T> bool shown(const ui::Ref<T>& ref) {
            return control(form, ref)->isVisibleTo(&form.window());
        }
        Ends ends(const ui::Ref<Line>& ref) {
            const Line* l = control(form, ref);
            return {l->x1(), l->y1(), l->x2(), l->y2()};
        }
        // Replaces the text of a box as the pupil would: empties it, then types key by key. A number
        // in exponent form is pasted in one piece, since the filter refuses its beginning «1e».
        void type(const ui::Ref<TextBox>& ref, const QString& text) {
            QLineEdit* b = box(ref);
            b->clear();
            if (text.contains(u'e'))
                b->setText(text);
            else
                typeInto(b, withSeparator(text, sep));
        }
        void coefficients(const QString& a, const QString& b, const QString& c, const QString& k = "0") {
            type(W::aBox, a);
            type(W::bBox, b);
            type(W::cBox, c);
            type(W::kBox, k);
        }
        // Only a visible button can be pressed.
        void press(const ui::Ref<Button>& ref) {
            if (shown(ref))
                QTest::mouseClick(control(form, ref), Qt::LeftButton);
        }
        void solve() {
            press(W::discriminantButton);
            press(W::solutionsButton);
            press(W::factoriseButton);
        }
        QString expected(const QString& s) const { return withSeparator(s, sep); }
    };

    static std::vector<char> separators(const QString& which) {
        return which == "both" ? std::vector<char>{',', '.'} : std::vector<char>{'.'};
    }

private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    // The three steps pressed in order. A result written with a comma is checked under both
    // separators; fractional coefficients are pasted in exponent form, which the signed-number
    // filter lets through under either separator.
    void solverSteps_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("k");
        QTest::addColumn<QString>("delta");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("secondShown");
        QTest::addColumn<QString>("factorised");
        // clang-format off
        QTest::newRow("two solutions") << "1" << "-3" << "2" << "0" << "1" << "2" << "1" << true << "1( x -2)( x -1)";
        QTest::newRow("double solution") << "1" << "2" << "1" << "0" << "0" << "-1" << "-1" << false << "1( x +1)( x +1)";
        QTest::newRow("rounded roots") << "1" << "0" << "-2" << "0" << "8" << "1,41" << "-1,41" << true << "1( x -1,41)( x +1,41)";
        QTest::newRow("complex") << "1" << "2" << "5" << "0" << "-16" << "-1 - i* 2" << "-1 + i* 2" << true << "1( x --1 - i* 2)( x --1 + i* 2)";
        QTest::newRow("x2 + 1") << "1" << "0" << "1" << "0" << "-4" << "0 - i* 1" << "0 + i* 1" << true << "1( x -0 - i* 1)( x -0 + i* 1)";
        QTest::newRow("complex, fractional parts") << "2" << "1" << "1" << "0" << "-7" << "-0,25 - i* 0,66" << "-0,25 + i* 0,66" << true << "2( x --0,25 - i* 0,66)( x --0,25 + i* 0,66)";
        QTest::newRow("negative a, complex") << "-1" << "0" << "-1" << "0" << "-4" << "0 - i* -1" << "0 + i* -1" << true << "-1( x -0 - i* -1)( x -0 + i* -1)";
        QTest::newRow("right-hand side") << "1" << "0" << "0" << "4" << "16" << "2" << "-2" << true << "1( x -2)( x +2)";
        QTest::newRow("fractional right-hand side") << "1" << "0" << "0" << "0,25" << "1" << "0,5" << "-0,5" << true << "1( x -0,5)( x +0,5)";
        QTest::newRow("both solutions negative") << "1" << "5" << "6" << "0" << "1" << "-2" << "-3" << true << "1( x +2)( x +3)";
        QTest::newRow("negative a, two solutions") << "-2" << "0" << "8" << "0" << "64" << "-2" << "2" << true << "-2( x +2)( x -2)";
        QTest::newRow("fractional roots") << "3" << "1" << "-1" << "0" << "13" << "0,43" << "-0,77" << true << "3( x -0,43)( x +0,77)";
        QTest::newRow("roots on a tie go to even") << "64" << "-48" << "5" << "0" << "1024" << "0,62" << "0,12" << true << "64( x -0,62)( x -0,12)";
        QTest::newRow("small discriminant keeps its digits") << "1" << "1e-1" << "24e-4" << "0" << "0,0004" << "-0,04" << "-0,06" << true << "1( x +0,04)( x +0,06)";
        QTest::newRow("fractional discriminant") << "1" << "0" << "0" << "-0,3" << "-1,2" << "0 - i* 0,55" << "0 + i* 0,55" << true << "1( x -0 - i* 0,55)( x -0 + i* 0,55)";
        QTest::newRow("a typed as 01") << "01" << "-3" << "2" << "0" << "1" << "2" << "1" << true << "01( x -2)( x -1)";
        QTest::newRow("a solution is 0") << "1" << "-1" << "0" << "0" << "1" << "1" << "0" << true << "";
        // Every division by 2a fails: no solution is written, and the factorisation copies the
        // empty solutions as they stand.
        QTest::newRow("a = 0") << "0" << "2" << "1" << "0" << "4" << "" << "" << true << "0( x -)( x -)";
        QTest::newRow("a = 0, b = 0") << "0" << "0" << "1" << "0" << "0" << "" << "" << false << "0( x -)( x -)";
        QTest::newRow("a empty") << "" << "2" << "1" << "0" << "" << "" << "" << false << "( x -)( x -)";
        QTest::newRow("a is a lone minus") << "-" << "2" << "1" << "0" << "" << "" << "" << false << "-( x -)( x -)";
        // clang-format on
    }
    void solverSteps() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        QFETCH(QString, k);
        QFETCH(QString, delta);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, secondShown);
        QFETCH(QString, factorised);
        for (char sep : {',', '.'}) {
            Window w(sep);
            w.coefficients(a, b, c, k);
            QCOMPARE(w.box(W::aBox)->text(), a);
            w.press(W::discriminantButton);
            QCOMPARE(w.caption(W::discriminantLabel), w.expected(delta));
            QVERIFY(w.shown(W::solutionsButton));
            QVERIFY(!w.shown(W::factoriseButton));
            w.press(W::solutionsButton);
            QCOMPARE(w.caption(W::firstSolutionLabel), w.expected(first));
            QCOMPARE(w.caption(W::secondSolutionLabel), w.expected(second));
            QCOMPARE(w.shown(W::secondSolutionLabel), secondShown);
            QVERIFY(w.shown(W::factoriseButton));
            w.press(W::factoriseButton);
            QCOMPARE(w.caption(W::factorisationLabel), w.expected(factorised));
            QVERIFY(w.tp.dialogs.shown.empty());
        }
    }

    void zeroSolutionLeavesTheFactorisationAlone() {
        for (char sep : {',', '.'}) {
            Window w(sep);
            // k is not filtered, and changing it keeps the solver's results.
            w.coefficients("1", "-1", "0", "2");
            w.solve();
            QCOMPARE(w.caption(W::factorisationLabel), QStringLiteral("1( x -2)( x +1)"));
            w.type(W::kBox, "0");
            w.solve();
            QCOMPARE(w.caption(W::firstSolutionLabel), QStringLiteral("1"));
            QCOMPARE(w.caption(W::secondSolutionLabel), QStringLiteral("0"));
            QCOMPARE(w.caption(W::factorisationLabel), QStringLiteral("1( x -2)( x +1)"));
        }
    }

    // c - k is remembered from the last press that could compute it.
    void constantTermFromTheLastSuccessfulPress() {
        Window w;
        w.coefficients("1", "-3", "", "0");
        w.press(W::discriminantButton);
        QCOMPARE(w.caption(W::discriminantLabel), QString()); // no c - k computed yet
        w.type(W::cBox, "2");
        w.press(W::discriminantButton);
        QCOMPARE(w.caption(W::discriminantLabel), QStringLiteral("1"));
        w.type(W::cBox, "");
        w.press(W::discriminantButton);
        QCOMPARE(w.caption(W::discriminantLabel), QStringLiteral("1"));
        w.press(W::solutionsButton);
        QCOMPARE(w.caption(W::firstSolutionLabel), QStringLiteral("2"));
        QCOMPARE(w.caption(W::secondSolutionLabel), QStringLiteral("1"));
        // A right-hand side that is not a number is no better.
        w.type(W::cBox, "-6");
        w.type(W::kBox, "abc");
        w.press(W::discriminantButton);
        QCOMPARE(w.caption(W::discriminantLabel), QStringLiteral("1"));
        w.type(W::kBox, "-7");
        w.press(W::discriminantButton);
        QCOMPARE(w.caption(W::discriminantLabel), QStringLiteral("5"));
    }

    // Solutions uses the coefficients as they are at its press, but the discriminant as shown.
    void solutionsReadTheDiscriminantShown() {
        Window w;
        w.coefficients("1", "-3", "2", "0");
        w.press(W::discriminantButton);
        w.type(W::kBox, "2"); // x² - 3x = 0 would give Δ = 9
        w.press(W::solutionsButton);
        QCOMPARE(w.caption(W::firstSolutionLabel), QStringLiteral("2"));
        w.press(W::discriminantButton);
        QCOMPARE(w.caption(W::discriminantLabel), QStringLiteral("9"));
        w.press(W::solutionsButton);
        QCOMPARE(w.caption(W::firstSolutionLabel), QStringLiteral("3"));
        QCOMPARE(w.caption(W::secondSolutionLabel), QStringLiteral("0"));
    }

    // The largest discriminant is shown rounded past the largest double, and read back as it.
    void largestDiscriminantReadsBack() {
        Window w;
        w.coefficients("1", "13407807929942596e+138", "0", "0");
        w.press(W::discriminantButton);
        QCOMPARE(w.caption(W::discriminantLabel), QStringLiteral("1,79769313486232E+308"));
        w.press(W::solutionsButton);
        QCOMPARE(w.caption(W::firstSolutionLabel), QStringLiteral("0"));
        QCOMPARE(w.caption(W::secondSolutionLabel), QStringLiteral("-1,34078079299426E+154"));
    }

    // A pasted text of megabytes keeps its first 32 767 characters, which the filter judges; the
    // steps then read a box of bounded length and answer at once.
    void hugePasteKeepsItsBeginning() {
        Window w;
        w.coefficients("1", "-3", "2", "0");
        QGuiApplication::clipboard()->setText(QString(10'000'000, QLatin1Char('0')) + QStringLiteral("5"));
        QElapsedTimer timer;
        timer.start();
        QLineEdit* c = w.box(W::cBox);
        c->selectAll();
        QTest::keyClick(c, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(c->text(), QString(TextBox::kMaxLength, QLatin1Char('0')));
        w.solve();
        QCOMPARE(w.caption(W::discriminantLabel), QStringLiteral("9"));
        QCOMPARE(w.caption(W::firstSolutionLabel), QStringLiteral("3"));
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(w.tp.dialogs.shown.empty());
    }

    void visibilityOfTheSolverSteps() {
        Window w;
        QVERIFY(!w.shown(W::solutionsButton));
        QVERIFY(!w.shown(W::factoriseButton));
        QVERIFY(w.shown(W::secondSolutionLabel));
        w.coefficients("1", "2", "1");
        w.solve();
        QCOMPARE(w.caption(W::factorisationLabel), QStringLiteral("1( x +1)( x +1)"));
        QVERIFY(!w.shown(W::secondSolutionLabel));
        w.press(W::computeButton);
        w.press(W::variationButton);
        const QString value = w.caption(W::valueAndRangeLabels[0]);
        const QString vertex = w.caption(W::vertexLabel);
        QCOMPARE(vertex, QStringLiteral("-1"));
        const Ends arrow = w.ends(W::firstArrow);

        // k changes nothing the solver shows.
        w.type(W::kBox, "7");
        QVERIFY(!w.shown(W::secondSolutionLabel));
        QVERIFY(w.shown(W::factoriseButton));
        QCOMPARE(w.caption(W::firstSolutionLabel), QStringLiteral("-1"));
        QCOMPARE(w.caption(W::factorisationLabel), QStringLiteral("1( x +1)( x +1)"));

        // A coefficient or x0 does: everything is cleared, but not f(x0) nor the table.
        for (const auto* edited : {&W::aBox, &W::bBox, &W::cBox, &W::x0Box}) {
            w.type(W::aBox, "1");
            w.solve();
            QVERIFY(w.shown(W::factoriseButton));
            QTest::keyClicks(w.box(*edited), QStringLiteral("1"));
            for (const auto* l : {&W::discriminantLabel, &W::firstSolutionLabel, &W::secondSolutionLabel,
                                  &W::factorisationLabel})
                QCOMPARE(w.caption(*l), QString());
            QVERIFY(w.shown(W::secondSolutionLabel));
            QVERIFY(!w.shown(W::solutionsButton));
            QVERIFY(!w.shown(W::factoriseButton));
            QCOMPARE(w.caption(W::valueAndRangeLabels[0]), value);
            QCOMPARE(w.caption(W::vertexLabel), vertex);
            QCOMPARE(w.ends(W::firstArrow), arrow);
        }
        QVERIFY(w.tp.dialogs.shown.empty());
    }

    void rejectedTextEmptiesTheBox() {
        Window w;
        w.coefficients("1", "-3", "2");
        w.solve();
        QTest::keyClicks(w.box(W::bBox), QStringLiteral("x"));
        QCOMPARE(w.box(W::bBox)->text(), QString());
        QCOMPARE(int(w.tp.dialogs.shown.size()), 1);
        QCOMPARE(w.tp.dialogs.shown[0].text, QStringLiteral("il est impossible de rentrer ce nombre"));
        QCOMPARE(w.tp.dialogs.shown[0].title, QStringLiteral("NON NON NON"));
        QCOMPARE(w.caption(W::discriminantLabel), QString());
        QVERIFY(!w.shown(W::solutionsButton));
        // A decimal comma is typed as the pupil writes it, and the exponent form passes too.
        w.type(W::x0Box, "0,5");
        QCOMPARE(w.box(W::x0Box)->text(), QStringLiteral("0,5"));
        w.type(W::x0Box, "5e-1");
        QCOMPARE(w.box(W::x0Box)->text(), QStringLiteral("5e-1"));
        QCOMPARE(int(w.tp.dialogs.shown.size()), 1);
    }

    // An access key presses its button the way a click does, after the button's short press animation.
    void accessKeys() {
        Window w;
        w.form.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form.window()));
        w.coefficients("1", "-3", "2");
        const auto alt = [&](Qt::Key key) { QTest::keyClick(&w.form.window(), key, Qt::AltModifier); };
        alt(Qt::Key_F); // hidden buttons take no key
        alt(Qt::Key_S);
        QTest::qWait(300);
        QCOMPARE(w.caption(W::firstSolutionLabel), QString());
        QCOMPARE(w.caption(W::factorisationLabel), QString());
        alt(Qt::Key_D);
        QTRY_COMPARE(w.caption(W::discriminantLabel), QStringLiteral("1"));
        alt(Qt::Key_S);
        QTRY_COMPARE(w.caption(W::firstSolutionLabel), QStringLiteral("2"));
        alt(Qt::Key_F);
        QTRY_COMPARE(w.caption(W::factorisationLabel), QStringLiteral("1( x -2)( x -1)"));
    }

    void valueAtX0_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("x0");
        QTest::addColumn<QString>("value"); // "unchanged": the label keeps "prior"
        QTest::newRow("root") << "1"
                              << "-3"
                              << "2"
                              << "2"
                              << "0";
        QTest::newRow("a = 0 is allowed") << "0"
                                          << "2"
                                          << "1"
                                          << "3"
                                          << "7";
        QTest::newRow("fractional x0") << "1"
                                       << "0"
                                       << "0"
                                       << "5e-1"
                                       << "0,25";
        QTest::newRow("not rounded") << "1"
                                     << "0"
                                     << "0"
                                     << "1e-2"
                                     << "0,0001";
        QTest::newRow("x0 a lone minus") << "1"
                                         << "0"
                                         << "0"
                                         << "-"
                                         << "unchanged";
        QTest::newRow("c empty") << "1"
                                 << "0"
                                 << ""
                                 << "1"
                                 << "unchanged";
        QTest::newRow("beyond the doubles") << "1e300"
                                            << "0"
                                            << "0"
                                            << "1e300"
                                            << "unchanged";
    }
    void valueAtX0() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        QFETCH(QString, x0);
        QFETCH(QString, value);
        for (char sep : {',', '.'}) {
            Window w(sep);
            w.coefficients("1", "1", "1");
            w.type(W::x0Box, "1");
            w.press(W::computeButton);
            QCOMPARE(w.caption(W::valueAndRangeLabels[0]), QStringLiteral("3"));
            w.coefficients(a, b, c);
            w.type(W::x0Box, x0);
            w.press(W::computeButton);
            QCOMPARE(w.caption(W::valueAndRangeLabels[0]),
                     value == "unchanged" ? QStringLiteral("3") : w.expected(value));
        }
    }

    void tableOfVariation_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("arrows"); // "down-up", "up-down" or "unchanged"
        QTest::addColumn<QString>("vertex"); // "unchanged": keeps the text of the press before
        QTest::newRow("a > 0") << "1"
                               << "-2"
                               << "0"
                               << "down-up"
                               << "1";
        QTest::newRow("a < 0") << "-1"
                               << "2"
                               << "0"
                               << "up-down"
                               << "1";
        QTest::newRow("a = 2, b = 1") << "2"
                                      << "1"
                                      << "0"
                                      << "down-up"
                                      << "-0,25";
        QTest::newRow("quotient not rounded") << "4"
                                              << "1"
                                              << "0"
                                              << "down-up"
                                              << "-0,125";
        QTest::newRow("a = 0") << "0"
                               << "1"
                               << "0"
                               << "unchanged"
                               << "unchanged";
        QTest::newRow("a empty") << ""
                                 << "1"
                                 << "0"
                                 << "down-up"
                                 << "unchanged";
        QTest::newRow("a a lone minus") << "-"
                                        << "1"
                                        << "0"
                                        << "down-up"
                                        << "unchanged";
        QTest::newRow("b empty") << "1"
                                 << ""
                                 << "0"
                                 << "unchanged"
                                 << "unchanged";
        QTest::newRow("c empty") << "1"
                                 << "1"
                                 << ""
                                 << "unchanged"
                                 << "unchanged";
        QTest::newRow("b a lone minus") << "1"
                                        << "-"
                                        << "0"
                                        << "down-up"
                                        << "unchanged";
    }
    void tableOfVariation() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        QFETCH(QString, arrows);
        QFETCH(QString, vertex);
        const Ends downUp1{2640, 4800, 4320, 6240}, downUp2{4560, 6240, 6480, 4800};
        const Ends upDown1{2640, 6240, 4320, 4800}, upDown2{4560, 4800, 6480, 6240};
        for (char sep : {',', '.'}) {
            Window w(sep);
            // The two separators stand until a press gets past the test.
            QCOMPARE(w.ends(W::firstArrow), (Ends{7560, 720, 0, 720}));
            QCOMPARE(w.ends(W::secondArrow), (Ends{7560, 1440, 0, 1440}));
            w.coefficients(a, b, c);
            w.press(W::variationButton);
            if (arrows == "unchanged") {
                QCOMPARE(w.ends(W::firstArrow), (Ends{7560, 720, 0, 720}));
                QCOMPARE(w.ends(W::secondArrow), (Ends{7560, 1440, 0, 1440}));
            }
            // From the other arrangement, with a vertex already shown.
            w.coefficients("-1", "6", "0");
            w.press(W::variationButton);
            QCOMPARE(w.ends(W::firstArrow), upDown1);
            QCOMPARE(w.ends(W::secondArrow), upDown2);
            QCOMPARE(w.caption(W::vertexLabel), QStringLiteral("3"));
            w.coefficients(a, b, c);
            w.press(W::variationButton);
            const bool down = arrows == "down-up";
            QCOMPARE(w.ends(W::firstArrow), down ? downUp1 : upDown1);
            QCOMPARE(w.ends(W::secondArrow), down ? downUp2 : upDown2);
            QCOMPARE(w.caption(W::vertexLabel),
                     vertex == "unchanged" ? QStringLiteral("3") : w.expected(vertex));
        }
    }

    // "Tracé" draws a x² + b x + c from this window's boxes; k plays no part.
    void plotsTheTrinomial() {
        Window w;
        w.coefficients("1", "0", "0", "0");
        w.press(W::plotButton);
        GraphWindow& graph = w.tp->get<GraphWindow>();
        QVERIFY(graph.isShown());
        QCOMPARE(graph.plotState().kind, graphs::CurveKind::Trinomial);
        QCOMPARE(graph.plotSource(), static_cast<PlotSource*>(&w.form));
        const auto picture = [&] { return control(graph, GraphWindow::drawing)->image(); };
        const QImage parabola = picture();
        int curveDots = 0;
        for (int y = 0; y < parabola.height(); ++y)
            for (int x = 0; x < parabola.width(); ++x)
                curveDots += parabola.pixelColor(x, y) == QColor(0, 0, 255);
        QVERIFY(curveDots > 50);
        w.type(W::kBox, "7");
        w.press(W::plotButton);
        QCOMPARE(picture(), parabola);
        // A click reads the point of the parabola: x = 1 gives 1, the dot where the curve passes.
        QTest::mouseClick(control(graph, GraphWindow::drawing), Qt::LeftButton, {}, QPoint(3000 / 15, 100));
        ListBox* list = control(graph, GraphWindow::readOuts);
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0), QStringLiteral("x(antécédant) =  1   y(image) =  1"));
        QCOMPARE(control(graph, GraphWindow::drawing)->point(3000, 4500), QColor(255, 255, 0));
        // Without c the click reads nothing.
        w.type(W::cBox, "");
        QTest::mouseClick(control(graph, GraphWindow::drawing), Qt::LeftButton, {}, QPoint(3000 / 15, 100));
        QCOMPARE(list->count(), 1);
        w.type(W::cBox, "3");
        w.press(W::plotButton);
        QVERIFY(picture() != parabola);
    }

    void closingStartsAfresh() {
        Window w;
        w.coefficients("1", "2", "1", "5");
        w.solve();
        w.press(W::variationButton);
        w.form.closeByPupil();
        w.form.show();
        QCOMPARE(w.box(W::aBox)->text(), QStringLiteral("1"));
        QCOMPARE(w.box(W::kBox)->text(), QStringLiteral("0"));
        QCOMPARE(w.caption(W::factorisationLabel), QString());
        QVERIFY(!w.shown(W::solutionsButton));
        QVERIFY(!w.shown(W::factoriseButton));
        QVERIFY(w.shown(W::secondSolutionLabel));
        QCOMPARE(w.ends(W::firstArrow), (Ends{7560, 720, 0, 720}));
        // Hiding keeps everything.
        w.solve();
        w.form.hide();
        w.form.show();
        QCOMPARE(w.caption(W::discriminantLabel), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestEqD2)
#include "tst_degree2_window.moc"
