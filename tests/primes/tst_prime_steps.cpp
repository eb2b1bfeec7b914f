// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/rules/prime_steps.h"

#include "step_lines.h"

#include <QTest>

using numbers::NumberFormat;

class TestPrimeSteps : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void verification_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("97") << qint64(97)
                            << QStringList{"97 est-il premier ?",
                                           "On essaie les nombres premiers jusqu'à √97 ≈ 9,8 : 2, 3, 5, 7",
                                           "Aucun diviseur jusqu'à √97 ≈ 9,8 : 97 est premier."};
        QTest::newRow("360") << qint64(360)
                             << QStringList{"360 est-il premier ?",
                                            "On essaie les nombres premiers jusqu'à √360 ≈ 19 : 2",
                                            "2 divise 360 : 360 = 2 × 180, 360 n'est pas premier.",
                                            "Décomposition en facteurs premiers",
                                            "360 = 2 × 180",
                                            "180 = 2 × 90",
                                            "90 = 2 × 45",
                                            "45 = 3 × 15",
                                            "15 = 3 × 5",
                                            "5 = 5 × 1",
                                            "360 = 2³ × 3² × 5"};
        QTest::newRow("91") << qint64(91)
                            << QStringList{"91 est-il premier ?",
                                           "On essaie les nombres premiers jusqu'à √91 ≈ 9,5 : 2, 3, 5, 7",
                                           "7 divise 91 : 91 = 7 × 13, 91 n'est pas premier.",
                                           "Décomposition en facteurs premiers",
                                           "91 = 7 × 13",
                                           "13 = 13 × 1",
                                           "91 = 7 × 13"};
        QTest::newRow("2") << qint64(2)
                           << QStringList{"2 est-il premier ?",
                                          "√2 ≈ 1,4 : aucun nombre premier à essayer avant 2.",
                                          "Aucun diviseur jusqu'à √2 ≈ 1,4 : 2 est premier."};
        QTest::newRow("1") << qint64(1)
                           << QStringList{"1 est-il premier ?",
                                          "1 n'est pas premier : un nombre premier a exactement "
                                          "deux diviseurs, 1 et lui-même."};
    }
    void verification() {
        QFETCH(qint64, n);
        QFETCH(QStringList, expected);
        QCOMPARE(stepLines(primes::verificationSteps(NumberFormat(','), n)), expected);
    }

    // The largest 32-bit prime: every prime up to its root is tried, and the list says how many.
    void largePrime() {
        const QStringList got = stepLines(primes::verificationSteps(NumberFormat(','), 2147483647));
        QVERIFY(got[1].endsWith("(4792 diviseurs en tout)"));
        QCOMPARE(got[2],
                 QStringLiteral("Aucun diviseur jusqu'à √2147483647 ≈ 46341 : 2147483647 est premier."));
        // 2^31 − 2 = 2 × 3² × 7 × 11 × 31 × 151 × 331
        QCOMPARE(stepLines(primes::verificationSteps(NumberFormat(','), 2147483646)).last(),
                 QStringLiteral("2147483646 = 2 × 3² × 7 × 11 × 31 × 151 × 331"));
    }

    void search() {
        QCOMPARE(stepLines(primes::searchSteps(1, 100, 25)),
                 QStringList({"Nombres premiers de 1 à 100",
                              "Nombres examinés : 100 (le crible d'Ératosthène barre les multiples de chaque "
                              "nombre premier jusqu'à la racine carrée de la borne)",
                              "Nombres premiers trouvés : 25",
                              "π(100) = 25 : il y a 25 nombres premiers inférieurs ou égaux à 100."}));
        QCOMPARE(stepLines(primes::searchSteps(10, 20, 4)).size(), 3);
    }

    void goldbach() {
        QCOMPARE(stepLines(primes::goldbachSteps(100)),
                 QStringList({"Décompositions de 100 en somme de deux nombres premiers", "100 = 3 + 97",
                              "100 = 11 + 89", "100 = 17 + 83", "100 = 29 + 71", "100 = 41 + 59",
                              "100 = 47 + 53", "6 décompositions (p ≤ q)."}));
        QCOMPARE(stepLines(primes::goldbachSteps(4)).last(), QStringLiteral("1 décomposition (p ≤ q)."));
        // 10^6 has 5402 decompositions; only the first ones are listed.
        const QStringList million = stepLines(primes::goldbachSteps(1000000));
        QCOMPARE(million.last(), QStringLiteral("5402 décompositions (p ≤ q)."));
        QCOMPARE(million.size(), 1 + 25 + 2);
        const QStringList large = stepLines(primes::goldbachSteps(2000000000));
        QCOMPARE(large[1], QStringLiteral("2000000000 = 73 + 1999999927"));
        QVERIFY(large.last().contains("1 000 000"));
        QVERIFY(stepLines(primes::goldbachSteps(1000002)).last().contains("1 000 000"));
    }
};

QTEST_APPLESS_MAIN(TestPrimeSteps)
#include "tst_prime_steps.moc"
