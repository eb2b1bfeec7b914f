// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "numbers/number_format.h"
#include <string_view>
// True when the whole text of a box may stay there.
bool digitFilterAccepts(const numbers::NumberFormat& fmt,
                        std::string_view text); // non-negative whole numbers
bool boundFilterAccepts(const numbers::NumberFormat& fmt, std::string_view text); // non-negative numbers
bool signedFilterAccepts(const numbers::NumberFormat& fmt,
                         std::string_view text); // any number, or a lone "-"
// The messages the window shows on rejection, and their box titles.
inline constexpr const char* kDigitFilterMessage =
    "Erreur, il est impossible de rentrer ce nombre"; // digit and bound filters, application title, no icon
inline constexpr const char* kSignedFilterMessage =
    "il est impossible de rentrer ce nombre"; // signed filter, critical icon
inline constexpr const char* kSignedFilterTitle = "NON NON NON";
