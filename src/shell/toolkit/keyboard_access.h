// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QKeyEvent;
class QWidget;

namespace ui {

// What a control made for the mouse does from the keyboard. Every action is optional.
struct KeyboardActions {
    // Enter, Return or Space: what a click does.
    std::function<void()> activate;
    // Any other key while the control has focus (arrows, Home, End, Escape…); true when it was used.
    std::function<bool(const QKeyEvent&)> key;
    // The control has just taken focus, for this reason.
    std::function<void(Qt::FocusReason)> focusIn;
    std::function<void()> focusOut;
};

class OutlineRing;

// Lets a control that only reacts to the mouse (a label, a picture, a drawing) take focus with Tab
// and by click, draws a ring around it while it has focus, and runs its keyboard actions. It lives
// as long as the control. Screen readers see such a picture or drawing as a button when Enter does
// something with it (its press action does the same), otherwise as a picture; labels stay labels.
class KeyboardAccess : public QObject {
public:
    KeyboardAccess(QWidget* control, KeyboardActions actions);
    ~KeyboardAccess() override;

    // The keyboard access of a control, or none.
    static KeyboardAccess* of(const QWidget* control);
    // Ends the keyboard access of every control of a window, so that no action runs any more: a
    // window whose handlers are going away calls it before its controls are destroyed, since
    // destroying them moves the focus.
    static void releaseAll(QWidget* window);

    // Marks the control as chosen, focused or not: a golden frame inside its edges, as the
    // picked table has, until it is unmarked.
    void setChosen(bool on);
    bool isChosen() const { return m_chosen; }
    // Marks the control as selected for screen readers only, when the window shows the choice
    // its own way. Screen readers see a chosen control as selected too.
    void setSelected(bool on);
    bool isSelected() const { return m_selected; }
    // Whether the focus ring stands around the control now.
    bool ringShown() const;
    // Whether Enter does something, and doing it.
    bool canActivate() const { return bool(m_actions.activate); }
    void activate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeRings();
    void selectionChanged(bool wasSelected);

    QWidget* m_control;
    KeyboardActions m_actions;
    QPointer<OutlineRing> m_focusRing;
    QPointer<OutlineRing> m_chosenRing;
    bool m_chosen = false;
    bool m_selected = false;
};

} // namespace ui
