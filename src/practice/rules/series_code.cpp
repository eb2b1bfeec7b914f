// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/rules/series_code.h"

#include "practice/rules/exercise.h"

namespace practice {

namespace {
// Each code stands for one kind and level: code = kCombinations × m + kind × 3 + level − 1.
constexpr std::uint32_t kCombinations = kKindCount * kLevelCount;
} // namespace

Series seriesOf(std::uint32_t code) {
    const std::uint32_t combination = code % kCombinations;
    return {int(combination / kLevelCount), int(combination % kLevelCount) + 1, code};
}

std::uint32_t codeFor(int kind, int level, std::uint64_t chance) {
    const std::uint32_t combination = std::uint32_t(kind * kLevelCount + level - 1);
    const std::uint32_t firstM = (kFirstCode + kCombinations - 1) / kCombinations;
    const std::uint32_t lastM = (kLastCode - combination) / kCombinations;
    return (firstM + std::uint32_t(chance % (lastM - firstM + 1))) * kCombinations + combination;
}

std::optional<std::uint32_t> readCode(std::string_view text) {
    std::uint32_t code = 0;
    int digits = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            if (++digits > 4)
                return std::nullopt;
            code = code * 10 + std::uint32_t(c - '0');
        } else if ((digits > 0 && c != ' ') || c == '-' || c == '+' || c == '.' || c == ',' || c == '/') {
            return std::nullopt; // «42a71», «-4271», «42,71»
        }
    }
    // Words around the digits («Série», «n°») are allowed; other digits are not.
    if (digits == 0 || code < kFirstCode || code > kLastCode)
        return std::nullopt;
    return code;
}

} // namespace practice
