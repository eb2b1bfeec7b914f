// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/plotter.h"

#include "graphs/graph_window.h"
#include "shell/program.h"
#include "shell/toolkit/drawing_surface.h"
#include "shell/toolkit/list_box.h"

namespace {
using namespace ui;

std::optional<double> number(const Program& program, const QLineEdit* box) {
    if (!box)
        return std::nullopt;
    return program.numbers().toDouble(box->text().toStdString());
}

QColor inkColor(plot::Ink ink) {
    switch (ink) {
    case plot::Ink::HorizontalAxis:
    case plot::Ink::VerticalAxis:
    case plot::Ink::Mark:
        return ui::colours::black;
    case plot::Ink::Curve:
        break;
    }
    return ui::colours::blue;
}

} // namespace

void TracerCourbe(Program& program, PlotSource& source) {
    const std::int16_t kind = source.plotKind();
    auto& graph = program.get<GraphWindow>();
    PlotState& state = graph.plotState();
    state.degre = kind;
    state.source = &source;
    const PlotBoxes boxes = source.plotBoxes();
    const auto& ranges = boxes.ranges;
    const auto& coefficients = boxes.coefficients;

    graph.surface().cls();
    graph.showBeside(source.plotForm());

    DrawingSurface* surface = &graph.surface();
    const twips::Rect outer = twips::placeOf(surface);
    state.largeur = NumberFormat::roundToInt16(outer.width).value_or(0);
    state.hauteur = float(outer.height);
    state.boxes = boxes;
    state.pas = plot::pas;
    state.scales.reset();

    const auto xmin = number(program, ranges[0]);
    const auto xmax = number(program, ranges[1]);
    const auto ymin = number(program, ranges[2]);
    const auto ymax = number(program, ranges[3]);
    if (xmin && xmax && ymin && ymax) {
        const plot::Ranges r{*xmin, *xmax, *ymin, *ymax};
        state.scales = plot::scalesFor(r, state.largeur, state.hauteur);
        if (state.scales) {
            std::optional<plot::Function> f;
            const auto a = number(program, coefficients[0]);
            const auto b = number(program, coefficients[1]);
            const auto c = kind == 2 ? number(program, coefficients[2]) : std::optional<double>(0.0);
            if (a && b && c)
                f = plot::Function{kind, *a, *b, *c};
            surface->setDrawWidth(1);
            // One repaint for the whole drawing rather than one per dot.
            surface->setUpdatesEnabled(false);
            for (const plot::Dot& d : plot::plotDots(r, *state.scales, state.largeur, state.hauteur, f))
                surface->pset(d.x, d.y, inkColor(d.ink));
            surface->setUpdatesEnabled(true);
            surface->update();
        }
    }

    ListBox* list = &graph.list();
    list->clear();
    if (kind == 1)
        list->addItem(QStringLiteral("Coefficient directeur (y2-y1)/(x2-x1) = ") +
                      (coefficients[0] ? coefficients[0]->text() : QString()));
}
