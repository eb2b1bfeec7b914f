// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphs/rules/plot_geometry.h"

#include <QLineEdit>
#include <QPointer>

#include <array>
#include <cstdint>
#include <optional>

class Form;

// The boxes of a window that plots its function.
struct PlotBoxes {
    std::array<QPointer<QLineEdit>, 4> ranges;       // x minimum, x maximum, y minimum, y maximum
    std::array<QPointer<QLineEdit>, 3> coefficients; // a, b and, for the trinomial, c
};

// A window whose function the plotter draws: it hands over its boxes, which the graph window
// reads again at each click.
class PlotSource {
public:
    virtual ~PlotSource() = default;
    // 1 the affine function, 2 the trinomial.
    virtual std::int16_t plotKind() const = 0;
    // The window's boxes as they stand now, built if absent.
    virtual PlotBoxes plotBoxes() = 0;
    // The window itself, to tell whether it has been closed since the plot.
    virtual Form& plotForm() = 0;
};

// What the last plot leaves behind for the graph window's click read-out. The boxes themselves
// are kept, not their values: a click reads their current texts.
struct PlotState {
    std::int16_t degre = 0; // 1 affine, 2 trinomial; 0 before the first plot
    std::int16_t largeur = 0;
    float hauteur = 0;
    PlotSource* source = nullptr;
    PlotBoxes boxes;
    std::optional<plot::Scales> scales; // nothing when the ranges gave no drawing
    std::int16_t pas = plot::pas;
};
