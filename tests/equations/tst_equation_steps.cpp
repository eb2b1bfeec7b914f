// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/rules/affine_steps.h"
#include "equations/rules/bezout.h"
#include "equations/rules/diophantine_steps.h"
#include "equations/rules/trinomial_steps.h"

#include "step_lines.h"
#include <QRandomGenerator>

#include <QTest>

using numbers::NumberFormat;

namespace {

const NumberFormat kComma(',');

} // namespace

class TestEquationSteps : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The marks read in plain text as they are written by hand.
    void plainTextOfMarks() {
        using namespace numbers;
        Line line = step("Δ = b");
        line << exponent("2") << " ; 10" << exponent("-3") << " ; x" << exponent("k+1") << " ; " << root("32")
             << " ; " << root("2x + 1") << " ; " << fraction("−b", "2a") << " ; " << fraction("3", "4")
             << " ; " << fraction("−1 + √5", "2");
        QCOMPARE(QString::fromStdString(plainText(line)),
                 QStringLiteral("Δ = b² ; 10⁻³ ; x^(k+1) ; √32 ; √(2x + 1) ; −b/(2a) ; 3/4 ; (−1 + √5)/2"));
        QCOMPARE(QString::fromStdString(plainText(Steps{heading("A"), step("B")})), QStringLiteral("A\nB\n"));
    }

    void degree1() {
        QCOMPARE(stepLines(equations::affine::solveSteps(kComma, "8", "-15", "11,6")),
                 QStringList({"Résolution de f(x) = k", "8x − 15 = 11,6", "8x = 11,6 − (−15)", "8x = 26,6",
                              "x = 26,6/8", "x = 133/40 = 3,325", "x ≈ 3,32 (arrondi au centième)"}));
        QCOMPARE(stepLines(equations::affine::solveSteps(kComma, "3", "1", "3")).mid(4),
                 QStringList({"x = 2/3", "x ≈ 0,67 (arrondi au centième)"}));
        QCOMPARE(stepLines(equations::affine::solveSteps(kComma, "1", "0", "5")),
                 QStringList({"Résolution de f(x) = k", "x = 5", "x = 5"}));
        QCOMPARE(stepLines(equations::affine::solveSteps(kComma, "0", "2", "5")).last(),
                 QStringLiteral("a = 0 : f est constante, l'équation n'a pas une solution unique."));
        QCOMPARE(stepLines(equations::affine::valueSteps(kComma, "1", "-18,5", "18,7")),
                 QStringList({"Calcul de f(x₀) pour x₀ = 18,7", "f(18,7) = 1 × 18,7 + (−18,5)",
                              "f(18,7) = 18,7 − 18,5", "f(18,7) = 0,2"}));
        QVERIFY(equations::affine::solveSteps(kComma, "1", "-", "2").empty());
    }

    // Δ with the numbers, √Δ simplified, exact roots then their decimals, the factorised form.
    void degree2_data() {
        QTest::addColumn<QStringList>("coefficients");
        QTest::addColumn<QStringList>("expected"); // lines that must appear, in this order
        QTest::newRow("√32 = 4√2") << QStringList{"1", "0", "-8", "0"}
                                   << QStringList{"Δ = 0² − 4 × 1 × (−8)", "Δ = 32",
                                                  "√Δ = √32 = 4√2",        "x₁ = −2√2  ≈ −2,83",
                                                  "x₂ = 2√2  ≈ 2,83",      "x² − 8 = (x + 2√2)(x − 2√2)"};
        QTest::newRow("a fraction of a root")
            << QStringList{"2", "-2", "-1", "0"}
            << QStringList{"Δ = 12", "√Δ = √12 = 2√3", "x₁ = (1 − √3)/2  ≈ −0,37", "x₂ = (1 + √3)/2  ≈ 1,37",
                           "2x² − 2x − 1 = 2(x − (1 − √3)/2)(x − (1 + √3)/2)"};
        QTest::newRow("small discriminant, exact roots")
            << QStringList{"1", "0,1", "0,0024", "0"}
            << QStringList{"Δ = 0,1² − 4 × 1 × 0,0024",
                           "Δ = 0,01 − 0,0096",
                           "Δ = 0,0004",
                           "√Δ = √0,0004 = 0,02",
                           "x₁ = −0,06",
                           "x₂ = −0,04",
                           "x² + 0,1x + 0,0024 = (x + 0,06)(x + 0,04)"};
        QTest::newRow("right-hand side")
            << QStringList{"1", "0", "0", "4"} << QStringList{"Résolution de x² = 4",
                                                              "On se ramène à x² − 4 = 0 (c − k = −4)",
                                                              "Δ = 16",
                                                              "x₁ = −2",
                                                              "x₂ = 2",
                                                              "x² − 4 = (x + 2)(x − 2)"};
        QTest::newRow("double root") << QStringList{"1", "2", "1", "0"}
                                     << QStringList{"Δ = 0 : l'équation a une solution double.", "x₀ = −1",
                                                    "x² + 2x + 1 = (x + 1)²"};
        QTest::newRow("complex") << QStringList{"1", "2", "5", "0"}
                                 << QStringList{"Δ = −16", "z₁ = −1 − i × 2", "z₂ = −1 + i × 2",
                                                "Δ < 0 : le trinôme ne se factorise pas dans ℝ ; dans ℂ, "
                                                "x² + 2x + 5 = (x − z₁)(x − z₂)."};
        QTest::newRow("complex with a root")
            << QStringList{"2", "2", "1", "0"}
            << QStringList{"Δ = −4", "z₁ = −0,5 − i × 0,5", "z₂ = −0,5 + i × 0,5"};
        QTest::newRow("rounded discriminant")
            << QStringList{"-6,24", "5,416", "17,84", "-3,487"} << QStringList{"Δ = 561,654976  ≈ 561,65"};
        QTest::newRow("a = 0") << QStringList{"0", "2", "1", "0"}
                               << QStringList{"a = 0 : ce n'est pas une équation du second degré."};
    }
    void degree2() {
        QFETCH(QStringList, coefficients);
        QFETCH(QStringList, expected);
        const QStringList got = stepLines(equations::trinomial::solverSteps(
            kComma, coefficients[0].toStdString(), coefficients[1].toStdString(),
            coefficients[2].toStdString(), coefficients[3].toStdString()));
        qsizetype at = 0;
        for (const QString& line : expected) {
            const qsizetype found = got.indexOf(line, at);
            QVERIFY2(found >= 0, qPrintable(line + "\n in:\n" + got.join('\n')));
            at = found + 1;
        }
    }

    void vertexAndValue() {
        QCOMPARE(stepLines(equations::trinomial::variationSteps(kComma, "2", "1", "-3")),
                 QStringList(
                     {"Sommet et variations de f(x) = 2x² + x − 3", "α = −b/(2a) = −1/4 = −0,25",
                      "β = f(α) = −3,125  ≈ −3,12", "f(x) = 2(x + 0,25)² − 3,125",
                      "a > 0 : f est décroissante puis croissante ; son minimum β est atteint en x = α."}));
        QCOMPARE(stepLines(equations::trinomial::valueSteps(kComma, "1", "-0,3", "0,02", "0,1")).last(),
                 QStringLiteral("f(0,1) = 0"));
    }

    // Every division of the table holds, every remainder is the combination written, and the last
    // one that is not 0 is the gcd: u·a + v·b = gcd(a, b).
    void euclidTable() {
        QRandomGenerator random(3);
        for (int i = 0; i < 2000; ++i) {
            const mpz_class a(random.bounded(-5000, 5000));
            const mpz_class b(random.bounded(-5000, 5000));
            const equations::Bezout e = equations::bezout(a, b);
            mpz_class g;
            mpz_gcd(g.get_mpz_t(), a.get_mpz_t(), b.get_mpz_t());
            QCOMPARE(e.gcd, g);
            QCOMPARE(mpz_class(e.u * a + e.v * b), g);
            for (const equations::EuclidRow& row : e.rows) {
                QCOMPARE(row.dividend, mpz_class(row.divisor * row.quotient + row.remainder));
                QVERIFY(row.remainder >= 0 && row.remainder < row.divisor);
                QCOMPARE(mpz_class(row.u * a + row.v * b), row.remainder);
            }
            if (!e.rows.empty())
                QCOMPARE(e.rows.back().remainder, mpz_class(0));
        }
    }

    void diophantine_data() {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("outside the square")
            << QStringList{"-517", "-1754", "3298"}
            << QStringList{
                   "1754 = 517 × 3 + 203",
                   "3 = 1 × 3 + 0",
                   "PGCD(517 ; 1754) = 1 (le dernier reste non nul)",
                   "203 = 1754 − 3 × 517 = (−3) × 517 + 1 × 1754",
                   "(−517) × 553 + (−1754) × (−163) = 1",
                   "On multiplie par 3298 ÷ 1 = 3298 : x₀ = 553 × 3298, y₀ = (−163) × 3298",
                   "x₀ = 1823794 ; y₀ = −537574",
                   "Vérification : (−517) × 1823794 + (−1754) × (−537574) = −942901498 + 942904796 = 3298 ✓",
                   "x = 1823794 − 1754k ; y = −537574 + 517k ; k entier"};
        QTest::newRow("in the square")
            << QStringList{"-2", "-3", "-1"}
            << QStringList{"On cherche x₀ et y₀ entre −100 et 100 (le plus grand x₀ qui convient) :",
                           "x₀ = 98 ; y₀ = −65", "x = 98 − 3k ; y = −65 + 2k ; k entier"};
        QTest::newRow("not simplified") << QStringList{"4", "6", "2"}
                                        << QStringList{"PGCD(4 ; 6) = 2 (le dernier reste non nul)",
                                                       "x = 98 + 3k ; y = −65 − 2k ; k entier"};
        QTest::newRow("no solution") << QStringList{"4", "6", "3"}
                                     << QStringList{
                                            "2 ne divise pas 3 : l'équation n'a pas de solution entière."};
        QTest::newRow("every pair")
            << QStringList{"0", "0", "0"}
            << QStringList{"Résolution en nombres entiers de 0x + 0y = 0",
                           "0x + 0y = 0 : tous les couples d'entiers (x ; y) sont solutions."};
        QTest::newRow("none") << QStringList{"0", "0", "5"}
                              << QStringList{"0x + 0y vaut toujours 0, jamais 5 : aucune solution."};
    }
    void diophantine() {
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, expected);
        const QStringList got = stepLines(equations::diophantine::solutionSteps(
            kComma, {boxes[0].toStdString(), boxes[1].toStdString(), boxes[2].toStdString()}));
        qsizetype at = 0;
        for (const QString& line : expected) {
            const qsizetype found = got.indexOf(line, at);
            QVERIFY2(found >= 0, qPrintable(line + "\n in:\n" + got.join('\n')));
            at = found + 1;
        }
    }
};

QTEST_APPLESS_MAIN(TestEquationSteps)
#include "tst_equation_steps.moc"
