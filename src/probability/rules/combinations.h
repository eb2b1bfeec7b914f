// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/number_format.h"

#include <gmpxx.h>

#include <optional>
#include <string>
#include <string_view>

// The rules of the factorials-and-combinations window, on the texts of its boxes and labels.

namespace probability {

// The factorial and combination routines. Numbers go in and out as texts: every value is read with the
// strict number conversion and every result is the exact whole number written as a plain number text
// (all its digits below 10^15, else 15 significant digits correctly rounded from the exact value).
// Nothing when a text is not a number or the result lies beyond the largest double (every factorial
// from 171 on). A factorial of a number that is not whole, which the window never asks for, multiplies
// v, v - 1, ... down to at most 1, each product written as a text and read back; a count of
// combinations needs whole numbers. Counts are formed without factorials, so that C(1000, 500) is
// exact although 1000! is far beyond the doubles.
std::optional<std::string> factorial(const numbers::NumberFormat& fmt, std::string_view s);
std::optional<std::string> combinations(const numbers::NumberFormat& fmt, std::string_view n,
                                        std::string_view k);

// The plain number text of an exact whole number as above; nothing beyond the largest double.
std::optional<std::string> countText(const numbers::NumberFormat& fmt, const mpz_class& count);

// The whole number a box holds once "Calculer" has tidied it: the plain number text of the absolute value
// of the integer part of its leading number ("-5.7" -> "5", "abc" -> "0"). Nothing when that leading
// number lies beyond the doubles (the box then keeps its text).
std::optional<std::string> normalisedEntry(const numbers::NumberFormat& fmt, std::string_view text);

// The factorial half of the window as its "Calculer" button may change it.
struct FactorialView {
    std::string number; // Text1
    std::string result; // Label3; any change of Text1 empties it
};

// The combinations half of the window as its "Calculer" button may change it.
struct CombinationView {
    std::string n;        // Text2, the upper box
    std::string k;        // Text3, the lower box
    std::string result;   // Label5
    bool swapped = false; // the boxes were swapped: kSwapMessage is shown before the result is written
};

// What the count or the factorial shows when it lies beyond the largest double, in place of the
// previous result.
inline constexpr const char* kTooLargeCount = "Nombre trop grand";

// The two "Calculer" buttons. Each statement may fail (a value beyond the doubles); a failed statement
// changes nothing and the next one runs. A factorial or a count out of range writes kTooLargeCount.
void computeFactorial(const numbers::NumberFormat& fmt, FactorialView& view);
void computeCombinations(const numbers::NumberFormat& fmt, CombinationView& view);

// The messages of the window, shown with the application title and no icon.
inline constexpr const char* kSwapMessage =
    "Vous vous etes trompés de sens, ceci a été rectifié automatiquement";
inline constexpr const char* kFactorialExplanation =
    "Les factoriels sont des outils de simplifications utilisés surtout avec les combinaisons, "
    "factoriel n se note n! et n!=1*2*3*...*(n-1)*n [Explications factoriels]"; // Command1
inline constexpr const char* kCombinationExplanation =
    "La combinaison de k parmi n et le nombre de facons de choisir k elements de n. La combnaison de k parmi "
    "n est égale à n!/(k!(n-k)!)"; // Command3
// Command4 "?": the two messages, one after the other.
inline constexpr const char* kFillInHelp[2] = {
    "entrez au dessus le nombre d'elements de l'enssemble et en dessous le nombre d'elements choisis parmi "
    "l'enssemble",
    "EXEMPLE choisir k element parmi n mettre n au dessus et k en desous",
};

} // namespace probability
