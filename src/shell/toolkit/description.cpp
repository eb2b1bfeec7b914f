// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/description.h"

#include "shell/toolkit/accessibility.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/chart_view.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/drawing_surface.h"
#include "shell/toolkit/frame.h"
#include "shell/toolkit/list_box.h"
#include "shell/toolkit/mouse_twips.h"
#include "shell/toolkit/picture_box.h"
#include "shell/toolkit/tab_control.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QShortcut>

namespace ui {

QColor Colour::resolve() const {
    return role != QPalette::NoRole ? QApplication::palette().color(role) : rgb;
}

namespace {

// Whether a point of a window's client area lies on one of its visible controls.
bool onControl(const QWidget* area, QPoint at) {
    for (QObject* o : area->children())
        if (auto* child = qobject_cast<QWidget*>(o);
            child && !child->isHidden() && child->geometry().contains(at))
            return true;
    return false;
}

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
            if (!onControl(static_cast<QWidget*>(watched), at))
                m_f();
        }
        return false;
    }

private:
    std::function<void()> m_f;
};

// Builds the controls of one window, row by row.
class Builder {
public:
    Builder(Form& form, FormWindow* window, const WindowDescription& description)
        : m_form(form)
        , m_window(window)
        , m_description(description) {}

    void add(const ControlRow& row) {
        QObject* made = make(row);
        m_window->addControl(row.control.name, made);
        if (auto* w = qobject_cast<QWidget*>(made)) {
            if (!row.visible)
                w->setVisible(false);
            nameForScreenReaders(w, row);
            connectMouse(w, row);
            connectEnter(w, row);
            if (m_description.page && row.control.kind == Kind::Label && !row.caption.trimmed().isEmpty())
                w->setFocusPolicy(Qt::StrongFocus);
        }
    }

private:
    QWidget* parentOf(const ControlRow& row) const {
        if (row.parent.isEmpty())
            return m_window->client();
        auto* frame = qobject_cast<QWidget*>(m_window->control(row.parent));
        Q_ASSERT_X(frame, "ui::build", "a control's frame comes before it");
        return frame ? frame : m_window->client();
    }

    // Connects a control's signal to the row's handler, run on the window that owns it.
    template <class Sender, class Signal> void connect(Sender* sender, Signal signal, const ControlRow& row) {
        if (!row.handler)
            return;
        QObject::connect(sender, signal, m_window, [&form = m_form, h = row.handler] { h(form); });
    }

