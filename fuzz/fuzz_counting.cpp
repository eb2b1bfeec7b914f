// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The counting rules: factorials and combinations on the texts of their boxes, the primality test,
// the largest divisor and the sieve's marks.
#include "shown_numbers.h"

#include "primes/rules/primality.h"
#include "primes/rules/sieve.h"
#include "probability/rules/combinations.h"

using numbers::NumberFormat;

namespace {

void combinations(const NumberFormat& fmt, FuzzInput& in) {
    const std::string_view n = in.text();
    const std::string_view k = in.text();
    if (const auto f = probability::factorial(fmt, n))
        requireResultReadsBack(fmt, *f);
    if (const auto c = probability::combinations(fmt, n, k))
        requireResultReadsBack(fmt, *c);
    if (const auto e = probability::normalisedEntry(fmt, n)) {
        const auto back = fmt.toDouble(*e);
        REQUIRE(back && *back >= 0 && *back == std::trunc(*back));
        // Tidied again it stays, except under a decimal comma: the leading number stops at the
        // comma of a large number shown in exponent form («7,1E+63» gives 7).
        if (fmt.decimalSeparator() == '.' || e->find(',') == std::string::npos)
            REQUIRE(probability::normalisedEntry(fmt, *e) == e);
    }
    probability::FactorialView factorial{std::string(n), "x"};
    probability::computeFactorial(fmt, factorial);
    // The factorial is shown as «n! =value», or says that it lies beyond the doubles.
    if (factorial.result != "x" && !factorial.result.empty() &&
        factorial.result != probability::kTooLargeCount) {
        const std::size_t equals = factorial.result.rfind('=');
        REQUIRE(equals != std::string::npos);
        requireResultReadsBack(fmt, factorial.result.substr(equals + 1));
    }
    probability::CombinationView combination{std::string(n), std::string(k), "x"};
    probability::computeCombinations(fmt, combination);
    // A count is a number, or says that it lies beyond the doubles.
    if (combination.result != probability::kTooLargeCount)
        requireResultReadsBack(fmt, combination.result);
}

void primeRules(FuzzInput& in) {
    const auto n = in.value<std::int32_t>();
    long passes = 0;
    const bool prime = primes::isPrime(n, [&] { ++passes; });
    REQUIRE(passes <= 8000);
    const std::int32_t d = primes::largestDivisorUpToRoot(n);
    if (n >= 2) {
        REQUIRE(d >= 1 && n % d == 0 && std::int64_t(d) * d <= n);
        REQUIRE(prime == (d == 1));
    }
    const auto cells = primes::sieve::cellsMarkedBy(n);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        REQUIRE(cells[i] >= 0 && cells[i] <= primes::sieve::kLastCell);
        REQUIRE(i == 0 || cells[i - 1] < cells[i]);
        REQUIRE(n == 1 || (cells[i] % n == 0 && cells[i] != n));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t choice = data[0];
    FuzzInput in(data + 1, size - 1);
    if (choice & 2)
        primeRules(in);
    else
        combinations(NumberFormat(choice & 1 ? '.' : ','), in);
    return 0;
}
