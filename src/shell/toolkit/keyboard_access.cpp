// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/keyboard_access.h"

#include "shell/toolkit/accessibility.h"
#include "shell/toolkit/style.h"

#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QWidget>

namespace ui {

// A frame drawn over a window around one of its controls. It stands above the window's client
// area rather than beside the control, so that the window's own tests of "is the pointer over a
// control" do not see it, and it lets every mouse event through.
class OutlineRing : public QWidget {
public:
    enum class Style {
        Focus,  // outside the control: a black line, then a white one, seen on any background
        Chosen, // inside the control's edges: a golden band
    };

    OutlineRing(QWidget* window, Style style)
        : QWidget(window)
        , m_style(style) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

    // The room the ring takes outside the control, in logical pixels.
    int margin() const { return m_style == Style::Focus ? 4 : 0; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setBrush(Qt::NoBrush);
        if (m_style == Style::Focus) {
            p.setPen(QPen(colours::white, 1));
            p.drawRect(r);
            p.drawRect(r.adjusted(1, 1, -1, -1));
            p.setPen(QPen(colours::black, 1));
            p.drawRect(r.adjusted(2, 2, -2, -2));
            p.drawRect(r.adjusted(3, 3, -3, -3));
        } else {
            p.setPen(QPen(colours::amber, 1));
            for (int i = 0; i < 3; ++i)
                p.drawRect(r.adjusted(i, i, -i, -i));
        }
    }

private:
    Style m_style;
};

namespace {

// A picture or drawing reached from the keyboard, as screen readers see it.
class KeyboardAccessible : public QAccessibleWidget {
public:
    KeyboardAccessible(QWidget* w, QAccessible::Role role)
        : QAccessibleWidget(w, role) {}
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (role() == QAccessible::Button)
            names.prepend(pressAction());
        return names;
    }
    // A control marked as chosen is selected, as the line of a list is.
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (KeyboardAccess* keys = KeyboardAccess::of(widget())) {
            s.selectable = keys->canActivate();
            s.selected = keys->isChosen() || keys->isSelected();
        }
        return s;
    }
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            if (KeyboardAccess* keys = KeyboardAccess::of(widget()))
                keys->activate();
            return;
        }
        QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* keyboardAccessible(const QString&, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w || qobject_cast<QLabel*>(w))
        return nullptr;
    KeyboardAccess* keys = KeyboardAccess::of(w);
    if (!keys)
        return nullptr;
    return new KeyboardAccessible(w, keys->canActivate() ? QAccessible::Button : QAccessible::Graphic);
}

// Screen readers may have asked about the control before it was given its keys: what they were
// told then is forgotten, so that the next question gets the control's new role.
void forgetAccessible(QWidget* w) {
    static const bool installed = [] {
        QAccessible::installFactory(keyboardAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    if (qobject_cast<QLabel*>(w))
        return;
    if (QAccessibleInterface* known = QAccessible::queryAccessibleInterface(w))
        if (known->role() != QAccessible::Button && known->role() != QAccessible::Graphic)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
}

} // namespace

KeyboardAccess::KeyboardAccess(QWidget* control, KeyboardActions actions)
    : QObject(control)
    , m_control(control)
    , m_actions(std::move(actions))
    , m_focusRing(new OutlineRing(control->window(), OutlineRing::Style::Focus))
    , m_chosenRing(new OutlineRing(control->window(), OutlineRing::Style::Chosen)) {
    setObjectName(QStringLiteral("keyboardAccess"));
    control->setFocusPolicy(Qt::StrongFocus);
    control->installEventFilter(this);
    forgetAccessible(control);
}

void KeyboardAccess::activate() {
    if (m_actions.activate)
        m_actions.activate();
}

KeyboardAccess::~KeyboardAccess() {
    delete m_focusRing.data();
    delete m_chosenRing.data();
}

KeyboardAccess* KeyboardAccess::of(const QWidget* control) {
    return control ? control->findChild<KeyboardAccess*>(QStringLiteral("keyboardAccess"),
                                                         Qt::FindDirectChildrenOnly)
                   : nullptr;
}

void KeyboardAccess::releaseAll(QWidget* window) {
    qDeleteAll(window->findChildren<KeyboardAccess*>(QStringLiteral("keyboardAccess")));
}

void KeyboardAccess::setChosen(bool on) {
    const bool wasSelected = m_chosen || m_selected;
    m_chosen = on;
    placeRings();
    selectionChanged(wasSelected);
}

void KeyboardAccess::setSelected(bool on) {
    const bool wasSelected = m_chosen || m_selected;
    m_selected = on;
    selectionChanged(wasSelected);
}

void KeyboardAccess::selectionChanged(bool wasSelected) {
    if (wasSelected == (m_chosen || m_selected))
        return;
    QAccessible::State selected;
    selected.selected = true;
    QAccessibleStateChangeEvent event(m_control, selected);
    notifyScreenReaders(event);
}

bool KeyboardAccess::ringShown() const {
    return m_focusRing && !m_focusRing->isHidden();
}

void KeyboardAccess::placeRings() {
    const bool shown = m_control->isVisibleTo(m_control->window());
    for (OutlineRing* ring : {m_focusRing.data(), m_chosenRing.data()}) {
        if (!ring)
            continue;
        const bool wanted = shown && (ring == m_focusRing ? m_control->hasFocus() : m_chosen);
        if (!wanted) {
            ring->hide();
            continue;
        }
        const int m = ring->margin();
        const QPoint at = m_control->mapTo(m_control->window(), QPoint(0, 0));
        ring->setGeometry(QRect(at, m_control->size()).adjusted(-m, -m, m, m));
        ring->show();
        ring->raise();
    }
    // The focus ring stays above the golden one.
    if (m_focusRing && m_focusRing->isVisible())
        m_focusRing->raise();
}

bool KeyboardAccess::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_control)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (plain && m_actions.activate &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space)) {
            m_actions.activate();
            return true;
        }
        if (m_actions.key && m_actions.key(*key))
            return true;
        return false;
    }
    case QEvent::FocusIn:
        placeRings();
        if (m_actions.focusIn)
            m_actions.focusIn(static_cast<QFocusEvent*>(event)->reason());
        return false;
    case QEvent::FocusOut:
        placeRings();
        if (m_actions.focusOut)
            m_actions.focusOut();
        return false;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ZOrderChange:
        placeRings();
        return false;
    default:
        return false;
    }
}

} // namespace ui
