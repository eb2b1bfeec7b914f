// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/rules/sieve.h"

#include <algorithm>

namespace primes::sieve {

std::vector<std::int32_t> cellsMarkedBy(std::int32_t number) {
    if (number == 1)
        return {1};
    if (std::find(kActingNumbers.begin(), kActingNumbers.end(), number) == kActingNumbers.end())
        return {};
    // Cell 0 is a multiple of every number: it is marked too, though nobody sees it.
    std::vector<std::int32_t> cells;
    for (std::int32_t i = 0; i <= kLastCell; i += number)
        if (i != number)
            cells.push_back(i);
    return cells;
}

} // namespace primes::sieve
