// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphs/rules/plot_geometry.h"

#include <QLineEdit>
#include <QPointer>

#include <array>
#include <cstdint>
#include <optional>

class Program;

// What the last plot leaves behind for the graph window's click read-out. The boxes themselves
// are kept, not their values: a click reads their current texts.
struct PlotState {
    std::int16_t degre = 0; // 1 affine, 2 trinomial; 0 before the first plot
    std::int16_t largeur = 0;
    float hauteur = 0;
    std::array<QPointer<QLineEdit>, 4> ranges;       // x minimum, x maximum, y minimum, y maximum
    std::array<QPointer<QLineEdit>, 3> coefficients; // a, b and, for the trinomial, c
    std::optional<plot::Scales> scales;              // nothing when the ranges gave no drawing
    std::int16_t pas = plot::pas;
};

// The window whose function a plot of that kind draws: "c_Eq_d1" for 1, "c_Eq_d2" for 2, else nullptr.
const char* plottingFormName(std::int16_t kind);

// Draws the function of an equation window in the graph window, and shows that window: kind 1 the
// affine function of the degree-1 window, kind 2 the trinomial of the degree-2 window. The
// coefficient boxes Text1, Text2 (and Text3 for kind 2) and the range boxes Text_range(0) to
// Text_range(3) of that window are found by their names.
void TracerCourbe(Program& program, std::int16_t kind);
