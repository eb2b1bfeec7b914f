// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/graph_window.h"

#include "graphs/rules/plot_description.h"
#include "shell/program.h"
#include "shell/toolkit/drawing_surface.h"
#include "shell/toolkit/keyboard_access.h"
#include "shell/toolkit/list_box.h"
#include "shell/toolkit/mouse_twips.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

using numbers::NumberFormat;

// The keyboard cursor over the drawing: a dashed vertical line at its abscissa and a ring on the
// point of the curve there. It is drawn over the surface, never into it, so the drawing keeps
// only what the plot and the read-outs put there.
class CursorMarker : public QWidget {
public:
    explicit CursorMarker(QWidget* surface)
        : QWidget(surface) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(surface->rect());
        hide();
    }
    // Abscissa and, when the curve has a point there, its ordinate, in twips.
    void place(double x, std::optional<double> y) {
        m_x = x;
        m_y = y;
        setGeometry(parentWidget()->rect());
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const double x = ui::twips::toPxF(m_x);
        // A crisp line one pixel wide, on the pixel that holds x.
        const double lineX = std::floor(x) + 0.5;
        p.setPen(QPen(ui::colours::darkRed, 1, Qt::DashLine));
        p.drawLine(QPointF(lineX, 0), QPointF(lineX, height()));
        p.setRenderHint(QPainter::Antialiasing);
        if (m_y && std::isfinite(*m_y)) {
            const QPointF at(x, ui::twips::toPxF(*m_y));
            p.setPen(QPen(ui::colours::white, 4));
            p.drawEllipse(at, 7, 7);
            p.setPen(QPen(ui::colours::darkRed, 2));
            p.drawEllipse(at, 7, 7);
        }
    }

private:
    double m_x = 0;
    std::optional<double> m_y;
};

namespace {
using namespace ui;
using W = GraphWindow;

constexpr int kMarkerWidth = 5;
const QString kDrawingName = QStringLiteral("Courbe");

const ControlRow kControls[] = {
    {.control = W::drawing,
     .rect = {360, 360, 7500, 7500},
     .backColor = colours::white,
     .accessibleName = kDrawingName,
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

void GraphWindow::load() {
    m_chosenColor = QColor();
    m_cursorWanted = false;
    DrawingSurface& surface = get(drawing);
    surface.setAccessibleDescription(m_plotDescription);
    m_marker = new CursorMarker(&surface);
    new KeyboardAccess(&surface,
                       {.activate = [this] { readAtCursor(); },
                        .key =
                            [this](const QKeyEvent& key) {
                                const bool fine = key.modifiers().testFlag(Qt::ShiftModifier);
                                switch (key.key()) {
                                case Qt::Key_Left:
                                    moveCursor(-1, fine);
                                    return true;
                                case Qt::Key_Right:
                                    moveCursor(+1, fine);
                                    return true;
                                case Qt::Key_Home:
                                    moveCursorToEdge(-1);
                                    return true;
                                case Qt::Key_End:
                                    moveCursorToEdge(+1);
                                    return true;
                                default:
                                    return false;
                                }
                            },
                        // The window coming to the front after a plot leaves the
                        // drawing bare; Tab or a click brings the cursor.
                        .focusIn =
                            [this](Qt::FocusReason reason) {
                                if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                                    showCursor(true);
                                else
                                    updateCursor();
                            },
                        .focusOut = [this] { updateCursor(); }});
}

std::optional<graphs::ReadOut> GraphWindow::pointAt(double X) {
    const PlotState& st = m_plot;
    if (!st.scales)
        return std::nullopt;
    // The numbers read are those of the window that made the plot; once that window has been
    // closed, even if opened afresh since, the drawing can no longer be read.
    if (!st.source || !st.source->plotForm().hasControls() || st.source->plotBuild() != st.sourceBuild)
        return std::nullopt;
    return graphs::readOut(*st.scales, st.source->plotNumbers(), X);
}

void GraphWindow::readPoint(int, int, double x, double) {
    const auto point = pointAt(x);
    // The keyboard goes on from the place read last.
    if (hasControls() && m_cursorX && x >= 0 && x <= m_plot.width) {
        m_cursorX = x;
        updateCursor();
    }
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

void GraphWindow::plotted(const graphs::PlotNumbers& numbers) {
    const NumberFormat& format = program().numbers();
    m_plotDescription = fromUtf8(graphs::plotDescription(
        numbers, m_plot.scales.has_value(), [&format](double v) { return format.numberText(v); }));
    get(drawing).setAccessibleDescription(m_plotDescription);
    const auto stops = cursorStops();
    m_cursorX = stops ? std::optional<double>(stops->start()) : std::nullopt;
    m_cursorWanted = false;
    updateCursor();
}

std::optional<graphs::ReadCursor> GraphWindow::cursorStops() const {
    if (!m_plot.scales)
        return std::nullopt;
    return graphs::ReadCursor::on(*m_plot.scales, m_plot.width);
}

void GraphWindow::moveCursor(int direction, bool fine) {
    const auto stops = cursorStops();
    if (!stops || !m_cursorX)
        return;
    m_cursorX = stops->next(*m_cursorX, direction, fine);
    showCursor(true);
}

void GraphWindow::moveCursorToEdge(int direction) {
    const auto stops = cursorStops();
    if (!stops || !m_cursorX)
        return;
    m_cursorX = direction < 0 ? stops->first() : stops->last();
    showCursor(true);
}

void GraphWindow::readAtCursor() {
    if (!m_cursorX)
        return;
    showCursor(true);
    readPoint(1, 0, *m_cursorX, 0);
}

bool GraphWindow::cursorShown() const {
    return m_marker && m_marker->isVisible();
}

void GraphWindow::showCursor(bool on) {
    m_cursorWanted = on;
    updateCursor();
}

// Draws the cursor where it stands, and says where that is in the drawing's accessible name.
void GraphWindow::updateCursor() {
    if (!hasControls())
        return;
    DrawingSurface& surface = get(drawing);
    const bool shown = m_cursorWanted && m_cursorX && m_plot.scales && surface.hasFocus();
    if (!shown) {
        if (m_marker)
            m_marker->hide();
        surface.setAccessibleName(kDrawingName);
        return;
    }
    const auto point = pointAt(*m_cursorX);
    if (m_marker) {
        m_marker->place(*m_cursorX, point ? std::optional<double>(point->surfaceY) : std::nullopt);
        m_marker->show();
    }
    const double u = point ? point->u : (*m_cursorX - m_plot.scales->originX) / m_plot.scales->xScale;
    surface.setAccessibleName(kDrawingName + QStringLiteral(", curseur en x = ") +
                              fromUtf8(program().numbers().numberText(u)));
}

// The controls outlive this part of the window: their keys and focus must no longer reach it.
GraphWindow::~GraphWindow() {
    if (hasControls())
        KeyboardAccess::releaseAll(&window());
}
