// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/rules/answer_reader.h"

#include "numbers/surd_arithmetic.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace practice {

namespace {

using numbers::Surd;

constexpr const char* kEmpty = "Écrivez votre réponse dans la case.";
constexpr const char* kTooLong = "La réponse est trop longue : écrivez seulement le résultat.";
constexpr const char* kNumberForms =
    "Écrivez un nombre : un entier (12), un décimal (0,75), une fraction (3/4) "
    "ou une racine (2√2, racine(8)).";
constexpr const char* kOneNumber = "Une seule réponse est attendue : un nombre, par exemple 3/4 ou 2√2.";
constexpr const char* kYesNo = "Répondez par oui ou par non.";
constexpr const char* kProductForm =
    "Écrivez un produit de nombres entiers, par exemple 2^3 × 5 ou 2³ × 5 ou 2 × 2 × 2 × 5.";
// Digits in one number of an answer: enough for every exercise, and a bound on the work.
constexpr std::size_t kLongestNumber = 40;

// Signs a pupil's keyboard or a copy may give, and what they stand for.
struct Spelling {
    std::string_view written;
    std::string_view read;
};
constexpr std::array kSpellings{
    Spelling{"−", "-"},      Spelling{"–", "-"},        Spelling{"×", "*"},      Spelling{"·", "*"},
    Spelling{"÷", "/"},      Spelling{"√", "#"},        Spelling{"racine", "#"}, Spelling{"sqrt", "#"},
    Spelling{"²", "^2"},     Spelling{"³", "^3"},       Spelling{"¹", "^1"},     Spelling{"⁴", "^4"},
    Spelling{"⁵", "^5"},     Spelling{"⁶", "^6"},       Spelling{"⁷", "^7"},     Spelling{"⁸", "^8"},
    Spelling{"⁹", "^9"},     Spelling{"⁰", "^0"},       Spelling{"\u00A0", " "}, Spelling{"\u202F", " "},
    Spelling{"\u2009", " "}, Spelling{"∅", " aucune "}, Spelling{"₁", ""},       Spelling{"₂", ""},
    Spelling{"≈", "="},
};

std::string normalised(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (const Spelling& s : kSpellings) {
            if (text.substr(i, s.written.size()) == s.written) {
                out += s.read;
                i += s.written.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            const char c = text[i++];
            const auto u = static_cast<unsigned char>(c);
            out += u < 0x80 ? char(std::tolower(u)) : c;
        }
    }
    return out;
}

struct Token {
    enum class Type { Number, Word, Sign };
    Type type;
    std::string text; // a number's digits with '.' for its decimal mark, a word, or one sign
    bool is(char sign) const { return type == Type::Sign && text.size() == 1 && text[0] == sign; }
    bool isWord(std::string_view w) const { return type == Type::Word && text == w; }
};
using Tokens = std::vector<Token>;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80;
}

// Nothing when a number is too long to be an answer.
std::optional<Tokens> tokens(const std::string& s) {
    Tokens out;
    for (std::size_t i = 0; i < s.size();) {
        const char c = s[i];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            ++i;
        } else if (isDigit(c) || ((c == '.' || c == ',') && i + 1 < s.size() && isDigit(s[i + 1]))) {
            std::string number;
            bool mark = false;
            while (i < s.size()) {
                if (isDigit(s[i])) {
                    number += s[i++];
                } else if (!mark && (s[i] == ',' || s[i] == '.') && i + 1 < s.size() && isDigit(s[i + 1])) {
                    number += '.';
                    mark = true;
                    ++i;
                } else {
                    break;
                }
            }
            if (number.size() > kLongestNumber)
                return std::nullopt;
            out.push_back({Token::Type::Number, number});
        } else if (isLetter(c)) {
            std::string word;
            while (i < s.size() && isLetter(s[i]))
                word += s[i++];
            out.push_back({Token::Type::Word, word});
        } else {
            out.push_back({Token::Type::Sign, std::string(1, c)});
            ++i;
        }
    }
    return out;
}

mpq_class decimalValue(const std::string& digits) {
    const auto mark = digits.find('.');
    if (mark == std::string::npos)
        return mpq_class(mpz_class(digits, 10));
    const std::string whole = digits.substr(0, mark);
    const std::string decimals = digits.substr(mark + 1);
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, decimals.size());
    mpq_class q(mpz_class((whole.empty() ? "0" : whole) + decimals, 10), scale);
    q.canonicalize();
    return q;
}

