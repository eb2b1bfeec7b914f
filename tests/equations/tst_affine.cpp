// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/rules/affine.h"
#include "exact_fractions.h"

#include <QElapsedTimer>
#include <QTest>

using numbers::NumberFormat;

namespace affine = equations::affine;
using namespace exactcheck;

namespace {
const QString kNone = QStringLiteral("(rien)"); // no result

QString orNone(const std::optional<std::string>& text) {
    return text ? QString::fromStdString(*text) : kNone;
}

std::string str(const QString& text) {
    return text.toStdString();
}

} // namespace

class TestAffine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // x = (k − b) / a from the exact values typed, rounded once to hundredths, a tie to the even digit.
    void solve_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("k");
        QTest::addColumn<QString>("x");
        QTest::newRow("2/3 rounds up") << "3"
                                       << "1"
                                       << "3"
                                       << "0,67";
        QTest::newRow("whole") << "2"
                               << "1"
                               << "5"
                               << "2";
        QTest::newRow("negative") << "-3"
                                  << "1"
                                  << "3"
                                  << "-0,67";
        QTest::newRow("tie to even below") << "1"
                                           << "0"
                                           << "0,125"
                                           << "0,12";
        QTest::newRow("tie to even above") << "1"
                                           << "0"
                                           << "0,375"
                                           << "0,38";
        QTest::newRow("negative tie") << "8"
                                      << "1"
                                      << "0"
                                      << "-0,12"; // -1/8
        QTest::newRow("2,675 is a tie, up to 8") << "1"
                                                 << "0"
                                                 << "2,675"
                                                 << "2,68";
        QTest::newRow("3,325 is a tie, down to 2") << "8"
                                                   << "-15"
                                                   << "11,6"
                                                   << "3,32";
        QTest::newRow("0,665 is a tie, down to 6") << "1"
                                                   << "0"
                                                   << "0,665"
                                                   << "0,66";
        QTest::newRow("7,215 is a tie, up to 2") << "2"
                                                 << "0"
                                                 << "14,43"
                                                 << "7,22";
        QTest::newRow("1,005 is a tie, down to 0") << "1"
                                                   << "0"
                                                   << "1,005"
                                                   << "1";
        QTest::newRow("large values keep their digits") << "1"
                                                        << "0"
                                                        << "123456789012,345"
                                                        << "123456789012,34";
        QTest::newRow("beyond rounding") << "1"
                                         << "0"
                                         << "1E300"
                                         << "1E+300";
        QTest::newRow("a = 0") << "0"
                               << "1"
                               << "3" << kNone;
        QTest::newRow("k a lone minus") << "1"
                                        << "1"
                                        << "-" << kNone;
        QTest::newRow("quotient beyond a double") << "1E-10"
                                                  << "0"
                                                  << "1E300" << kNone;
        QTest::newRow("difference beyond a double") << "1"
                                                    << "-1,7E308"
                                                    << "1,7E308" << kNone;
    }
    void solve() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, k);
        QFETCH(QString, x);
        QCOMPARE(orNone(affine::solve(NumberFormat(','), str(a), str(b), str(k))), x);
        const auto withPoint = [](QString t) { return t.replace(',', '.'); };
        QCOMPARE(
            orNone(affine::solve(NumberFormat('.'), str(withPoint(a)), str(withPoint(b)), str(withPoint(k)))),
            withPoint(x));
    }

    // Random decimals of 0 to 3 places against the test's own fractions.
    void solveAgainstFractions() {
        QRandomGenerator random(20261211);
        const NumberFormat fmt(',');
        for (int i = 0; i < 3000; ++i) {
            const Typed a = randomDecimal(random, true);
            const Typed b = randomDecimal(random, false);
            const Typed k = randomDecimal(random, false);
            const Fraction x = (k.value - b.value) / a.value;
            QCOMPARE(orNone(affine::solve(fmt, str(a.text), str(b.text), str(k.text))),
                     hundredthsText(hundredths(x)));
        }
    }

    void valueAt_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("x0");
        QTest::addColumn<QString>("y");
        QTest::newRow("2·3 + 1") << "2"
                                 << "1"
                                 << "3"
                                 << "7";
        QTest::newRow("2·0,25 + 1") << "2"
                                    << "1"
                                    << "0,25"
                                    << "1,5";
        QTest::newRow("not rounded") << "1"
                                     << "0"
                                     << "0,125"
                                     << "0,125";
        QTest::newRow("no residue") << "1"
                                    << "-18,5"
                                    << "18,7"
                                    << "0,2";
        QTest::newRow("15 significant digits") << "1"
                                               << "0"
                                               << "0,1234567890123456"
                                               << "0,123456789012346";
        QTest::newRow("a = 0 is refused") << "0"
                                          << "4"
                                          << "3" << kNone;
        QTest::newRow("beyond a double") << "1E308"
                                         << "0"
                                         << "10" << kNone;
    }
    void valueAt() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, x0);
        QFETCH(QString, y);
        QCOMPARE(orNone(affine::valueAt(NumberFormat(','), str(a), str(b), str(x0))), y);
    }

    void arrows() {
        QCOMPARE(affine::arrowFor(2), (affine::Arrow{960, 4320, 3600, 3600}));
        QCOMPARE(affine::arrowFor(0), affine::kRisingArrow);
        QCOMPARE(affine::arrowFor(-0.0), affine::kRisingArrow);
        QCOMPARE(affine::arrowFor(-2), (affine::Arrow{1080, 3600, 3600, 4320}));
        QCOMPARE(affine::arrowFor(-1e-300), affine::kFallingArrow);
    }

    void longestNumberPrefix_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<char>("sep");
        QTest::addColumn<QString>("kept");
        QTest::newRow("1a") << "1a" << ',' << "1";
        QTest::newRow("letter inside 12") << "1a2" << ',' << "1";
        QTest::newRow("lone minus") << "-" << ',' << "";
        QTest::newRow("minus then letter") << "-x5" << ',' << "";
        QTest::newRow("number is kept whole") << "-12,5" << ',' << "-12,5";
        QTest::newRow("second separator") << "1,5,2" << ',' << "1,5";
        QTest::newRow("point under comma settings") << "1.5" << ',' << "1";
        QTest::newRow("point under point settings") << "1.5x" << '.' << "1.5";
        QTest::newRow("separator first") << ",5e" << ',' << ",5";
        QTest::newRow("dangling exponent") << "2e" << ',' << "2";
        QTest::newRow("dangling exponent sign") << "2E-" << ',' << "2";
        QTest::newRow("exponent then letter") << "2E-3z" << ',' << "2E-3";
        QTest::newRow("blanks around") << " +5  x" << ',' << " +5  ";
        QTest::newRow("blank inside") << "5 5" << ',' << "5 ";
        QTest::newRow("exponent too large") << "1e400" << ',' << "1e40";
        QTest::newRow("tiny value reads as 0") << "1e-400q" << ',' << "1e-400";
        QTest::newRow("many exponent digits")
            << "1E-1" + QString(320, '0') << ',' << "1E-1" + QString(320, '0');
        QTest::newRow("309 nines overflow") << QString(309, '9') << ',' << QString(308, '9');
        QTest::newRow("mantissa beyond, negative exponent saves it")
            << QString(400, '1') + "e-100!" << ',' << QString(400, '1') + "e-100";
        QTest::newRow("mantissa beyond, exponent too short")
            << QString(400, '1') + "e-9!" << ',' << QString(309, '1');
        QTest::newRow("not ASCII") << QString::fromUtf8("3é") << ',' << "3";
    }
    void longestNumberPrefix() {
        QFETCH(QString, text);
        QFETCH(char, sep);
        QFETCH(QString, kept);
        const NumberFormat fmt(sep);
        const std::string result = affine::longestNumberPrefix(fmt, text.toStdString());
        QCOMPARE(QString::fromStdString(result), kept);
        // It is the longest beginning that converts.
        QVERIFY(result.empty() || fmt.toDouble(result));
        const std::string utf8 = text.toStdString();
        for (std::size_t n = result.size() + 1; n <= std::min(utf8.size(), result.size() + 40); ++n)
            QVERIFY(!fmt.toDouble(utf8.substr(0, n)));
    }

    void longTextsAreTrimmedQuickly_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("keptLength");
        const int n = 100'000;
        QTest::newRow("digits") << QString(n, '7') << 308;
        QTest::newRow("fraction then letter") << "5," + QString(n, '9') + "x" << n + 2;
        QTest::newRow("long exponent") << "1e" + QString(n, '9') << 4; // 1e99
        QTest::newRow("long negative exponent") << "1e-" + QString(n, '9') + "?" << n + 3;
        QTest::newRow("blanks") << "4" + QString(n, ' ') + "x" << n + 1;
        QTest::newRow("letters") << "4" + QString(n, 'x') << 1;
    }
    void longTextsAreTrimmedQuickly() {
        QFETCH(QString, text);
        QFETCH(int, keptLength);
        QElapsedTimer timer;
        timer.start();
        const std::string result = affine::longestNumberPrefix(NumberFormat(','), text.toStdString());
        QCOMPARE(int(result.size()), keptLength);
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    }
};

QTEST_APPLESS_MAIN(TestAffine)
#include "tst_affine.moc"
