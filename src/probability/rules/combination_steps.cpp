// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/rules/combination_steps.h"

#include "maths/rules/exact.h"
#include "probability/rules/combinations.h"

#include <cmath>

namespace probability {

using namespace maths;

namespace {

// Beyond this, the digits of a factorial fill pages: 1000! has 2568 of them.
constexpr unsigned long kLargestWritten = 1000;
// Products written out in full up to this many factors.
constexpr unsigned long kFactorsWritten = 12;

std::optional<mpz_class> whole(const NumberFormat& fmt, std::string_view text) {
    const auto value = exactValue(fmt, text);
    if (!value || value->get_den() != 1 || *value < 0)
        return std::nullopt;
    return mpz_class(value->get_num());
}

// from × (from − 1) × … down to `to`, or its first and last factors with «…» between.
std::string product(unsigned long from, unsigned long to) {
    std::string text;
    const auto add = [&](unsigned long f) { text += (text.empty() ? "" : " × ") + std::to_string(f); };
    if (from - to + 1 <= kFactorsWritten) {
        for (unsigned long f = from; f >= to && f > 0; --f)
            add(f);
        return text;
    }
    add(from);
    add(from - 1);
    add(from - 2);
    text += " × … × ";
    return text + std::to_string(to);
}

// Every digit, and how many there are from 16 on.
Line allDigits(const std::string& name, const mpz_class& value) {
    const std::string digits = value.get_str();
    Line line = result(name + " = " + digits);
    if (digits.size() > 15)
        line << " (" + std::to_string(digits.size()) + " chiffres)";
    return line;
}

} // namespace

Steps factorialSteps(const NumberFormat& fmt, std::string_view text) {
    const auto n = whole(fmt, text);
    if (!n)
        return {};
    const std::string name = n->get_str() + "!";
    Steps steps{heading("Factorielle de " + n->get_str())};
    if (*n > kLargestWritten) {
        steps.push_back(result(name + " a trop de chiffres pour être écrit ici."));
        return steps;
    }
    const unsigned long value = n->get_ui();
    if (value <= 1) {
        steps.push_back(result(name + " = 1 (par convention, 0! = 1 et 1! = 1)"));
        return steps;
    }
    steps.push_back(step(name + " = " + product(value, 1)));
    mpz_class f;
    mpz_fac_ui(f.get_mpz_t(), value);
    steps.push_back(allDigits(name, f));
    if (const auto shown = countText(fmt, f); shown && shown->size() < f.get_str().size())
        steps.push_back(step(name + " ≈ " + withMinusSign(*shown)));
    return steps;
}

Steps combinationSteps(const NumberFormat& fmt, std::string_view nText, std::string_view kText) {
    const auto n = whole(fmt, nText);
    const auto k = whole(fmt, kText);
    if (!n || !k)
        return {};
    const std::string name = "(" + k->get_str() + " parmi " + n->get_str() + ")";
    Steps steps{heading("Nombre de façons de choisir " + k->get_str() + " éléments parmi " + n->get_str())};
    if (*k > *n) {
        steps.push_back(
            result(name + " = 0 : on ne peut pas choisir plus d'éléments que l'ensemble n'en a."));
        return steps;
    }
    const mpz_class rest = *n - *k;
    steps.push_back(step(name + " = ")
                    << fraction("n!", "k!(n − k)!") << " = "
                    << fraction(n->get_str() + "!", k->get_str() + "! × " + rest.get_str() + "!"));
    const mpz_class& chosen = std::min(*k, rest);
    if (chosen > 2000 || mpz_sizeinbase(n->get_mpz_t(), 10) > 30) {
        steps.push_back(result(name + " a trop de chiffres pour être écrit ici."));
        return steps;
    }
    const unsigned long c = chosen.get_ui();
    if (c == 0) {
        steps.push_back(result(name + " = 1 : une seule façon de tout prendre, ou de ne rien prendre."));
        return steps;
    }
    // The larger factorial of the denominator cancels with the end of n!.
    if (n->fits_ulong_p())
        steps.push_back(step(name + " = ")
                        << fraction(product(n->get_ui(), n->get_ui() - c + 1), product(c, 1)));
    mpz_class count;
    mpz_bin_ui(count.get_mpz_t(), n->get_mpz_t(), c);
    steps.push_back(allDigits(name, count));
    if (const auto shown = countText(fmt, count); shown && shown->size() < count.get_str().size())
        steps.push_back(step(name + " ≈ " + withMinusSign(*shown)));
    return steps;
}

Steps frequencySteps(const NumberFormat& fmt, std::string_view title, const std::vector<Outcome>& outcomes) {
    Steps steps{heading(title)};
    std::int64_t total = 0;
    for (const Outcome& o : outcomes)
        total += o.count;
    steps.push_back(step("Nombre d'expériences : n = " + std::to_string(total)));
    if (total == 0)
        return steps;
    const double halfWidth = 1 / std::sqrt(double(total));
    const mpq_class width = roundToDecimals(mpq_class(halfWidth), 3);
    steps.push_back(
        step("1/√n = 1/√" + std::to_string(total) + " ≈ " + withMinusSign(plainText(fmt, width))));
    for (const Outcome& o : outcomes) {
        mpq_class f(o.count, total);
        f.canonicalize();
        mpq_class p(o.probabilityNum, o.probabilityDen);
        p.canonicalize();
        Line line = step(o.name + " : " + std::to_string(o.count) + " fois, fréquence f = ");
        line << fraction(std::to_string(o.count), std::to_string(total));
        if (f.get_den() != total)
            line << " = " << exactRun(f);
        line << " " + approximately(fmt, f, roundToDecimals(f, 3));
        steps.push_back(line);
        const mpq_class low = roundToDecimals(mpq_class(p - halfWidth), 3);
        const mpq_class high = roundToDecimals(mpq_class(p + halfWidth), 3);
        const bool inside = f >= p - halfWidth && f <= p + halfWidth;
        Line band = result("p = ");
        band << exactRun(p)
             << " : intervalle [p − 1/√n ; p + 1/√n] ≈ [" + withMinusSign(plainText(fmt, low)) + " ; " +
                    withMinusSign(plainText(fmt, high)) + "] ; f " + (inside ? "y est." : "n'y est pas.");
        steps.push_back(band);
    }
    return steps;
}

} // namespace probability
