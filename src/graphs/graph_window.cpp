// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/graph_window.h"

#include "shell/program.h"
#include "shell/toolkit/drawing_surface.h"
#include "shell/toolkit/list_box.h"
#include "shell/toolkit/mouse_twips.h"

namespace {
using namespace ui;
using W = GraphWindow;

constexpr int kMarkerWidth = 5;

const Ref<DrawingSurface> Picture1{"Picture1"};
const Ref<ListBox> List1{"List1"};

const ControlRow kControls[] = {
    {.control = Picture1,
     .rect = {360, 360, 7500, 7500},
     .backColor = colours::white,
     .accessibleName = "Courbe",
     .onMouseUp = call(&W::Picture1_MouseUp)},
    {.control = List1,
     .rect = {480, 7920, 4335, 1500},
     .clickFocusOnly = true,
     .accessibleName = "Points lus"},
};

} // namespace

const WindowDescription GraphWindow::description{
    .name = "Form1",
    .title = "Form1",
    .border = FormWindow::Border::Sizable,
    .width = 8175,
    .height = 9540,
    .backColor = Colour::system(QPalette::ButtonText),
    .controls = kControls,
    .onDblClick = call(&W::Form_DblClick),
};

DrawingSurface& GraphWindow::surface() {
    return get(Picture1);
}

ListBox& GraphWindow::list() {
    return get(List1);
}

void GraphWindow::Picture1_MouseUp(int, int, double x, double) {
    const PlotState& st = m_plot;
    if (!st.scales)
        return;
    // The boxes read are those of the window that made the plot; once that window has been closed
    // they are gone, and the click means nothing.
    if (!st.source || !st.source->plotForm().hasControls())
        return;
    const QWidget* caller = &st.source->plotForm().window();
    auto current = [&](const QPointer<QLineEdit>& box) -> std::optional<double> {
        if (!box || box->window() != caller)
            return std::nullopt;
        return program().numbers().toDouble(box->text().toStdString());
    };
    const auto xmin = current(st.boxes.ranges[0]);
    const auto a = current(st.boxes.coefficients[0]);
    const auto b = current(st.boxes.coefficients[1]);
    const auto c = st.degre == 2 ? current(st.boxes.coefficients[2]) : std::optional<double>(0.0);
    if (!xmin || !a || !b || !c)
        return;
    const auto point = plot::readOut(*st.scales, *xmin, plot::Function{st.degre, *a, *b, *c}, x);
    if (!point)
        return;

    DrawingSurface* surface = &get(Picture1);
    const int width = surface->drawWidth();
    get(List1).addItem(
        QStringLiteral("x(antécédant) = ") + QString::fromStdString(NumberFormat::signedSpaceText(point->u)) +
        QStringLiteral("   y(image) = ") + QString::fromStdString(NumberFormat::signedSpaceText(point->y)));
    // A yellow dot five pixels wide, ringed with a thin dark line so that it shows on white too.
    surface->setDrawWidth(kMarkerWidth + 2);
    surface->pset(x, point->surfaceY, colours::darkGrey);
    surface->setDrawWidth(kMarkerWidth);
    surface->pset(x, point->surfaceY, colours::yellow);
    surface->setDrawWidth(width);
}

void GraphWindow::Form_DblClick() {
    const QColor held = m_chosenColor.isValid() ? m_chosenColor : window().client()->backColor();
    const QColor chosen = program().dialogs().chooseColor(held).value_or(held);
    m_chosenColor = chosen;
    window().setBackColor(chosen);
}
