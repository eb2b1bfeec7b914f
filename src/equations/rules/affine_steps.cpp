// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/rules/affine_steps.h"

#include "maths/rules/exact.h"

namespace equations::affine {

using namespace maths;

namespace {

// A value the window rounds: exactly, then «≈» its rounding to hundredths unless it is that.
void writeRounded(Steps& steps, const NumberFormat& fmt, std::string_view name, const mpq_class& value) {
    Line exact = result(name);
    exact << " = " << exactRun(value);
    if (value.get_den() != 1 && hasFiniteDecimals(value))
        exact << " = " << numberText(fmt, value);
    steps.push_back(exact);
    const mpq_class rounded = roundToDecimals(value, 2);
    if (rounded != value)
        steps.push_back(
            result(std::string(name) + " " + approximately(fmt, value, rounded) + " (arrondi au centième)"));
}

} // namespace

Steps solveSteps(const NumberFormat& fmt, std::string_view a, std::string_view b, std::string_view k) {
    const auto va = exactValue(fmt, a);
    const auto vb = exactValue(fmt, b);
    const auto vk = exactValue(fmt, k);
    if (!va || !vb || !vk)
        return {};
    Steps steps{heading("Résolution de f(x) = k")};
    const std::string ax = termText(fmt, *va, "x");
    steps.push_back(step(ax + nextTermText(fmt, *vb, "") + " = " + numberText(fmt, *vk)));
    if (*va == 0) {
        steps.push_back(result("a = 0 : f est constante, l'équation n'a pas une solution unique."));
        return steps;
    }
    const mpq_class difference = *vk - *vb;
    if (*vb != 0) {
        steps.push_back(step(ax + " = " + numberText(fmt, *vk) + " − " + factorText(fmt, *vb)));
        steps.push_back(step(ax + " = " + numberText(fmt, difference)));
    }
    // (k − b)/a with its numbers, when it is not already the reduced fraction.
    const mpq_class x = difference / *va;
    Line quotient = step("x = ");
    quotient << fraction(numberText(fmt, difference), numberText(fmt, *va));
    Line reduced = step("x = ");
    reduced << exactRun(x);
    if (*va != 1 && plainText(quotient) != plainText(reduced))
        steps.push_back(quotient);
    writeRounded(steps, fmt, "x", x);
    return steps;
}

Steps valueSteps(const NumberFormat& fmt, std::string_view a, std::string_view b, std::string_view x0) {
    const auto va = exactValue(fmt, a);
    const auto vb = exactValue(fmt, b);
    const auto x = exactValue(fmt, x0);
    if (!va || !vb || !x)
        return {};
    const std::string fx = "f(" + numberText(fmt, *x) + ")";
    Steps steps{heading("Calcul de f(x₀) pour x₀ = " + numberText(fmt, *x))};
    steps.push_back(
        step(fx + " = " + factorText(fmt, *va) + " × " + factorText(fmt, *x) + " + " + factorText(fmt, *vb)));
    const mpq_class product = *va * *x;
    steps.push_back(step(fx + " = " + numberText(fmt, product) + nextTermText(fmt, *vb, "")));
    steps.push_back(result(fx + " = " + numberText(fmt, product + *vb)));
    return steps;
}

Steps variationSteps(const NumberFormat& fmt, std::string_view a) {
    const auto va = exactValue(fmt, a);
    if (!va)
        return {};
    Steps steps{heading("Sens de variation de f(x) = ax + b")};
    const std::string shown = "a = " + numberText(fmt, *va);
    if (*va > 0)
        steps.push_back(result(shown + " > 0 : f est croissante sur ℝ."));
    else if (*va < 0)
        steps.push_back(result(shown + " < 0 : f est décroissante sur ℝ."));
    else
        steps.push_back(result(shown + " : f est constante sur ℝ (la flèche reste montante)."));
    return steps;
}

} // namespace equations::affine
