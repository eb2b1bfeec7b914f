// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/rules/typography.h"

namespace practice {

std::string frenchSpacing(std::string_view text) {
    constexpr std::string_view kNoBreak = "\u00A0";
    constexpr std::string_view kNarrowNoBreak = "\u202F";
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool colon = c == ':';
        if (colon || c == ';' || c == '?') {
            // «a : b» and «a:b» alike; nothing after an opening bracket or a space already fixed.
            if (!out.empty() && out.back() == ' ')
                out.pop_back();
            const bool fixed = out.ends_with(kNoBreak) || out.ends_with(kNarrowNoBreak);
            const bool afterSpace = i > 0 && text[i - 1] == ' ';
            const bool afterWord = i > 0 && text[i - 1] != '(' && text[i - 1] != ' ' && text[i - 1] != '\n';
            if (!fixed && (afterSpace || (afterWord && c != ';')))
                out += colon ? kNoBreak : kNarrowNoBreak;
        }
        out += c;
    }
    return out;
}

} // namespace practice
