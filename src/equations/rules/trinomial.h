// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/number_format.h"

#include <gmpxx.h>

#include <optional>
#include <string>

// The rules of the degree-2 window for f(x) = a x² + b x + c, on the texts of its boxes and labels.
namespace equations::trinomial {

// The boxes the solver reads, as typed.
struct Boxes {
    std::string a; // Text1
    std::string b; // Text2
    std::string c; // Text3
    std::string k; // Text5, the right-hand side of f(x) = k
};

// What the solver remembers between two presses of its buttons.
struct Memory {
    std::string typedA;                    // a as typed at the last press
    std::string typedB;                    // b as typed at the last press
    std::optional<mpq_class> constantTerm; // c - k, exactly
    std::string shownDiscriminant;         // the discriminant shown when "Solutions" was last pressed
    // The exact discriminant behind the text "Discriminant" last wrote.
    std::string discriminantText;
    mpq_class discriminant;
};

// The solver's labels and buttons as the window shows them.
struct View {
    std::string discriminant;        // Label2
    std::string first;               // Label3
    std::string second;              // Label4
    std::string factorisation;       // Label5
    bool solutionsShown = false;     // Command2
    bool factorisationShown = false; // Command3
    bool secondShown = true;         // Label4
};

// The three steps of the solver. Each statement of a step may fail (a text that is not a number,
// a division by zero, a result beyond the doubles); a failed statement changes nothing and the next
// one runs, and a test that fails counts as passed. Everything is computed exactly from the typed
// texts. The discriminant is written rounded to two decimals, or to as many as it takes to keep its
// sign, so that the number of solutions shown always agrees with it; the solutions are those of the
// exact discriminant behind that text, each rounded to two decimals (ties to the even digit).
mpq_class discriminantOf(const mpq_class& a, const mpq_class& b, const mpq_class& c); // b² − 4ac
void discriminant(const numbers::NumberFormat& fmt, const Boxes& boxes, Memory& memory, View& view);
void solutions(const numbers::NumberFormat& fmt, const Boxes& boxes, Memory& memory, View& view);
// Writes a(x - s1)(x - s2) from the solutions shown, `typedA` being a as typed. Complex solutions
// are not numbers and are copied as they stand; a zero solution leaves the factorisation alone.
void factorise(const numbers::NumberFormat& fmt, const std::string& typedA, View& view);

// The text of f(x0) = a·x0² + b·x0 + c, exactly, not rounded; nothing when a text is not a number or
// the value is beyond the doubles.
std::optional<std::string> valueAt(const numbers::NumberFormat& fmt, const std::string& a,
                                   const std::string& b, const std::string& c, const std::string& x0);

// The table of variation: which way the arrows point and the abscissa of the vertex, -b / 2a, exact.
struct Variation {
    enum class Arrows { DownThenUp, UpThenDown };
    std::optional<Arrows> arrows;      // nothing: the arrows stay where they are
    std::optional<std::string> vertex; // nothing: the vertex label keeps its text
};
Variation variationOf(const numbers::NumberFormat& fmt, const std::string& a, const std::string& b,
                      const std::string& c);

} // namespace equations::trinomial
