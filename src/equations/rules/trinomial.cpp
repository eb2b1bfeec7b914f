// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/rules/trinomial.h"

#include "numbers/rounding.h"
#include "numbers/skip_on_error.h"

using numbers::need;
using numbers::NumberFormat;
namespace checked = numbers::checked;
using numbers::roundToTwoDecimals;
using numbers::SkipOnError;

namespace equations::trinomial {

namespace {

// The value of a text, or the failure of the statement that needs it.
double number(const NumberFormat& fmt, const std::string& text) {
    return need(fmt.toDouble(text));
}

// The text of a result rounded to two decimals.
std::string rounded(const NumberFormat& fmt, double value) {
    return fmt.numberText(roundToTwoDecimals(checked::finite(value)));
}

// c - k as a number text; both come from the boxes.
std::string constantTermText(const NumberFormat& fmt, const Boxes& boxes) {
    return fmt.numberText(checked::finite(number(fmt, boxes.c) - number(fmt, boxes.k)));
}

} // namespace

void discriminant(const NumberFormat& fmt, const Boxes& boxes, Memory& memory, View& view) {
    SkipOnError run;
    run.step([&] { memory.typedA = boxes.a; });
    run.step([&] { memory.typedB = boxes.b; });
    run.step([&] { memory.constantTerm = constantTermText(fmt, boxes); });
    run.step([&] { view.solutionsShown = true; });
    run.step([&] {
        const double a = number(fmt, memory.typedA);
        const double b = number(fmt, memory.typedB);
        const double c = number(fmt, memory.constantTerm);
        view.discriminant = rounded(fmt, b * b - c * (a * 4));
    });
}

void solutions(const NumberFormat& fmt, const Boxes& boxes, Memory& memory, View& view) {
    SkipOnError run;
    run.step([&] { memory.shownDiscriminant = view.discriminant; });
    run.step([&] { memory.typedA = boxes.a; });
    run.step([&] { memory.typedB = boxes.b; });
    run.step([&] { memory.constantTerm = constantTermText(fmt, boxes); });
    run.step([&] { view.factorisationShown = true; });

    const auto delta = [&] { return number(fmt, memory.shownDiscriminant); };
    const auto a = [&] { return number(fmt, memory.typedA); };
    const auto b = [&] { return number(fmt, memory.typedB); };
    // The three cases are tested one after the other, not as alternatives: when the discriminant
    // is not a number every test fails, and so every case runs.
    if (run.test([&] { return delta() == 0; })) {
        run.step([&] { view.secondShown = false; });
        run.step([&] { view.first = rounded(fmt, checked::div(checked::sqrt(delta()) - b(), a() + a())); });
        run.step([&] { view.second = rounded(fmt, checked::div(checked::sqrt(delta()) - b(), a() + a())); });
    }
    if (run.test([&] { return delta() > 0; })) {
        run.step([&] { view.second = rounded(fmt, checked::div(-b() - checked::sqrt(delta()), a() + a())); });
        run.step([&] { view.first = rounded(fmt, checked::div(checked::sqrt(delta()) - b(), a() + a())); });
    }
    if (run.test([&] { return delta() < 0; })) {
        const auto complexRoot = [&](const char* sign) {
            const std::string real = rounded(fmt, checked::div(-b(), a() + a()));
            const std::string imaginary = rounded(fmt, checked::div(checked::sqrt(-delta()), a() + a()));
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

std::optional<double> valueAt(const NumberFormat& fmt, const std::string& a, const std::string& b,
                              const std::string& c, const std::string& x0) {
    const auto va = fmt.toDouble(a);
    const auto vb = fmt.toDouble(b);
    const auto vc = fmt.toDouble(c);
    const auto x = fmt.toDouble(x0);
    if (!va || !vb || !vc || !x)
        return std::nullopt;
    const double value = (*x * (*va * *x) + *vb * *x) + *vc;
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
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
        const double va = number(fmt, a);
        result.vertex = fmt.numberText(checked::div(-number(fmt, b), va + va));
    });
    return result;
}

} // namespace equations::trinomial
