// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "maths/rules/steps.h"
#include "shell/rules/number_format.h"

#include <string_view>

// The reasoning of the degree-1 window, for f(x) = a·x + b, step by step.
namespace equations::affine {

// a x + b = k → a x = k − b → x = (k − b)/a, as a reduced fraction, then its decimal. Nothing when
// a text is not a number.
maths::Steps solveSteps(const NumberFormat& fmt, std::string_view a, std::string_view b, std::string_view k);

// f(x0) = a × x0 + b with the numbers put in, then its value.
maths::Steps valueSteps(const NumberFormat& fmt, std::string_view a, std::string_view b, std::string_view x0);

// Which way f varies, from the sign of a.
maths::Steps variationSteps(const NumberFormat& fmt, std::string_view a);

} // namespace equations::affine
