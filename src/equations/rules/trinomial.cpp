// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/rules/trinomial.h"

#include "numbers/exact.h"
#include "numbers/skip_on_error.h"
#include "numbers/surd.h"

using numbers::need;
using numbers::NumberFormat;
namespace checked = numbers::checked;
using numbers::SkipOnError;
using numbers::StepFailed;

namespace equations::trinomial {

namespace {

// The value of a text, or the failure of the statement that needs it.
double number(const NumberFormat& fmt, const std::string& text) {
    return need(fmt.toDouble(text));
}

// The exact value of a text, or the failure of the statement that needs it.
mpq_class exact(const NumberFormat& fmt, const std::string& text) {
    return need(numbers::exactValue(fmt, text));
}

mpq_class divided(const mpq_class& numerator, const mpq_class& denominator) {
    if (denominator == 0)
        throw StepFailed{};
    return numerator / denominator;
}

// The text of a solution rounded to two decimals; beyond the doubles the statement fails.
std::string rounded(const NumberFormat& fmt, const mpq_class& value) {
    return need(numbers::twoDecimalsText(fmt, value));
}
std::string rounded(const NumberFormat& fmt, const numbers::Surd& value) {
    return rounded(fmt, numbers::roundToDecimals(value, 2));
}

// (p ± √Δ) / (2a) as one exact number.
numbers::Surd quotient(const numbers::Surd& numerator, const mpq_class& twiceA) {
    if (twiceA == 0)
        throw StepFailed{};
    return numerator / twiceA;
}

} // namespace

mpq_class discriminantOf(const mpq_class& a, const mpq_class& b, const mpq_class& c) {
    return b * b - 4 * a * c;
}

void discriminant(const NumberFormat& fmt, const Boxes& boxes, Memory& memory, View& view) {
    SkipOnError run;
    run.step([&] { memory.typedA = boxes.a; });
    run.step([&] { memory.typedB = boxes.b; });
    run.step([&] { memory.constantTerm = exact(fmt, boxes.c) - exact(fmt, boxes.k); });
    run.step([&] { view.solutionsShown = true; });
    run.step([&] {
        const mpq_class delta =
            discriminantOf(exact(fmt, memory.typedA), exact(fmt, memory.typedB), need(memory.constantTerm));
        if (!numbers::withinDoubles(delta))
            throw StepFailed{};
        view.discriminant = numbers::signKeepingText(fmt, delta);
        memory.discriminantText = view.discriminant;
        memory.discriminant = delta;
    });
}

void solutions(const NumberFormat& fmt, const Boxes& boxes, Memory& memory, View& view) {
    SkipOnError run;
    run.step([&] { memory.shownDiscriminant = view.discriminant; });
    run.step([&] { memory.typedA = boxes.a; });
    run.step([&] { memory.typedB = boxes.b; });
    run.step([&] { memory.constantTerm = exact(fmt, boxes.c) - exact(fmt, boxes.k); });
    run.step([&] { view.factorisationShown = true; });

    // The discriminant is the exact one behind the text shown; an empty label is not a number.
    const auto delta = [&]() -> mpq_class {
        if (!memory.shownDiscriminant.empty() && memory.shownDiscriminant == memory.discriminantText)
            return memory.discriminant;
        return exact(fmt, memory.shownDiscriminant);
    };
    const auto twiceA = [&]() -> mpq_class { return 2 * exact(fmt, memory.typedA); };
    const auto minusB = [&]() -> mpq_class { return -exact(fmt, memory.typedB); };
    const auto root = [&] { return numbers::squareRoot(delta()); };
    // The three cases are tested one after the other, not as alternatives: when the discriminant
    // is not a number every test fails, and so every case runs.
    if (run.test([&] { return delta() == 0; })) {
        run.step([&] { view.secondShown = false; });
        run.step([&] { view.first = rounded(fmt, quotient(root() + minusB(), twiceA())); });
        run.step([&] { view.second = rounded(fmt, quotient(root() + minusB(), twiceA())); });
    }
    if (run.test([&] { return delta() > 0; })) {
        run.step([&] { view.second = rounded(fmt, quotient(-root() + minusB(), twiceA())); });
        run.step([&] { view.first = rounded(fmt, quotient(root() + minusB(), twiceA())); });
    }
    if (run.test([&] { return delta() < 0; })) {
        const auto complexRoot = [&](const char* sign) {
            const std::string real = rounded(fmt, divided(minusB(), twiceA()));
            const std::string imaginary = rounded(fmt, quotient(numbers::squareRoot(-delta()), twiceA()));
            return real + sign + imaginary;
        };
        run.step([&] { view.first = complexRoot(" - i* "); });
        run.step([&] { view.second = complexRoot(" + i* "); });
    }
}

void factorise(const NumberFormat& fmt, const std::string& typedA, View& view) {
    SkipOnError run;
    const std::string& s1 = view.first;
    const std::string& s2 = view.second;
    const auto v1 = [&] { return number(fmt, s1); };
    const auto v2 = [&] { return number(fmt, s2); };
    const auto opposite = [&](const std::string& s) { return fmt.numberText(-number(fmt, s)); };
    // Both solutions are converted in every test; complex ones are not numbers, so the first test
    // fails, counts as passed, and the solutions are copied as they stand.
    const auto both = [&](bool firstPositive, bool secondPositive) {
        const double x1 = v1();
        const double x2 = v2();
        return (firstPositive ? x1 > 0 : x1 < 0) && (secondPositive ? x2 > 0 : x2 < 0);
    };
    if (run.test([&] { return both(true, true); })) {
        run.step([&] { view.factorisation = typedA + "( x -" + s1 + ")" + "( x -" + s2 + ")"; });
    } else if (run.test([&] { return both(true, false); })) {
        run.step([&] { view.factorisation = typedA + "( x -" + s1 + ")" + "( x +" + opposite(s2) + ")"; });
    } else if (run.test([&] { return both(false, true); })) {
        run.step([&] { view.factorisation = typedA + "( x +" + opposite(s1) + ")" + "( x -" + s2 + ")"; });
    } else if (run.test([&] { return both(false, false); })) {
        run.step([&] {
            view.factorisation = typedA + "( x +" + opposite(s1) + ")" + "( x +" + opposite(s2) + ")";
        });
    }
}

std::optional<std::string> valueAt(const NumberFormat& fmt, const std::string& a, const std::string& b,
                                   const std::string& c, const std::string& x0) {
    const auto va = numbers::exactValue(fmt, a);
    const auto vb = numbers::exactValue(fmt, b);
    const auto vc = numbers::exactValue(fmt, c);
    const auto x = numbers::exactValue(fmt, x0);
    if (!va || !vb || !vc || !x)
        return std::nullopt;
    const mpq_class value = (*va * *x + *vb) * *x + *vc;
    if (!numbers::withinDoubles(value))
        return std::nullopt;
    return numbers::plainText(fmt, value);
}

Variation variationOf(const NumberFormat& fmt, const std::string& a, const std::string& b,
                      const std::string& c) {
    Variation result;
    SkipOnError run;
    // Every part of the test is evaluated, so an a that is not a number fails the whole test,
    // which then counts as passed.
    const bool applies = run.test([&] {
        const bool aTyped = !a.empty();
        const bool aNonZero = number(fmt, a) != 0;
        return aTyped && aNonZero && !b.empty() && !c.empty();
    });
    if (!applies)
        return result;
    if (run.test([&] { return number(fmt, a) > 0; }))
        run.step([&] { result.arrows = Variation::Arrows::DownThenUp; });
    else
        run.step([&] { result.arrows = Variation::Arrows::UpThenDown; });
    run.step([&] {
        const mpq_class vertex = divided(-exact(fmt, b), 2 * exact(fmt, a));
        if (!numbers::withinDoubles(vertex))
            throw StepFailed{};
        result.vertex = numbers::plainText(fmt, vertex);
    });
    return result;
}

} // namespace equations::trinomial
