// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/rules/worksheet.h"

#include <algorithm>

using numbers::NumberFormat;

namespace practice {

Worksheet makeWorksheet(const NumberFormat& fmt, const WorksheetRequest& request) {
    Worksheet sheet;
    sheet.title = "Fiche d'exercices — série " + std::to_string(request.code);
    for (int kind = 0; kind < kKindCount; ++kind) {
        const int count = std::clamp(request.counts[std::size_t(kind)], 0, kMostOfAKind);
        for (int i = 0; i < count; ++i)
            sheet.exercises.push_back(makeExercise(fmt, Kind(kind), request.level, request.code, i));
    }
    const std::size_t n = sheet.exercises.size();
    sheet.subtitle = "Niveau " + std::to_string(std::clamp(request.level, 1, kLevelCount)) + " · " +
                     std::to_string(n) + (n > 1 ? " exercices" : " exercice");
    return sheet;
}

} // namespace practice
