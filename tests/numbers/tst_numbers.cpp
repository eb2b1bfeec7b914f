// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/number_format.h"
#include "shell/rules/filter_rules.h"

#include <QElapsedTimer>
#include <QString>
#include <QTest>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

using numbers::NumberFormat;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Rows are written with a decimal comma; the same row is also added for the point separator, with
// every comma of the text turned into a point.
QString withSeparator(const QString& commaText, char sep) {
    QString text = commaText;
    if (sep == '.') {
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    }
    return text;
}

QString rowName(char sep, const QString& text) {
    QString shown = text;
    shown.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    return QStringLiteral("[%1] «%2»").arg(QLatin1Char(sep)).arg(shown.left(40));
}

// Exact comparison, telling apart 0 and -0 and accepting NaN only for NaN.
bool identical(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) {
        return std::isnan(a) && std::isnan(b);
    }
    return a == b && std::signbit(a) == std::signbit(b);
}

QByteArray describe(double a, double b) {
    return QByteArray::number(a, 'g', 17) + " != " + QByteArray::number(b, 'g', 17);
}

// Texts that are not numbers under either separator.
const char* const kNotNumbers[] = {"",     "   ",   "\t", "abc",  "5a",  "a5", "1e",    "1e+",
                                   "--5",  "+-5",   "+",  "-",    ",",   "e5", ",e5",   "1 2",
                                   "5,,5", "1,2,3", "5-", "0x10", "1d3", "∞",  "1e5,5", "5 e2"};

} // namespace

class TestNumbers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void strictInteger32_data();
    void strictInteger32();
    void strictInteger16_data();
    void strictInteger16();
    void strictNumber_data();
    void strictNumber();
    void notNumbers();
    void longInputs();
    void leadingNumber_data();
    void leadingNumber();
    void integerRounding_data();
    void integerRounding();
    void integerText();
    void numberText_data();
    void numberText();
    void signedSpaceText_data();
    void signedSpaceText();
    void numberTextRoundTrip();
    void filters_data();
    void filters();
    void typingIntoFilteredBoxes();
};

void TestNumbers::strictInteger32_data() {
    QTest::addColumn<char>("sep");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("expected");

    struct Row {
        const char* text;
        bool ok;
        qint64 expected;
    };
    const Row rows[] = {
        {"2,5", true, 2},
        {"3,5", true, 4},
        {"-2,5", true, -2},
        {"-3,5", true, -4},
        {"0,5", true, 0},
        {"1,5", true, 2},
        {"-1,5", true, -2},
        {"-0,5", true, 0},
        {"2,5000000000000001", true, 3},
        {"2,4999999999999999", true, 2},
        {"0,50000000000000000000001", true, 1},
        {"-0", true, 0},
        {"0,000", true, 0},
        {"17", true, 17},
        {" \t 017 \t", true, 17},
        {"+7", true, 7},
        {"5,", true, 5},
        {",5", true, 0},
        {",51", true, 1},
        {"1e3", true, 1000},
        {"1E+2", true, 100},
        {"2,5e0", true, 2},
        {"25e-1", true, 2},
        {"35E-1", true, 4},
        {"5e-1", true, 0},
        {"15e-1", true, 2},
        {"1e-1", true, 0},
        {"1e-400", true, 0},
        {"1000000000000000000000e-20", true, 10},
        {"0000000000000000000000000000042", true, 42},
        {"2147483647", true, 2147483647},
        {"2147483647,49", true, 2147483647},
        {"2147483647,5", false, 0},
        {"2147483648", false, 0},
        {"-2147483648", true, -2147483648LL},
        {"-2147483648,5", true, -2147483648LL},
        {"-2147483649", false, 0},
        {"12345678901", false, 0},
        {"99999999999999999999", false, 0},
        {"1e999999999999", false, 0},
        {"1e-999999999999", true, 0},
        {"-1e999999999999999999999999999", false, 0},
    };
    for (char sep : {',', '.'}) {
        for (const Row& row : rows) {
            const QString text = withSeparator(QString::fromUtf8(row.text), sep);
            QTest::newRow(qPrintable(rowName(sep, text))) << sep << text << row.ok << row.expected;
        }
    }
    // Only the instance's own separator is a decimal separator.
    QTest::newRow("[,] point refused") << ',' << QStringLiteral("2.5") << false << qint64(0);
    QTest::newRow("[.] comma refused") << '.' << QStringLiteral("2,5") << false << qint64(0);
}

