// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/rules/diophantine_steps.h"

#include "equations/rules/bezout.h"

namespace equations::diophantine {

using namespace numbers;

namespace {

std::string whole(const mpz_class& n) {
    return withMinusSign(n.get_str());
}

// A factor of a product: «(−3)» for a negative one.
std::string factor(const mpz_class& n) {
    return n < 0 ? "(" + whole(n) + ")" : whole(n);
}

// a·x + b·y = c as the pupil writes it: «4x + 6y = 2», «−x − 3y = 7».
std::string equation(const mpz_class& a, const mpz_class& b, const mpz_class& c) {
    const NumberFormat fmt;
    std::string text = a != 0 ? termText(fmt, mpq_class(a), "x") : "";
    if (text.empty())
        text = b != 0 ? termText(fmt, mpq_class(b), "y") : "0";
    else
        text += nextTermText(fmt, mpq_class(b), "y");
    return text + " = " + whole(c);
}

// x0 + m·k written as «98 − 3k», «k», «−65».
std::string line(const mpz_class& start, const mpz_class& m) {
    const NumberFormat fmt;
    if (start == 0)
        return termText(fmt, mpq_class(m), "k");
    return whole(start) + nextTermText(fmt, mpq_class(m), "k");
}

} // namespace

Steps solutionSteps(const NumberFormat& fmt, const Boxes& boxes) {
    const auto a = wholeNumber(fmt, boxes.a);
    const auto b = wholeNumber(fmt, boxes.b);
    const auto c = wholeNumber(fmt, boxes.c);
    if (!a || !b || !c)
        return {};
    const std::string shown = *a == 0 && *b == 0 ? "0x + 0y = " + whole(*c) : equation(*a, *b, *c);
    Steps steps{heading("Résolution en nombres entiers de " + shown)};
    if (*a == 0 && *b == 0) {
        steps.push_back(result(*c == 0
                                   ? "0x + 0y = 0 : tous les couples d'entiers (x ; y) sont solutions."
                                   : "0x + 0y vaut toujours 0, jamais " + whole(*c) + " : aucune solution."));
        return steps;
    }

    const Bezout identity = bezout(*a, *b);
    const mpz_class absA = abs(*a);
    const mpz_class absB = abs(*b);
    steps.push_back(heading("Algorithme d'Euclide"));
    for (const EuclidRow& row : identity.rows)
        steps.push_back(step(whole(row.dividend) + " = " + whole(row.divisor) + " × " + whole(row.quotient) +
                             " + " + whole(row.remainder)));
    const std::string gcdName = "PGCD(" + whole(absA) + " ; " + whole(absB) + ")";
    steps.push_back(result(gcdName + " = " + whole(identity.gcd) +
                           (identity.rows.empty() ? "" : " (le dernier reste non nul)")));
    if (!mpz_divisible_p(c->get_mpz_t(), identity.gcd.get_mpz_t())) {
        steps.push_back(result(whole(identity.gcd) + " ne divise pas " + whole(*c) +
                               " : l'équation n'a pas de solution entière."));
        return steps;
    }

    // Each remainder written with |a| and |b|, from the first division down: the last one that is
    // not 0 is the gcd, and its coefficients are Bézout's.
    steps.push_back(heading("Coefficients de Bézout"));
    const mpz_class signA = *a < 0 ? -1 : 1;
    const mpz_class signB = *b < 0 ? -1 : 1;
    for (const EuclidRow& row : identity.rows) {
        if (row.remainder == 0)
            break;
        steps.push_back(step(whole(row.remainder) + " = " + whole(row.dividend) + " − " +
                             whole(row.quotient) + " × " + whole(row.divisor) + " = " +
                             factor(mpz_class(row.u * signA)) + " × " + whole(absA) + " + " +
                             factor(mpz_class(row.v * signB)) + " × " + whole(absB)));
    }
    steps.push_back(result(factor(*a) + " × " + factor(identity.u) + " + " + factor(*b) + " × " +
                           factor(identity.v) + " = " + whole(identity.gcd)));

    const auto pair = onePair(*a, *b, *c);
    if (!pair)
        return steps;
    steps.push_back(heading("Solution particulière"));
    if (pair->fromBezout) {
        const mpz_class times = *c / identity.gcd;
        steps.push_back(step("On multiplie par " + whole(*c) + " ÷ " + whole(identity.gcd) + " = " +
                             whole(times) + " : x₀ = " + factor(identity.u) + " × " + factor(times) +
                             ", y₀ = " + factor(identity.v) + " × " + factor(times)));
    } else if (*c == 0) {
        steps.push_back(step("c = 0 : le couple (0 ; 0) convient."));
    } else if (*a == 0) {
        steps.push_back(
            step("a = 0 : y₀ = " + whole(*c) + " ÷ " + factor(*b) + " et x₀ quelconque ; on prend x₀ = 1."));
    } else if (*b == 0) {
        steps.push_back(
            step("b = 0 : x₀ = " + whole(*c) + " ÷ " + factor(*a) + " et y₀ quelconque ; on prend y₀ = 1."));
    } else {
        steps.push_back(step("On cherche x₀ et y₀ entre −100 et 100 (le plus grand x₀ qui convient) :"));
    }
    steps.push_back(result("x₀ = " + whole(pair->x) + " ; y₀ = " + whole(pair->y)));
    steps.push_back(step("Vérification : " + factor(*a) + " × " + factor(pair->x) + " + " + factor(*b) +
                         " × " + factor(pair->y) + " = " + whole(mpz_class(*a * pair->x)) + " + " +
                         factor(mpz_class(*b * pair->y)) + " = " +
                         whole(mpz_class(*a * pair->x + *b * pair->y)) + " ✓"));

    steps.push_back(heading("Solution générale"));
    const mpz_class stepX = *b / identity.gcd;
    const mpz_class stepY = -*a / identity.gcd;
    steps.push_back(step("Si " + equation(*a, *b, *c) + " et " + factor(*a) + " × " + factor(pair->x) +
                         " + " + factor(*b) + " × " + factor(pair->y) + " = " + whole(*c) + ", alors " +
                         factor(*a) + "(x − x₀) = " + factor(mpz_class(-*b)) + "(y − y₀) ; on divise par " +
                         whole(identity.gcd) + " et on applique le théorème de Gauss."));
    steps.push_back(result("x = " + line(pair->x, stepX) + " ; y = " + line(pair->y, stepY) + " ; k entier"));
    steps.push_back(step("Vérification : " + factor(*a) + " × (" + line(pair->x, stepX) + ") + " +
                         factor(*b) + " × (" + line(pair->y, stepY) + ") = " + whole(*c) + " + (" +
                         whole(mpz_class(*a * stepX)) + " + " + factor(mpz_class(*b * stepY)) +
                         ")k = " + whole(*c) + " ✓"));
    return steps;
}

} // namespace equations::diophantine
