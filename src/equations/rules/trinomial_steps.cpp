// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/rules/trinomial_steps.h"

#include "equations/rules/trinomial.h"
#include "maths/rules/exact.h"

namespace equations::trinomial {

using namespace maths;

namespace {

struct Coefficients {
    mpq_class a;
    mpq_class b;
    mpq_class c;
};

std::optional<Coefficients> read(const NumberFormat& fmt, std::string_view a, std::string_view b,
                                 std::string_view c) {
    const auto va = exactValue(fmt, a);
    const auto vb = exactValue(fmt, b);
    const auto vc = exactValue(fmt, c);
    if (!va || !vb || !vc)
        return std::nullopt;
    return Coefficients{*va, *vb, *vc};
}

// a x² + b x + c with its numbers: «2x² − 3x + 1».
std::string polynomial(const NumberFormat& fmt, const Coefficients& t) {
    std::string text = t.a != 0 ? termText(fmt, t.a, "x²") : "";
    const auto add = [&](const mpq_class& c, std::string_view x) {
        if (text.empty())
            text = c != 0 ? termText(fmt, c, x) : "";
        else
            text += nextTermText(fmt, c, x);
    };
    add(t.b, "x");
    add(t.c, "");
    return text.empty() ? "0" : text;
}

// «≈ 1,41» after an exact value, or nothing when the rounding is the value.
std::string roundedAfter(const NumberFormat& fmt, const Surd& value) {
    const mpq_class rounded = roundToDecimals(value, 2);
    if (value.isRational() && value.rational == rounded)
        return {};
    return "  ≈ " + withMinusSign(plainText(fmt, rounded));
}

// x − s, written so that it reads well: «x − 2», «x + 0,75», «x − (1 + √5)/2», «x + 2√2».
Line& factor(Line& line, const NumberFormat& fmt, const Surd& s) {
    if (s.isRational() && s.rational == 0)
        return line << "x";
    line << "(x" << (leadsWithMinus(s) ? " + " : " − ");
    return writeSurd(line, fmt, leadsWithMinus(s) ? -s : s) << ")";
}

} // namespace

Steps solverSteps(const NumberFormat& fmt, std::string_view a, std::string_view b, std::string_view c,
                  std::string_view k) {
    const auto t = read(fmt, a, b, c);
    const auto vk = exactValue(fmt, k);
    if (!t || !vk)
        return {};
    const Coefficients e{t->a, t->b, t->c - *vk};
    Steps steps{heading("Résolution de " + polynomial(fmt, *t) + " = " + numberText(fmt, *vk))};
    if (*vk != 0)
        steps.push_back(
            step("On se ramène à " + polynomial(fmt, e) + " = 0 (c − k = " + numberText(fmt, e.c) + ")"));
    steps.push_back(heading("Discriminant"));
    steps.push_back(step("Δ = b") << exponent("2") << " − 4ac");
    steps.push_back(step("Δ = " + factorText(fmt, e.b))
                    << exponent("2") << " − 4 × " + factorText(fmt, e.a) + " × " + factorText(fmt, e.c));
    const mpq_class square = e.b * e.b;
    const mpq_class fourAC = 4 * e.a * e.c;
    steps.push_back(step("Δ = " + numberText(fmt, square) + " − " + factorText(fmt, fourAC)));
    const mpq_class delta = discriminantOf(e.a, e.b, e.c);
    Line shown = result("Δ = " + numberText(fmt, delta));
    const std::string text = withMinusSign(signKeepingText(fmt, delta));
    if (text != numberText(fmt, delta))
        shown << "  ≈ " + text;
    steps.push_back(shown);
    if (e.a == 0) {
        steps.push_back(result("a = 0 : ce n'est pas une équation du second degré."));
        return steps;
    }

    steps.push_back(heading("Solutions"));
    const mpq_class twiceA = 2 * e.a;
    const std::string minusB = numberText(fmt, -e.b);
    const std::string twoA = numberText(fmt, twiceA);
    const std::string deltaText = numberText(fmt, delta);
    if (delta > 0) {
        steps.push_back(step("Δ > 0 : l'équation a deux solutions réelles."));
        const Surd rootOfDelta = squareRoot(delta);
        Line simplified = step("√Δ = √" + deltaText + " = ");
        writeSurd(simplified, fmt, rootOfDelta);
        // √Δ is worth a line when it simplifies: √8 = 2√2, √16 = 4, √0,25 = 1/2.
        if (!(rootOfDelta.coefficient == 1 && rootOfDelta.radicand == delta))
            steps.push_back(simplified);
        const Surd roots[2] = {(-rootOfDelta + -e.b) / twiceA, (rootOfDelta + -e.b) / twiceA};
        for (int i = 0; i < 2; ++i) {
            const std::string name = i == 0 ? "x₁" : "x₂";
            const std::string sign = i == 0 ? " − " : " + ";
            steps.push_back(step(name + " = ") << fraction("−b" + sign + "√Δ", "2a") << " = "
                                               << fraction(minusB + sign + "√" + deltaText, twoA));
            Line value = result(name + " = ");
            writeSurd(value, fmt, roots[i]) << roundedAfter(fmt, roots[i]);
            steps.push_back(value);
        }
        steps.push_back(heading("Forme factorisée"));
        Line factorised = result(polynomial(fmt, e) + " = " +
                                 (e.a == 1    ? ""
                                  : e.a == -1 ? "−"
                                              : factorText(fmt, e.a)));
        factor(factorised, fmt, roots[0]);
        factor(factorised, fmt, roots[1]);
        steps.push_back(factorised);
    } else if (delta == 0) {
        steps.push_back(step("Δ = 0 : l'équation a une solution double."));
        const mpq_class x0 = -e.b / twiceA;
        steps.push_back(step("x₀ = ") << fraction("−b", "2a") << " = " << fraction(minusB, twoA));
        steps.push_back(result("x₀ = ") << exactValueRun(fmt, x0) << roundedAfter(fmt, Surd{x0, 0, 1}));
        steps.push_back(heading("Forme factorisée"));
        Line factorised = result(polynomial(fmt, e) + " = " +
                                 (e.a == 1    ? ""
                                  : e.a == -1 ? "−"
                                              : factorText(fmt, e.a)));
        factor(factorised, fmt, Surd{x0, 0, 1}) << exponent("2");
        steps.push_back(factorised);
    } else {
        steps.push_back(step("Δ < 0 : pas de solution réelle ; deux solutions complexes conjuguées."));
        const mpq_class real = -e.b / twiceA;
        const Surd imaginary = squareRoot(mpq_class(-delta)) / twiceA;
        for (int i = 0; i < 2; ++i) {
            const std::string name = i == 0 ? "z₁" : "z₂";
            const std::string sign = i == 0 ? " − " : " + ";
            steps.push_back(step(name + " = ")
                            << fraction("−b" + sign + "i√(−Δ)", "2a") << " = "
                            << fraction(minusB + sign + "i√" + numberText(fmt, -delta), twoA));
            Line value = result(name + " = ");
            value << exactValueRun(fmt, real) << sign << "i × ";
            writeSurd(value, fmt, imaginary);
            if (!imaginary.isRational() || roundToDecimals(real, 2) != real ||
                roundToDecimals(imaginary.rational, 2) != imaginary.rational)
                value << "  ≈ " + withMinusSign(plainText(fmt, roundToDecimals(real, 2))) + sign + "i × " +
                             withMinusSign(plainText(fmt, roundToDecimals(imaginary, 2)));
            steps.push_back(value);
        }
        steps.push_back(heading("Forme factorisée"));
        steps.push_back(result("Δ < 0 : le trinôme ne se factorise pas dans ℝ ; dans ℂ, " +
                               polynomial(fmt, e) + " = " +
                               (e.a == 1    ? ""
                                : e.a == -1 ? "−"
                                            : factorText(fmt, e.a)) +
                               "(x − z₁)(x − z₂)."));
    }
    return steps;
}

Steps valueSteps(const NumberFormat& fmt, std::string_view a, std::string_view b, std::string_view c,
                 std::string_view x0) {
    const auto t = read(fmt, a, b, c);
    const auto x = exactValue(fmt, x0);
    if (!t || !x)
        return {};
    const std::string fx = "f(" + numberText(fmt, *x) + ")";
    Steps steps{
        heading("Calcul de f(x₀) pour f(x) = " + polynomial(fmt, *t) + " et x₀ = " + numberText(fmt, *x))};
    steps.push_back(step(fx + " = " + factorText(fmt, t->a) + " × " + factorText(fmt, *x))
                    << exponent("2")
                    << " + " + factorText(fmt, t->b) + " × " + factorText(fmt, *x) + " + " +
                           factorText(fmt, t->c));
    const mpq_class first = t->a * *x * *x;
    const mpq_class second = t->b * *x;
    steps.push_back(step(fx + " = " + numberText(fmt, first) + " + " + factorText(fmt, second) + " + " +
                         factorText(fmt, t->c)));
    steps.push_back(result(fx + " = " + numberText(fmt, first + second + t->c)));
    return steps;
}

Steps variationSteps(const NumberFormat& fmt, std::string_view a, std::string_view b, std::string_view c) {
    const auto t = read(fmt, a, b, c);
    if (!t)
        return {};
    Steps steps{heading("Sommet et variations de f(x) = " + polynomial(fmt, *t))};
    if (t->a == 0) {
        steps.push_back(result("a = 0 : f n'est pas un trinôme du second degré."));
        return steps;
    }
    const mpq_class alpha = -t->b / (2 * t->a);
    const mpq_class beta = (t->a * alpha + t->b) * alpha + t->c;
    steps.push_back(step("α = ") << fraction("−b", "2a") << " = "
                                 << fraction(numberText(fmt, -t->b), numberText(fmt, 2 * t->a)) << " = "
                                 << exactValueRun(fmt, alpha) << roundedAfter(fmt, Surd{alpha, 0, 1}));
    steps.push_back(step("β = f(α) = ") << exactValueRun(fmt, beta) << roundedAfter(fmt, Surd{beta, 0, 1}));
    Line canonical = result("f(x) = " + (t->a == 1    ? std::string()
                                         : t->a == -1 ? "−"
                                                      : factorText(fmt, t->a)));
    factor(canonical, fmt, Surd{alpha, 0, 1}) << exponent("2");
    if (beta != 0)
        canonical << (beta < 0 ? " − " : " + ") << exactValueRun(fmt, abs(beta));
    steps.push_back(canonical);
    if (t->a > 0)
        steps.push_back(
            result("a > 0 : f est décroissante puis croissante ; son minimum β est atteint en x = α."));
    else
        steps.push_back(
            result("a < 0 : f est croissante puis décroissante ; son maximum β est atteint en x = α."));
    return steps;
}

} // namespace equations::trinomial
