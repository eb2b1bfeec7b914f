// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/number_format.h"

#include <gmpxx.h>

#include <optional>
#include <string>
#include <string_view>

// The rules of the diophantine window, a·x + b·y = c in whole numbers, on the texts of its boxes
// and labels. The pupil goes through three stages: divide the equation by a common divisor of a
// and b, find one solution (x0, y0), then write every solution as x = b·k + x0, y = −a·k + y0.
namespace equations::diophantine {

// The boxes of the equation, as typed.
struct Boxes {
    std::string a; // Text1
    std::string b; // Text2
    std::string c; // Text3
};

// The window's results and which of its controls are visible. The defaults are the window as it
// is built.
struct View {
    std::string x0;                    // Label2
    std::string y0;                    // Label3
    std::string generalB;              // Label5, b in the general x line
    std::string generalX0;             // Label9, x0 in the general x line
    std::string minusA;                // Label6, −a in the general y line
    std::string generalY0;             // Label10, y0 in the general y line
    std::string xMultiplier = "*k";    // Label7: "*k", or "*k +" before a positive x0
    std::string yMultiplier = "*k";    // Label8: the same for y0
    bool particularShown = false;      // Command1 "Solutions particulieres"
    bool particularLinesShown = false; // Label4(0) "x =" and Label4(1) "y ="
    bool generalShown = false;         // Command2 "Solution générale"
    bool generalLinesShown = false;    // Label4(3) "x =", Label4(2) "y =", Label7 and Label8
};

inline constexpr std::string_view kNoSolutionMessage = "L'équation n'admet pas de solutions";

// Any change of a box's text: the results are cleared and the window goes back to its first
// stage. The captions of the two multipliers stay as they are.
void resetOnEdit(View& view);

// "Simplifier(éventuellement)". Does nothing while a box is empty. Otherwise finds a divisor d of
// a and b by Euclid's algorithm with nearest-integer quotients, started from a and b in the order
// of their texts (by character code: "10" before "9"), so d is gcd(a, b) up to its sign. When a/d,
// b/d and c/d are all whole, the boxes are rewritten with them, each box whose text changes
// resetting the view as an edit would; then the particular-solution button is shown.
// Returns d, 0 when a box is empty or there is no divisor (a = b = 0).
//
// The window writes the boxes first (their change handlers reset it) and then shows the view.
double simplify(const numbers::NumberFormat& fmt, Boxes& boxes, View& view);

inline constexpr std::string_view kEveryPairMessage =
    "Tous les couples d'entiers (x ; y) sont solutions : 0x + 0y = 0 quels que soient x et y";

enum class Particular {
    Nothing,    // a box is empty or not a whole number: nothing happens
    Found,      // the pair is shown, with the general-solution button
    NoSolution, // the window shows kNoSolutionMessage and nothing else changes
    EveryPair,  // 0x + 0y = 0: the window shows kEveryPairMessage and nothing else changes
};

// The value of a text that is a whole number, of any size; nothing for any other text («2,5»).
std::optional<mpz_class> wholeNumber(const numbers::NumberFormat& fmt, const std::string& text);

// One solution of a·x + b·y = c. For c = 0 it is (0, 0); for a = 0 it is (1, c) and for b = 0
// (c, 1), each when it solves the equation (the simplification has made the other coefficient 1
// whenever it divides c); otherwise the one with the largest x from −100 to 100 for which a y from
// −100 to 100 solves it. When none of these does, Bézout's coefficients u·a + v·b = gcd(a, b)
// multiplied by c / gcd(a, b). Nothing when gcd(a, b) does not divide c (a = b = 0 and c ≠ 0 too).
struct Solution {
    mpz_class x;
    mpz_class y;
    bool fromBezout = false; // found by Bézout's coefficients, not by the rules before them
};
std::optional<Solution> onePair(const mpz_class& a, const mpz_class& b, const mpz_class& c);

// "Solutions particulieres": the pair of onePair, or what the window says instead.
Particular particularSolution(const numbers::NumberFormat& fmt, const Boxes& boxes, View& view);

// "Solution générale". Does nothing while a box is empty. Shows the two general lines: b as typed,
// −a, and x0 and y0 read back from their labels, each after "*k +" when positive, after "*k" when
// negative (its text carries the minus sign) and left out when zero.
void generalSolution(const numbers::NumberFormat& fmt, const Boxes& boxes, View& view);

} // namespace equations::diophantine