    QObject* make(const ControlRow& row) {
        const QString& name = row.control.name;
        switch (row.control.kind) {
        case Kind::Label: {
            return new Label(parentOf(row), {.name = name,
                                             .caption = row.caption,
                                             .rect = row.rect,
                                             .font = row.font,
                                             .wordWrap = row.wordWrap,
                                             .breakLongWords = row.breakLongWords,
                                             .foreColor = row.foreColor.resolve(),
                                             .backColor = row.backColor.resolve(),
                                             .alignment = row.alignment});
        }
        case Kind::TextBox: {
            auto* box = new TextBox(parentOf(row), name, row.rect, row.font);
            box->setText(row.caption);
            box->setReadOnly(row.readOnly);
            connect(box, &QLineEdit::textChanged, row);
            return box;
        }
        case Kind::MultiLineTextBox: {
            auto* box = new MultiLineTextBox(parentOf(row), name, row.rect, row.font, row.readOnly);
            box->setText(row.caption);
            connect(box, &QPlainTextEdit::textChanged, row);
            return box;
        }
        case Kind::ComboBox: {
            auto* combo = new ComboBox(parentOf(row), name, row.rect, row.font);
            combo->setEditText(row.caption);
            connect(combo->lineEdit(), &QLineEdit::textEdited, row);
            return combo;
        }
        case Kind::Button: {
            auto* button = new Button(parentOf(row), name, row.caption, row.rect, row.font);
            if (row.backColor.isValid())
                button->setFaceColor(row.backColor.resolve());
            if (!row.picture.isEmpty()) {
                button->setPicture(row.picture);
                button->setToolTip(row.accessibleName);
            }
            connect(button, &QPushButton::clicked, row);
            return button;
        }
        case Kind::Frame: {
            auto* frame = new Frame(parentOf(row), name, row.caption, row.rect, row.font);
            if (row.backColor.isValid())
                frame->setBackColor(row.backColor.resolve());
            if (row.foreColor.isValid())
                frame->setForeColor(row.foreColor.resolve());
            return frame;
        }
        case Kind::ListBox: {
            auto* list = new ListBox(parentOf(row), name, row.rect, row.font);
            if (row.clickFocusOnly)
                list->setFocusPolicy(Qt::ClickFocus);
            connect(list, &ListBox::picked, row);
            return list;
        }
        case Kind::Image:
            return new Image(parentOf(row), name, row.rect, row.picture);
        case Kind::DrawingSurface: {
            auto* surface = new DrawingSurface(parentOf(row), name, row.rect);
            if (row.backColor.isValid())
                surface->setBackColor(row.backColor.resolve());
            return surface;
        }
        case Kind::PictureBox: {
            auto* box = new PictureBox(parentOf(row), name, row.rect, row.picture);
            connect(&box->mouse(), &MouseTwips::click, row);
            return box;
        }
        case Kind::Line: {
            auto* l = new Line(parentOf(row), name, row.ends.x1, row.ends.y1, row.ends.x2, row.ends.y2);
            l->setPenWidth(row.penWidth);
            if (row.foreColor.isValid())
                l->setColor(row.foreColor.resolve());
            l->setVisible(row.visible);
            return l;
        }
        case Kind::Shape: {
            auto* s = new Shape(parentOf(row), name, row.shape, row.rect);
            s->setPenWidth(row.penWidth);
            if (row.foreColor.isValid())
                s->setColor(row.foreColor.resolve());
            if (row.backColor.isValid())
                s->setFillColor(row.backColor.resolve());
            s->setVisible(row.visible);
            return s;
        }
        case Kind::Timer: {
            auto* timer = new Timer(m_window, name, row.intervalMs);
            if (row.handler)
                timer->onTick([&form = m_form, h = row.handler] { h(form); });
            return timer;
        }
        case Kind::Menu: {
            QMenu* m = row.parent.isEmpty() ? m_window->menuBar()->addMenu(row.caption)
                                            : menuOf(row)->addMenu(row.caption);
            m->setObjectName(name);
            return m;
        }
        case Kind::MenuItem: {
            QAction* a = menuOf(row)->addAction(row.caption);
            a->setObjectName(name);
            connect(a, &QAction::triggered, row);
            return a;
        }
        case Kind::TabControl:
            return new TabControl(parentOf(row), name, row.rect, row.font);
        case Kind::TabPage: {
            auto* tabs = dynamic_cast<TabControl*>(m_window->control(row.parent));
            Q_ASSERT_X(tabs, "ui::build", "a tab page's tabbed control comes before it");
            return tabs->addPage(name, row.caption);
        }
        case Kind::Chart:
            return new ChartView(parentOf(row), name, row.rect);
        case Kind::MenuSeparator: {
            QAction* a = menuOf(row)->addSeparator();
            a->setObjectName(name);
            return a;
        }
        }
        Q_UNREACHABLE();
    }

    QMenu* menuOf(const ControlRow& row) const {
        auto* m = qobject_cast<QMenu*>(m_window->control(row.parent));
        Q_ASSERT_X(m, "ui::build", "a menu entry's menu comes before it");
        return m;
    }

