// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "equations/rules/diophantine.h"
#include "numbers/steps.h"

// The reasoning of the diophantine window, a·x + b·y = c in whole numbers: the table of Euclid's
// algorithm, Bézout's coefficients from it, the particular solution the window shows, the
// general solution, each checked by substitution. Nothing while a box is not a whole number.
namespace equations::diophantine {

numbers::Steps solutionSteps(const numbers::NumberFormat& fmt, const Boxes& boxes);

} // namespace equations::diophantine