void TestNumbers::strictInteger32() {
    QFETCH(char, sep);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(qint64, expected);
    const auto got = NumberFormat(sep).toInt32(text.toStdString());
    QCOMPARE(got.has_value(), ok);
    if (ok) {
        QCOMPARE(qint64(*got), expected);
    }
}

void TestNumbers::strictInteger16_data() {
    QTest::addColumn<char>("sep");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("expected");

    struct Row {
        const char* text;
        bool ok;
        int expected;
    };
    const Row rows[] = {
        {"32767", true, 32767},     {"32768", false, 0},        {"-32768", true, -32768},
        {"-32769", false, 0},       {"32766,5", true, 32766},   {"32767,5", false, 0},
        {"-32768,5", true, -32768}, {"-32767,5", true, -32768}, {"2,5", true, 2},
        {"3,27e4", true, 32700},    {"1e5", false, 0},          {"70000", false, 0},
    };
    for (char sep : {',', '.'}) {
        for (const Row& row : rows) {
            const QString text = withSeparator(QString::fromUtf8(row.text), sep);
            QTest::newRow(qPrintable(rowName(sep, text))) << sep << text << row.ok << row.expected;
        }
    }
}

void TestNumbers::strictInteger16() {
    QFETCH(char, sep);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, expected);
    const auto got = NumberFormat(sep).toInt16(text.toStdString());
    QCOMPARE(got.has_value(), ok);
    if (ok) {
        QCOMPARE(int(*got), expected);
    }
}

void TestNumbers::strictNumber_data() {
    QTest::addColumn<char>("sep");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("expected");

    struct Row {
        const char* text;
        bool ok;
        double expected;
    };
    const double max = std::numeric_limits<double>::max();
    const double tiny = std::numeric_limits<double>::denorm_min();
    const Row rows[] = {
        {"2,5", true, 2.5},
        {"-2,5", true, -2.5},
        {"0,1", true, 0.1},
        {"0,30000000000000004", true, 0.1 + 0.2},
        {"  ,5\t", true, 0.5},
        {"5,", true, 5.0},
        {"+17", true, 17.0},
        {"-0", true, -0.0},
        {"1e3", true, 1000.0},
        {"1,5E-5", true, 1.5e-5},
        {"1e+2", true, 100.0},
        {"9007199254740993", true, 9007199254740992.0}, // halfway: to the even double
        {"9007199254740993,0000000001", true, 9007199254740994.0},
        {"1,7976931348623157e308", true, max},
        {"-1,7976931348623157e308", true, -max},
        // Past the largest double, but not past its shown text «1,79769313486232E+308»: the
        // program's own text of the largest double reads back as that double.
        {"1,7976931348623159e308", true, max},
        {"1,79769313486232E+308", true, max},
        {"-1,79769313486232E+308", true, -max},
        {"179769313486232e294", true, max},
        {"1,797693134862320000e308", true, max},
        {"1,797693134862320001e308", false, 0.0},
        {"1,79769313486233e308", false, 0.0},
        {"1,8e308", false, 0.0},
        {"1e400", false, 0.0},
        {"-1e400", false, 0.0},
        {"4,9406564584124654e-324", true, tiny},
        {"2,4703282292062328e-324", true, tiny},
        {"2,4703282292062327e-324", true, 0.0}, // just below half the smallest double
        {"1e-400", true, 0.0},
        {"-1e-400", true, -0.0},
        {"2,2250738585072011e-308", true, 2.2250738585072009e-308},
    };
    for (char sep : {',', '.'}) {
        for (const Row& row : rows) {
            const QString text = withSeparator(QString::fromUtf8(row.text), sep);
            QTest::newRow(qPrintable(rowName(sep, text))) << sep << text << row.ok << row.expected;
        }
    }
    QTest::newRow("[,] point refused") << ',' << QStringLiteral("5.5") << false << 0.0;
    QTest::newRow("[.] comma refused") << '.' << QStringLiteral("5,5") << false << 0.0;
}

