// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/plotter.h"

#include "graphs/graph_window.h"
#include "graphs/plot_source.h"
#include "shell/program.h"

using numbers::NumberFormat;

void plot(Program& program, PlotSource& source) {
    // The boxes are read once, before anything is shown.
    const graphs::PlotNumbers numbers = source.plotNumbers();
    const int build = source.plotBuild();
    PlotCanvas& canvas = program.get<GraphWindow>();
    canvas.clearAndShowBeside(source.plotForm());
    const ui::TwipsRect outer = canvas.drawingPlace();
    PlotToShow shown{.plot = graphs::makePlot(numbers, NumberFormat::roundToInt16(outer.width).value_or(0),
                                              float(outer.height)),
                     .numbers = numbers,
                     .source = &source,
                     .sourceBuild = build};
    if (numbers.kind == graphs::CurveKind::Affine)
        shown.firstLine =
            QStringLiteral("Coefficient directeur (y2-y1)/(x2-x1) = ") + Form::fromUtf8(source.typedSlope());
    canvas.showPlot(shown);
}
