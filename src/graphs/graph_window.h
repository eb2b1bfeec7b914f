// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphs/plotter.h"
#include "shell/form.h"

#include <QColor>

class DrawingSurface;
class ListBox;

struct GraphWindowUi {
    DrawingSurface* Picture1;
    ListBox* List1;
    // The colour the colour chooser holds; it starts from the window's background.
    QColor CommonDialog1Color;
};

// The graph window: shows the last plot and reads points of the curve off it.
class GraphWindow : public FormOf<GraphWindowUi> {
public:
    static constexpr const char* formName = "Form1";
    explicit GraphWindow(Program& program);

    // A click on the drawing: the point of the curve at that abscissa, in the list and as a yellow dot.
    void Picture1_MouseUp(int button, int shift, double x, double y);
    // A double-click on the window's background: the pupil picks its colour.
    void Form_DblClick();

    // The plot state, left here by every plot and kept for the whole run.
    PlotState& plotState() { return m_plot; }

protected:
    FormWindow* buildControls() override;

private:
    PlotState m_plot;
};
