// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/exact.h"
#include "practice/rules/exercise_text.h"
#include "probability/rules/combination_steps.h"

#include <array>

using numbers::NumberFormat;

namespace practice {

namespace {

using numbers::heading;
using numbers::result;
using numbers::step;

mpz_class factorialOf(long n) {
    mpz_class f;
    mpz_fac_ui(f.get_mpz_t(), static_cast<unsigned long>(n));
    return f;
}

mpz_class choose(long n, long k) {
    mpz_class c;
    mpz_bin_uiui(c.get_mpz_t(), static_cast<unsigned long>(n), static_cast<unsigned long>(k));
    return c;
}

// An event of one throw of a die: its words and the faces that make it.
struct DieEvent {
    std::string_view words;
    std::array<bool, 7> faces; // faces[1] to faces[6]
};
constexpr std::array<DieEvent, 7> kDieEvents{{
    {"obtenir 6", {false, false, false, false, false, false, true}},
    {"obtenir un nombre pair", {false, false, true, false, true, false, true}},
    {"obtenir un nombre impair", {false, true, false, true, false, true, false}},
    {"obtenir un multiple de 3", {false, false, false, true, false, false, true}},
    {"obtenir un nombre supérieur ou égal à 5", {false, false, false, false, false, true, true}},
    {"obtenir un nombre strictement inférieur à 3", {false, true, true, false, false, false, false}},
    {"obtenir un nombre premier", {false, false, true, true, false, true, false}},
}};

// The equally likely outcomes, those that make the event, and p = favourable / possible.
numbers::Steps countingSteps(std::string_view title, std::string_view possible, std::int64_t possibleCount,
                             std::string_view favourable, std::int64_t favourableCount) {
    numbers::Steps s{heading(title)};
    s.push_back(step("Issues possibles, toutes équiprobables : " + std::string(possible) + " (" +
                     std::to_string(possibleCount) + " issues)"));
    s.push_back(step("Issues favorables : " + std::string(favourable) + " (" +
                     std::to_string(favourableCount) + (favourableCount > 1 ? " issues)" : " issue)")));
    numbers::Line p = result("p = ");
    p << numbers::fraction(std::to_string(favourableCount), std::to_string(possibleCount));
    const mpq_class value(favourableCount, possibleCount);
    if (mpq_class(value).get_den() != possibleCount)
        p << " = " << numbers::exactRun(mpq_class(value));
    s.push_back(p);
    return s;
}

Exercise dieProbability(SeriesRandom& draw) {
    const DieEvent& event = kDieEvents[std::size_t(draw.between(0, kDieEvents.size() - 1))];
    std::string faces;
    std::int64_t count = 0;
    for (int f = 1; f <= 6; ++f)
        if (event.faces[std::size_t(f)]) {
            faces += (count ? ", " : "") + std::to_string(f);
            ++count;
        }
    Exercise e;
    e.question = "On lance un dé équilibré à six faces. Quelle est la probabilité d'" +
                 std::string(event.words) + " ?";
    e.expected.values = {rationalSurd(mpq_class(count, 6))};
    e.correction =
        countingSteps("Probabilité d'" + std::string(event.words), "1, 2, 3, 4, 5, 6", 6, faces, count);
    return e;
}

Exercise frequency(const NumberFormat& fmt, SeriesRandom& draw) {
    const bool coin = draw.oneIn(2);
    static constexpr std::array<std::int64_t, 5> kThrows{20, 25, 40, 50, 100};
    const std::int64_t n = kThrows[std::size_t(draw.between(0, 4))];
    const std::int64_t k = coin ? draw.between(n / 4, 3 * n / 4) : draw.between(n / 12, n / 4);
    Exercise e;
    const std::string what = coin ? "pile" : "le 6";
    e.question = coin ? "On a lancé une pièce " + std::to_string(n) + " fois et obtenu " + std::to_string(k) +
                            " fois pile. Quelle est la fréquence de pile ?"
                      : "On a lancé un dé " + std::to_string(n) + " fois et le 6 est sorti " +
                            std::to_string(k) + " fois. Quelle est la fréquence de sortie du 6 ?";
    e.expected.values = {rationalSurd(mpq_class(k, n))};
    e.answer = "f = ";
    const std::vector<probability::Outcome> outcomes =
        coin ? std::vector<probability::Outcome>{{"Pile", k, 1, 2}, {"Face", n - k, 1, 2}}
             : std::vector<probability::Outcome>{{"6", k, 1, 6}, {"Autre face", n - k, 5, 6}};
    e.correction = probability::frequencySteps(
        fmt, "Fréquence de " + what + " sur " + std::to_string(n) + " lancers", outcomes);
    return e;
}

Exercise twoDice(SeriesRandom& draw) {
    const std::int64_t sum = draw.between(2, 12);
    std::string pairs;
    std::int64_t count = 0;
    for (int i = 1; i <= 6; ++i)
        for (int j = 1; j <= 6; ++j)
            if (i + j == sum) {
                pairs += (count ? ", (" : "(") + std::to_string(i) + " ; " + std::to_string(j) + ")";
                ++count;
            }
    Exercise e;
    e.question = "On lance deux dés équilibrés. Quelle est la probabilité que la somme des deux faces soit " +
                 std::to_string(sum) + " ?";
    e.expected.values = {rationalSurd(mpq_class(count, 36))};
    e.correction = countingSteps("Somme " + std::to_string(sum) + " avec deux dés",
                                 "les 36 couples (1 ; 1), (1 ; 2), …, (6 ; 6)", 36, pairs, count);
    return e;
}

Exercise coins(SeriesRandom& draw) {
    // Sequences of P and F, as a tree lists them.
    const int tosses = int(draw.between(2, 3));
    const int least = int(draw.between(1, tosses));
    const bool exactly = draw.oneIn(2);
    std::string all, good;
    std::int64_t count = 0;
    const int total = 1 << tosses;
    for (int m = 0; m < total; ++m) {
        std::string word;
        int heads = 0;
        for (int t = tosses - 1; t >= 0; --t) {
            const bool head = (m >> t & 1) == 0;
            word += head ? "P" : "F";
            heads += head;
        }
        all += (m ? ", " : "") + word;
        if (exactly ? heads == least : heads >= least) {
            good += (count ? ", " : "") + word;
            ++count;
        }
    }
    const std::string event =
        (exactly ? "obtenir exactement " : "obtenir au moins ") + std::to_string(least) + " fois pile";
    Exercise e;
    e.question = "On lance " + std::to_string(tosses) +
                 " fois une pièce équilibrée. Quelle est la probabilité d'" + event + " ?";
    e.expected.values = {rationalSurd(mpq_class(count, total))};
    e.correction = countingSteps("Probabilité d'" + event, all, total, good, count);
    return e;
}

} // namespace

Exercise counting(const NumberFormat& fmt, SeriesRandom& draw, int level) {
    static constexpr std::array<long, 3> kLow{0, 5, 8};
    static constexpr std::array<long, 3> kHigh{6, 10, 15};
    static constexpr std::array<long, 3> kSetLow{2, 5, 10};
    static constexpr std::array<long, 3> kSetHigh{6, 10, 20};
    const auto l = std::size_t(level - 1);
    Exercise e;
    e.hint = "Écrivez un nombre entier.";
    if (draw.oneIn(2)) {
        const long n = long(draw.between(kLow[l], kHigh[l]));
        e.question = "Calculez " + std::to_string(n) + "! (factorielle " + std::to_string(n) + ").";
        const mpz_class f = factorialOf(n);
        e.numbers = {mpq_class(n)};
        e.expected.values = {rationalSurd(mpq_class(f))};
        e.answer = std::to_string(n) + "! = " + f.get_str();
        e.correction = probability::factorialSteps(fmt, std::to_string(n));
    } else {
        const long n = long(draw.between(kSetLow[l], kSetHigh[l]));
        const long k = long(draw.between(0, n));
        e.question = "De combien de façons peut-on choisir " + std::to_string(k) + " éléments parmi " +
                     std::to_string(n) + " ? (nombre de combinaisons de " + std::to_string(k) + " parmi " +
                     std::to_string(n) + ")";
        const mpz_class c = choose(n, k);
        e.numbers = {mpq_class(n), mpq_class(k)};
        e.expected.values = {rationalSurd(mpq_class(c))};
        e.answer = c.get_str();
        e.correction = probability::combinationSteps(fmt, std::to_string(n), std::to_string(k));
    }
    return e;
}

Exercise probability(const NumberFormat& fmt, SeriesRandom& draw, int level) {
    Exercise e;
    if (level == 1)
        e = dieProbability(draw);
    else if (level == 2)
        e = draw.oneIn(3) ? dieProbability(draw) : frequency(fmt, draw);
    else
        e = draw.oneIn(2) ? twoDice(draw) : coins(draw);
    e.hint = "Écrivez une fraction (par exemple 1/6) ou un décimal.";
    const mpq_class& p = e.expected.values.at(0).rational;
    numbers::Line answer;
    answer << (e.answer.empty() ? "p = " : e.answer) << numbers::exactRun(p);
    e.answer = numbers::plainText(answer) +
               (p.get_den() != 1 && numbers::hasFiniteDecimals(p) ? " = " + valueText(fmt, p) : "");
    return e;
}

} // namespace practice
