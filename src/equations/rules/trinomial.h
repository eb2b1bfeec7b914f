// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/number_format.h"

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
    std::string typedA;            // a as typed at the last press
    std::string typedB;            // b as typed at the last press
    std::string constantTerm;      // c - k, as a number text
    std::string shownDiscriminant; // the discriminant shown when "Solutions" was last pressed
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
// a division by zero, the root of a negative number, a result beyond the doubles); a failed
// statement changes nothing and the next one runs, and a test that fails counts as passed.
// The discriminant is written rounded to two decimals; the solutions are computed from the
// discriminant as it is shown, so one that rounds to 0 counts as 0.
void discriminant(const numbers::NumberFormat& fmt, const Boxes& boxes, Memory& memory, View& view);
void solutions(const numbers::NumberFormat& fmt, const Boxes& boxes, Memory& memory, View& view);
// Writes a(x - s1)(x - s2) from the solutions shown, `typedA` being a as typed. Complex solutions
// are not numbers and are copied as they stand; a zero solution leaves the factorisation alone.
void factorise(const numbers::NumberFormat& fmt, const std::string& typedA, View& view);

// f(x0) = a·x0² + b·x0 + c; nothing when a text is not a number or the value is beyond the doubles.
std::optional<double> valueAt(const numbers::NumberFormat& fmt, const std::string& a, const std::string& b,
                              const std::string& c, const std::string& x0);

// The table of variation: which way the arrows point and the abscissa of the vertex, -b / 2a.
struct Variation {
    enum class Arrows { DownThenUp, UpThenDown };
    std::optional<Arrows> arrows;      // nothing: the arrows stay where they are
    std::optional<std::string> vertex; // nothing: the vertex label keeps its text
};
Variation variationOf(const numbers::NumberFormat& fmt, const std::string& a, const std::string& b,
                      const std::string& c);

} // namespace equations::trinomial
