// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/rounding.h"

#include <QTest>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>

using numbers::roundHalfEven;
using numbers::roundToTwoDecimals;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Exact comparison, telling apart 0 and -0 and accepting NaN only for NaN.
bool identical(double a, double b) {
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return a == b && std::signbit(a) == std::signbit(b);
}

QByteArray describe(double value, double got, double expected) {
    return QByteArray::number(value, 'g', 17) + " gives " + QByteArray::number(got, 'g', 17) + ", not " +
           QByteArray::number(expected, 'g', 17);
}

// The hundredth nearest to the exact value of a double, as the standard library's fixed
// formatting with two decimals rounds it, read back as the nearest double.
double formattedToTwoDecimals(double value) {
    char buffer[400];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    double read = kNaN;
    std::from_chars(buffer, written.ptr, read);
    return read;
}

} // namespace

class TestRounding : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wholeNumbers_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::newRow("0.5") << 0.5 << 0.0;
        QTest::newRow("1.5") << 1.5 << 2.0;
        QTest::newRow("2.5") << 2.5 << 2.0;
        QTest::newRow("-2.5") << -2.5 << -2.0;
        QTest::newRow("-3.5") << -3.5 << -4.0;
        QTest::newRow("just below a half") << 0.49999999999999994 << 0.0;
        QTest::newRow("just above a tie") << 2.5000000000000004 << 3.0;
        QTest::newRow("odd whole beyond the fractions") << 4503599627370497.0 << 4503599627370497.0;
        QTest::newRow("1e300") << 1e300 << 1e300;
        QTest::newRow("infinity") << kInf << kInf;
        QTest::newRow("-infinity") << -kInf << -kInf;
        QTest::newRow("NaN") << kNaN << kNaN;
    }
    void wholeNumbers() {
        QFETCH(double, value);
        QFETCH(double, rounded);
        const double got = roundHalfEven(value);
        QVERIFY2(identical(got, rounded), describe(value, got, rounded));
    }

    void twoDecimals_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::newRow("2/3") << 2.0 / 3 << 0.67;
        QTest::newRow("tie down to even") << 0.125 << 0.12;
        QTest::newRow("tie up to even") << 0.375 << 0.38;
        QTest::newRow("negative tie") << -0.625 << -0.62;
        QTest::newRow("2,675 is stored below the tie") << 2.675 << 2.67;
        QTest::newRow("0,005 is stored above the tie") << 0.005 << 0.01;
        QTest::newRow("large") << 1e300 << 1e300;
        QTest::newRow("just above a tie") << std::nextafter(0.125, 1.0) << 0.13;
        QTest::newRow("just below a tie") << std::nextafter(0.375, 0.0) << 0.37;
        QTest::newRow("a negative value rounding to 0 keeps its sign") << -0.004 << -0.0;
        QTest::newRow("-0") << -0.0 << -0.0;
        QTest::newRow("the smallest double") << std::numeric_limits<double>::denorm_min() << 0.0;
        QTest::newRow("2^44 + 2^-8 drops its fraction") << 0x1p44 + 0x1p-8 << 0x1p44;
        QTest::newRow("2^46 + 2^-6 is its own rounding") << 0x1p46 + 0x1p-6 << 0x1p46 + 0x1p-6;
        QTest::newRow("infinity") << kInf << kInf;
        QTest::newRow("NaN") << kNaN << kNaN;
    }
    void twoDecimals() {
        QFETCH(double, value);
        QFETCH(double, rounded);
        const double got = roundToTwoDecimals(value);
        QVERIFY2(identical(got, rounded), describe(value, got, rounded));
    }

    // Over doubles of every size, and around the ties k/200 where the exact value decides, the
    // rounding is the one the exact decimal formatting of the value makes.
    void twoDecimalsFollowTheExactValue() {
        std::mt19937_64 random(20260101);
        std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
        std::uniform_int_distribution<int> exponent(-30, 20);
        int mismatches = 0;
        QByteArray first;
        const auto check = [&](double value) {
            const double got = roundToTwoDecimals(value);
            const double expected = formattedToTwoDecimals(value);
            if (!identical(got, expected) && mismatches++ == 0)
                first = describe(value, got, expected);
        };
        for (int i = 0; i < 100000; ++i)
            check(mantissa(random) * std::pow(10.0, exponent(random)));
        for (int k = -100000; k <= 100000; ++k) {
            for (const double base : {0.0, 0x1p20, 0x1p40, 0x1p45}) {
                const double tie = base + (k + 0.5) / 100;
                check(tie);
                check(std::nextafter(tie, kInf));
                check(std::nextafter(tie, -kInf));
            }
        }
        QVERIFY2(mismatches == 0, QByteArray::number(mismatches) + " mismatches, the first: " + first);
    }
};

QTEST_APPLESS_MAIN(TestRounding)
#include "tst_rounding.moc"
