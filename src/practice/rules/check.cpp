// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/surd_arithmetic.h"
#include "practice/rules/answer_reader.h"
#include "practice/rules/exercise.h"

#include <algorithm>

namespace practice {

namespace {

using numbers::Surd;
using Shape = Expected::Shape;

Check right() {
    return {Verdict::Right, {}};
}
Check wrong(std::string why = {}) {
    return {Verdict::Wrong, std::move(why)};
}
Check unreadable(std::string what) {
    return {Verdict::Unreadable, std::move(what)};
}

bool isWhole(const Surd& s) {
    return s.isRational() && s.rational.get_den() == 1;
}

// Primality of a pupil's factor, which may be large: GMP's test is exact below 2^64.
bool isPrime(const mpz_class& n) {
    return n >= 2 && mpz_probab_prime_p(n.get_mpz_t(), 30) > 0;
}

// Both lists hold the same numbers, in any order; a root written twice counts once.
bool sameSet(std::vector<Surd> given, const std::vector<Surd>& expected) {
    std::vector<Surd> distinct;
    for (const Surd& s : given)
        if (std::none_of(distinct.begin(), distinct.end(),
                         [&](const Surd& d) { return numbers::equal(d, s); }))
            distinct.push_back(s);
    if (distinct.size() != expected.size())
        return false;
    return std::all_of(expected.begin(), expected.end(), [&](const Surd& e) {
        return std::any_of(distinct.begin(), distinct.end(),
                           [&](const Surd& d) { return numbers::equal(d, e); });
    });
}

Check checkPrimeOrProduct(const Expected& e, std::string_view answer) {
    if (const auto yesNo = readYesNo(answer); yesNo.value) {
        if (*yesNo.value)
            return isPrime(e.n) ? right() : wrong();
        if (isPrime(e.n))
            return wrong();
        return unreadable(
            "Le nombre n'est pas premier : écrivez aussi sa décomposition en produit de facteurs "
            "premiers, par exemple 2² × 3.");
    }
    // «non, 2² × 3» or «non : 2² × 3»: the decomposition after the «non».
    std::string_view rest = answer;
    const auto first = rest.find_first_not_of(" \t");
    if (first != std::string_view::npos && rest.size() - first >= 3) {
        std::string start(rest.substr(first, 3));
        std::transform(start.begin(), start.end(), start.begin(),
                       [](unsigned char c) { return char(std::tolower(c)); });
        if (start == "non")
            rest = rest.substr(first + 3);
        while (!rest.empty() && (rest.front() == ',' || rest.front() == ':' || rest.front() == ' '))
            rest.remove_prefix(1);
    }
    const auto product = readProduct(rest);
    if (!product.value)
        return unreadable(
            "Répondez « oui » si le nombre est premier, sinon écrivez sa décomposition en produit de "
            "facteurs premiers, par exemple 2³ × 5.");
    mpz_class value = 1;
    for (const PrimePower& f : *product.value) {
        if (f.exponent > 64 || f.base > e.n)
            return wrong();
        mpz_class power;
        mpz_pow_ui(power.get_mpz_t(), f.base.get_mpz_t(), f.exponent);
        value *= power;
        if (value > e.n)
            return wrong();
    }
    if (value != e.n)
        return wrong();
    for (const PrimePower& f : *product.value)
        if (f.exponent > 0 && !isPrime(f.base))
            return wrong("Le produit vaut bien " + e.n.get_str() + ", mais " + f.base.get_str() +
                         " n'est pas premier.");
    return right();
}

Check checkSumOfPrimes(const Expected& e, std::string_view answer) {
    // «5 + 43» is one number for the reader: read the two terms.
    std::string terms(answer);
    if (const auto equals = terms.rfind('='); equals != std::string::npos)
        terms = terms.substr(equals + 1);
    std::replace(terms.begin(), terms.end(), '+', ';');
    const auto r = readNumbers(terms);
    const char* form = "Écrivez deux nombres premiers dont la somme vaut le nombre, par exemple 5 + 7.";
    if (!r.value)
        return unreadable(form);
    if (r.value->size() != 2 || !isWhole((*r.value)[0]) || !isWhole((*r.value)[1]))
        return unreadable(form);
    const mpz_class p = (*r.value)[0].rational.get_num();
    const mpz_class q = (*r.value)[1].rational.get_num();
    if (p + q != e.n)
        return wrong("La somme de " + p.get_str() + " et " + q.get_str() + " ne vaut pas " + e.n.get_str() +
                     ".");
    for (const mpz_class& m : {p, q})
        if (!isPrime(m))
            return wrong(m.get_str() + " n'est pas premier.");
    return right();
}

Check checkIntegerPair(const Expected& e, std::string_view answer) {
    const auto r = readNumbers(answer);
    if (!r.value)
        return unreadable(r.problem);
    mpz_class g;
    mpz_gcd(g.get_mpz_t(), e.a.get_mpz_t(), e.b.get_mpz_t());
    const bool solvable = g != 0 ? mpz_divisible_p(e.n.get_mpz_t(), g.get_mpz_t()) != 0 : e.n == 0;
    if (r.value->empty())
        return solvable ? wrong() : right();
    if (r.value->size() != 2)
        return unreadable(
            "Écrivez un couple d'entiers entre parenthèses, par exemple (2 ; −4), ou « aucune ».");
    const Surd& x = (*r.value)[0];
    const Surd& y = (*r.value)[1];
    if (!isWhole(x) || !isWhole(y))
        return wrong("x et y doivent être des nombres entiers.");
    if (e.a * x.rational.get_num() + e.b * y.rational.get_num() != e.n)
        return wrong("Ce couple ne vérifie pas l'équation.");
    return right();
}

} // namespace

Check check(const Expected& e, std::string_view answer) {
    switch (e.shape) {
    case Shape::Number: {
        const auto r = readNumber(answer);
        if (!r.value)
            return unreadable(r.problem);
        return numbers::equal(*r.value, e.values.at(0)) ? right() : wrong();
    }
    case Shape::Roots: {
        const auto r = readNumbers(answer);
        if (!r.value)
            return unreadable(r.problem);
        return sameSet(*r.value, e.values) ? right() : wrong();
    }
    case Shape::Pair: {
        const auto r = readNumbers(answer);
        if (!r.value)
            return unreadable(r.problem);
        if (r.value->size() != 2)
            return unreadable("Écrivez un couple de deux nombres entre parenthèses, par exemple (2 ; −4).");
        return numbers::equal((*r.value)[0], e.values.at(0)) && numbers::equal((*r.value)[1], e.values.at(1))
                   ? right()
                   : wrong();
    }
    case Shape::YesNo: {
        const auto r = readYesNo(answer);
        if (!r.value)
            return unreadable(r.problem);
        return *r.value == e.yes ? right() : wrong();
    }
    case Shape::PrimeOrProduct:
        return checkPrimeOrProduct(e, answer);
    case Shape::SumOfPrimes:
        return checkSumOfPrimes(e, answer);
    case Shape::IntegerPair:
        return checkIntegerPair(e, answer);
    }
    return unreadable({});
}

} // namespace practice
