// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/number_format.h"
#include "numbers/steps.h"
#include "numbers/surd.h"

#include <gmpxx.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Exercises for practice and worksheets: a question, its exact answer, and the worked correction
// as the steps of the subject's rules.
namespace practice {

enum class Kind {
    PrimeTest,   // is n prime, else its decomposition
    PrimeCount,  // how many primes between two bounds
    Goldbach,    // an even number as a sum of two primes
    Linear,      // a x + b = c
    Trinomial,   // discriminant or roots of a x² + b x + c = 0
    Vertex,      // vertex and variation of a x² + b x + c
    Diophantine, // one solution of a x + b y = c
    Counting,    // n! and C(n, k)
    Probability, // a frequency or a probability, dice and coins
};
inline constexpr int kKindCount = 9;
inline constexpr int kLevelCount = 3;

// The name of each kind as the lists show it.
inline constexpr std::array<std::string_view, kKindCount> kKindNames{
    "Nombre premier ou décomposition",     "Nombres premiers entre deux bornes",
    "Décomposition de Goldbach",           "Équation a x + b = c",
    "Trinôme : discriminant et solutions", "Sommet et variations d'une parabole",
    "Solution de a x + b y = c",           "Factorielles et combinaisons",
    "Fréquences et probabilités",
};

// What the answer is, and how a pupil's answer is compared with it.
struct Expected {
    enum class Shape {
        Number,         // values[0]
        Roots,          // the set `values`, in any order; empty: «aucune»
        Pair,           // (values[0] ; values[1]) in this order
        YesNo,          // yes
        PrimeOrProduct, // «oui» when n is prime, else its decomposition into primes
        SumOfPrimes,    // n = p + q, p and q prime
        IntegerPair,    // any (x ; y) with a x + b y = n; «aucune» when there is none
    };
    Shape shape = Shape::Number;
    std::vector<numbers::Surd> values;
    bool yes = false;
    mpz_class n; // the number to decompose, to split, or the right-hand side
    mpz_class a; // the coefficients of a x + b y = n
    mpz_class b;
};

struct Exercise {
    Kind kind = Kind::PrimeTest;
    int level = 1;
    std::string question;
    // How the answer is to be written, for the pupil: «Écrivez les solutions séparées par « ; »».
    std::string hint;
    // The numbers of the question in the order it gives them: a, b, c of an equation; the bounds;
    // n and k. What a reader needs to check an answer by substitution.
    std::vector<mpq_class> numbers;
    Expected expected;
    std::string answer; // one right answer, as the answer key writes it
    numbers::Steps correction;
};

// Exercise `index` (from 0) of the series `code` of a kind and level (1 to 3). The same arguments
// give the same exercise everywhere; `fmt` only writes the numbers of the texts.
Exercise makeExercise(const numbers::NumberFormat& fmt, Kind kind, int level, std::uint32_t code, int index);

enum class Verdict { Right, Wrong, Unreadable };
struct Check {
    Verdict verdict;
    std::string message; // for Unreadable: what to write; for Wrong, sometimes, why
};
Check check(const Expected& expected, std::string_view answer);

} // namespace practice
