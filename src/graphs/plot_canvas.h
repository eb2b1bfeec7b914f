// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphs/rules/plot_state.h"
#include "shell/toolkit/twips.h"

#include <QString>

#include <optional>

class Form;
class PlotSource;

// A plot as the plotter hands it over to be shown.
struct PlotToShow {
    graphs::Plot plot;
    graphs::PlotNumbers numbers;  // as the plotting window's boxes held them
    PlotSource* source = nullptr; // read again at each click on the drawing
    int sourceBuild = 0;
    std::optional<QString> firstLine; // the list of read-outs starts with it
};

// The window the plotter draws in, as a plot sees it: the graph window.
class PlotCanvas {
public:
    // Clears the drawing and shows the window beside the one that plots.
    virtual void clearAndShowBeside(Form& plotting) = 0;
    // Where the drawing stands; its outer size is the plot's size.
    virtual ui::TwipsRect drawingPlace() = 0;
    // Draws the plot, keeps what reading points off it needs, and empties the list of read-outs
    // but for the plot's first line.
    virtual void showPlot(const PlotToShow& plot) = 0;

protected:
    ~PlotCanvas() = default;
};
