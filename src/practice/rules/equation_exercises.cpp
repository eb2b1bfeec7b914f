// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/rules/affine_steps.h"
#include "equations/rules/diophantine.h"
#include "equations/rules/diophantine_steps.h"
#include "equations/rules/trinomial.h"
#include "equations/rules/trinomial_steps.h"
#include "numbers/surd_arithmetic.h"
#include "practice/rules/exercise_text.h"

#include <array>
#include <numeric>

using numbers::NumberFormat;

namespace practice {

namespace {

// The roots of a x² + b x + c = 0, exactly, in increasing order.
std::vector<numbers::Surd> rootsOf(const mpq_class& a, const mpq_class& b, const mpq_class& c) {
    const mpq_class delta = equations::trinomial::discriminantOf(a, b, c);
    if (delta < 0)
        return {};
    const mpq_class twoA = 2 * a;
    if (delta == 0)
        return {rationalSurd(-b / twoA)};
    const numbers::Surd r = numbers::squareRoot(delta);
    std::vector<numbers::Surd> roots{(-r + -b) / twoA, (r + -b) / twoA};
    if (a < 0)
        std::swap(roots[0], roots[1]);
    return roots;
}

std::string rootsText(const NumberFormat& fmt, const std::vector<numbers::Surd>& roots) {
    if (roots.empty())
        return "Aucune solution réelle (Δ < 0).";
    std::string s = "S = {";
    for (std::size_t i = 0; i < roots.size(); ++i)
        s += (i ? " ; " : "") + surdText(fmt, roots[i]);
    return s + "}";
}

// A coefficient from the list of a level.
std::int64_t pick(SeriesRandom& draw, std::initializer_list<std::int64_t> values) {
    return *(values.begin() + draw.between(0, std::int64_t(values.size()) - 1));
}

} // namespace

Exercise linear(const NumberFormat& fmt, SeriesRandom& draw, int level) {
    mpq_class a, b, c;
    if (level == 1) {
        a = draw.between(2, 9);
        b = draw.nonZero(-10, 10);
        c = a * draw.between(-10, 10) + b;
    } else if (level == 2) {
        a = pick(draw, {-9, -8, -7, -6, -5, -4, -3, -2, 2, 3, 4, 5, 6, 7, 8, 9});
        b = draw.nonZero(-20, 20);
        c = draw.between(-20, 20);
    } else {
        a = mpq_class(draw.nonZero(-50, 50), 10);
        b = mpq_class(draw.nonZero(-100, 100), 10);
        c = mpq_class(draw.between(-100, 100), 10);
    }
    a.canonicalize();
    b.canonicalize();
    c.canonicalize();
    const mpq_class x = (c - b) / a;
    Exercise e;
    e.question = "Résolvez l'équation " + numbers::termText(fmt, a, "x") + numbers::nextTermText(fmt, b, "") +
                 " = " + valueText(fmt, c) + ".";
    e.hint = "Écrivez la solution : un entier, un décimal ou une fraction (par exemple −7/3).";
    e.numbers = {a, b, c};
    e.expected.values = {rationalSurd(x)};
    e.answer = "x = " + valueText(fmt, x);
    e.correction = equations::affine::solveSteps(fmt, boxText(fmt, a), boxText(fmt, b), boxText(fmt, c));
    return e;
}

Exercise trinomial(const NumberFormat& fmt, SeriesRandom& draw, int level) {
    mpq_class a, b, c;
    if (level == 1) {
        const std::int64_t r1 = draw.between(-6, 6);
        const std::int64_t r2 = draw.between(-6, 6);
        a = 1;
        b = -(r1 + r2);
        c = r1 * r2;
    } else if (level == 2) {
        a = pick(draw, {-3, -2, -1, 1, 2, 3});
        if (draw.oneIn(3)) {
            do {
                b = draw.between(-6, 6);
                c = draw.between(-9, 9);
            } while (b * b - 4 * a * c >= 0);
        } else {
            // a(x − r)(x − q/a): one whole root and one that may be a fraction.
            const std::int64_t r = draw.between(-5, 5);
            const std::int64_t q = draw.between(-6, 6);
            b = -(a * r + q);
            c = r * q;
        }
    } else {
        // Mostly with two roots, written with a square root.
        const bool roots = !draw.oneIn(4);
        do {
            a = draw.nonZero(-5, 5);
            b = draw.between(-10, 10);
            c = draw.nonZero(-10, 10);
        } while (roots && b * b - 4 * a * c <= 0);
    }
    const std::string f = polynomialText(fmt, a, b, c);
    const mpq_class delta = equations::trinomial::discriminantOf(a, b, c);
    Exercise e;
    e.numbers = {a, b, c};
    if (draw.oneIn(3)) {
        e.question = "Calculez le discriminant Δ du trinôme " + f + ".";
        e.hint = "Écrivez la valeur de Δ.";
        e.expected.values = {rationalSurd(delta)};
        e.answer = "Δ = " + valueText(fmt, delta);
    } else {
        const auto roots = rootsOf(a, b, c);
        e.question = "Résolvez dans ℝ l'équation " + f + " = 0.";
        e.hint =
            "Écrivez les solutions séparées par « ; », par exemple 2 ; −3 ou (1 + √5)/2 ; (1 − √5)/2, ou "
            "« aucune ».";
        e.expected.shape = Expected::Shape::Roots;
        e.expected.values = roots;
        e.answer = rootsText(fmt, roots);
    }
    e.correction =
        equations::trinomial::solverSteps(fmt, boxText(fmt, a), boxText(fmt, b), boxText(fmt, c), "0");
    return e;
}

Exercise vertex(const NumberFormat& fmt, SeriesRandom& draw, int level) {
    mpq_class a, b, c;
    if (level < 3) {
        a = level == 1 ? pick(draw, {-1, 1}) : pick(draw, {-3, -2, -1, 1, 2, 3});
        const std::int64_t alpha = draw.between(-5, 5);
        const std::int64_t beta = draw.between(-9, 9);
        b = -2 * a * alpha;
        c = a * alpha * alpha + beta;
    } else {
        a = draw.nonZero(-4, 4);
        b = draw.nonZero(-9, 9);
        c = draw.between(-9, 9);
    }
    const mpq_class alpha = -b / (2 * a);
    const mpq_class beta = a * alpha * alpha + b * alpha + c;
    const std::string f = polynomialText(fmt, a, b, c);
    Exercise e;
    e.numbers = {a, b, c};
    if (draw.oneIn(3)) {
        e.question = "La fonction f définie sur ℝ par f(x) = " + f +
                     " est-elle d'abord décroissante, puis croissante ?";
        e.hint = "Répondez par oui ou par non.";
        e.expected.shape = Expected::Shape::YesNo;
        e.expected.yes = a > 0;
        e.answer = a > 0 ? "Oui : a > 0, f décroît jusqu'à x = " + valueText(fmt, alpha) + " puis croît."
                         : "Non : a < 0, f croît jusqu'à x = " + valueText(fmt, alpha) + " puis décroît.";
    } else {
        e.question = "Donnez les coordonnées (α ; β) du sommet de la parabole d'équation y = " + f + ".";
        e.hint = "Écrivez le couple entre parenthèses, par exemple (2 ; −4).";
        e.expected.shape = Expected::Shape::Pair;
        e.expected.values = {rationalSurd(alpha), rationalSurd(beta)};
        e.answer = "S(" + valueText(fmt, alpha) + " ; " + valueText(fmt, beta) + ")";
    }
    e.correction =
        equations::trinomial::variationSteps(fmt, boxText(fmt, a), boxText(fmt, b), boxText(fmt, c));
    return e;
}

Exercise diophantine(const NumberFormat& fmt, SeriesRandom& draw, int level) {
    std::int64_t a = 0, b = 0, c = 0;
    if (level == 1) {
        do {
            a = draw.between(1, 9);
            b = draw.between(1, 9);
        } while (std::gcd(a, b) != 1);
        c = a * draw.between(-5, 5) + b * draw.between(-5, 5);
    } else {
        const std::int64_t most = level == 2 ? 15 : 99;
        a = draw.nonZero(-most, most);
        b = draw.nonZero(-most, most);
        const std::int64_t g = std::gcd(a, b);
        if (level == 3 && g > 1 && draw.oneIn(4))
            c = g * draw.between(-20, 20) + draw.between(1, g - 1); // no solution
        else
            c = a * draw.between(-20, 20) + b * draw.between(-20, 20);
    }
    Exercise e;
    e.question = "Trouvez un couple d'entiers (x ; y) solution de l'équation " +
                 numbers::termText(fmt, a, "x") + numbers::nextTermText(fmt, b, "y") + " = " +
                 valueText(fmt, c) + ".";
    e.hint = "Écrivez un couple entre parenthèses, par exemple (2 ; −4), ou « aucune » s'il n'y en a pas.";
    e.numbers = {mpq_class(a), mpq_class(b), mpq_class(c)};
    e.expected.shape = Expected::Shape::IntegerPair;
    e.expected.a = a;
    e.expected.b = b;
    e.expected.n = c;
    // The key shows the solution with the smallest x, easier to check than the window's.
    auto pair = equations::diophantine::onePair(a, b, c);
    if (pair) {
        const mpz_class g = std::gcd(a, b);
        const mpz_class stepX = abs(mpz_class(b / g));
        mpz_class t;
        mpz_fdiv_q(t.get_mpz_t(), mpz_class(pair->x + stepX / 2).get_mpz_t(), stepX.get_mpz_t());
        pair->x -= t * stepX;
        pair->y = (c - a * pair->x) / b;
    }
    e.answer = pair ? "Par exemple (" + valueText(fmt, mpq_class(pair->x)) + " ; " +
                          valueText(fmt, mpq_class(pair->y)) + ")"
                    : "Aucune : le PGCD de " + std::to_string(a) + " et " + std::to_string(b) +
                          " ne divise pas " + std::to_string(c) + ".";
    e.correction =
        equations::diophantine::solutionSteps(fmt, {boxText(fmt, a), boxText(fmt, b), boxText(fmt, c)});
    return e;
}

} // namespace practice