void TestNumbers::strictNumber() {
    QFETCH(char, sep);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, expected);
    const auto got = NumberFormat(sep).toDouble(text.toStdString());
    QCOMPARE(got.has_value(), ok);
    if (ok) {
        QVERIFY2(identical(*got, expected), describe(*got, expected));
    }
}

void TestNumbers::notNumbers() {
    for (char sep : {',', '.'}) {
        const NumberFormat fmt(sep);
        for (const char* text : kNotNumbers) {
            QVERIFY2(!fmt.toDouble(text), text);
            QVERIFY2(!fmt.toInt32(text), text);
            QVERIFY2(!fmt.toInt16(text), text);
        }
    }
}

void TestNumbers::longInputs() {
    constexpr std::size_t n = 100000;
    const NumberFormat fmt(',');
    QElapsedTimer timer;
    timer.start();

    const std::string ones(n, '1');
    QVERIFY(!fmt.toInt32(ones));
    QVERIFY(!fmt.toDouble(ones)); // 10^99999 is beyond the double range
    QCOMPARE(NumberFormat::leadingNumber(ones), kInf);

    QCOMPARE(fmt.toInt32(std::string(n, '0') + "7"), std::optional<std::int32_t>(7));
    QCOMPARE(fmt.toInt32("0," + std::string(n, '0') + "1"), std::optional<std::int32_t>(0));
    QCOMPARE(fmt.toInt32("2,5" + std::string(n, '0')), std::optional<std::int32_t>(2));
    QCOMPARE(fmt.toInt32("2,5" + std::string(n, '0') + "1"), std::optional<std::int32_t>(3));
    QCOMPARE(fmt.toInt32("1" + std::string(n, '0') + "e-" + std::to_string(n)),
             std::optional<std::int32_t>(1));

    // A long tail decides the rounding of the double: just above the halfway point between
    // 2^53 and 2^53 + 2, the nearest double is the upper one.
    const auto above = fmt.toDouble("9007199254740993," + std::string(n, '0') + "1");
    QVERIFY(above);
    QCOMPARE(*above, 9007199254740994.0);
    const auto halfway = fmt.toDouble("9007199254740993," + std::string(n, '0'));
    QVERIFY(halfway);
    QCOMPARE(*halfway, 9007199254740992.0);
    const auto pi = fmt.toDouble("3,14159265358979323846" + std::string(n, '9'));
    QVERIFY(pi);
    QCOMPARE(*pi, 3.14159265358979323846);

    // Exponents with many digits neither hang nor wrap around.
    const std::string hugeExponent = "1e" + std::string(n, '9');
    QVERIFY(!fmt.toInt32(hugeExponent));
    QVERIFY(!fmt.toDouble(hugeExponent));
    QCOMPARE(NumberFormat::leadingNumber(hugeExponent), kInf);
    const std::string hugeNegativeExponent = "-1e-" + std::string(n, '9');
    QCOMPARE(fmt.toInt32(hugeNegativeExponent), std::optional<std::int32_t>(0));
    QVERIFY(identical(*fmt.toDouble(hugeNegativeExponent), -0.0));

    std::string spaced;
    for (std::size_t i = 0; i < n; ++i) {
        spaced += (i % 2 == 0) ? " " : "\n";
    }
    QCOMPARE(NumberFormat::leadingNumber(spaced + "4" + spaced + "2" + spaced), 42.0);

    QVERIFY(digitFilterAccepts(fmt, std::string(n, '0') + "12"));
    QVERIFY(!signedFilterAccepts(fmt, std::string(n, '1') + "x"));

    QVERIFY2(timer.elapsed() < 5000, "long inputs must be read in linear time");
}

