// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/rules/trinomial.h"
#include "exact_fractions.h"
#include "numbers/exact.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <string>

using numbers::NumberFormat;

using namespace equations::trinomial;

namespace {

// Rows are written with a decimal comma; under the point separator every comma becomes a point.
std::string under(char sep, const QString& commaText) {
    QString text = commaText;
    if (sep == '.')
        text.replace(u',', u'.');
    return text.toStdString();
}

QString shown(const std::optional<std::string>& text) {
    return text ? QString::fromStdString(*text) : QStringLiteral("unchanged");
}

// sign(s·√d − u), for s = ±1 and d >= 0, in the test's own fractions.
int signOfRootMinus(int s, exactcheck::Fraction d, exactcheck::Fraction u) {
    using namespace exactcheck;
    if (s > 0)
        return sign(u) < 0 ? 1 : sign(d - u * u);
    return sign(u) > 0 ? -1 : -sign(d - u * u);
}

// Whether the text of hundredths r shows (p + s·√d) / q rounded: r − 1/200 <= x <= r + 1/200.
bool showsRounded(const std::string& text, exactcheck::Fraction p, int s, exactcheck::Fraction d,
                  exactcheck::Fraction q) {
    using namespace exactcheck;
    const auto r = NumberFormat(',').toDouble(text);
    if (!r)
        return false;
    const Fraction shown = fraction(Int(std::llround(*r * 100)), 100);
    // sign(x − t) = sign(s√d − (q·t − p)) × sign(q)
    const auto above = [&](Fraction t) { return signOfRootMinus(s, d, q * t - p) * sign(q); };
    return above(shown - fraction(1, 200)) >= 0 && above(shown + fraction(1, 200)) <= 0;
}

} // namespace

