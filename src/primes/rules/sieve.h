// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

// The sieve of Eratosthenes exercise on the numbers 1 to 250: what each button of its column
// marks, and the model answers of its three questions.
namespace primes::sieve {

// The grid holds the cells 0 to 250; cell 0 exists but is never shown.
inline constexpr std::int32_t kLastCell = 250;

// The numbers whose buttons remove their multiples. The other buttons of the column (4, 6, 8, 9,
// 10, 12, 14 to 18) mark nothing: the exercise asks the pupil why they have no visible effect.
inline constexpr std::array<std::int32_t, 6> kActingNumbers = {2, 3, 5, 7, 11, 13};

// The cells the button of that number marks, in increasing order: cell 1 for the button "1"; for
// an acting number k, every multiple of k from 0 to 250 except k itself; nothing otherwise.
std::vector<std::int32_t> cellsMarkedBy(std::int32_t number);

// The answers that "Correction" writes, in the order of the three questions.
inline constexpr std::array<std::string_view, 3> kModelAnswers = {
    "Lorque l'on cherche des multiples de 4, ou des multiples de 6, tout les nombres trouvés "
    "ont déjà été selectionnés. Soit n un multiple de 4, n=4*p =2*(2*p)=2*q donc n est n "
    "multiple de 2.Ceci est vrai quel que soit n non premier car tout nombre composé admet "
    "au moins undiviseur qui lui est inférieur",
    "Lorsque les muliples à retirer sont suffisament grands, plus rien ne se passe. Nous "
    "savons que tout nombre composé admet un diviseur premier compris entre 2 et son radical, donc "
    "dès que les multiples deviennent supérieures au radical de 300, tout les nombres "
    "composés ont été enlevés.",
    "Pour chercher les nombres premiers de 0 à n, nous retirons donc tout les multiples de "
    "2,3,.... jusqu'a la partie entiere du radical de n, nous pouvons ne pas nous "
    "interresser aux multiples non premiers, pour les repérer il suffit de leur trouver un "
    "diviseur évident.",
};

} // namespace primes::sieve
