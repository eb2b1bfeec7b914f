// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/number_format.h"
#include "numbers/steps.h"

#include <string_view>

// The reasoning of the degree-1 window, for f(x) = a·x + b, step by step.
namespace equations::affine {

// a x + b = k → a x = k − b → x = (k − b)/a, as a reduced fraction, then its decimal. Nothing when
// a text is not a number.
numbers::Steps solveSteps(const numbers::NumberFormat& fmt, std::string_view a, std::string_view b,
                          std::string_view k);

// f(x0) = a × x0 + b with the numbers put in, then its value.
numbers::Steps valueSteps(const numbers::NumberFormat& fmt, std::string_view a, std::string_view b,
                          std::string_view x0);

// Which way f varies, from the sign of a.
numbers::Steps variationSteps(const numbers::NumberFormat& fmt, std::string_view a);

} // namespace equations::affine
