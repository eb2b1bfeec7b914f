// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/rules/combination_steps.h"

#include "step_lines.h"

#include <QTest>

using numbers::NumberFormat;

namespace {

const NumberFormat kComma(',');

} // namespace

class TestCombinationSteps : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every digit of 100!, as published in the tables of factorials.
    void factorials() {
        const QString hundred =
            "9332621544394415268169923885626670049071596826438162146859296389521759999322991560894"
            "1463976156518286253697920827223758251185210916864000000000000000000000000";
        QCOMPARE(stepLines(probability::factorialSteps(kComma, "100")),
                 QStringList({"Factorielle de 100", "100! = 100 × 99 × 98 × … × 1",
                              "100! = " + hundred + " (158 chiffres)", "100! ≈ 9,33262154439442E+157"}));
        QCOMPARE(stepLines(probability::factorialSteps(kComma, "5")),
                 QStringList({"Factorielle de 5", "5! = 5 × 4 × 3 × 2 × 1", "5! = 120"}));
        QCOMPARE(stepLines(probability::factorialSteps(kComma, "0")).last(),
                 QStringLiteral("0! = 1 (par convention, 0! = 1 et 1! = 1)"));
        // Beyond the doubles the window shows no value, but the digits are still exact.
        QVERIFY(stepLines(probability::factorialSteps(kComma, "171")).at(2).endsWith("(310 chiffres)"));
        QVERIFY(probability::factorialSteps(kComma, "2,5").empty());
    }

    void combinations() {
        QCOMPARE(stepLines(probability::combinationSteps(kComma, "52", "5")),
                 QStringList({"Nombre de façons de choisir 5 éléments parmi 52",
                              "(5 parmi 52) = n!/(k!(n − k)!) = 52!/(5! × 47!)",
                              "(5 parmi 52) = (52 × 51 × 50 × 49 × 48)/(5 × 4 × 3 × 2 × 1)",
                              "(5 parmi 52) = 2598960"}));
        QCOMPARE(stepLines(probability::combinationSteps(kComma, "30", "15")).at(3),
                 QStringLiteral("(15 parmi 30) = 155117520"));
        QCOMPARE(stepLines(probability::combinationSteps(kComma, "5", "5")).last(),
                 QStringLiteral("(5 parmi 5) = 1 : une seule façon de tout prendre, ou de ne rien prendre."));
        QCOMPARE(stepLines(probability::combinationSteps(kComma, "2", "5")).last(),
                 QStringLiteral(
                     "(5 parmi 2) = 0 : on ne peut pas choisir plus d'éléments que l'ensemble n'en a."));
    }

    // Frequencies as fractions and decimals, against the band p ± 1/√n.
    void frequencies() {
        const QStringList got = stepLines(
            probability::frequencySteps(kComma, "Pile ou face", {{"Pile", 48, 1, 2}, {"Face", 52, 1, 2}}));
        QCOMPARE(got, QStringList({"Pile ou face", "Nombre d'expériences : n = 100", "1/√n = 1/√100 ≈ 0,1",
                                   "Pile : 48 fois, fréquence f = 48/100 = 12/25 = 0,48",
                                   "p = 1/2 : intervalle [p − 1/√n ; p + 1/√n] ≈ [0,4 ; 0,6] ; f y est.",
                                   "Face : 52 fois, fréquence f = 52/100 = 13/25 = 0,52",
                                   "p = 1/2 : intervalle [p − 1/√n ; p + 1/√n] ≈ [0,4 ; 0,6] ; f y est."}));
        const QStringList die =
            stepLines(probability::frequencySteps(kComma, "Dé", {{"6", 40, 1, 6}, {"autres", 60, 5, 6}}));
        QCOMPARE(
            die[4],
            QStringLiteral("p = 1/6 : intervalle [p − 1/√n ; p + 1/√n] ≈ [0,067 ; 0,267] ; f n'y est pas."));
    }
};

QTEST_APPLESS_MAIN(TestCombinationSteps)
#include "tst_combination_steps.moc"
