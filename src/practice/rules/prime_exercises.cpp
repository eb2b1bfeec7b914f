// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/rules/exercise_text.h"
#include "primes/rules/primality.h"
#include "primes/rules/prime_steps.h"

#include <array>

using numbers::NumberFormat;

namespace practice {

namespace {

using numbers::result;
using numbers::step;

bool prime(std::int64_t n) {
    return primes::isPrime(std::int32_t(n));
}

// A number from lo to hi that is prime or not, as asked; odd when `odd` (even numbers are too
// easy past the first level). The interval always holds both kinds.
std::int64_t drawNumber(SeriesRandom& draw, std::int64_t lo, std::int64_t hi, bool wantPrime, bool odd) {
    std::int64_t n = lo;
    for (int tries = 0; tries < 10'000; ++tries) {
        n = draw.between(lo, hi);
        if (odd)
            n |= 1;
        if (n <= hi && prime(n) == wantPrime && (wantPrime || n % 5 != 0 || !odd))
            return n;
    }
    return n;
}

constexpr std::array<std::string_view, 10> kSuperscripts{"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};

std::string raised(unsigned e) {
    std::string s;
    for (char c : std::to_string(e))
        s += kSuperscripts[std::size_t(c - '0')];
    return s;
}

// «2³ × 3² × 5».
std::string decomposition(std::int64_t n) {
    std::string out;
    for (std::int64_t p = 2; p * p <= n || n > 1; ++p) {
        if (p * p > n)
            p = n;
        unsigned e = 0;
        while (n % p == 0) {
            n /= p;
            ++e;
        }
        if (e > 0)
            out += (out.empty() ? "" : " × ") + std::to_string(p) + (e > 1 ? raised(e) : "");
    }
    return out;
}

} // namespace

Exercise primeTest(const NumberFormat& fmt, SeriesRandom& draw, int level) {
    static constexpr std::array<std::int64_t, 3> kLow{2, 101, 1001};
    static constexpr std::array<std::int64_t, 3> kHigh{100, 999, 9999};
    const bool wantPrime = draw.oneIn(2);
    const std::int64_t n =
        drawNumber(draw, kLow[std::size_t(level - 1)], kHigh[std::size_t(level - 1)], wantPrime, level > 1);
    Exercise e;
    e.question =
        "Le nombre " + std::to_string(n) +
        " est-il premier ? S'il ne l'est pas, écrivez sa décomposition en produit de facteurs premiers.";
    e.hint = "Répondez « oui », ou écrivez la décomposition, par exemple 2^3 × 5 ou 2³ × 5.";
    e.numbers = {mpq_class(n)};
    e.expected.shape = Expected::Shape::PrimeOrProduct;
    e.expected.n = n;
    e.answer = prime(n) ? "Oui, " + std::to_string(n) + " est premier."
                        : "Non : " + std::to_string(n) + " = " + decomposition(n);
    e.correction = primes::verificationSteps(fmt, n);
    return e;
}

Exercise primeCount(const NumberFormat&, SeriesRandom& draw, int level) {
    static constexpr std::array<std::int64_t, 3> kFromLow{1, 20, 100};
    static constexpr std::array<std::int64_t, 3> kFromHigh{20, 80, 900};
    static constexpr std::array<std::int64_t, 3> kWidthLow{8, 15, 30};
    static constexpr std::array<std::int64_t, 3> kWidthHigh{15, 30, 80};
    const auto l = std::size_t(level - 1);
    const std::int64_t from = draw.between(kFromLow[l], kFromHigh[l]);
    const std::int64_t to = from + draw.between(kWidthLow[l], kWidthHigh[l]);
    std::string list;
    std::int64_t count = 0;
    for (std::int64_t m = from; m <= to; ++m)
        if (prime(m)) {
            list += (count ? ", " : "") + std::to_string(m);
            ++count;
        }
    Exercise e;
    e.question = "Combien y a-t-il de nombres premiers entre " + std::to_string(from) + " et " +
                 std::to_string(to) + ", ces deux nombres compris ?";
    e.hint = "Écrivez un nombre entier.";
    e.numbers = {mpq_class(from), mpq_class(to)};
    e.expected.values = {rationalSurd(count)};
    e.answer = std::to_string(count) + (count ? " : " + list + "." : ".");
    e.correction = primes::searchSteps(from, to, count);
    e.correction.insert(e.correction.begin() + 1,
                        step(count ? "Les nombres premiers de cet intervalle : " + list + "."
                                   : "Aucun nombre de cet intervalle n'est premier."));
    return e;
}

Exercise goldbach(const NumberFormat&, SeriesRandom& draw, int level) {
    static constexpr std::array<std::int64_t, 3> kLow{2, 16, 51};
    static constexpr std::array<std::int64_t, 3> kHigh{15, 50, 500};
    const std::int64_t n = 2 * draw.between(kLow[std::size_t(level - 1)], kHigh[std::size_t(level - 1)]);
    std::int64_t p = 2;
    while (!(prime(p) && prime(n - p)))
        ++p;
    Exercise e;
    e.question = "Écrivez " + std::to_string(n) + " comme la somme de deux nombres premiers.";
    e.hint = "Écrivez la somme, par exemple 5 + 7.";
    e.numbers = {mpq_class(n)};
    e.expected.shape = Expected::Shape::SumOfPrimes;
    e.expected.n = n;
    e.answer = std::to_string(n) + " = " + std::to_string(p) + " + " + std::to_string(n - p);
    e.correction = primes::goldbachSteps(n);
    return e;
}

} // namespace practice
