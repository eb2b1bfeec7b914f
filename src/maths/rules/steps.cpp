// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "maths/rules/steps.h"

#include "maths/rules/exact.h"

#include <array>

namespace maths {

namespace {

constexpr std::string_view kMinus = "−";

// The superscript form of a character, or nothing.
std::string_view superscript(char c) {
    static constexpr std::array<std::string_view, 10> digits = {"⁰", "¹", "²", "³", "⁴",
                                                                "⁵", "⁶", "⁷", "⁸", "⁹"};
    if (c >= '0' && c <= '9')
        return digits[std::size_t(c - '0')];
    if (c == '-')
        return "⁻";
    if (c == '+')
        return "⁺";
    if (c == 'n')
        return "ⁿ";
    return {};
}

// Whether a text needs no brackets under a root or in a fraction: a number or one letter, and its
// factorial («52!», «n!»).
bool singleTerm(std::string_view text) {
    if (text.substr(0, kMinus.size()) == kMinus)
        text.remove_prefix(kMinus.size());
    if (!text.empty() && text.back() == '!')
        text.remove_suffix(1);
    if (text == "a" || text == "b" || text == "c" || text == "k" || text == "n" || text == "x" || text == "Δ")
        return true;
    if (text.empty())
        return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || c == ',' || c == '.'))
            return false;
    return true;
}

std::string bracketed(const std::string& text) {
    return singleTerm(text) ? text : "(" + text + ")";
}

} // namespace

Line& Line::operator<<(std::string_view text) {
    if (!runs.empty() && runs.back().mark == Run::Mark::Text)
        runs.back().text += text;
    else
        runs.push_back({.text = std::string(text)});
    return *this;
}

Line& Line::operator<<(Run run) {
    if (run.mark == Run::Mark::Text)
        return *this << std::string_view(run.text);
    runs.push_back(std::move(run));
    return *this;
}

Line heading(std::string_view text) {
    Line line{.kind = Line::Kind::Heading};
    return line << text;
}

Line step(std::string_view text) {
    Line line;
    if (!text.empty())
        line << text;
    return line;
}

Line result(std::string_view text) {
    Line line{.kind = Line::Kind::Result};
    if (!text.empty())
        line << text;
    return line;
}

Run exponent(std::string text) {
    return {.mark = Run::Mark::Exponent, .text = std::move(text)};
}

Run root(std::string radicand) {
    return {.mark = Run::Mark::Root, .text = std::move(radicand)};
}

Run fraction(std::string numerator, std::string denominator) {
    return {.mark = Run::Mark::Fraction, .text = std::move(numerator), .below = std::move(denominator)};
}

std::string plainText(const Line& line) {
    std::string out;
    for (const Run& run : line.runs) {
        switch (run.mark) {
        case Run::Mark::Text:
            out += run.text;
            break;
        case Run::Mark::Exponent: {
            std::string raised;
            bool all = true;
            for (char c : run.text) {
                const std::string_view s = superscript(c);
                all = all && !s.empty();
                raised += s;
            }
            out += all ? raised : "^(" + run.text + ")";
            break;
        }
        case Run::Mark::Root:
            out += "√" + bracketed(run.text);
            break;
        case Run::Mark::Fraction:
            out += bracketed(run.text) + "/" + bracketed(run.below);
            break;
        }
    }
    return out;
}

std::string plainText(const Steps& steps) {
    std::string out;
    for (const Line& line : steps)
        out += plainText(line) + "\n";
    return out;
}

std::string withMinusSign(std::string text) {
    if (!text.empty() && text.front() == '-')
        text.replace(0, 1, kMinus);
    for (std::size_t at = text.find("E-"); at != std::string::npos; at = text.find("E-", at))
        text.replace(at + 1, 1, kMinus);
    return text;
}

std::string numberText(const NumberFormat& fmt, const mpq_class& value) {
    return withMinusSign(exactDecimalText(fmt, value));
}

std::string factorText(const NumberFormat& fmt, const mpq_class& value) {
    return value < 0 ? "(" + numberText(fmt, value) + ")" : numberText(fmt, value);
}

std::string termText(const NumberFormat& fmt, const mpq_class& c, std::string_view x) {
    if (c == 0)
        return "0";
    if (x.empty())
        return numberText(fmt, c);
    if (c == 1 || c == -1)
        return (c < 0 ? std::string(kMinus) : "") + std::string(x);
    return numberText(fmt, c) + std::string(x);
}

std::string nextTermText(const NumberFormat& fmt, const mpq_class& c, std::string_view x) {
    if (c == 0)
        return {};
    return (c < 0 ? " − " : " + ") + termText(fmt, abs(c), x);
}

Run exactRun(const mpq_class& value) {
    if (value.get_den() == 1)
        return {.text = withMinusSign(value.get_num().get_str())};
    const std::string sign = value < 0 ? std::string(kMinus) : "";
    return fraction(sign + mpz_class(abs(value.get_num())).get_str(), value.get_den().get_str());
}

Run exactValueRun(const NumberFormat& fmt, const mpq_class& value) {
    if (value.get_den() != 1 && hasFiniteDecimals(value) && mpz_sizeinbase(value.get_den_mpz_t(), 10) <= 7)
        return {.text = numberText(fmt, value)};
    return exactRun(value);
}

bool leadsWithMinus(const Surd& value) {
    return value.rational < 0 || (value.rational == 0 && value.coefficient < 0);
}

Line& writeSurd(Line& line, const NumberFormat& fmt, const Surd& value) {
    if (value.isRational())
        return line << exactValueRun(fmt, value.rational);
    mpz_class d;
    mpz_lcm(d.get_mpz_t(), value.rational.get_den_mpz_t(), value.coefficient.get_den_mpz_t());
    const mpz_class whole(mpq_class(value.rational * d));
    const mpz_class times(mpq_class(value.coefficient * d));
    const mpz_class magnitude = abs(times);
    const std::string radical = (magnitude == 1 ? "" : magnitude.get_str()) + "√" + value.radicand.get_str();
    std::string top;
    if (whole != 0)
        top = withMinusSign(whole.get_str()) + (times < 0 ? " − " : " + ") + radical;
    else
        top = (times < 0 ? std::string(kMinus) : "") + radical;
    if (d == 1)
        return line << top;
    return line << fraction(top, d.get_str());
}

std::string approximately(const NumberFormat& fmt, const mpq_class& value, const mpq_class& rounded) {
    return (value == rounded ? "= " : "≈ ") + withMinusSign(plainText(fmt, rounded));
}

} // namespace maths
