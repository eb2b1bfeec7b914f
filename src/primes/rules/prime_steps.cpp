// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/rules/prime_steps.h"

#include "numbers/exact.h"

#include <cmath>
#include <string>
#include <vector>

namespace primes {

using namespace numbers;

namespace {

// Divisors listed in full up to this many; beyond, the first ones and how many in all.
constexpr std::size_t kListed = 25;

std::int64_t squareRootFloor(std::int64_t n) {
    auto r = std::int64_t(std::sqrt(double(n)));
    while (r * r > n)
        --r;
    while ((r + 1) * (r + 1) <= n)
        ++r;
    return r;
}

// Beyond this the decompositions of an even number are listed, not all counted.
constexpr std::int64_t kLargestCounted = 1'000'000;

// Whether each number up to `limit` is prime, by the sieve of Eratosthenes.
std::vector<bool> sieveUpTo(std::int64_t limit) {
    std::vector<bool> prime(std::size_t(limit + 1), true);
    prime[0] = false;
    if (limit >= 1)
        prime[1] = false;
    for (std::int64_t p = 2; p * p <= limit; ++p)
        if (prime[std::size_t(p)])
            for (std::int64_t m = p * p; m <= limit; m += p)
                prime[std::size_t(m)] = false;
    return prime;
}

bool prime(std::int64_t n) {
    if (n < 2)
        return false;
    for (std::int64_t d = 2; d * d <= n; d += d == 2 ? 1 : 2)
        if (n % d == 0)
            return false;
    return true;
}

std::string listed(const std::vector<std::int64_t>& numbers) {
    std::string text;
    for (std::size_t i = 0; i < numbers.size() && i < kListed; ++i)
        text += (i == 0 ? "" : ", ") + std::to_string(numbers[i]);
    if (numbers.size() > kListed)
        text += ", … (" + std::to_string(numbers.size()) + " diviseurs en tout)";
    return text;
}

} // namespace

Steps verificationSteps(const NumberFormat& fmt, std::int64_t n) {
    const std::string shown = std::to_string(n);
    Steps steps{heading(shown + " est-il premier ?")};
    if (n < 2) {
        steps.push_back(result(
            shown + " n'est pas premier : un nombre premier a exactement deux diviseurs, 1 et lui-même."));
        return steps;
    }
    const std::int64_t root = squareRootFloor(n);
    const std::string rootText =
        "√" + shown + " ≈ " + plainText(fmt, roundToDecimals(mpq_class(std::sqrt(double(n))), 1));
    // The primes up to √n, in order, until one divides n.
    std::vector<std::int64_t> tried;
    std::int64_t divisor = 0;
    const std::vector<bool> primeUpToRoot = sieveUpTo(root);
    for (std::int64_t d = 2; d <= root; ++d) {
        if (!primeUpToRoot[std::size_t(d)])
            continue;
        tried.push_back(d);
        if (n % d == 0) {
            divisor = d;
            break;
        }
    }
    if (tried.empty())
        steps.push_back(step(rootText + " : aucun nombre premier à essayer avant " + shown + "."));
    else
        steps.push_back(step("On essaie les nombres premiers jusqu'à " + rootText + " : " + listed(tried)));
    if (divisor == 0) {
        steps.push_back(result("Aucun diviseur jusqu'à " + rootText + " : " + shown + " est premier."));
        return steps;
    }
    steps.push_back(result(std::to_string(divisor) + " divise " + shown + " : " + shown + " = " +
                           std::to_string(divisor) + " × " + std::to_string(n / divisor) + ", " + shown +
                           " n'est pas premier."));

    steps.push_back(heading("Décomposition en facteurs premiers"));
    Line factorisation = result(shown + " = ");
    std::int64_t rest = n;
    bool first = true;
    for (std::int64_t p = 2; p * p <= rest || rest > 1; ++p) {
        if (p * p > rest)
            p = rest; // what is left is prime
        int power = 0;
        while (rest % p == 0) {
            steps.push_back(
                step(std::to_string(rest) + " = " + std::to_string(p) + " × " + std::to_string(rest / p)));
            rest /= p;
            ++power;
        }
        if (power == 0)
            continue;
        factorisation << (first ? "" : " × ") + std::to_string(p);
        if (power > 1)
            factorisation << exponent(std::to_string(power));
        first = false;
    }
    steps.push_back(factorisation);
    return steps;
}

Steps searchSteps(std::int64_t from, std::int64_t to, std::int64_t count) {
    Steps steps{heading("Nombres premiers de " + std::to_string(from) + " à " + std::to_string(to))};
    const std::int64_t tested = to >= from ? to - from + 1 : 0;
    steps.push_back(step("Nombres examinés : " + std::to_string(tested) +
                         " (le crible d'Ératosthène barre les multiples de chaque nombre premier jusqu'à la "
                         "racine carrée de la borne)"));
    steps.push_back(result("Nombres premiers trouvés : " + std::to_string(count)));
    if (from <= 2 && to >= 2)
        steps.push_back(result("π(" + std::to_string(to) + ") = " + std::to_string(count) + " : il y a " +
                               std::to_string(count) + " nombres premiers inférieurs ou égaux à " +
                               std::to_string(to) + "."));
    return steps;
}

Steps goldbachSteps(std::int64_t n) {
    Steps steps{heading("Décompositions de " + std::to_string(n) + " en somme de deux nombres premiers")};
    if (n < 4 || n % 2 != 0) {
        steps.push_back(result("La conjecture de Goldbach porte sur les nombres pairs à partir de 4."));
        return steps;
    }
    // Up to kLargestCounted every decomposition is counted with a sieve; beyond, the first ones are
    // listed, each partner tested by trial division.
    const bool counted = n <= kLargestCounted;
    const std::vector<bool> sieve = counted ? sieveUpTo(n) : std::vector<bool>{};
    const auto isPrime = [&](std::int64_t m) { return counted ? bool(sieve[std::size_t(m)]) : prime(m); };
    std::int64_t found = 0;
    for (std::int64_t p = 2; p <= n / 2; ++p) {
        if (!counted && found >= std::int64_t(kListed))
            break;
        if (!isPrime(p) || !isPrime(n - p))
            continue;
        if (++found <= std::int64_t(kListed))
            steps.push_back(
                step(std::to_string(n) + " = " + std::to_string(p) + " + " + std::to_string(n - p)));
    }
    if (!counted) {
        steps.push_back(step("…"));
        steps.push_back(
            result("Les " + std::to_string(found) +
                   " premières décompositions ; elles ne sont toutes comptées que jusqu'à 1 000 000."));
        return steps;
    }
    if (found > std::int64_t(kListed))
        steps.push_back(step("…"));
    steps.push_back(result(std::to_string(found) + " décomposition" + (found > 1 ? "s" : "") + " (p ≤ q)."));
    return steps;
}

} // namespace primes
