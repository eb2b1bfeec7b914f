// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/exact.h"
#include "numbers/surd.h"

#include <QRandomGenerator>
#include <QTest>

#include <cstring>

using numbers::NumberFormat;

using namespace numbers;

namespace {

QString shown(const std::optional<mpq_class>& value) {
    return value ? QString::fromStdString(value->get_str()) : QStringLiteral("(rien)");
}

mpq_class q(const char* text) {
    mpq_class value(text);
    value.canonicalize();
    return value;
}

} // namespace

class TestExact : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A typed decimal is the rational it writes.
    void exactValues_data() {
        QTest::addColumn<char>("sep");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("value");
        QTest::newRow("0,1") << ',' << "0,1"
                             << "1/10";
        QTest::newRow("0.1 under a point") << '.' << "0.1"
                                           << "1/10";
        QTest::newRow("blanks and sign") << ',' << "  -2,50 "
                                         << "-5/2";
        QTest::newRow("5,") << ',' << "5,"
                            << "5";
        QTest::newRow(",5") << ',' << ",5"
                            << "1/2";
        QTest::newRow("exponent") << ',' << "1,5E+3"
                                  << "1500";
        QTest::newRow("negative exponent") << ',' << "-25e-3"
                                           << "-1/40";
        QTest::newRow("zero with an exponent") << ',' << "0E+999999"
                                               << "0";
        QTest::newRow("many digits") << ',' << "0,1234567890123456789"
                                     << "1234567890123456789/10000000000000000000";
        QTest::newRow("below every double reads 0") << ',' << "1E-999999"
                                                    << "0";
        QTest::newRow("point under a comma") << ',' << "0.1"
                                             << "(rien)";
        QTest::newRow("lone minus") << ',' << "-"
                                    << "(rien)";
        QTest::newRow("beyond the doubles") << ',' << "1E309"
                                            << "(rien)";
    }
    void exactValues() {
        QFETCH(char, sep);
        QFETCH(QString, text);
        QFETCH(QString, value);
        QCOMPARE(shown(exactValue(NumberFormat(sep), text.toStdString())), value);
    }

    // The text of an exact value is the text of the double for every value a double holds exactly
    // with 15 digits or fewer, and is rounded on the exact value elsewhere.
    void plainTextAsTheDoubles_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << "0"
                           << "0";
        QTest::newRow("1/2") << "1/2"
                             << "0,5";
        QTest::newRow("-1/3") << "-1/3"
                              << "-0,333333333333333";
        QTest::newRow("2/3") << "2/3"
                             << "0,666666666666667";
        QTest::newRow("10^15") << "1000000000000000"
                               << "1E+15";
        QTest::newRow("10^15 - 1") << "999999999999999"
                                   << "999999999999999";
        QTest::newRow("rounds up to the next power") << "9999999999999995"
                                                     << "1E+16";
        QTest::newRow("tie to even, down") << "1234567890123445"
                                           << "1,23456789012344E+15";
        QTest::newRow("1/10000") << "1/10000"
                                 << "0,0001";
        QTest::newRow("below 10^-4") << "3/100000"
                                     << "3E-05";
        QTest::newRow("10^-300") << "1/1" + QString(300, '0') << "1E-300";
    }
    void plainTextAsTheDoubles() {
        QFETCH(QString, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(plainText(NumberFormat(','), q(value.toLatin1().constData()))), text);
        QCOMPARE(QString::fromStdString(plainText(NumberFormat('.'), q(value.toLatin1().constData()))),
                 QString(text).replace(',', '.'));
    }
    void plainTextOfRandomDoubles() {
        const NumberFormat fmt(',');
        QRandomGenerator random(5);
        for (int i = 0; i < 2000; ++i) {
            // Doubles of every size; a double is an exact rational.
            double d = (random.generateDouble() - 0.5) * std::pow(10.0, random.bounded(-20, 21));
            QCOMPARE(plainText(fmt, mpq_class(d)), fmt.numberText(d));
        }
    }

    void rounding_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("rounded");
        QTest::newRow("2,675 tie up to 8") << "2675/1000" << 2 << "67/25";
        QTest::newRow("0,125 tie down to 2") << "1/8" << 2 << "3/25";
        QTest::newRow("-0,125") << "-1/8" << 2 << "-3/25";
        QTest::newRow("2,5 to a whole number") << "5/2" << 0 << "2";
        QTest::newRow("-2,5") << "-5/2" << 0 << "-2";
        QTest::newRow("3,5") << "7/2" << 0 << "4";
        QTest::newRow("1/3") << "1/3" << 3 << "333/1000";
    }
    void rounding() {
        QFETCH(QString, value);
        QFETCH(int, decimals);
        QFETCH(QString, rounded);
        QCOMPARE(roundToDecimals(q(value.toLatin1().constData()), decimals),
                 q(rounded.toLatin1().constData()));
    }

    // Two decimals, or as many as it takes for the value not to show as 0.
    void signKeeping_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("two decimals suffice") << "561654976/1000000"
                                              << "561,65";
        QTest::newRow("0,006 shows 0,01") << "6/1000"
                                          << "0,01";
        QTest::newRow("0,005 would be 0") << "5/1000"
                                          << "0,005";
        QTest::newRow("0,0004") << "4/10000"
                                << "0,0004";
        QTest::newRow("-0,0004 keeps its sign") << "-4/10000"
                                                << "-0,0004";
        QTest::newRow("0,00049 to its first digit") << "49/100000"
                                                    << "0,0005";
        QTest::newRow("tiny") << "-4/1" + QString(200, '0') << "-4E-200";
        QTest::newRow("0") << "0"
                           << "0";
    }
    void signKeeping() {
        QFETCH(QString, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(signKeepingText(NumberFormat(','), q(value.toLatin1().constData()))),
                 text);
    }

    // √ of a rational, simplified: r has no square factor.
    void squareRoots_data() {
        QTest::addColumn<QString>("radicand");
        QTest::addColumn<QString>("rational");
        QTest::addColumn<QString>("coefficient");
        QTest::addColumn<QString>("root");
        QTest::newRow("√8 = 2√2") << "8"
                                  << "0"
                                  << "2"
                                  << "2";
        QTest::newRow("√16 = 4") << "16"
                                 << "4"
                                 << "0"
                                 << "1";
        QTest::newRow("√(1/4) = 1/2") << "1/4"
                                      << "1/2"
                                      << "0"
                                      << "1";
        QTest::newRow("√(9/8) = (3/4)√2") << "9/8"
                                          << "0"
                                          << "3/4"
                                          << "2";
        QTest::newRow("√0,0004 = 0,02") << "4/10000"
                                        << "1/50"
                                        << "0"
                                        << "1";
        QTest::newRow("√360 = 6√10") << "360"
                                     << "0"
                                     << "6"
                                     << "10";
        QTest::newRow("√(2·3·5·7·11·13) stays") << "30030"
                                                << "0"
                                                << "1"
                                                << "30030";
        QTest::newRow("large prime squared") << "1000000014000000049"
                                             << "1000000007"
                                             << "0"
                                             << "1";
        QTest::newRow("product of two large primes") << "1000000016000000063"
                                                     << "0"
                                                     << "1"
                                                     << "1000000016000000063";
        QTest::newRow("0") << "0"
                           << "0"
                           << "0"
                           << "1";
    }
    void squareRoots() {
        QFETCH(QString, radicand);
        QFETCH(QString, rational);
        QFETCH(QString, coefficient);
        QFETCH(QString, root);
        const Surd s = squareRoot(q(radicand.toLatin1().constData()));
        QCOMPARE(s.rational, q(rational.toLatin1().constData()));
        QCOMPARE(s.coefficient, q(coefficient.toLatin1().constData()));
        QCOMPARE(s.radicand, mpz_class(root.toLatin1().constData()));
    }

    // a + b√r rounded, compared with the rounding of a long enough decimal approximation.
    void surdRounding() {
        QRandomGenerator random(11);
        for (int i = 0; i < 500; ++i) {
            const mpq_class a(random.bounded(-10000, 10000), random.bounded(1, 1000));
            const mpq_class b(random.bounded(-10000, 10000), random.bounded(1, 1000));
            const Surd s = squareRoot(mpq_class(random.bounded(2, 100000))) * b + a;
            const mpq_class rounded = roundToDecimals(s, 2);
            // rounded − 1/200 < s < rounded + 1/200: the value lies within half a hundredth.
            QVERIFY(compare(s, rounded - mpq_class(1, 200)) > 0);
            QVERIFY(compare(s, rounded + mpq_class(1, 200)) < 0);
            QCOMPARE(mpq_class(rounded * 100).get_den(), mpz_class(1));
        }
        // 1 + √2 = 2,41421…; -1 - √2; √2/1000 = 0,00141…
        QCOMPARE(roundToDecimals(squareRoot(2) + 1, 2), mpq_class(241, 100));
        QCOMPARE(roundToDecimals(-(squareRoot(2) + 1), 2), mpq_class(-241, 100));
        QCOMPARE(roundToDecimals(squareRoot(2) / 1000, 4), mpq_class(7, 5000));
    }
};

QTEST_APPLESS_MAIN(TestExact)
#include "tst_exact.moc"