    // Labels, buttons and frames are read by their caption as it stands; the others get a name here.
    void nameForScreenReaders(QWidget* w, const ControlRow& row) {
        QString name = row.accessibleName;
        switch (row.control.kind) {
        case Kind::Label:
            m_lastLabel = row.caption.simplified();
            if (!row.announceAs.isEmpty())
                static_cast<Label*>(w)->announceAs(row.announceAs);
            break;
        case Kind::TextBox:
        case Kind::MultiLineTextBox:
        case Kind::ComboBox:
        case Kind::ListBox:
            if (name.isEmpty())
                name = m_lastLabel;
            break;
        default:
            break;
        }
        if (name.isEmpty())
            return;
        w->setAccessibleName(name);
        // The text an editable combo box holds is a box of its own for screen readers.
        if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit())
            combo->lineEdit()->setAccessibleName(name);
    }

    // Enter in a single-line box presses the box's button or the window's main button, when the
    // pupil could press it.
    void connectEnter(QWidget* w, const ControlRow& row) {
        QLineEdit* edit = nullptr;
        if (row.control.kind == Kind::TextBox)
            edit = static_cast<TextBox*>(w);
        else if (row.control.kind == Kind::ComboBox)
            edit = static_cast<ComboBox*>(w)->lineEdit();
        const QString button =
            row.enterPresses.name.isEmpty() ? m_description.mainButton.name : row.enterPresses.name;
        if (!edit || button.isEmpty())
            return;
        QObject::connect(edit, &QLineEdit::returnPressed, w, [window = m_window, button] {
            auto* b = qobject_cast<QAbstractButton*>(window->control(button));
            if (b && b->isVisibleTo(window) && b->isEnabled())
                b->click();
        });
    }

    void connectMouse(QWidget* w, const ControlRow& row) {
        if (!row.onMouseDown && !row.onMouseMove && !row.onMouseUp)
            return;
        auto* surface = dynamic_cast<DrawingSurface*>(w);
        MouseTwips* mouse = surface ? &surface->mouse() : new MouseTwips(w);
        const auto relay = [&form = m_form](const MouseHandler& h) {
            return [&form, h](int button, int shift, double x, double y) { h(form, button, shift, x, y); };
        };
        if (row.onMouseDown)
            QObject::connect(mouse, &MouseTwips::mouseDown, m_window, relay(row.onMouseDown));
        if (row.onMouseMove) {
            w->setMouseTracking(true);
            QObject::connect(mouse, &MouseTwips::mouseMove, m_window, relay(row.onMouseMove));
        }
        if (row.onMouseUp)
            QObject::connect(mouse, &MouseTwips::mouseUp, m_window, relay(row.onMouseUp));
    }

    Form& m_form;
    FormWindow* m_window;
    const WindowDescription& m_description;
    QString m_lastLabel;
};

} // namespace

FormWindow* build(Form& form, const WindowDescription& description) {
    installAccessibleFactories();
    auto* window = new FormWindow(QString::fromLatin1(description.name), description.title,
                                  description.border, description.width, description.height);
    if (!description.accessibleName.isEmpty())
        window->setAccessibleName(description.accessibleName);
    if (description.backColor.isValid())
        window->setBackColor(description.backColor.resolve());
    Builder builder(form, window, description);
    for (const ControlRow& row : description.controls)
        builder.add(row);
    if (!description.f1Presses.name.isEmpty()) {
        auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), window);
        QObject::connect(f1, &QShortcut::activated, window, [window, button = description.f1Presses.name] {
            if (auto* b = qobject_cast<QAbstractButton*>(window->control(button)); b && b->isEnabled())
                b->click();
        });
    }
    if (description.page) {
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
        QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
    }
    if (description.onDblClick)
        new BackgroundDoubleClick(window->client(), [&form, h = description.onDblClick] { h(form); });
    if (description.onMouseMove) {
        // A move over a control that the control leaves alone comes to the background as well.
        ClientArea* client = window->client();
        client->setMouseTracking(true);
        QObject::connect(
            new MouseTwips(client), &MouseTwips::mouseMove, window,
            [&form, client, h = description.onMouseMove](int button, int shift, double x, double y) {
                const QPoint at = QPointF(x / twips::perPixel, y / twips::perPixel).toPoint();
                if (!onControl(client, at))
                    h(form, button, shift, x, y);
            });
    }
    return window;
}

} // namespace ui
