// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/rules/combinations.h"

#include <QElapsedTimer>
#include <QTest>

using numbers::NumberFormat;

using namespace probability;

namespace {

// The expected texts are written with a comma; under a point they read the same with a point.
QString withSeparator(QString text, char sep) {
    return text.replace(',', QChar(sep));
}

std::string str(const QString& text) {
    return text.toStdString();
}

QString qstr(const std::string& text) {
    return QString::fromStdString(text);
}

const char kSeparators[] = {',', '.'};

// The largest double as a whole number, (2^53 - 1) × 2^971, through its exact decimal digits.
mpz_class largestDouble() {
    return mpz_class("17976931348623157081452742373170435679807056752584499659891747680"
                     "315726078002853876058955863276687817"
                     "15404589535143824642343213268894641827684675467035375169860499105"
                     "765512820762454900903893289440758685"
                     "08455133942304583236903222948165808559332123348274797826204144723"
                     "168738177180919299881250404026184124"
                     "858368");
}

// A text the window may show for a finite value: never an infinity, a NaN or a sign.
bool plainNonNegative(const QString& text) {
    return !text.contains("Infini") && !text.contains("NaN") && !text.contains('-') && !text.contains("inf");
}

} // namespace

class TestCombinations : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The factorial button: the box is tidied, then the label reads n! =value. A factorial beyond the
    // doubles leaves the label as it was, which is empty when the box had to be tidied.
    void factorialButton_data() {
        QTest::addColumn<char>("sep");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("label");
        const QString before = "earlier result";
        struct Row {
            const char* name;
            QString typed, box, label;
        };
        const Row rows[] = {
            {"empty box", "", "0", "0! =1"},
            {"0", "0", "0", "0! =1"},
            {"1", "1", "1", "1! =1"},
            {"5", "5", "5", "5! =120"},
            {"negative", "-4", "4", "4! =24"},
            {"decimal point", "3.9", "3", "3! =6"},
            {"decimal comma stops the number", "3,5", "3", "3! =6"},
            {"below one, negative", "-0.5", "0", "0! =1"},
            {"letters", "abc", "0", "0! =1"},
            {"digits then letters", "12abc", "12", "12! =479001600"},
            {"blanks around", " 7 ", "7", "7! =5040"},
            {"leading zeros", "007", "7", "7! =5040"},
            {"exponent", "1e1", "10", "10! =3628800"},
            {"20!", "20", "20", "20! =2,43290200817664E+18"},
            {"23!: trailing zero dropped", "23", "23", "23! =2,5852016738885E+22"},
            {"24!", "24", "24", "24! =6,20448401733239E+23"},
            {"30!", "30", "30", "30! =2,65252859812191E+32"},
            {"100!", "100", "100", "100! =9,33262154439442E+157"},
            {"170!: trailing zeros dropped", "170", "170", "170! =7,257415615308E+306"},
            {"171 is too large", "171", "171", "Nombre trop grand"},
            {"172 is too large", "172", "172", "Nombre trop grand"},
            {"171 tidied", "0171", "171", "Nombre trop grand"},
            {"32-bit maximum", "2147483647", "2147483647", "Nombre trop grand"},
            {"1e300 tidied", "1e300", "1E+300", "Nombre trop grand"},
            {"beyond the doubles keeps the box", "1e999", "1e999", "Nombre trop grand"},
            {"negative beyond the doubles", "-1e999", "-1e999", "Nombre trop grand"},
        };
        for (char sep : kSeparators) {
            for (const Row& row : rows) {
                QTest::addRow("%s, '%c'", row.name, sep)
                    << sep << row.typed << withSeparator(row.box, sep)
                    << (row.label == before ? before : withSeparator(row.label, sep));
            }
        }
    }
    void factorialButton() {
        QFETCH(char, sep);
        QFETCH(QString, typed);
        QFETCH(QString, box);
        QFETCH(QString, label);
        FactorialView view{str(typed), "earlier result"};
        computeFactorial(NumberFormat(sep), view);
        QCOMPARE(qstr(view.number), box);
        QCOMPARE(qstr(view.result), label);
    }

    // The routine on its own, where the window never calls it: arguments that are not whole numbers pass
    // through texts of their own, and texts that are not numbers give nothing.
    void factorialRoutine_data() {
        QTest::addColumn<char>("sep");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<bool>("computed");
        QTest::addColumn<QString>("result");
        for (char sep : kSeparators) {
            const QString d(sep);
            QTest::addRow("2%c5", sep) << sep << "2" + d + "5" << true << "3" + d + "75";
            QTest::addRow("1%c5", sep) << sep << "1" + d + "5" << true << "1" + d + "5";
            QTest::addRow("170%c5 is still a double", sep)
                << sep << "170" + d + "5" << true << "1" + d + "07008343963145E+308";
            QTest::addRow("170%c7 is not", sep) << sep << "170" + d + "7" << false << "";
            QTest::addRow("negative, '%c'", sep) << sep << "-3" << true << "1";
            QTest::addRow("just above one, '%c'", sep) << sep << "1" + d + "0000000000000002" << true << "1";
            QTest::addRow("exponent form, '%c'", sep) << sep << "1E+300" << false << "";
            QTest::addRow("not a number, '%c'", sep) << sep << "12abc" << false << "";
            QTest::addRow("empty, '%c'", sep) << sep << "" << false << "";
        }
        QTest::newRow("other separator") << ',' << "2.5" << false << "";
    }
    void factorialRoutine() {
        QFETCH(char, sep);
        QFETCH(QString, argument);
        QFETCH(bool, computed);
        QFETCH(QString, result);
        const auto value = factorial(NumberFormat(sep), str(argument));
        QCOMPARE(value.has_value(), computed);
        if (value)
            QCOMPARE(qstr(*value), result);
    }

    // The combinations button: both boxes are tidied, swapped when the lower one holds more, then the
    // label shows the exact count, or says that it is beyond the doubles.
    void combinationsButton_data() {
        QTest::addColumn<char>("sep");
        QTest::addColumn<QString>("typedN");
        QTest::addColumn<QString>("typedK");
        QTest::addColumn<QString>("n");
        QTest::addColumn<QString>("k");
        QTest::addColumn<bool>("swapped");
        QTest::addColumn<QString>("label");
        const QString tooLarge = QString::fromUtf8(kTooLargeCount);
        struct Row {
            const char* name;
            QString typedN, typedK, n, k;
            bool swapped;
            QString label;
        };
        const Row rows[] = {
            {"5 and 2", "5", "2", "5", "2", false, "10"},
            {"2 and 5 are swapped", "2", "5", "5", "2", true, "10"},
            {"10 and 3", "10", "3", "10", "3", false, "120"},
            {"49 and 6", "49", "6", "49", "6", false, "13983816"},
            {"52 and 5", "52", "5", "52", "5", false, "2598960"},
            {"30 and 15", "30", "15", "30", "15", false, "155117520"},
            {"200 and 2", "200", "2", "200", "2", false, "19900"},
            {"170 and 85", "170", "85", "170", "85", false, "9,14484184513155E+49"},
            {"60 and 30", "60", "30", "60", "30", false, "1,18264581564861E+17"},
            {"1000 and 500", "1000", "500", "1000", "500", false, "2,70288240945437E+299"},
            {"1030 and 499, just below the largest double", "1030", "499", "1030", "499", false,
             "1,74021971210666E+308"},
            {"1030 and 500 is too large", "1030", "500", "1030", "500", false, tooLarge},
            {"1030 and 530 is too large", "1030", "530", "1030", "530", false, tooLarge},
            {"equal", "7", "7", "7", "7", false, "1"},
            {"0 below", "7", "0", "7", "0", false, "1"},
            {"both empty", "", "", "0", "0", false, "1"},
            {"1 below", "1000", "1", "1000", "1", false, "1000"},
            {"1000 and 999", "1000", "999", "1000", "999", false, "1000"},
            {"999 and 1000 are swapped", "999", "1000", "1000", "999", true, "1000"},
            {"32-bit maximum and 5", "2147483647", "5", "2147483647", "5", false, "3,80599382063133E+44"},
            {"32-bit maximum and one less", "2147483647", "2147483646", "2147483647", "2147483646", false,
             "2147483647"},
            {"32-bit maximum and its half", "2147483647", "1073741823", "2147483647", "1073741823", false,
             tooLarge},
            {"negative and decimal", "-5", "2.7", "5", "2", false, "10"},
            {"decimal comma", "5,9", "-2,1", "5", "2", false, "10"},
            {"letters above are 0, then swapped", "abc", "3", "3", "0", true, "1"},
            {"digits then letters", "6x", "3y", "6", "3", false, "20"},
            {"large whole number", "150000000000000000000", "1", "1,5E+20", "1", false, "1,5E+20"},
            {"large whole number, exactly", "150000000000000000000", "5", "1,5E+20", "5", false,
             "6,328125E+98"},
            {"equal once written", "1e20", "99999999999999999999", "1E+20", "1E+20", false, "1"},
            {"one less in exponent form", "1e15", "999999999999999", "1E+15", "999999999999999", false,
             "1E+15"},
            {"beyond the doubles above", "1e999", "1", "1e999", "1", false, tooLarge},
            {"beyond the doubles below is swapped", "5", "1e999", "1e999", "5", true, tooLarge},
            {"beyond the doubles, 0 below", "1e999", "0", "1e999", "0", false, "1"},
        };
        for (char sep : kSeparators) {
            for (const Row& row : rows) {
                QTest::addRow("%s, '%c'", row.name, sep)
                    << sep << row.typedN << row.typedK << withSeparator(row.n, sep)
                    << withSeparator(row.k, sep) << row.swapped << withSeparator(row.label, sep);
            }
        }
    }
    void combinationsButton() {
        QFETCH(char, sep);
        QFETCH(QString, typedN);
        QFETCH(QString, typedK);
        QFETCH(QString, n);
        QFETCH(QString, k);
        QFETCH(bool, swapped);
        QFETCH(QString, label);
        CombinationView view{str(typedN), str(typedK), "42"};
        computeCombinations(NumberFormat(sep), view);
        QCOMPARE(qstr(view.n), n);
        QCOMPARE(qstr(view.k), k);
        QCOMPARE(view.swapped, swapped);
        QCOMPARE(qstr(view.result), label);
    }

    // The count returns the upper text itself when one element, or all but one, is chosen.
    void countKeepsTheUpperText() {
        const NumberFormat fmt(',');
        QCOMPARE(combinations(fmt, "007", "1"), std::optional<std::string>("007"));
        QCOMPARE(combinations(fmt, "5", "5"), std::optional<std::string>("1"));
        QCOMPARE(combinations(fmt, "5", "abc"), std::nullopt);
        QCOMPARE(combinations(fmt, "abc", "2"), std::nullopt);
    }

    // Around the end of the doubles no label ever shows an infinity, a NaN or a negative zero: a factorial
    // or a count is a plain non-negative number or says that it is too large.
    void noTextForValuesBeyondTheDoubles() {
        for (char sep : kSeparators) {
            const NumberFormat fmt(sep);
            for (int n = 160; n <= 175; ++n) {
                FactorialView view{std::to_string(n), "x"};
                computeFactorial(fmt, view);
                QVERIFY2(n <= 170 ? view.result != "x" && plainNonNegative(qstr(view.result))
                                  : view.result == kTooLargeCount,
                         qPrintable(qstr(view.result)));
            }
            // C(1030, k) passes the largest double from k = 500 to k = 530.
            for (int k = 0; k <= 1030; ++k) {
                CombinationView view{"1030", std::to_string(k), "x"};
                computeCombinations(fmt, view);
                const bool tooLarge = k >= 500 && k <= 530;
                if (tooLarge) {
                    QCOMPARE(view.result, std::string(kTooLargeCount));
                } else {
                    QVERIFY2(plainNonNegative(qstr(view.result)), qPrintable(qstr(view.result)));
                    QVERIFY2(fmt.toDouble(view.result), view.result.c_str());
                }
            }
        }
    }

    // The shown count is the exact whole number rounded once to 15 significant digits, a tie to the
    // even digit; a carry may lengthen the number by one digit.
    void countText_data() {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("text");
        QTest::newRow("15 digits in full") << "999999999999999"
                                           << "999999999999999";
        QTest::newRow("10^15 in exponent form") << "1000000000000000"
                                                << "1E+15";
        QTest::newRow("tie, odd digit up, carried") << "9999999999999995"
                                                    << "1E+16";
        QTest::newRow("tie, even digit stays") << "1234567890123445000"
                                               << "1,23456789012344E+18";
        QTest::newRow("tie, odd digit up") << "1234567890123455000"
                                           << "1,23456789012346E+18";
        QTest::newRow("just above a tie") << "12345678901234450001"
                                          << "1,23456789012345E+19";
        QTest::newRow("just below a tie") << "12345678901234449999"
                                          << "1,23456789012344E+19";
        QTest::newRow("largest double")
            << QString::fromStdString(largestDouble().get_str()) << "1,79769313486232E+308";
    }
    void countText() {
        QFETCH(QString, digits);
        QFETCH(QString, text);
        const mpz_class number(str(digits));
        QCOMPARE(probability::countText(NumberFormat(','), number), std::optional<std::string>(str(text)));
        QCOMPARE(probability::countText(NumberFormat('.'), number),
                 std::optional<std::string>(str(withSeparator(text, '.'))));
        // The largest double shown reads back as that double.
        QVERIFY(NumberFormat(',').toDouble(str(text)));
    }
    void countBeyondTheLargestDouble() {
        const mpz_class above = largestDouble() + 1;
        QCOMPARE(probability::countText(NumberFormat(','), above), std::nullopt);
    }

    // However large the argument, the answer comes at once and with no deep recursion (the test build
    // would stop on a stack overflow).
    void largeArgumentsReturnAtOnce() {
        const NumberFormat fmt(',');
        QElapsedTimer timer;
        timer.start();
        FactorialView view{"2147483647", "x"};
        computeFactorial(fmt, view);
        QCOMPARE(view.result, std::string(kTooLargeCount));
        CombinationView count{"2147483647", "1073741823", "x"};
        computeCombinations(fmt, count);
        QCOMPARE(count.result, std::string(kTooLargeCount));
        QCOMPARE(factorial(fmt, "1E+308"), std::nullopt);
        QCOMPARE(factorial(fmt, "1" + std::string(300, '0')), std::nullopt);
        QVERIFY2(timer.elapsed() < 200, qPrintable(QString::number(timer.elapsed())));
    }
};

QTEST_APPLESS_MAIN(TestCombinations)
#include "tst_combinations.moc"
