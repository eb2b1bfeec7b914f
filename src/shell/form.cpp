// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/form.h"

#include "shell/detail_window.h"
#include "shell/program.h"
#include "shell/rules/placement.h"
#include "shell/toolkit/accessibility.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/list_box.h"
#include "shell/toolkit/window_export.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

#include <vector>

namespace {
constexpr int kGapBetweenWindows = 8; // pixels

placement::Box boxOf(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

// The frames of the program's other windows on screen, besides these two.
std::vector<placement::Box> otherWindows(const QWidget* self, const QWidget* anchor) {
    std::vector<placement::Box> boxes;
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w != self && w != anchor && w->isVisible() &&
            (w->windowType() == Qt::Window || w->windowType() == Qt::Dialog))
            boxes.push_back(boxOf(w->frameGeometry()));
    return boxes;
}
} // namespace

Form::Form(Program& program, const ui::WindowDescription& description)
    : m_program(program)
    , m_description(description) {
    setObjectName(QString::fromLatin1(description.name));
}

Form::~Form() {
    for (auto& w : m_discarded)
        delete w.data();
    delete m_window.data();
}

void Form::ensureControls() {
    if (m_window)
        return;
    m_window = ui::build(*this, m_description);
    m_window->onCloseByPupil([this] { closeByPupil(); });
    // Every window can be copied, saved and printed as a picture.
    ui::addWindowExport(m_window, m_window->client(), m_program.dialogs());
    if (m_program.steppedTime()) {
        for (QTimer* timer : m_window->findChildren<QTimer*>())
            if (auto* own = dynamic_cast<Timer*>(timer))
                own->tickByHand();
        for (ListBox* list : m_window->findChildren<ListBox*>())
            list->showAtNextEvents();
    }
    // Settles a fixed window's size (client area plus menu bar); a sizable one keeps its own.
    m_window->layout()->activate();
    // Windows open where the window manager puts them, unless their layout centres them.
    if (m_description.centred)
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect avail = screen->availableGeometry();
            const QSize size = m_window->size();
            m_window->move(avail.center() - QPoint(size.width() / 2, size.height() / 2));
        }
    arrange();
    load();
}

void Form::controlMissing(const QString& controlName) const {
    qFatal("window %s has no control %s of that kind", name(), qPrintable(controlName));
}

ui::FormWindow& Form::window() {
    ensureControls();
    return *m_window;
}

void Form::show() {
    ensureControls();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void Form::showBeside(Form& anchor) {
    placeBeside(anchor);
    show();
}

void Form::placeBeside(Form& anchor) {
    ensureControls();
    // A window whose layout centres it on the screen stays centred.
    if (!m_window->isVisible() && anchor.isShown() && !m_description.centred) {
        const ui::FormWindow& other = anchor.window();
        const QRect frame = other.frameGeometry();
        // This window has no frame yet: it will get one like the other's.
        const QSize decoration = frame.size() - other.geometry().size();
        const QSize size = m_window->size() + decoration;
        const QScreen* screen = other.screen() ? other.screen() : QGuiApplication::primaryScreen();
        const QRect avail = screen->availableGeometry();
        const placement::Box at =
            placement::besideAvoiding(boxOf(frame), size.width(), size.height(), boxOf(avail),
                                      kGapBetweenWindows, otherWindows(m_window, &other));
        m_window->move(at.left, at.top);
    }
}

void Form::showModal() {
    ensureControls();
    QPointer<ui::FormWindow> w = m_window;
    w->setWindowModality(Qt::ApplicationModal);
    show();
    QEventLoop loop;
    while (w && w->isVisible())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    if (w)
        w->setWindowModality(Qt::NonModal);
}

void Form::hide() {
    ensureControls();
    m_window->hide();
}

void Form::discardWindow() {
    if (!m_window)
        return;
    QPointer<ui::FormWindow> w = m_window;
    m_window.clear();
    w->hide();
    // A handler of this window may be suspended in a pump with one of its widgets on the call
    // stack: the widgets are destroyed once control is back in the main loop.
    w->deleteLater();
    m_discarded.push_back(w);
    std::erase_if(m_discarded, [](const QPointer<ui::FormWindow>& p) { return p.isNull(); });
}

void Form::closeByPupil() {
    if (!m_window)
        return;
    discardWindow();
    afterCloseByPupil();
    m_program.windowClosedByPupil();
}

void Form::closeForEnd() {
    discardWindow();
}

std::optional<double> Form::numberIn(const ui::Ref<TextBox>& box) {
    return m_program.numbers().toDouble(textOf(box));
}

std::string Form::textOf(const ui::Ref<ui::TextBox>& box) {
    return toUtf8(get(box).text());
}

std::string Form::textOf(const ui::Ref<ui::Label>& label) {
    return toUtf8(get(label).caption());
}

void Form::setTextOf(const ui::Ref<ui::TextBox>& box, std::string_view utf8) {
    get(box).setText(fromUtf8(utf8));
}

void Form::setTextOf(const ui::Ref<ui::Label>& label, std::string_view utf8) {
    get(label).setCaption(fromUtf8(utf8));
}

void Form::announce(const QString& phrase) {
    ui::announcerOf(&window())->say(phrase);
}

void Form::explain(maths::Steps steps) {
    if (steps.empty())
        return;
    m_explanation = std::move(steps);
    if (auto* details = dynamic_cast<DetailWindow*>(m_program.form(DetailWindow::description.name)))
        details->sourceExplained(*this);
}

void Form::showDetails() {
    if (auto* details = dynamic_cast<DetailWindow*>(m_program.form(DetailWindow::description.name)))
        details->follow(*this);
}
