// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphs/plot_state.h"
#include "graphs/rules/read_cursor.h"
#include "shell/form.h"

#include <QColor>
#include <QPointer>

class CursorMarker;

// The graph window: shows the last plot and reads points of the curve off it, with the mouse or
// with a cursor moved along x from the keyboard.
class GraphWindow : public Form {
public:
    static const ui::WindowDescription description;
    static inline const ui::Ref<DrawingSurface> drawing{"Picture1"};
    static inline const ui::Ref<ListBox> readOuts{"List1"};

    explicit GraphWindow(Program& program)
        : Form(program, description) {}
    ~GraphWindow() override;

    // A click on the drawing: the point of the curve at that abscissa, in the list and as a yellow dot.
    void readPoint(int button, int shift, double x, double y);
    // A double-click on the window's background: the pupil picks its colour.
    void pickBackground();
    // The plot just made from these numbers: the drawing's description, and the cursor back at its start.
    void plotted(const graphs::PlotNumbers& numbers);

    // The keyboard cursor: moved one stop along x (fine: a quarter of a stop), or to the first or
    // last stop; Enter reads the point under it as a click there would.
    void moveCursor(int direction, bool fine);
    void moveCursorToEdge(int direction);
    void readAtCursor();
    // Where the cursor stands, in twips from the drawing's left edge; nothing before a drawing.
    std::optional<double> cursorX() const { return m_cursorX; }
    // Whether the cursor is drawn over the curve now.
    bool cursorShown() const;

    // The plot state, left here by every plot and kept for the whole run.
    PlotState& plotState() { return m_plot; }

protected:
    void load() override;

private:
    // The point of the curve at surface abscissa X, with the numbers the plotting window holds now;
    // nothing when they no longer give one.
    std::optional<graphs::ReadOut> pointAt(double X);
    std::optional<graphs::ReadCursor> cursorStops() const;
    void placeCursor(double X);
    void showCursor(bool on);
    void updateCursor();
    void sayCursor();
    QString spokenPoint(double u, std::optional<double> y) const;

    PlotState m_plot;
    // The colour the colour chooser holds; it starts from the window's background.
    QColor m_chosenColor;
    std::optional<double> m_cursorX;
    bool m_cursorWanted = false;
    QString m_plotDescription;
    QPointer<CursorMarker> m_marker;
};
