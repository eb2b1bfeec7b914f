// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphs/plot_canvas.h"
#include "graphs/plot_source.h"
#include "graphs/rules/plot_state.h"
#include "graphs/rules/read_cursor.h"
#include "shell/form.h"

#include <QColor>
#include <QPointer>

class CursorMarker;

// The graph window: shows the last plot and reads points of the curve off it, with the mouse or
// with a cursor moved along x from the keyboard. The plotter draws in it as a PlotCanvas.
class GraphWindow : public Form, public PlotCanvas {
public:
    static const ui::WindowDescription description;
    static inline const ui::Ref<DrawingSurface> drawing{"Picture1"};
    static inline const ui::Ref<ListBox> readOuts{"List1"};

    explicit GraphWindow(Program& program)
        : Form(program, description) {}
    ~GraphWindow() override;

    // A click on the drawing: the point of the curve at that abscissa, in the list and as a yellow dot.
    // A right click is left to the picture menu.
    void readPoint(int button, int shift, double x, double y);
    // A double-click on the window's background: the pupil picks its colour.
    void pickBackground();

    void clearAndShowBeside(Form& plotting) override;
    ui::TwipsRect drawingPlace() override;
    void showPlot(const PlotToShow& plot) override;

    // The keyboard cursor: moved one stop along x (fine: a quarter of a stop), or to the first or
    // last stop; Enter reads the point under it as a click there would.
    void moveCursor(int direction, bool fine);
    void moveCursorToEdge(int direction);
    void readAtCursor();
    // Where the cursor stands, in twips from the drawing's left edge; nothing before a drawing.
    std::optional<double> cursorX() const { return m_cursorX; }
    // Whether the cursor is drawn over the curve now.
    bool cursorShown() const;

    // The plot state, left by every plot and kept for the whole run, and the window that plotted.
    const graphs::PlotState& plotState() const { return m_plot; }
    PlotSource* plotSource() const { return m_source; }

protected:
    void load() override;

private:
    // The plot just made from these numbers: the drawing's description, and the cursor back at its start.
    void plotted(const graphs::PlotNumbers& numbers);
    // The point of the curve at surface abscissa X, with the numbers the plotting window holds now;
    // nothing when they no longer give one.
    std::optional<graphs::ReadOut> pointAt(double X);
    std::optional<graphs::ReadCursor> cursorStops() const;
    void placeCursor(double X);
    void showCursor(bool on);
    void updateCursor();
    void sayCursor();
    QString spokenPoint(double u, std::optional<double> y) const;

    graphs::PlotState m_plot;
    PlotSource* m_source = nullptr;
    int m_sourceBuild = 0;
    // The colour the colour chooser holds; it starts from the window's background.
    QColor m_chosenColor;
    std::optional<double> m_cursorX;
    bool m_cursorWanted = false;
    QString m_plotDescription;
    QPointer<CursorMarker> m_marker;
};
