// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/surd_arithmetic.h"
#include "practice/rules/answer_reader.h"
#include "practice/rules/exercise.h"

#include <QTest>

using namespace practice;
using numbers::Surd;
using Shape = Expected::Shape;

namespace {

Surd q(long num, long den = 1) {
    Surd s;
    s.rational = mpq_class(num, den);
    s.rational.canonicalize();
    return s;
}
// a + b√r
Surd surd(mpq_class a, mpq_class b, long r) {
    Surd s;
    s.rational = a;
    s.coefficient = b;
    s.radicand = r;
    return s;
}

Expected number(Surd v) {
    return {.shape = Shape::Number, .values = {v}};
}
Expected roots(std::vector<Surd> v) {
    return {.shape = Shape::Roots, .values = std::move(v)};
}

} // namespace

Q_DECLARE_METATYPE(practice::Verdict)

class AnswerReaderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The same value in every form a pupil writes it is right; another value is wrong; a text
    // that is no answer is told apart, with a sentence saying what to write.
    void verdicts_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<Verdict>("verdict");
        const auto row = [](const char* name, int which, const char* answer, Verdict v) {
            QTest::newRow(name) << which << QString::fromUtf8(answer) << v;
        };
        using enum Verdict;
        row("3/4", 0, "3/4", Right);
        row("0,75", 0, "0,75", Right);
        row("0.75", 0, "0.75", Right);
        row("6/8", 0, "6/8", Right);
        row("x = 0,75", 0, "x = 0,75", Right);
        row("(1+2)/4", 0, "(1+2)/4", Right);
        row("0,7 wrong", 0, "0,7", Wrong);
        row("-3/4 wrong", 0, "-3/4", Wrong);
        row("letters", 0, "trois quarts", Unreadable);
        row("empty", 0, "  ", Unreadable);
        row("two numbers for one", 0, "3/4 ; 1", Unreadable);
        row("3/0", 0, "3/0", Unreadable);
        row("unclosed bracket", 0, "(3/4", Unreadable);
        row("huge number", 0, "123456789012345678901234567890123456789012345", Unreadable);
        row("2√2", 1, "2√2", Right);
        row("√8", 1, "√8", Right);
        row("racine(8)", 1, "racine(8)", Right);
        row("sqrt(8)", 1, "sqrt(8)", Right);
        row("2*sqrt(2)", 1, "2*sqrt(2)", Right);
        row("√2 × 2", 1, "√2 × 2", Right);
        row("√2·√4", 1, "√2·√4", Right);
        row("√2 + √2", 1, "√2 + √2", Right);
        row("4/√2", 1, "4/√2", Right);
        row("√2 wrong", 1, "√2", Wrong);
        row("2,83 rounded is wrong", 1, "2,83", Wrong);
        row("root of negative", 1, "√(-8)", Unreadable);
        row("golden ratio pair", 2, "(1+√5)/2 ; (1-√5)/2", Right);
        row("other order with et", 2, "(1 − √5)/2 et (1 + √5)/2", Right);
        row("x1 = … ou x2 = …", 2, "x1 = (1-√5)/2 ou x2 = (1+√5)/2", Right);
        row("0,5 + 0,5√5", 2, "0,5+0,5√5 ; 0,5-0,5√5", Right);
        row("only one root", 2, "(1+√5)/2", Wrong);
        row("2 ; -3", 3, "2 ; -3", Right);
        row("-3 ; 2", 3, "-3 ; 2", Right);
        row("S = {-3 ; 2}", 3, "S = {-3 ; 2}", Right);
        row("−3, 2", 3, "−3, 2", Right);
        row("repeated root", 3, "2 ; -3 ; 2", Right);
        row("wrong sign", 3, "-2 ; 3", Wrong);
        row("aucune when there are", 3, "aucune", Wrong);
        row("aucune", 4, "aucune", Right);
        row("pas de solution", 4, "pas de solution", Right);
        row("∅", 4, "S = ∅", Right);
        row("a root when none", 4, "1", Wrong);
        row("(2 ; -4)", 5, "(2 ; -4)", Right);
        row("x = 2 ; y = -4", 5, "x = 2 ; y = -4", Right);
        row("(2 ; −4,0)", 5, "(2 ; −4,0)", Right);
        row("swapped", 5, "(-4 ; 2)", Wrong);
        row("one number", 5, "2", Unreadable);
        row("oui", 6, "Oui", Right);
        row("non", 6, "non", Wrong);
        row("peut-être", 6, "peut-être", Unreadable);
        row("2³ × 3² × 5", 7, "2³ × 3² × 5", Right);
        row("non, 2^3*3^2*5", 7, "non, 2^3*3^2*5", Right);
        row("5 x 3 x 3 x 2 x 2 x 2", 7, "5 x 3 x 3 x 2 x 2 x 2", Right);
        row("360 = 8 × 45", 7, "360 = 8 × 45", Wrong);
        row("2³ × 3² wrong", 7, "2³ × 3²", Wrong);
        row("oui for composite", 7, "oui", Wrong);
        row("non alone", 7, "non", Unreadable);
        row("oui for prime", 8, "oui", Right);
        row("97 is its own", 8, "97", Right);
        row("non for prime", 8, "non", Wrong);
        row("5 + 43", 9, "5 + 43", Right);
        row("43+5", 9, "48 = 43+5", Right);
        row("11 et 37", 9, "11 et 37", Right);
        row("1 + 47", 9, "1 + 47", Wrong);
        row("9 + 39", 9, "9 + 39", Wrong);
        row("5 + 41", 9, "5 + 41", Wrong);
        row("one prime", 9, "47", Unreadable);
        row("(−1 ; 2)", 10, "(−1 ; 2)", Right);
        row("(4 ; -1)", 10, "(4 ; -1)", Right);
        row("(1 ; 1)", 10, "(1 ; 1)", Wrong);
        row("fractions", 10, "(7/3 ; 0)", Wrong);
        row("aucune when there are pairs", 10, "aucune", Wrong);
        row("aucune", 11, "aucune", Right);
        row("-7/3", 12, "-7/3", Right);
        row("−14/6", 12, "x = −14/6", Right);
        row("-2,33", 12, "-2,33", Wrong);
    }
    void verdicts() {
        // The rows name the expected answer by its place in this list.
        static const std::vector<Expected> expected = [] {
            return std::vector<Expected>{
                number(q(3, 4)),
                number(surd(0, 2, 2)),
                roots(
                    {surd(mpq_class(1, 2), mpq_class(1, 2), 5), surd(mpq_class(1, 2), mpq_class(-1, 2), 5)}),
                roots({q(2), q(-3)}),
                roots({}),
                {.shape = Shape::Pair, .values = {q(2), q(-4)}},
                {.shape = Shape::YesNo, .yes = true},
                {.shape = Shape::PrimeOrProduct, .n = 360},
                {.shape = Shape::PrimeOrProduct, .n = 97},
                {.shape = Shape::SumOfPrimes, .n = 48},
                {.shape = Shape::IntegerPair, .n = 7, .a = 3, .b = 5},
                {.shape = Shape::IntegerPair, .n = 7, .a = 4, .b = 6},
                number(q(-7, 3)),
            };
        }();
        QFETCH(int, which);
        QFETCH(QString, answer);
        QFETCH(Verdict, verdict);
        const Check c = check(expected.at(std::size_t(which)), answer.toStdString());
        QCOMPARE(c.verdict, verdict);
        if (verdict == Verdict::Unreadable)
            QVERIFY2(c.message.size() > 10, "an unreadable answer is told what to write");
    }

    // Sums and products of roots come out in the one form a + b√r.
    void rootArithmetic() {
        const auto two = numbers::root(q(2));
        const auto three = numbers::root(q(3));
        QVERIFY(two && three);
        QVERIFY(!numbers::add(*two, *three)); // √2 + √3 is no a + b√r
        const auto six = numbers::multiply(*two, *three);
        QVERIFY(six && numbers::equal(*six, surd(0, 1, 6)));
        // 1/(1 + √2) = √2 − 1
        const auto inverse = numbers::divide(q(1), *numbers::add(q(1), *two));
        QVERIFY(inverse && numbers::equal(*inverse, surd(-1, 1, 2)));
        QVERIFY(!numbers::divide(*two, q(0)));
    }
};

QTEST_APPLESS_MAIN(AnswerReaderTest)
#include "tst_answer_reader.moc"
