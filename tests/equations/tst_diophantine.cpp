// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/rules/diophantine.h"

#include <QTest>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <optional>

using numbers::NumberFormat;

namespace diophantine = equations::diophantine;
using diophantine::Boxes;
using diophantine::Particular;
using diophantine::View;

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Every field of a view on one line, so that a failed comparison shows what differs.
QString describe(const View& v) {
    const auto flag = [](bool shown) { return shown ? QStringLiteral("shown") : QStringLiteral("hidden"); };
    return QStringLiteral(
               "x0=%1 y0=%2 | x = %3 %4 %5 | y = %6 %7 %8 | Command1 %9, xy lines %10, Command2 %11, "
               "general lines %12")
        .arg(q(v.x0), q(v.y0), q(v.generalB), q(v.xMultiplier), q(v.generalX0), q(v.minusA), q(v.yMultiplier),
             q(v.generalY0), flag(v.particularShown))
        .arg(flag(v.particularLinesShown), flag(v.generalShown), flag(v.generalLinesShown));
}

// The window showing the whole answer for an earlier equation, 1·x + 1·y = 15.
View earlierAnswer() {
    View v;
    v.x0 = "7";
    v.y0 = "8";
    v.generalB = "1";
    v.generalX0 = "7";
    v.minusA = "-1";
    v.generalY0 = "8";
    v.xMultiplier = "*k +";
    v.yMultiplier = "*k +";
    v.particularShown = v.particularLinesShown = v.generalShown = v.generalLinesShown = true;
    return v;
}

// A row's texts, written with one separator, as typed under settings with another.
QStringList withSeparator(QStringList texts, char written, char sep) {
    for (QString& t : texts)
        t.replace(QChar::fromLatin1(written), QChar::fromLatin1(sep));
    return texts;
}

} // namespace

