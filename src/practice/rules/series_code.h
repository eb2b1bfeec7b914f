// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A series of practice has a code of four digits («Série 4271») that says everything about it:
// its kind, its level and its exercises, so that a class given the code works on the same series.
namespace practice {

inline constexpr int kSeriesLength = 10;
inline constexpr std::uint32_t kFirstCode = 1000;
inline constexpr std::uint32_t kLastCode = 9999;

struct Series {
    int kind = 0;  // index in kKindNames
    int level = 1; // 1 to 3
    std::uint32_t code = kFirstCode;
};

// The series of a code.
Series seriesOf(std::uint32_t code);
// A code for a kind and level, picked by `chance` (any number: two different ones mostly give
// two different codes).
std::uint32_t codeFor(int kind, int level, std::uint64_t chance);
// The code in «4271» or «Série 4271»; nothing for any other text.
std::optional<std::uint32_t> readCode(std::string_view text);
inline constexpr std::string_view kCodeExpected =
    "Le code d'une série est un nombre de 1000 à 9999, par exemple 4271.";

} // namespace practice