// A span of tokens being read.
struct Span {
    const Token* begin;
    const Token* end;
    bool empty() const { return begin == end; }
    std::size_t size() const { return std::size_t(end - begin); }
};

// Depth of brackets before each token; a separator counts only outside any bracket.
template <class F> void forEachTopLevel(Span span, F&& f) {
    int depth = 0;
    for (const Token* t = span.begin; t != span.end; ++t) {
        if (t->is('(') || t->is('{') || t->is('['))
            ++depth;
        else if (t->is(')') || t->is('}') || t->is(']'))
            --depth;
        else if (depth == 0)
            f(t);
    }
}

// What follows the last «=» outside brackets: «x = 3» is 3, «S = {2 ; 3}» is {2 ; 3}.
Span afterLabel(Span span) {
    const Token* last = nullptr;
    forEachTopLevel(span, [&](const Token* t) {
        if (t->is('='))
            last = t;
    });
    return last ? Span{last + 1, span.end} : span;
}

bool closes(const Token& open, const Token& close) {
    return (open.is('(') && close.is(')')) || (open.is('{') && close.is('}')) ||
           (open.is('[') && close.is(']'));
}

// Whether the first and last tokens are a pair of brackets around everything.
bool enclosed(Span span) {
    if (span.size() < 2 || !closes(span.begin[0], span.end[-1]))
        return false;
    int depth = 0;
    for (const Token* t = span.begin; t != span.end - 1; ++t) {
        if (t->is('(') || t->is('{') || t->is('['))
            ++depth;
        else if (t->is(')') || t->is('}') || t->is(']'))
            --depth;
        if (depth == 0)
            return false;
    }
    return true;
}

bool isSeparator(const Token& t) {
    return t.is(';') || t.is(',') || t.isWord("et") || t.isWord("ou");
}

std::vector<Span> items(Span span) {
    std::vector<Span> out;
    const Token* start = span.begin;
    forEachTopLevel(span, [&](const Token* t) {
        if (isSeparator(*t)) {
            out.push_back({start, t});
            start = t + 1;
        }
    });
    out.push_back({start, span.end});
    return out;
}

// Expressions: sums of products of factors, a factor being a number, √ of a factor, or a bracket.
// A number, a root or a bracket right after another factor multiplies it: «2√2», «3(1 + √5)».
class Expression {
public:
    explicit Expression(Span span)
        : m_at(span.begin)
        , m_end(span.end) {}

    std::optional<Surd> read() {
        auto value = sum();
        if (!value || m_at != m_end)
            return std::nullopt;
        return value;
    }

private:
    bool at(char sign) const { return m_at != m_end && m_at->is(sign); }

    std::optional<Surd> sum() {
        std::optional<Surd> total = Surd{};
        bool first = true;
        while (true) {
            bool negative = false;
            if (at('+') || at('-')) {
                negative = at('-');
                ++m_at;
            } else if (!first) {
                return total;
            }
            auto t = product();
            if (!t)
                return std::nullopt;
            if (negative)
                *t = -*t;
            total = numbers::add(*total, *t);
            if (!total)
                return std::nullopt;
            first = false;
        }
    }

    bool startsFactor() const {
        return m_at != m_end && (m_at->type == Token::Type::Number || m_at->is('#') || m_at->is('('));
    }

    std::optional<Surd> product() {
        auto value = factor();
        while (value) {
            if (at('*') || at('/')) {
                const bool division = at('/');
                ++m_at;
                auto next = factor();
                if (!next)
                    return std::nullopt;
                value = division ? numbers::divide(*value, *next) : numbers::multiply(*value, *next);
            } else if (startsFactor()) {
                auto next = factor();
                if (!next)
                    return std::nullopt;
                value = numbers::multiply(*value, *next);
            } else {
                break;
            }
        }
        return value;
    }

    std::optional<Surd> factor() {
        if (m_at == m_end)
            return std::nullopt;
        if (at('-')) {
            ++m_at;
            auto f = factor();
            return f ? std::optional<Surd>(-*f) : std::nullopt;
        }
        if (m_at->type == Token::Type::Number) {
            Surd s;
            s.rational = decimalValue((m_at++)->text);
            return s;
        }
        if (at('#')) {
            ++m_at;
            auto f = factor();
            return f ? numbers::root(*f) : std::nullopt;
        }
        if (at('(')) {
            ++m_at;
            auto inside = sum();
            if (!inside || !at(')'))
                return std::nullopt;
            ++m_at;
            return inside;
        }
        return std::nullopt;
    }