void TestNumbers::leadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("12abc") << QStringLiteral("12abc") << 12.0;
    QTest::newRow("1,5") << QStringLiteral("1,5") << 1.0;
    QTest::newRow("1.5") << QStringLiteral("1.5") << 1.5;
    QTest::newRow("blanks inside") << QStringLiteral(" 1 2") << 12.0;
    QTest::newRow("every blank") << QStringLiteral("\t-\r\n 3 . 2 5 x") << -3.25;
    QTest::newRow("lone minus") << QStringLiteral("-") << 0.0;
    QTest::newRow("lone plus") << QStringLiteral("+") << 0.0;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("1e3") << QStringLiteral("1e3") << 1000.0;
    QTest::newRow("1e") << QStringLiteral("1e") << 1.0;
    QTest::newRow("1e+") << QStringLiteral("1e+") << 1.0;
    QTest::newRow("1E-2") << QStringLiteral("1E-2") << 0.01;
    QTest::newRow("blanks in exponent") << QStringLiteral("5 e 2") << 500.0;
    QTest::newRow("1e2e3") << QStringLiteral("1e2e3") << 100.0;
    QTest::newRow(".5") << QStringLiteral(".5") << 0.5;
    QTest::newRow("-.5") << QStringLiteral("-.5") << -0.5;
    QTest::newRow("5.") << QStringLiteral("5.") << 5.0;
    QTest::newRow("1.2.3") << QStringLiteral("1.2.3") << 1.2;
    QTest::newRow("+7x") << QStringLiteral("+7x") << 7.0;
    QTest::newRow("--5") << QStringLiteral("--5") << 0.0;
    QTest::newRow("abc") << QStringLiteral("abc") << 0.0;
    QTest::newRow("e5") << QStringLiteral("e5") << 0.0;
    QTest::newRow(".e5") << QStringLiteral(".e5") << 0.0;
    QTest::newRow("hex prefix") << QStringLiteral("0x1F") << 0.0;
    QTest::newRow("-0") << QStringLiteral("-0") << -0.0;
    QTest::newRow("shown largest double")
        << QStringLiteral("1.79769313486232E+308") << std::numeric_limits<double>::max();
    QTest::newRow("beyond shown largest") << QStringLiteral("1.797693134862321E+308") << kInf;
    QTest::newRow("beyond range") << QStringLiteral("1e400") << kInf;
    QTest::newRow("beyond range, negative") << QStringLiteral("-1e400") << -kInf;
    QTest::newRow("below range") << QStringLiteral("1e-400") << 0.0;
}

void TestNumbers::leadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double got = NumberFormat::leadingNumber(text.toStdString());
    QVERIFY2(identical(got, expected), describe(got, expected));
}

void TestNumbers::integerRounding_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("ok16");
    QTest::addColumn<bool>("ok32");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("0.5") << 0.5 << true << true << qint64(0);
    QTest::newRow("1.5") << 1.5 << true << true << qint64(2);
    QTest::newRow("2.5") << 2.5 << true << true << qint64(2);
    QTest::newRow("3.5") << 3.5 << true << true << qint64(4);
    QTest::newRow("-0.5") << -0.5 << true << true << qint64(0);
    QTest::newRow("-1.5") << -1.5 << true << true << qint64(-2);
    QTest::newRow("-2.5") << -2.5 << true << true << qint64(-2);
    QTest::newRow("below a half") << 0.49999999999999994 << true << true << qint64(0);
    QTest::newRow("above a half") << 2.5000000000000004 << true << true << qint64(3);
    QTest::newRow("3.7") << 3.7 << true << true << qint64(4);
    QTest::newRow("-3.7") << -3.7 << true << true << qint64(-4);
    QTest::newRow("-0") << -0.0 << true << true << qint64(0);
    QTest::newRow("32767.49") << 32767.49 << true << true << qint64(32767);
    QTest::newRow("32767.5") << 32767.5 << false << true << qint64(32768);
    QTest::newRow("-32768.5") << -32768.5 << true << true << qint64(-32768);
    QTest::newRow("-32769") << -32769.0 << false << true << qint64(-32769);
    QTest::newRow("2147483647.4") << 2147483647.4 << false << true << qint64(2147483647);
    QTest::newRow("2147483647.5") << 2147483647.5 << false << false << qint64(0);
    QTest::newRow("-2147483648.5") << -2147483648.5 << false << true << qint64(-2147483648LL);
    QTest::newRow("-2147483649") << -2147483649.0 << false << false << qint64(0);
    QTest::newRow("2^52+1") << 4503599627370497.0 << false << false << qint64(0);
    QTest::newRow("1e300") << 1e300 << false << false << qint64(0);
    QTest::newRow("inf") << kInf << false << false << qint64(0);
    QTest::newRow("-inf") << -kInf << false << false << qint64(0);
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << false << false << qint64(0);
}

