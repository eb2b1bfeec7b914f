// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphs/rules/plot_geometry.h"

#include <string>

class Form;

// A window whose function the plotter draws. It hands over the numbers of its boxes, read afresh
// at each call, so that the graph window's click read-out sees the pupil's later edits.
class PlotSource {
public:
    virtual ~PlotSource() = default;
    // The ranges and coefficients its boxes hold now, building the window if absent.
    virtual graphs::PlotNumbers plotNumbers() = 0;
    // The slope as the pupil typed it, for the graph window's list.
    virtual std::string typedSlope() = 0;
    // The window itself, to be shown beside and to tell whether it is still open.
    virtual Form& plotForm() = 0;
    // Which build of its controls the window shows: once it has been closed, and perhaps opened
    // afresh, the numbers it holds are no longer those of the plot.
    virtual int plotBuild() const = 0;
};
