// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/plotter.h"

#include "graphs/graph_window.h"
#include "shell/program.h"
#include "shell/toolkit/drawing_surface.h"
#include "shell/toolkit/list_box.h"

namespace {

QLineEdit* box(Form& form, const QString& name) {
    return form.window().findChild<QLineEdit*>(name);
}

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
        return Qt::black;
    case plot::Ink::Curve:
        break;
    }
    return QColor(0, 0, 255);
}

} // namespace

const char* plottingFormName(std::int16_t kind) {
    switch (kind) {
    case 1:
        return "c_Eq_d1";
    case 2:
        return "c_Eq_d2";
    default:
        return nullptr;
    }
}

void TracerCourbe(Program& program, std::int16_t kind) {
    const char* callerName = plottingFormName(kind);
    Form* caller = callerName ? program.form(callerName) : nullptr;
    if (!caller)
        return;
    auto& graph = program.get<GraphWindow>();
    PlotState& state = graph.plotState();
    state.degre = kind;

    std::array<QPointer<QLineEdit>, 4> ranges;
    for (int i = 0; i < 4; ++i)
        ranges[std::size_t(i)] = box(*caller, QStringLiteral("Text_range(%1)").arg(i));
    std::array<QPointer<QLineEdit>, 3> coefficients{
        box(*caller, QStringLiteral("Text1")), box(*caller, QStringLiteral("Text2")),
        kind == 2 ? box(*caller, QStringLiteral("Text3")) : nullptr};

    graph.ui().Picture1->cls();
    graph.show();

    DrawingSurface* surface = graph.ui().Picture1;
    const twips::Rect outer = twips::placeOf(surface);
    state.largeur = NumberFormat::roundToInt16(outer.width).value_or(0);
    state.hauteur = float(outer.height);
    state.ranges = ranges;
    state.coefficients = coefficients;
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

    ListBox* list = graph.ui().List1;
    list->clear();
    if (kind == 1)
        list->addItem(QStringLiteral("Coefficient directeur (y2-y1)/(x2-x1) = ") +
                      (coefficients[0] ? coefficients[0]->text() : QString()));
}
