// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/number_format.h"
#include "numbers/steps.h"

#include <string_view>

// The reasoning of the degree-2 window, for f(x) = a x² + b x + c, exact values first.
namespace equations::trinomial {

// f(x) = k: Δ = b² − 4ac with the numbers put in, the solutions (−b ± √Δ)/(2a) simplified (real
// or complex), the factorised form. Nothing when a text is not a number.
numbers::Steps solverSteps(const numbers::NumberFormat& fmt, std::string_view a, std::string_view b,
                           std::string_view c, std::string_view k);

// f(x0) with the numbers put in.
numbers::Steps valueSteps(const numbers::NumberFormat& fmt, std::string_view a, std::string_view b,
                          std::string_view c, std::string_view x0);

// α = −b/(2a), β = f(α), the canonical form and the variations.
numbers::Steps variationSteps(const numbers::NumberFormat& fmt, std::string_view a, std::string_view b,
                              std::string_view c);

} // namespace equations::trinomial