void TestNumbers::integerRounding() {
    QFETCH(double, value);
    QFETCH(bool, ok16);
    QFETCH(bool, ok32);
    QFETCH(qint64, expected);
    const auto got16 = NumberFormat::roundToInt16(value);
    const auto got32 = NumberFormat::roundToInt32(value);
    QCOMPARE(got16.has_value(), ok16);
    QCOMPARE(got32.has_value(), ok32);
    if (ok16) {
        QCOMPARE(qint64(*got16), expected);
    }
    if (ok32) {
        QCOMPARE(qint64(*got32), expected);
    }
}

void TestNumbers::integerText() {
    QCOMPARE(NumberFormat::integerText(0), std::string("0"));
    QCOMPARE(NumberFormat::integerText(-3), std::string("-3"));
    QCOMPARE(NumberFormat::integerText(2147483647), std::string("2147483647"));
    QCOMPARE(NumberFormat::integerText(std::numeric_limits<std::int64_t>::min()),
             std::string("-9223372036854775808"));
}

void TestNumbers::numberText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("commaText");

    QTest::newRow("12/3") << 12.0 / 3.0 << QStringLiteral("4");
    QTest::newRow("0.5") << 0.5 << QStringLiteral("0,5");
    QTest::newRow("-0.5") << -0.5 << QStringLiteral("-0,5");
    QTest::newRow("0.1+0.2") << 0.1 + 0.2 << QStringLiteral("0,3");
    QTest::newRow("1/3") << 1.0 / 3.0 << QStringLiteral("0,333333333333333");
    QTest::newRow("2/3") << 2.0 / 3.0 << QStringLiteral("0,666666666666667");
    QTest::newRow("-1234.5678") << -1234.5678 << QStringLiteral("-1234,5678");
    QTest::newRow("100") << 100.0 << QStringLiteral("100");
    QTest::newRow("-3") << -3.0 << QStringLiteral("-3");
    QTest::newRow("0") << 0.0 << QStringLiteral("0");
    QTest::newRow("-0") << -0.0 << QStringLiteral("0");
    QTest::newRow("1e14") << 1e14 << QStringLiteral("100000000000000");
    QTest::newRow("123456789012345") << 123456789012345.0 << QStringLiteral("123456789012345");
    QTest::newRow("999999999999999.4") << 999999999999999.4 << QStringLiteral("999999999999999");
    QTest::newRow("rounds up to 1E+15") << 999999999999999.7 << QStringLiteral("1E+15");
    QTest::newRow("1234567890123456") << 1234567890123456.0 << QStringLiteral("1,23456789012346E+15");
    QTest::newRow("1e15") << 1e15 << QStringLiteral("1E+15");
    QTest::newRow("1.23456789012346e20") << 1.23456789012346e20 << QStringLiteral("1,23456789012346E+20");
    QTest::newRow("-2.5e100") << -2.5e100 << QStringLiteral("-2,5E+100");
    QTest::newRow("0.0001") << 0.0001 << QStringLiteral("0,0001");
    QTest::newRow("0.00012345") << 0.00012345 << QStringLiteral("0,00012345");
    QTest::newRow("0.00001") << 0.00001 << QStringLiteral("1E-05");
    QTest::newRow("1.5e-5") << 1.5e-5 << QStringLiteral("1,5E-05");
    QTest::newRow("-1e-300") << -1e-300 << QStringLiteral("-1E-300");
    QTest::newRow("largest") << std::numeric_limits<double>::max() << QStringLiteral("1,79769313486232E+308");
    QTest::newRow("smallest") << std::numeric_limits<double>::denorm_min()
                              << QStringLiteral("4,94065645841247E-324");
    QTest::newRow("inf") << kInf << QStringLiteral("Infini");
    QTest::newRow("-inf") << -kInf << QStringLiteral("-Infini");
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << QStringLiteral("NaN");
}

