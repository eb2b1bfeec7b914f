// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/surd.h"

#include <gmpxx.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reads an answer the way a pupil writes it: «12», «0,75» or «0.75», «-6/8», «2√2», «racine(8)»,
// «sqrt(8)», «(1+√5)/2», several numbers separated by «;», «et» or «ou», a pair «(2 ; -4)»,
// «oui», «non», «aucune», a product of primes «2³ × 5». Answers are values, compared exactly by
// whoever checks them; a text that cannot be read gives a French sentence saying what is expected.
namespace practice {

template <class T> struct Reading {
    std::optional<T> value;
    std::string problem; // when there is no value: what the pupil should write instead
};

// One number; «x = 3» reads as 3.
Reading<numbers::Surd> readNumber(std::string_view text);
// Numbers in the order written; «aucune», «aucun», «∅» and «pas de solution» read as none.
Reading<std::vector<numbers::Surd>> readNumbers(std::string_view text);
// «oui» or «non».
Reading<bool> readYesNo(std::string_view text);

struct PrimePower {
    mpz_class base;
    unsigned long exponent = 1;
};
// A product of whole numbers with exponents: «2^3 × 5», «2³*5», «2 x 2 x 2 x 5», «40 = 2³ × 5».
Reading<std::vector<PrimePower>> readProduct(std::string_view text);

// The longest answer read, in bytes: a pupil's answer is a line.
inline constexpr std::size_t kLongestAnswer = 300;

} // namespace practice
