// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/rules/random_draw.h"
#include "probability/rules/simulation.h"

#include <QTest>

#include <limits>

using numbers::NumberFormat;

using namespace probability;

namespace {
std::string str(const QString& text) {
    return text.toStdString();
}
QString qstr(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
// The largest draw there is, just below 1.
const float kLastDraw = std::nextafter(1.0f, 0.0f);
} // namespace

class TestRandomDraw : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The texts are written with a comma; under a point they read the same with a point.
    void draw_data() {
        QTest::addColumn<QString>("bound");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<float>("r");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("history");
        QTest::newRow("whole: label cut, history not") << "10"
                                                       << "Entier" << 0.75f << "7"
                                                       << "7,5";
        QTest::newRow("real") << "10"
                              << "Nombre" << 0.75f << "7,5"
                              << "7,5";
        QTest::newRow("any other mode text is real") << "10"
                                                     << "entier" << 0.75f << "7,5"
                                                     << "7,5";
        QTest::newRow("empty mode text is real") << "10"
                                                 << "" << 0.75f << "7,5"
                                                 << "7,5";
        QTest::newRow("bound 1 whole is always 0") << "1"
                                                   << "Entier" << kLastDraw << "0"
                                                   << "0,999999940395355";
        QTest::newRow("never the bound itself") << "10"
                                                << "Entier" << kLastDraw << "9"
                                                << "9,99999940395355";
        QTest::newRow("single-precision draw") << "1"
                                               << "Nombre" << 0.1f << "0,100000001490116"
                                               << "0,100000001490116";
        QTest::newRow("draw 0") << "10"
                                << "Entier" << 0.0f << "0"
                                << "0";
        QTest::newRow("value 0 in another text") << "0,0"
                                                 << "Entier" << 0.5f << "0"
                                                 << "0";
        QTest::newRow("exponent bound") << "1e3"
                                        << "Entier" << 0.5f << "500"
                                        << "500";
        QTest::newRow("huge bound") << "1e300"
                                    << "Nombre" << 0.5f << "5E+299"
                                    << "5E+299";
        QTest::newRow("decimal bound, whole") << "2,5"
                                              << "Entier" << 0.5f << "1"
                                              << "1,25";
    }
    void draw() {
        QFETCH(QString, bound);
        QFETCH(QString, mode);
        QFETCH(float, r);
        QFETCH(QString, result);
        QFETCH(QString, history);
        for (char sep : {',', '.'}) {
            const NumberFormat numbers(sep);
            const auto texts = drawTexts(numbers, str(QString(bound).replace(',', QChar(sep))), str(mode), r);
            QVERIFY(texts);
            QCOMPARE(qstr(texts->result), QString(result).replace(',', QChar(sep)));
            QCOMPARE(qstr(texts->history), QString(history).replace(',', QChar(sep)));
        }
    }

    void boundThatDoesNotConvertDrawsNothing() {
        const NumberFormat numbers(',');
        for (const char* bound : {"", "abc", "1e999", "5.5"})
            QVERIFY2(!drawTexts(numbers, bound, "Nombre", 0.5f), bound);
    }

    void boundReplaced() {
        QVERIFY(boundReplacedByOne(""));
        QVERIFY(boundReplacedByOne("0"));
        for (const char* kept : {"0,0", "00", " 0", "0 ", "1"})
            QVERIFY2(!boundReplacedByOne(kept), kept);
    }

    void coin() {
        QCOMPARE(coinToss(0.5f), Coin::Face);
        QCOMPARE(coinToss(0.0f), Coin::Face);
        QCOMPARE(coinToss(std::nextafter(0.5f, 1.0f)), Coin::Pile);
        QCOMPARE(coinToss(kLastDraw), Coin::Pile);
        QCOMPARE(qstr(coinText(Coin::Pile)), QStringLiteral(" PILE"));
        QCOMPARE(qstr(coinText(Coin::Face)), QStringLiteral("FACE"));
    }

    void die_data() {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("face");
        QTest::newRow("0") << 0.0f << 1;
        QTest::newRow("just below a sixth") << std::nextafter(1.0f / 6.0f, 0.0f) << 1;
        QTest::newRow("one half") << 0.5f << 4;
        QTest::newRow("largest draw") << kLastDraw << 6;
    }
    void die() {
        QFETCH(float, r);
        QFETCH(int, face);
        QCOMPARE(dieFace(r), face);
        QCOMPARE(qstr(faceText(face)), QString::number(face));
    }

    void pips_data() {
        QTest::addColumn<int>("face");
        QTest::addColumn<int>("pips");
        const int corners = TopLeft | TopRight | BottomLeft | BottomRight;
        QTest::newRow("1") << 1 << int(Centre);
        QTest::newRow("2") << 2 << int(TopRight | BottomLeft);
        QTest::newRow("3") << 3 << int(Centre | TopRight | BottomLeft);
        QTest::newRow("4") << 4 << corners;
        QTest::newRow("5") << 5 << (corners | Centre);
        QTest::newRow("6") << 6 << (corners | MiddleLeft | MiddleRight);
    }
    void pips() {
        QFETCH(int, face);
        QFETCH(int, pips);
        QCOMPARE(int(pipsOf(face)), pips);
    }

    // Dividing first or multiplying first: the two orders differ in the last digits, which the
    // fifteen digits shown hide; a total of 0 has no percentage; 64-bit counts never overflow.
    void percentages() {
        const NumberFormat comma(',');
        QCOMPARE(qstr(comma.numberText(*coinPercent(1, 3))), QStringLiteral("33,3333333333333"));
        QCOMPARE(qstr(comma.numberText(*coinPercent(2, 3))), QStringLiteral("66,6666666666667"));
        QCOMPARE(qstr(comma.numberText(*diePercent(1, 6))), QStringLiteral("16,6666666666667"));
        QCOMPARE(*coinPercent(1, 3), 1.0 / 3.0 * 100.0);
        QCOMPARE(*diePercent(1, 3), 100.0 / 3.0);
        QVERIFY(!coinPercent(0, 0));
        QVERIFY(!diePercent(0, 0));
        QCOMPARE(
            *diePercent(std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::max()),
            100.0);
        QCOMPARE(*diePercent(3'000'000'000LL, 6'000'000'000LL), 50.0);
    }
};

QTEST_APPLESS_MAIN(TestRandomDraw)
#include "tst_random_draw.moc"