void TestNumbers::numberText() {
    QFETCH(double, value);
    QFETCH(QString, commaText);
    QCOMPARE(QString::fromStdString(NumberFormat(',').numberText(value)), commaText);
    QCOMPARE(QString::fromStdString(NumberFormat('.').numberText(value)), withSeparator(commaText, '.'));
}

void TestNumbers::signedSpaceText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("0") << 0.0 << QStringLiteral(" 0");
    QTest::newRow("-0") << -0.0 << QStringLiteral(" 0");
    QTest::newRow("3") << 3.0 << QStringLiteral(" 3");
    QTest::newRow("2.5") << 2.5 << QStringLiteral(" 2.5");
    QTest::newRow("-2.5") << -2.5 << QStringLiteral("-2.5");
    QTest::newRow("0.5") << 0.5 << QStringLiteral(" 0.5");
    QTest::newRow("1/3") << 1.0 / 3.0 << QStringLiteral(" 0.333333333333333");
    QTest::newRow("1e15") << 1e15 << QStringLiteral(" 1E+15");
    QTest::newRow("-1.5e-5") << -1.5e-5 << QStringLiteral("-1.5E-05");
    QTest::newRow("inf") << kInf << QStringLiteral(" Infini");
}

void TestNumbers::signedSpaceText() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(NumberFormat::signedSpaceText(value)), expected);
}

// Over a wide sweep of doubles, the text of a number reads back, under either separator, as a value
// within the rounding to 15 significant digits, and reading and writing again gives the same text.
// Whole values below 10^15 read back exactly, also as integers when they fit.
void TestNumbers::numberTextRoundTrip() {
    std::mt19937_64 random(20260101);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-310, 305);
    for (char sep : {',', '.'}) {
        const NumberFormat fmt(sep);
        // The largest doubles are shown rounded up past the largest double; they read back all the same.
        std::vector<double> samples;
        for (double x = std::numeric_limits<double>::max(); x > 1.7976931348623e308;
             x = std::nextafter(std::nextafter(x, 0.0), 0.0))
            samples.push_back(x);
        for (int i = 0; i < 20000; ++i)
            samples.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
        for (std::size_t k = 0; k < samples.size(); ++k) {
            const double x = k % 2 ? samples[k] : -samples[k];
            const std::string text = fmt.numberText(x);
            const auto back = fmt.toDouble(text);
            QVERIFY2(back, text.c_str());
            const double bound = 5.000001e-15 * std::fabs(x) + std::numeric_limits<double>::denorm_min();
            QVERIFY2(std::fabs(*back - x) <= bound, text.c_str());
            QCOMPARE(fmt.numberText(*back), text);
        }
        for (int i = 0; i < 20000; ++i) {
            const double whole = std::trunc(mantissa(random) * std::pow(10.0, i % 15));
            const std::string text = fmt.numberText(whole);
            QVERIFY2(text.find(sep) == std::string::npos && text.find('E') == std::string::npos,
                     text.c_str());
            QCOMPARE(fmt.toDouble(text), std::optional<double>(whole == 0.0 ? 0.0 : whole));
            if (std::fabs(whole) <= 2147483647.0) {
                QCOMPARE(fmt.toInt32(text), std::optional<std::int32_t>(static_cast<std::int32_t>(whole)));
            }
        }
    }
}