class TestTrinomial : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The three steps in order, on a fresh memory and fresh labels, under both separators.
    void solverSteps_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("k");
        QTest::addColumn<QString>("constantTerm");
        QTest::addColumn<QString>("delta");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("secondShown");
        QTest::addColumn<QString>("factorised");
        // clang-format off
        QTest::newRow("two solutions") << "1" << "-3" << "2" << "0" << "2" << "1" << "2" << "1" << true << "1( x -2)( x -1)";
        QTest::newRow("double solution") << "1" << "2" << "1" << "0" << "1" << "0" << "-1" << "-1" << false << "1( x +1)( x +1)";
        QTest::newRow("rounded roots") << "1" << "0" << "-2" << "0" << "-2" << "8" << "1,41" << "-1,41" << true << "1( x -1,41)( x +1,41)";
        QTest::newRow("a negative, first solution negative") << "-2" << "0" << "8" << "0" << "8" << "64" << "-2" << "2" << true << "-2( x +2)( x -2)";
        QTest::newRow("both negative") << "1" << "5" << "6" << "0" << "6" << "1" << "-2" << "-3" << true << "1( x +2)( x +3)";
        QTest::newRow("fractional coefficients, copied as typed") << "0,5" << "-1,5" << "1" << "0" << "1" << "0,25" << "2" << "1" << true << "0,5( x -2)( x -1)";
        QTest::newRow("roots on a tie go to even") << "64" << "-48" << "5" << "0" << "5" << "1024" << "0,62" << "0,12" << true << "64( x -0,62)( x -0,12)";
        // The true discriminant 0,125 would give the roots ±0,18; the one shown gives ±0,17.
        QTest::newRow("roots from the exact discriminant, not the one rounded") << "1" << "0" << "-0,03125" << "0" << "-0,03125" << "0,12" << "0,18" << "-0,18" << true << "1( x -0,18)( x +0,18)";
        QTest::newRow("small discriminant keeps its digits") << "1" << "0,1" << "0,0024" << "0" << "0,0024" << "0,0004" << "-0,04" << "-0,06" << true << "1( x +0,04)( x +0,06)";
        QTest::newRow("small discriminant, opposite roots") << "1" << "0" << "-0,0001" << "0" << "-0,0001" << "0,0004" << "0,01" << "-0,01" << true << "1( x -0,01)( x +0,01)";
        QTest::newRow("small negative discriminant keeps its sign") << "1" << "0,1" << "0,0026" << "0" << "0,0026" << "-0,0004" << "-0,05 - i* 0,01" << "-0,05 + i* 0,01" << true << "1( x --0,05 - i* 0,01)( x --0,05 + i* 0,01)";
        QTest::newRow("root on the exact value") << "-6,24" << "5,416" << "17,84" << "-3,487" << "21,327" << "561,65" << "-1,47" << "2,33" << true << "-6,24( x +1,47)( x -2,33)";
        QTest::newRow("tiny a, no cancellation") << "1E-200" << "1" << "1" << "0" << "1" << "1" << "-1" << "-1E+200" << true << "1E-200( x +1)( x +1E+200)";
        QTest::newRow("right-hand side") << "1" << "0" << "0" << "4" << "-4" << "16" << "2" << "-2" << true << "1( x -2)( x +2)";
        // 0,1 - 0,3 is -0,19999999999999998 as a double; its text has 15 digits.
        QTest::newRow("c - k kept as its text") << "1" << "0" << "0,1" << "0,3" << "-0,2" << "0,8" << "0,45" << "-0,45" << true << "1( x -0,45)( x +0,45)";
        QTest::newRow("complex") << "1" << "2" << "5" << "0" << "5" << "-16" << "-1 - i* 2" << "-1 + i* 2" << true << "1( x --1 - i* 2)( x --1 + i* 2)";
        QTest::newRow("complex, real part -0") << "1" << "0" << "1" << "0" << "1" << "-4" << "0 - i* 1" << "0 + i* 1" << true << "1( x -0 - i* 1)( x -0 + i* 1)";
        QTest::newRow("complex, negative a") << "-1" << "0" << "-1" << "0" << "-1" << "-4" << "0 - i* -1" << "0 + i* -1" << true << "-1( x -0 - i* -1)( x -0 + i* -1)";
        QTest::newRow("complex, fractional parts") << "2" << "1" << "1" << "0" << "1" << "-7" << "-0,25 - i* 0,66" << "-0,25 + i* 0,66" << true << "2( x --0,25 - i* 0,66)( x --0,25 + i* 0,66)";
        QTest::newRow("a solution is 0") << "1" << "-1" << "0" << "0" << "0" << "1" << "1" << "0" << true << "";
        // Every division by 2a fails; the factorisation copies the empty solutions.
        QTest::newRow("a = 0") << "0" << "2" << "1" << "0" << "1" << "4" << "" << "" << true << "0( x -)( x -)";
        QTest::newRow("a = 0, discriminant 0") << "0" << "0" << "1" << "0" << "1" << "0" << "" << "" << false << "0( x -)( x -)";
        // No discriminant: every test of the solutions fails and so every group runs.
        QTest::newRow("a empty") << "" << "2" << "1" << "0" << "1" << "" << "" << "" << false << "( x -)( x -)";
        QTest::newRow("b a lone minus") << "1" << "-" << "1" << "0" << "1" << "" << "" << "" << false << "1( x -)( x -)";
        QTest::newRow("k not a number, nothing stored") << "1" << "-3" << "2" << "abc" << "" << "" << "" << "" << false << "1( x -)( x -)";
        QTest::newRow("beyond the doubles") << "1e300" << "1e300" << "0" << "0" << "0" << "" << "" << "" << false << "1e300( x -)( x -)";
        // clang-format on
    }
    void solverSteps() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        QFETCH(QString, k);
        QFETCH(QString, constantTerm);
        QFETCH(QString, delta);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, secondShown);
        QFETCH(QString, factorised);
        for (char sep : {',', '.'}) {
            const NumberFormat fmt(sep);
            const Boxes boxes{under(sep, a), under(sep, b), under(sep, c), under(sep, k)};
            Memory memory;
            View view;

            discriminant(fmt, boxes, memory, view);
            QCOMPARE(memory.typedA, boxes.a);
            QCOMPARE(memory.typedB, boxes.b);
            QCOMPARE(memory.constantTerm ? numbers::plainText(fmt, *memory.constantTerm) : std::string(),
                     under(sep, constantTerm));
            QCOMPARE(view.discriminant, under(sep, delta));
            QVERIFY(view.solutionsShown);
            QVERIFY(!view.factorisationShown);

            solutions(fmt, boxes, memory, view);
            QCOMPARE(memory.shownDiscriminant, view.discriminant);
            QCOMPARE(view.first, under(sep, first));
            QCOMPARE(view.second, under(sep, second));
            QCOMPARE(view.secondShown, secondShown);
            QVERIFY(view.factorisationShown);

            factorise(fmt, boxes.a, view);
            QCOMPARE(view.factorisation, under(sep, factorised));
        }
    }

    // Random coefficients of 0 to 3 decimals against the test's own fractions: the discriminant
    // rounded once, its sign always shown, as many solutions as its sign says, each rounded once.
    void randomEquationsAgainstFractions() {
        using namespace exactcheck;
        QRandomGenerator random(37);
        const NumberFormat fmt(',');
        for (int i = 0; i < 2000; ++i) {
            const Typed a = randomDecimal(random, true);
            Typed b = randomDecimal(random, false);
            Typed c = randomDecimal(random, false);
            // A third of the equations have two close roots, a third a small negative discriminant.
            const Typed r = randomDecimal(random, false);
            const Fraction gap = fraction(random.bounded(1, 40), 1000);
            const Fraction e = fraction(random.bounded(1, 20), 10000);
            if (i % 3 == 1) {
                b.value = fraction(0, 1) - a.value * (r.value + r.value + gap);
                c.value = a.value * r.value * (r.value + gap);
            } else if (i % 3 == 2) {
                b.value = fraction(0, 1) - fraction(2, 1) * a.value * r.value;
                c.value = a.value * r.value * r.value + (sign(a.value) > 0 ? e : fraction(0, 1) - e);
            }
            b.text = decimalText(b.value);
            c.text = decimalText(c.value);
            const Boxes boxes{a.text.toStdString(), b.text.toStdString(), c.text.toStdString(), "0"};
            Memory memory;
            View view;
            discriminant(fmt, boxes, memory, view);
            solutions(fmt, boxes, memory, view);
            const Fraction delta = b.value * b.value - fraction(4, 1) * a.value * c.value;
            const QString context = a.text + " ; " + b.text + " ; " + c.text;
            const QString rounded = hundredthsText(hundredths(delta));
            if (rounded != "0" || sign(delta) == 0)
                QCOMPARE(QString::fromStdString(view.discriminant), rounded);
            QCOMPARE(view.discriminant == "0", sign(delta) == 0);
            QCOMPARE(view.discriminant.front() == '-', sign(delta) < 0);
            const Fraction twiceA = fraction(2, 1) * a.value;
            const Fraction minusB = fraction(0, 1) - b.value;
            const bool complex = view.first.find("i*") != std::string::npos;
            QVERIFY2(complex == (sign(delta) < 0), qPrintable(context));
            QVERIFY2(view.secondShown == (sign(delta) != 0), qPrintable(context));
            if (sign(delta) >= 0) {
                QVERIFY2(showsRounded(view.first, minusB, 1, delta, twiceA), qPrintable(context));
                QVERIFY2(showsRounded(view.second, minusB, -1, delta, twiceA), qPrintable(context));
            } else {
                const std::string first = view.first;
                const auto cut = first.find(" - i* ");
                QCOMPARE(QString::fromStdString(first.substr(0, cut)),
                         hundredthsText(hundredths(minusB / twiceA)));
                QVERIFY2(
                    showsRounded(first.substr(cut + 6), fraction(0, 1), 1, fraction(0, 1) - delta, twiceA),
                    qPrintable(context));
            }
        }
    }

    // c - k comes from the last press that could compute it.
    void constantTermFromTheLastSuccessfulPress() {
        const NumberFormat fmt(',');
        Memory memory;
        View view;
        discriminant(fmt, {"1", "-3", "", "0"}, memory, view);
        QCOMPARE(view.discriminant, std::string());
        discriminant(fmt, {"1", "-3", "2", "0"}, memory, view);
        QCOMPARE(view.discriminant, std::string("1"));
        discriminant(fmt, {"1", "-5", "", "0"}, memory, view);
        QCOMPARE(memory.constantTerm, mpq_class(2));
        QCOMPARE(view.discriminant, std::string("17"));
        discriminant(fmt, {"1", "-5", "-6", "abc"}, memory, view);
        QCOMPARE(view.discriminant, std::string("17"));
        solutions(fmt, {"1", "-5", "-6", "-7"}, memory, view);
        QCOMPARE(memory.constantTerm, mpq_class(1));
        discriminant(fmt, {"1", "-5", "-6", "-7"}, memory, view);
        QCOMPARE(view.discriminant, std::string("21"));
    }

    // The solutions read the discriminant as it is shown, and the coefficients as they are now.
    void solutionsReadTheDiscriminantShown() {
        const NumberFormat fmt('.');
        Memory memory;
        View view;
        view.discriminant = "2.25";
        solutions(fmt, {"1", "-0.5", "7", "0"}, memory, view);
        QCOMPARE(memory.shownDiscriminant, std::string("2.25"));
        QCOMPARE(view.first, std::string("1"));
        QCOMPARE(view.second, std::string("-0.5"));
        // A discriminant that is not a number: Label4 is hidden, and the solutions keep their texts.
        view.discriminant = "";
        solutions(fmt, {"1", "-0.5", "7", "0"}, memory, view);
        QCOMPARE(view.first, std::string("1"));
        QCOMPARE(view.second, std::string("-0.5"));
        QVERIFY(!view.secondShown);
    }

    // s1 and s2 are copied as shown where subtracted; the opposite of a negative one is written anew.
    void factorisation_data() {
        QTest::addColumn<QString>("s1");
        QTest::addColumn<QString>("s2");
        QTest::addColumn<QString>("factorised");
        // clang-format off
        QTest::newRow("+ +") << "2,50" << "1" << "3( x -2,50)( x -1)";
        QTest::newRow("+ -") << "2" << "-1,50" << "3( x -2)( x +1,5)";
        QTest::newRow("- +") << "-0,5" << "4" << "3( x +0,5)( x -4)";
        QTest::newRow("- -") << "-1E-05" << "-2" << "3( x +1E-05)( x +2)";
        QTest::newRow("first is 0") << "0" << "-1" << "unchanged";
        QTest::newRow("second is 0") << "1" << "0" << "unchanged";
        QTest::newRow("second is -0") << "1" << "-0" << "unchanged";
        QTest::newRow("complex") << "-1 - i* 2" << "-1 + i* 2" << "3( x --1 - i* 2)( x --1 + i* 2)";
        QTest::newRow("second not a number") << "2" << "x" << "3( x -2)( x -x)";
        // clang-format on
    }
    void factorisation() {
        QFETCH(QString, s1);
        QFETCH(QString, s2);
        QFETCH(QString, factorised);
        for (char sep : {',', '.'}) {
            View view;
            view.first = under(sep, s1);
            view.second = under(sep, s2);
            view.factorisation = "unchanged";
            factorise(NumberFormat(sep), "3", view);
            QCOMPARE(view.factorisation, under(sep, factorised));
            QCOMPARE(view.first, under(sep, s1));
            QCOMPARE(view.second, under(sep, s2));
        }
    }

    void valueAtX0_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("x0");
        QTest::addColumn<QString>("value");
        // clang-format off
        QTest::newRow("root") << "1" << "-3" << "2" << "2" << "0";
        QTest::newRow("a = 0 is allowed") << "0" << "2" << "1" << "3" << "7";
        QTest::newRow("fractional") << "0,5" << "-1" << "0,25" << "-1,5" << "2,875";
        QTest::newRow("a root, with no residue") << "1" << "-0,3" << "0,02" << "0,1" << "0";
        QTest::newRow("x0 a lone minus") << "1" << "0" << "0" << "-" << "unchanged";
        QTest::newRow("c empty") << "1" << "0" << "" << "1" << "unchanged";
        QTest::newRow("beyond the doubles") << "1e300" << "0" << "0" << "1e300" << "unchanged";
        // clang-format on
    }
    void valueAtX0() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        QFETCH(QString, x0);
        QFETCH(QString, value);
        for (char sep : {',', '.'}) {
            const auto got =
                valueAt(NumberFormat(sep), under(sep, a), under(sep, b), under(sep, c), under(sep, x0));
            QCOMPARE(shown(got), QString::fromStdString(under(sep, value)));
        }
        // The separator that is not the user's makes no number.
        QVERIFY(!valueAt(NumberFormat(','), "1", "0", "0", "0.5"));
    }

    void tableOfVariation_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("arrows"); // "down-up", "up-down" or "unchanged"
        QTest::addColumn<QString>("vertex"); // "unchanged": the label keeps its text
        // clang-format off
        QTest::newRow("a > 0") << "1" << "-2" << "0" << "down-up" << "1";
        QTest::newRow("a < 0") << "-1" << "2" << "0" << "up-down" << "1";
        QTest::newRow("vertex not rounded") << "4" << "1" << "0" << "down-up" << "-0,125";
        QTest::newRow("fractional a") << "-0,5" << "1,5" << "7" << "up-down" << "1,5";
        QTest::newRow("a = 0") << "0" << "1" << "0" << "unchanged" << "unchanged";
        QTest::newRow("a = -0") << "-0" << "1" << "0" << "unchanged" << "unchanged";
        // An a that is not a number fails the test of the table, which then counts as passed, and
        // the test of its sign likewise.
        QTest::newRow("a empty") << "" << "1" << "0" << "down-up" << "unchanged";
        QTest::newRow("a a lone minus") << "-" << "1" << "0" << "down-up" << "unchanged";
        QTest::newRow("b empty") << "1" << "" << "0" << "unchanged" << "unchanged";
        QTest::newRow("c empty") << "1" << "1" << "" << "unchanged" << "unchanged";
        QTest::newRow("b a lone minus") << "1" << "-" << "0" << "down-up" << "unchanged";
        // clang-format on
    }
    void tableOfVariation() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        QFETCH(QString, arrows);
        QFETCH(QString, vertex);
        for (char sep : {',', '.'}) {
            const Variation v = variationOf(NumberFormat(sep), under(sep, a), under(sep, b), under(sep, c));
            const QString gotArrows = !v.arrows ? QStringLiteral("unchanged")
                                      : *v.arrows == Variation::Arrows::DownThenUp
                                          ? QStringLiteral("down-up")
                                          : QStringLiteral("up-down");
            QCOMPARE(gotArrows, arrows);
            QCOMPARE(shown(v.vertex), QString::fromStdString(under(sep, vertex)));
        }
    }
};

QTEST_APPLESS_MAIN(TestTrinomial)
#include "tst_trinomial.moc"
