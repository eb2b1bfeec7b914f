// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/rules/diophantine.h"
#include "numbers/surd_arithmetic.h"
#include "practice/rules/exercise.h"
#include "practice/rules/exercise_text.h"
#include "practice/rules/series_code.h"
#include "practice/rules/series_random.h"
#include "practice/rules/typography.h"

#include <QTest>

#include <numeric>

using numbers::NumberFormat;

using namespace practice;
using numbers::Surd;
using Shape = Expected::Shape;

namespace {

const NumberFormat kComma(',');

bool primeByTrialDivision(const mpz_class& n) {
    if (n < 2)
        return false;
    for (mpz_class d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return true;
}

// n as a product of primes, as a pupil types it: «2^3*3^2*5».
std::string typedDecomposition(mpz_class n) {
    std::string out;
    for (mpz_class p = 2; n > 1; ++p) {
        int e = 0;
        while (n % p == 0) {
            n /= p;
            ++e;
        }
        if (e)
            out += (out.empty() ? "" : "*") + p.get_str() + (e > 1 ? "^" + std::to_string(e) : "");
    }
    return out;
}

// a r² + b r + c with r = a + b√d, exactly.
Surd trinomialAt(const std::vector<mpq_class>& k, const Surd& r) {
    const Surd square = *numbers::multiply(r, r);
    return *numbers::add(*numbers::add(square * k[0], r * k[1]), rationalSurd(k[2]));
}

// The answer a pupil who has solved the exercise types, found without the exercise's own answer:
// by the subject's rules, by search or by the formula.
std::string solvedAnswer(const Exercise& e) {
    const Expected& x = e.expected;
    switch (x.shape) {
    case Shape::Number:
        return surdText(kComma, x.values.at(0));
    case Shape::Roots: {
        if (x.values.empty())
            return "aucune";
        std::string s;
        for (auto it = x.values.rbegin(); it != x.values.rend(); ++it) // the other order
            s += (s.empty() ? "" : " et ") + surdText(kComma, *it);
        return s;
    }
    case Shape::Pair:
        return "(" + surdText(kComma, x.values.at(0)) + " ; " + surdText(kComma, x.values.at(1)) + ")";
    case Shape::YesNo:
        return x.yes ? "oui" : "non";
    case Shape::PrimeOrProduct:
        return primeByTrialDivision(x.n) ? "oui" : "non, " + typedDecomposition(x.n);
    case Shape::SumOfPrimes:
        for (mpz_class p = x.n - 2; p >= 2; --p) // the largest first, unlike the answer key
            if (primeByTrialDivision(p) && primeByTrialDivision(x.n - p))
                return p.get_str() + " + " + mpz_class(x.n - p).get_str();
        return {};
    case Shape::IntegerPair: {
        const auto pair = equations::diophantine::onePair(x.a, x.b, x.n);
        if (!pair)
            return "aucune";
        // Another solution than the key's: any one is right.
        return "(" + mpz_class(pair->x + x.b).get_str() + " ; " + mpz_class(pair->y - x.a).get_str() + ")";
    }
    }
    return {};
}

// The exact value checked against the numbers of the question, by substitution or by counting.
void checkByItsNumbers(const Exercise& e) {
    const auto& k = e.numbers;
    const Expected& x = e.expected;
    switch (e.kind) {
    case Kind::Linear:
        QCOMPARE(k[0] * x.values[0].rational + k[1], k[2]);
        break;
    case Kind::Trinomial:
        if (x.shape == Shape::Number) {
            QCOMPARE(x.values[0].rational, mpq_class(k[1] * k[1] - 4 * k[0] * k[2]));
        } else {
            const mpq_class delta = k[1] * k[1] - 4 * k[0] * k[2];
            QCOMPARE(x.values.size(), std::size_t(delta < 0 ? 0 : delta == 0 ? 1 : 2));
            for (const Surd& r : x.values)
                QVERIFY(numbers::isZero(trinomialAt(k, r)));
        }
        break;
    case Kind::Vertex: {
        const mpq_class alpha = -k[1] / (2 * k[0]);
        const auto f = [&](const mpq_class& t) { return mpq_class(k[0] * t * t + k[1] * t + k[2]); };
        // Symmetric about α, lowest (or highest) there.
        QCOMPARE(f(alpha + 3), f(alpha - 3));
        QCOMPARE(f(alpha + 1) > f(alpha), k[0] > 0);
        if (x.shape == Shape::Pair) {
            QCOMPARE(x.values[0].rational, alpha);
            QCOMPARE(x.values[1].rational, f(alpha));
        } else {
            QCOMPARE(x.yes, k[0] > 0);
        }
        break;
    }
    case Kind::Diophantine: {
        const mpz_class a(k[0]), b(k[1]), c(k[2]);
        mpz_class g;
        mpz_gcd(g.get_mpz_t(), a.get_mpz_t(), b.get_mpz_t());
        QCOMPARE(check(x, "aucune").verdict == Verdict::Right, c % g != 0);
        break;
    }
    case Kind::PrimeCount: {
        long count = 0;
        for (mpz_class m(k[0]); m <= mpz_class(k[1]); ++m)
            count += primeByTrialDivision(m);
        QCOMPARE(x.values[0].rational, mpq_class(count));
        break;
    }
    case Kind::Counting: {
        // Pascal's triangle for C(n, k), a product for n!.
        const long n = mpz_class(k[0]).get_si();
        if (k.size() == 1) {
            mpz_class f = 1;
            for (long i = 2; i <= n; ++i)
                f *= i;
            QCOMPARE(x.values[0].rational, mpq_class(f));
        } else {
            std::vector<mpz_class> row{1};
            for (long i = 1; i <= n; ++i) {
                std::vector<mpz_class> next(std::size_t(i + 1), 1);
                for (long j = 1; j < i; ++j)
                    next[std::size_t(j)] = row[std::size_t(j - 1)] + row[std::size_t(j)];
                row = next;
            }
            QCOMPARE(x.values[0].rational, mpq_class(row[std::size_t(mpz_class(k[1]).get_si())]));
        }
        break;
    }
    case Kind::Probability:
        QVERIFY(x.values[0].rational >= 0 && x.values[0].rational <= 1);
        break;
    case Kind::PrimeTest:
    case Kind::Goldbach:
        break; // the answer typed above is found by search
    }
}

} // namespace

class ExercisesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every kind at every level: the exercise is solved without its answer and the answer typed
    // is right; a wrong one is refused; the exact value agrees with the question's numbers; the
    // correction is written.
    void solvedExercises_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("level");
        for (int kind = 0; kind < kKindCount; ++kind)
            for (int level = 1; level <= kLevelCount; ++level)
                QTest::addRow("%s, niveau %d", std::string(kKindNames[std::size_t(kind)]).c_str(), level)
                    << kind << level;
    }
    void solvedExercises() {
        QFETCH(int, kind);
        QFETCH(int, level);
        constexpr int kPerLevel = 1000 / kLevelCount + 1;
        for (int i = 0; i < kPerLevel; ++i) {
            const std::uint32_t code = 1000 + std::uint32_t(i) * 37;
            const Exercise e = makeExercise(kComma, Kind(kind), level, code, i % 10);
            const std::string typed = solvedAnswer(e);
            const Check c = check(e.expected, typed);
            if (c.verdict != Verdict::Right)
                QFAIL(("«" + e.question + "» : «" + typed + "» refusé (" + c.message + ")").c_str());
            checkByItsNumbers(e);
            if (QTest::currentTestFailed())
                QFAIL(e.question.c_str());
            QVERIFY(!e.question.empty() && !e.hint.empty() && !e.answer.empty());
            QVERIFY2(e.correction.size() >= 2, e.question.c_str());
            // A wrong answer of the same form is refused.
            if (e.expected.shape == Shape::Number) {
                const Surd off = e.expected.values[0] + mpq_class(1);
                QCOMPARE(check(e.expected, surdText(kComma, off)).verdict, Verdict::Wrong);
            }
        }
    }

    // A series code gives the same exercises each time, and the generator is fixed: the first
    // exercise of series 4271 of equations a x + b = c at level 1 is worked out by hand from
    // SplitMix64 (a = 2 + r₁ mod 8, b from −10 + r₂ mod 21, x from −10 + r₃ mod 21).
    void sameCodeSameSeries() {
        for (int kind = 0; kind < kKindCount; ++kind)
            for (int i = 0; i < 10; ++i) {
                const Exercise a = makeExercise(kComma, Kind(kind), 2, 4271, i);
                const Exercise b = makeExercise(kComma, Kind(kind), 2, 4271, i);
                QCOMPARE(a.question, b.question);
                QCOMPARE(a.answer, b.answer);
            }
        const Exercise first = makeExercise(kComma, Kind::Linear, 1, 4271, 0);
        QCOMPARE(first.question, std::string("Résolvez l'équation 3x − 9 = −18."));
        QCOMPARE(first.answer, std::string("x = −3"));
        QVERIFY(makeExercise(kComma, Kind::Linear, 1, 4272, 0).question != first.question ||
                makeExercise(kComma, Kind::Linear, 1, 4271, 1).question != first.question);
        SeriesRandom draw(0);
        QCOMPARE(draw.next(), 0xE220A8397B1DCDAFULL); // SplitMix64's first output from seed 0
    }

    // A code says its kind and level: every kind and level has codes of four digits, and a code
    // typed with words around it is read.
    void seriesCodes() {
        for (int kind = 0; kind < kKindCount; ++kind)
            for (int level = 1; level <= kLevelCount; ++level)
                for (std::uint64_t chance : {0ULL, 1ULL, 12345ULL, ~0ULL}) {
                    const std::uint32_t code = codeFor(kind, level, chance);
                    QVERIFY(code >= kFirstCode && code <= kLastCode);
                    QCOMPARE(seriesOf(code).kind, kind);
                    QCOMPARE(seriesOf(code).level, level);
                }
        QCOMPARE(readCode("4271"), std::optional<std::uint32_t>(4271));
        QCOMPARE(readCode("Série 4271"), std::optional<std::uint32_t>(4271));
        QCOMPARE(readCode(" 4271 "), std::optional<std::uint32_t>(4271));
        for (const char* refused : {"", "Série", "999", "42710", "42a71", "-4271"})
            QVERIFY2(!readCode(refused), refused);
    }

    // No-break spaces where French typography puts them, once.
    void frenchSpacing_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("spaced");
        QTest::newRow("question") << "Est-il premier ?" << QString::fromUtf8("Est-il premier\u202F?");
        QTest::newRow("colon") << "Non : 9 = 3²" << QString::fromUtf8("Non\u00A0: 9 = 3²");
        QTest::newRow("pair") << "(2 ; −4)" << QString::fromUtf8("(2\u202F; −4)");
        QTest::newRow("no space typed") << "Combien?" << QString::fromUtf8("Combien\u202F?");
        QTest::newRow("already spaced")
            << QString::fromUtf8("Oui\u00A0: 7") << QString::fromUtf8("Oui\u00A0: 7");
    }
    void frenchSpacing() {
        QFETCH(QString, text);
        QFETCH(QString, spaced);
        QCOMPARE(QString::fromStdString(practice::frenchSpacing(text.toStdString())), spaced);
    }
};

QTEST_APPLESS_MAIN(ExercisesTest)
#include "tst_exercises.moc"
