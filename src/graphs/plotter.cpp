// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/plotter.h"

#include "graphs/graph_window.h"
#include "shell/program.h"
#include "shell/toolkit/drawing_surface.h"
#include "shell/toolkit/list_box.h"

using numbers::NumberFormat;

namespace {
using namespace ui;

QColor inkColor(graphs::Ink ink) {
    switch (ink) {
    case graphs::Ink::HorizontalAxis:
    case graphs::Ink::VerticalAxis:
    case graphs::Ink::Mark:
        return ui::colours::black;
    case graphs::Ink::Curve:
        break;
    }
    return ui::colours::blue;
}

} // namespace

void plot(Program& program, PlotSource& source) {
    // The boxes are read once, before anything is shown.
    const graphs::PlotNumbers numbers = source.plotNumbers();
    auto& graph = program.get<GraphWindow>();
    PlotState& state = graph.plotState();
    state.kind = numbers.kind;
    state.source = &source;
    state.sourceBuild = source.plotBuild();

    DrawingSurface& surface = graph.get(GraphWindow::drawing);
    surface.cls();
    graph.showBeside(source.plotForm());

    const twips::Rect outer = twips::placeOf(&surface);
    state.width = NumberFormat::roundToInt16(outer.width).value_or(0);
    state.height = float(outer.height);
    state.dotSpacing = graphs::dotSpacing;
    state.scales.reset();

    if (const std::optional<graphs::Ranges> ranges = numbers.ranges()) {
        state.scales = graphs::scalesFor(*ranges, state.width, state.height);
        if (state.scales) {
            surface.setDrawWidth(1);
            // One repaint for the whole drawing rather than one per dot.
            surface.setUpdatesEnabled(false);
            for (const graphs::Dot& d :
                 graphs::plotDots(*ranges, *state.scales, state.width, state.height, numbers.function()))
                surface.pset(d.x, d.y, inkColor(d.ink));
            surface.setUpdatesEnabled(true);
            surface.update();
        }
    }

    ListBox& list = graph.get(GraphWindow::readOuts);
    list.clear();
    if (numbers.kind == 1)
        list.addItem(QStringLiteral("Coefficient directeur (y2-y1)/(x2-x1) = ") +
                     Form::fromUtf8(source.typedSlope()));
    graph.plotted(numbers);
}
