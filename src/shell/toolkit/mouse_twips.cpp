// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/mouse_twips.h"

#include "shell/toolkit/twips.h"

#include <QMouseEvent>
#include <QWidget>

namespace ui {

namespace {
int buttonCode(Qt::MouseButtons b) {
    int code = 0;
    if (b & Qt::LeftButton)
        code |= 1;
    if (b & Qt::RightButton)
        code |= 2;
    if (b & Qt::MiddleButton)
        code |= 4;
    return code;
}

int shiftCode(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}
} // namespace

MouseTwips::MouseTwips(QWidget* target)
    : QObject(target) {
    target->installEventFilter(this);
}

bool MouseTwips::eventFilter(QObject* watched, QEvent* event) {
    auto* w = qobject_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::MouseButtonDblClick: {
        auto* me = static_cast<QMouseEvent*>(event);
        const double x = me->position().x() * twips::perPixel;
        const double y = me->position().y() * twips::perPixel;
        const int shift = shiftCode(me->modifiers());
        if (event->type() == QEvent::MouseButtonPress) {
            m_pressedInside = true;
            Q_EMIT mouseDown(buttonCode(me->button()), shift, x, y);
        } else if (event->type() == QEvent::MouseMove) {
            Q_EMIT mouseMove(buttonCode(me->buttons()), shift, x, y);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            Q_EMIT mouseUp(buttonCode(me->button()), shift, x, y);
            if (m_pressedInside && w && w->rect().contains(me->position().toPoint()))
                Q_EMIT click();
            m_pressedInside = false;
        } else {
            Q_EMIT dblClick();
        }
        return false;
    }
    default:
        return false;
    }
}

} // namespace ui
