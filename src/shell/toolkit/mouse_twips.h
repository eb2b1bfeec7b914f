// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace ui {

// Reports the mouse events of a widget with the pointer position in twips relative to it.
// Buttons: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt.
class MouseTwips : public QObject {
    Q_OBJECT
public:
    explicit MouseTwips(QWidget* target);

Q_SIGNALS:
    void mouseDown(int button, int shift, double x, double y);
    void mouseMove(int button, int shift, double x, double y);
    void mouseUp(int button, int shift, double x, double y);
    void click();
    void dblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_pressedInside = false;
};

} // namespace ui