class TestDiophantine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The three buttons pressed in turn on one equation, starting from a window that still shows
    // the answer for another one. Each row runs under both separators, its decimal commas
    // becoming points under point settings, unless it names one and keeps its texts as written.
    void walk_data() {
        QTest::addColumn<char>("sep");
        QTest::addColumn<QStringList>("typed");      // a, b, c
        QTest::addColumn<QStringList>("simplified"); // the boxes after "Simplifier"
        QTest::addColumn<double>("divisor");
        QTest::addColumn<bool>("reset");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QStringList>("pair");    // x0, y0
        QTest::addColumn<QStringList>("general"); // Label5 Label7 Label9, Label6 Label8 Label10
        const auto row = [](const char* name, const QStringList& typed, const QStringList& simplified,
                            double divisor, bool reset, Particular outcome, const QStringList& pair = {},
                            const QStringList& general = {}, char onlySep = 0) {
            for (char sep : {',', '.'}) {
                if (onlySep && sep != onlySep)
                    continue;
                const char written = onlySep ? onlySep : ',';
                QTest::addRow("%s [%c]", name, sep)
                    << sep << withSeparator(typed, written, sep) << withSeparator(simplified, written, sep)
                    << divisor << reset << int(outcome) << pair << general;
            }
        };
        const auto found = Particular::Found;
        const auto none = Particular::NoSolution;
        const auto nothing = Particular::Nothing;

        row("4 6 2", {"4", "6", "2"}, {"-2", "-3", "-1"}, -2, true, found, {"98", "-65"},
            {"-3", "*k +", "98", "2", "*k", "-65"});
        row("6 4 2", {"6", "4", "2"}, {"-3", "-2", "-1"}, -2, true, found, {"67", "-100"},
            {"-2", "*k +", "67", "3", "*k", "-100"});
        row("2 3 7", {"2", "3", "7"}, {"-2", "-3", "-7"}, -1, true, found, {"98", "-63"},
            {"-3", "*k +", "98", "2", "*k", "-63"});
        row("12 18 30", {"12", "18", "30"}, {"-2", "-3", "-5"}, -6, true, found, {"100", "-65"},
            {"-3", "*k +", "100", "2", "*k", "-65"});
        row("0 -3 6", {"0", "-3", "6"}, {"0", "1", "-2"}, -3, true, found, {"1", "-2"},
            {"1", "*k +", "1", "0", "*k", "-2"});
        row("5 0 10", {"5", "0", "10"}, {"1", "0", "2"}, 5, true, found, {"2", "1"},
            {"0", "*k +", "2", "-1", "*k +", "1"});
        // Outside the square, Bézout's coefficients times c / gcd(a, b).
        row("1 1 500: outside the square", {"1", "1", "500"}, {"1", "1", "500"}, 1, false, found,
            {"0", "500"}, {"1", "*k", "", "-1", "*k +", "500"});
        row("-517 -1754 3298: outside the square", {"-517", "-1754", "3298"}, {"517", "1754", "-3298"}, -1,
            true, found, {"1823794", "-537574"}, {"1754", "*k +", "1823794", "-517", "*k", "-537574"});
        row("0 0 0: every pair", {"0", "0", "0"}, {"0", "0", "0"}, 0, false, Particular::EveryPair);
        row("+5 3 1: texts ordered by code", {"+5", "3", "1"}, {"5", "3", "1"}, 1, true, found, {"59", "-98"},
            {"3", "*k +", "59", "-5", "*k", "-98"});
        row("10 9 1: \"10\" before \"9\"", {"10", "9", "1"}, {"-10", "-9", "-1"}, -1, true, found,
            {"82", "-91"}, {"-9", "*k +", "82", "10", "*k", "-91"});
        row("1 1 -200: negative x0", {"1", "1", "-200"}, {"1", "1", "-200"}, 1, false, found,
            {"-100", "-100"}, {"1", "*k", "-100", "-1", "*k", "-100"});
        row("decimal comma, whole after division", {"5,", "10", "15"}, {"-1", "-2", "-3"}, -5, true, found,
            {"99", "-48"}, {"-2", "*k +", "99", "1", "*k", "-48"});
        row("decimal a divided to whole", {"2,5", "5", "10"}, {"1", "2", "4"}, 2.5, true, found,
            {"100", "-48"}, {"2", "*k +", "100", "-1", "*k", "-48"});

        // A zero coefficient whose partner does not divide c: the pair of the rule is no solution.
        row("0 3 5", {"0", "3", "5"}, {"0", "3", "5"}, 3, false, none);
        row("0 0 4", {"0", "0", "4"}, {"0", "0", "4"}, 0, false, none);
        row("5 0 3", {"5", "0", "3"}, {"5", "0", "3"}, 5, false, none);

        // Coefficients too large for the products to stay within 16 bits: the test is exact.
        row("200 201 1", {"200", "201", "1"}, {"200", "201", "1"}, 1, false, found, {"-1", "1"},
            {"201", "*k", "-1", "-200", "*k +", "1"});
        row("32767 1 1", {"32767", "1", "1"}, {"32767", "1", "1"}, 1, false, found, {"0", "1"},
            {"1", "*k", "", "-32767", "*k +", "1"});
        row("300 301 150: none in the square", {"300", "301", "150"}, {"300", "301", "150"}, 1, false, found,
            {"-150", "150"}, {"301", "*k", "-150", "-300", "*k +", "150"});
        row("40000 3 1: beyond 16 bits", {"40000", "3", "1"}, {"40000", "3", "1"}, 1, false, found,
            {"1", "-13333"}, {"3", "*k +", "1", "-40000", "*k", "-13333"});

        // Texts that are not whole numbers: no rewrite that changes the equation, and the particular
        // solution does nothing. Whole numbers of any size are solved.
        row("1,5 2 3: b/d not whole", {"1,5", "2", "3"}, {"1,5", "2", "3"}, 1.5, false, nothing);
        row("letters", {"abc", "6", "12"}, {"abc", "6", "12"}, 6, false, nothing);
        row("lone minus", {"-", "3", "1"}, {"-", "3", "1"}, 3, false, nothing);
        row("whole numbers beyond 16 bits", {"40000", "1", "1"}, {"40000", "1", "1"}, 1, false, found,
            {"0", "1"}, {"1", "*k", "", "-40000", "*k +", "1"});
        row("comma under point settings", {"2,5", "5", "10"}, {"2,5", "5", "10"}, 5, false, nothing, {}, {},
            '.');
        row("empty box", {"", "3", "1"}, {"", "3", "1"}, 0, false, nothing);
    }
    void walk() {
        QFETCH(char, sep);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, simplified);
        QFETCH(double, divisor);
        QFETCH(bool, reset);
        QFETCH(int, outcome);
        QFETCH(QStringList, pair);
        QFETCH(QStringList, general);
        const NumberFormat fmt(sep);

        Boxes boxes{typed[0].toStdString(), typed[1].toStdString(), typed[2].toStdString()};
        View view = earlierAnswer();
        QCOMPARE(diophantine::simplify(fmt, boxes, view), divisor);
        QCOMPARE(QStringList({q(boxes.a), q(boxes.b), q(boxes.c)}), simplified);
        View expected = earlierAnswer();
        if (reset) {
            expected = View{};
            expected.xMultiplier = expected.yMultiplier = "*k +"; // captions stay, hidden
            expected.particularShown = true;
        }
        QCOMPARE(describe(view), describe(expected));
        // From a window just edited, the button appears whenever no box is empty.
        Boxes again = boxes;
        View edited;
        diophantine::simplify(fmt, again, edited);
        QCOMPARE(edited.particularShown, !typed[0].isEmpty());

        QCOMPARE(int(diophantine::particularSolution(fmt, boxes, view)), outcome);
        if (outcome != int(Particular::Found)) {
            QCOMPARE(describe(view), describe(expected));
            return;
        }
        expected.x0 = pair[0].toStdString();
        expected.y0 = pair[1].toStdString();
        expected.particularLinesShown = expected.generalShown = true;
        QCOMPARE(describe(view), describe(expected));

        diophantine::generalSolution(fmt, boxes, view);
        QCOMPARE(QStringList({q(view.generalB), q(view.xMultiplier), q(view.generalX0), q(view.minusA),
                              q(view.yMultiplier), q(view.generalY0)}),
                 general);
        QVERIFY(view.generalLinesShown);
        QCOMPARE(q(view.x0), pair[0]);
        QCOMPARE(q(view.y0), pair[1]);
    }

    // An edit clears the results and hides everything but the boxes; the multipliers keep their
    // captions, and the next general solution writes them again.
    void editResetsAndCaptionsFollowTheNextSolution() {
        const NumberFormat fmt(',');
        View view = earlierAnswer();
        diophantine::resetOnEdit(view);
        View expected;
        expected.xMultiplier = expected.yMultiplier = "*k +";
        QCOMPARE(describe(view), describe(expected));

        Boxes boxes{"2", "3", "0"};
        diophantine::simplify(fmt, boxes, view);
        QCOMPARE(diophantine::particularSolution(fmt, boxes, view), Particular::Found);
        diophantine::generalSolution(fmt, boxes, view);
        QCOMPARE(q(view.xMultiplier), QStringLiteral("*k"));
        QCOMPARE(q(view.yMultiplier), QStringLiteral("*k"));
        QCOMPARE(q(view.generalX0), QString());
    }

    void emptyBoxStopsTheGeneralSolution() {
        const NumberFormat fmt(',');
        View view = earlierAnswer();
        diophantine::generalSolution(fmt, Boxes{"2", "3", ""}, view);
        QCOMPARE(describe(view), describe(earlierAnswer()));
    }

    // Whatever the 16-bit coefficients, a pair is found when gcd(a, b) divides c, and solves the
    // equation exactly; when one lies in the square, it is the one with the largest x there.
    void searchIsExactForEveryCoefficient() {
        const NumberFormat fmt(',');
        const int coefficients[] = {-32768, -20000, -328, -200, -7, -1, 1, 3, 201, 327, 32767};
        const int constants[] = {-32768, -1, 1, 6, 150, 32767};
        for (int a : coefficients) {
            for (int b : coefficients) {
                for (int c : constants) {
                    // The pair with the largest x, trying every point of the square.
                    std::optional<std::pair<int, int>> best;
                    for (std::int64_t x = -100; x <= 100; ++x)
                        for (std::int64_t y = -100; y <= 100; ++y)
                            if (a * x + b * y == c) {
                                best = {int(x), int(y)};
                                break;
                            }
                    View view;
                    const Boxes boxes{std::to_string(a), std::to_string(b), std::to_string(c)};
                    const Particular outcome = diophantine::particularSolution(fmt, boxes, view);
                    const QString where = QStringLiteral("%1 %2 %3").arg(a).arg(b).arg(c);
                    const bool solvable = c % std::gcd(a, b) == 0;
                    QVERIFY2(outcome == (solvable ? Particular::Found : Particular::NoSolution),
                             qPrintable(where));
                    if (solvable) {
                        const mpz_class x(view.x0), y(view.y0);
                        QVERIFY2(a * x + b * y == c, qPrintable(where));
                    }
                    if (best) {
                        QVERIFY2(view.x0 == std::to_string(best->first), qPrintable(where));
                        QVERIFY2(view.y0 == std::to_string(best->second), qPrintable(where));
                    }
                }
            }
        }
    }

    // Texts far from whole 32-bit numbers: the simplification ends, and rewrites the three boxes
    // with whole numbers or leaves them all alone.
    void simplificationOfExtremeTextsEnds() {
        const NumberFormat fmt(',');
        const char* texts[] = {"1e300", "-1,7e308",   "1,7e308",     "3e20", "5e20", "1e-300",
                               "0,001", "2147483648", "-2147483649", "0,5",  "-7",   "abc"};
        for (const char* a : texts) {
            for (const char* b : texts) {
                for (const char* c : {"0", "3", "1e300"}) {
                    Boxes boxes{a, b, c};
                    View view;
                    diophantine::simplify(fmt, boxes, view);
                    const QString where = QStringLiteral("%1 %2 %3").arg(a, b, c);
                    QVERIFY2(view.particularShown, qPrintable(where));
                    if (boxes.a == a && boxes.b == b && boxes.c == c)
                        continue;
                    for (const std::string& box : {boxes.a, boxes.b, boxes.c}) {
                        const auto value = fmt.toDouble(box);
                        QVERIFY2(value && *value == std::trunc(*value), qPrintable(where + " -> " + q(box)));
                    }
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestDiophantine)
#include "tst_diophantine.moc"