    const Token* m_at;
    const Token* m_end;
};

// The tokens of a text, or why there are none.
struct Tokenised {
    Tokens tokens;
    std::string problem;
};
Tokenised tokenise(std::string_view text) {
    if (text.size() > kLongestAnswer)
        return {{}, kTooLong};
    auto t = tokens(normalised(text));
    if (!t)
        return {{}, kTooLong};
    if (t->empty())
        return {{}, kEmpty};
    return {std::move(*t), {}};
}

Span whole(const Tokens& t) {
    return {t.data(), t.data() + t.size()};
}

bool saysNone(Span span) {
    for (const Token* t = span.begin; t != span.end; ++t)
        if (t->isWord("aucune") || t->isWord("aucun") || t->isWord("pas") || t->isWord("impossible"))
            return true;
    return span.size() == 2 && enclosed(span); // «{}»
}

} // namespace

Reading<std::vector<Surd>> readNumbers(std::string_view text) {
    const Tokenised t = tokenise(text);
    if (!t.problem.empty())
        return {std::nullopt, t.problem};
    Span span = whole(t.tokens);
    if (saysNone(span))
        return {std::vector<Surd>{}, {}};
    // «S = {2 ; 3}», «(x ; y) = (2 ; −4)»: the list after the label. «x = 2 ; y = 3» keeps its
    // labels, each item losing its own.
    const Token* label = nullptr;
    forEachTopLevel(span, [&](const Token* t) {
        if (!label && t->is('='))
            label = t;
    });
    if (label && enclosed({label + 1, span.end}))
        span = {label + 1, span.end};
    // «{2 ; 3}» and «(2 ; −4)»: the brackets hold the list. «(1 + √5)/2» is one number.
    if (enclosed(span)) {
        const Span inside{span.begin + 1, span.end - 1};
        if (span.begin->is('{') || items(inside).size() > 1)
            span = inside;
    }
    std::vector<Surd> values;
    for (Span item : items(span)) {
        item = afterLabel(item);
        if (item.empty())
            continue; // «2 ; 3 ;»
        auto value = Expression(item).read();
        if (!value)
            return {std::nullopt, kNumberForms};
        values.push_back(*value);
    }
    if (values.empty())
        return {std::nullopt, kNumberForms};
    return {std::move(values), {}};
}

Reading<Surd> readNumber(std::string_view text) {
    auto r = readNumbers(text);
    if (!r.value)
        return {std::nullopt, r.problem};
    if (r.value->size() != 1)
        return {std::nullopt, kOneNumber};
    return {r.value->front(), {}};
}

Reading<bool> readYesNo(std::string_view text) {
    const Tokenised t = tokenise(text);
    if (!t.problem.empty())
        return {std::nullopt, t.problem == kEmpty ? kYesNo : t.problem};
    Span span = whole(t.tokens);
    while (!span.empty() && span.end[-1].type == Token::Type::Sign) // «oui.», «non !»
        --span.end;
    if (span.size() == 1 && (span.begin->isWord("oui") || span.begin->isWord("non")))
        return {span.begin->isWord("oui"), {}};
    return {std::nullopt, kYesNo};
}

Reading<std::vector<PrimePower>> readProduct(std::string_view text) {
    const Tokenised t = tokenise(text);
    if (!t.problem.empty())
        return {std::nullopt, t.problem};
    const Span span = afterLabel(whole(t.tokens));
    std::vector<PrimePower> factors;
    const Token* at = span.begin;
    while (true) {
        if (at == span.end || at->type != Token::Type::Number || at->text.find('.') != std::string::npos)
            return {std::nullopt, kProductForm};
        PrimePower f{mpz_class(at->text, 10), 1};
        ++at;
        if (at != span.end && at->is('^')) {
            ++at;
            if (at == span.end || at->type != Token::Type::Number || at->text.size() > 3 ||
                at->text.find('.') != std::string::npos)
                return {std::nullopt, kProductForm};
            f.exponent = std::stoul(at->text);
            ++at;
        }
        factors.push_back(f);
        if (at == span.end)
            return {std::move(factors), {}};
        if (!(at->is('*') || at->isWord("x")))
            return {std::nullopt, kProductForm};
        ++at;
    }
}

} // namespace practice