void TestNumbers::filters_data() {
    QTest::addColumn<char>("sep");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("digit");
    QTest::addColumn<bool>("bound");
    QTest::addColumn<bool>("signedNumber");

    struct Row {
        char sep;
        const char* text;
        bool digit;
        bool bound;
        bool signedNumber;
    };
    const Row rows[] = {
        // The examples under a decimal comma.
        {',', "", true, true, true},
        {',', "17", true, true, true},
        {',', " 017 ", true, true, true},
        {',', "+5", true, true, true},
        {',', "5,", true, true, true},
        {',', "1e3", true, true, true},
        {',', "-", false, false, true},
        {',', "-5", false, false, true},
        // A decimal comma is read by both readings, so a fraction passes the bound and signed
        // filters under French settings as it does with a point under English ones.
        {',', "5,5", false, true, true},
        {',', "5.5", false, false, false},
        {',', "abc", false, false, false},
        {',', "5a", false, false, false},
        // Further texts under a decimal comma.
        {',', "007", true, true, true},
        {',', "12345678901", true, true, true},
        {',', "5,0", true, true, true},
        {',', ",5", false, true, true},
        {',', "-5,5", false, false, true},
        {',', "2,5e1", true, true, true},
        {',', "1,5e-5", false, true, true},
        {',', "-5.5", false, false, false},
        {',', "5.", false, false, false},
        {',', "+", false, false, false},
        {',', "1 2", false, false, false},
        {',', "1e", false, false, false},
        {',', "1e400", false, false, false},
        {',', "-0", true, true, true},
        // The same examples under a decimal point.
        {'.', "", true, true, true},
        {'.', "17", true, true, true},
        {'.', " 017 ", true, true, true},
        {'.', "+5", true, true, true},
        {'.', "5,", false, false, false},
        {'.', "1e3", true, true, true},
        {'.', "-", false, false, true},
        {'.', "-5", false, false, true},
        {'.', "5,5", false, false, false},
        {'.', "5.5", false, true, true},
        {'.', "abc", false, false, false},
        {'.', "5a", false, false, false},
        {'.', "-5.5", false, false, true},
        {'.', "5.", true, true, true},
        {'.', ".5", false, true, true},
        {'.', "2.5e1", true, true, true},
        {'.', "1.5e-5", false, true, true},
    };
    for (const Row& row : rows) {
        const QString text = QString::fromUtf8(row.text);
        QTest::newRow(qPrintable(rowName(row.sep, text)))
            << row.sep << text << row.digit << row.bound << row.signedNumber;
    }
}

void TestNumbers::filters() {
    QFETCH(char, sep);
    QFETCH(QString, text);
    QFETCH(bool, digit);
    QFETCH(bool, bound);
    QFETCH(bool, signedNumber);
    const NumberFormat fmt(sep);
    const std::string t = text.toStdString();
    QCOMPARE(digitFilterAccepts(fmt, t), digit);
    QCOMPARE(boundFilterAccepts(fmt, t), bound);
    QCOMPARE(signedFilterAccepts(fmt, t), signedNumber);
}

// A box runs its filter after each keystroke: every prefix of what the pupil types is checked.
void TestNumbers::typingIntoFilteredBoxes() {
    const NumberFormat comma(',');
    for (const char* prefix : {"-", "-1", "-12"}) {
        QVERIFY2(signedFilterAccepts(comma, prefix), prefix);
    }
    QVERIFY(!digitFilterAccepts(comma, "-"));
    QVERIFY(boundFilterAccepts(comma, "2"));
    QVERIFY(boundFilterAccepts(comma, "2,"));
    QVERIFY(boundFilterAccepts(comma, "2,5"));
    QVERIFY(!digitFilterAccepts(comma, "2,5"));
    for (const char* prefix : {"-", "-0", "-0,", "-0,2", "-0,25"}) {
        QVERIFY2(signedFilterAccepts(comma, prefix), prefix);
    }

    const NumberFormat point('.');
    for (const char* prefix : {"-", "-2", "-2.", "-2.5", "-2.5e", "-2.5e-", "-2.5e-3"}) {
        const bool expected = std::strcmp(prefix, "-2.5e") != 0 && std::strcmp(prefix, "-2.5e-") != 0;
        QVERIFY2(signedFilterAccepts(point, prefix) == expected, prefix);
    }
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
