// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/rules/exercise.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A worksheet for a class: so many exercises of each kind at one level, drawn from a code, so that
// the same code gives the same sheet and the same answer key.
namespace practice {

struct WorksheetRequest {
    std::array<int, kKindCount> counts{}; // how many exercises of each kind
    int level = 1;
    std::uint32_t code = 1000;
};

inline constexpr int kMostOfAKind = 20;

struct Worksheet {
    std::string title;               // «Fiche d'exercices — série 4271»
    std::string subtitle;            // «Niveau 2 · 12 exercices»
    std::vector<Exercise> exercises; // in the order of the kinds, numbered from 1 on the sheet
};

Worksheet makeWorksheet(const numbers::NumberFormat& fmt, const WorksheetRequest& request);

} // namespace practice
