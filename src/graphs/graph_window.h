// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphs/plot_state.h"
#include "shell/form.h"

#include <QColor>

class DrawingSurface;
class ListBox;

// The graph window: shows the last plot and reads points of the curve off it.
class GraphWindow : public Form {
public:
    static const ui::WindowDescription description;
    static inline const ui::Ref<DrawingSurface> drawing{"Picture1"};
    static inline const ui::Ref<ListBox> readOuts{"List1"};

    explicit GraphWindow(Program& program)
        : Form(program, description) {}

    // A click on the drawing: the point of the curve at that abscissa, in the list and as a yellow dot.
    void readPoint(int button, int shift, double x, double y);
    // A double-click on the window's background: the pupil picks its colour.
    void pickBackground();

    // The plot state, left here by every plot and kept for the whole run.
    PlotState& plotState() { return m_plot; }

protected:
    void load() override { m_chosenColor = QColor(); }

private:
    PlotState m_plot;
    // The colour the colour chooser holds; it starts from the window's background.
    QColor m_chosenColor;
};
