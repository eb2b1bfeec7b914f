// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphs/rules/plot_geometry.h"

#include <functional>
#include <string>

// What a plot shows, in words, for a pupil who cannot see the drawing.
namespace graphs {

// Writes a number as the windows write it (the user's decimal separator).
using NumberText = std::function<std::string(double)>;

// The function as a teacher writes it: «f(x) = 2x + 1», «f(x) = x² - 3x + 2», «f(x) = -x», «f(x) = 0».
std::string equationText(const Function& f, const NumberText& number);

// The drawing made from these numbers: the curve and the ranges it is drawn over, or what is
// missing when there is no curve or no drawing at all.
std::string plotDescription(const PlotNumbers& numbers, bool drawn, const NumberText& number);

} // namespace graphs
