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

const ControlRow kControls[] = {
    {.control = W::drawing,
     .rect = {360, 360, 7500, 7500},
     .backColor = colours::white,
     .accessibleName = "Courbe",
     .onMouseUp = call(&W::readPoint)},
    {.control = W::readOuts,
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
    .accessibleName = "Courbe de la fonction",
    .controls = kControls,
    .onDblClick = call(&W::pickBackground),
};

void GraphWindow::readPoint(int, int, double x, double) {
    const PlotState& st = m_plot;
    if (!st.scales)
        return;
    // The numbers read are those of the window that made the plot; once that window has been
    // closed, even if opened afresh since, the click means nothing.
    if (!st.source || !st.source->plotForm().hasControls() || st.source->plotBuild() != st.sourceBuild)
        return;
    const auto point = graphs::readOut(*st.scales, st.source->plotNumbers(), x);
    if (!point)
        return;

    DrawingSurface& surface = get(drawing);
    const int width = surface.drawWidth();
    get(readOuts).addItem(
        QStringLiteral("x(antécédant) = ") + fromUtf8(NumberFormat::signedSpaceText(point->u)) +
        QStringLiteral("   y(image) = ") + fromUtf8(NumberFormat::signedSpaceText(point->y)));
    // A yellow dot five pixels wide, ringed with a thin dark line so that it shows on white too.
    surface.setDrawWidth(kMarkerWidth + 2);
    surface.pset(x, point->surfaceY, colours::darkGrey);
    surface.setDrawWidth(kMarkerWidth);
    surface.pset(x, point->surfaceY, colours::yellow);
    surface.setDrawWidth(width);
}

void GraphWindow::pickBackground() {
    const QColor held = m_chosenColor.isValid() ? m_chosenColor : window().client()->backColor();
    const QColor chosen = program().dialogs().chooseColor(held).value_or(held);
    m_chosenColor = chosen;
    window().setBackColor(chosen);
}
