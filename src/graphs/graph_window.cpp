// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/graph_window.h"

#include "shell/program.h"
#include "shell/toolkit/drawing_surface.h"
#include "shell/toolkit/list_box.h"
#include "shell/toolkit/mouse_twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPalette>
#include <QScreen>

#include <functional>

namespace {

// Reports a double-click on a widget's own background, not on one of its controls.
class BackgroundDoubleClick : public QObject {
public:
    BackgroundDoubleClick(QWidget* target, std::function<void()> f)
        : QObject(target)
        , m_f(std::move(f)) {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            // A double-click on a control that the control leaves alone comes here as well.
            for (QObject* o : watched->children())
                if (auto* child = qobject_cast<QWidget*>(o);
                    child && !child->isHidden() && child->geometry().contains(at))
                    return false;
            m_f();
        }
        return false;
    }

private:
    std::function<void()> m_f;
};

} // namespace

GraphWindow::GraphWindow(Program& program)
    : FormOf(program, formName) {}

FormWindow* GraphWindow::buildControls() {
    auto* w = new FormWindow(formName, QStringLiteral("Form1"), FormWindow::Border::Sizable, 8175, 9540);
    w->setBackColor(QApplication::palette().color(QPalette::ButtonText));
    QWidget* c = w->client();
    m_ui = std::make_unique<GraphWindowUi>();
    GraphWindowUi& u = *m_ui;
    u.Picture1 = new DrawingSurface(c, QStringLiteral("Picture1"), {360, 360, 7500, 7500});
    u.Picture1->setBackColor(Qt::white);
    u.List1 = new ListBox(c, QStringLiteral("List1"), {480, 7920, 4335, 1500});
    // The lines are only read: the list takes no focus when the window opens, so no line looks picked.
    u.List1->setFocusPolicy(Qt::ClickFocus);

    QObject::connect(
        &u.Picture1->mouse(), &MouseTwips::mouseUp, this,
        [this](int button, int shift, double x, double y) { Picture1_MouseUp(button, shift, x, y); });
    new BackgroundDoubleClick(c, [this] { Form_DblClick(); });
    return w;
}

void GraphWindow::Picture1_MouseUp(int, int, double x, double) {
    const PlotState& st = m_plot;
    if (!st.scales)
        return;
    // The boxes read are those of the window that made the plot; once that window has been closed
    // they are gone, and the click means nothing.
    const char* callerName = plottingFormName(st.degre);
    Form* caller = callerName ? program().form(callerName) : nullptr;
    if (!caller || !caller->hasControls())
        return;
    auto current = [&](const QPointer<QLineEdit>& box) -> std::optional<double> {
        if (!box || box->window() != &caller->window())
            return std::nullopt;
        return program().numbers().toDouble(box->text().toStdString());
    };
    const auto xmin = current(st.ranges[0]);
    const auto a = current(st.coefficients[0]);
    const auto b = current(st.coefficients[1]);
    const auto c = st.degre == 2 ? current(st.coefficients[2]) : std::optional<double>(0.0);
    if (!xmin || !a || !b || !c)
        return;
    const auto point = plot::readOut(*st.scales, *xmin, plot::Function{st.degre, *a, *b, *c}, x);
    if (!point)
        return;

    DrawingSurface* surface = ui().Picture1;
    const int width = surface->drawWidth();
    surface->setDrawWidth(5);
    ui().List1->addItem(
        QStringLiteral("x(antécédant) = ") + QString::fromStdString(NumberFormat::signedSpaceText(point->u)) +
        QStringLiteral("   y(image) = ") + QString::fromStdString(NumberFormat::signedSpaceText(point->y)));
    surface->pset(x, point->surfaceY, QColor(255, 255, 0));
    surface->setDrawWidth(width);
}

void GraphWindow::Form_DblClick() {
    const QColor held =
        ui().CommonDialog1Color.isValid() ? ui().CommonDialog1Color : window().client()->backColor();
    const QColor chosen = program().dialogs().chooseColor(held).value_or(held);
    // The chooser is modal, but read the controls afresh all the same.
    ui().CommonDialog1Color = chosen;
    window().setBackColor(chosen);
}
