// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/toolkit/form_window.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class Program;

// One window of the program, for the whole run. Its window-level values are members of the
// concrete form and live as long as it does; its controls are built from the layout when first
// needed and destroyed when the pupil closes the window, to be built afresh at the next use.
class Form : public QObject {
public:
    Form(Program& program, const char* name);
    ~Form() override;

    const char* name() const { return m_name; }
    Program& program() const { return m_program; }

    // Shows the window (building its controls first if needed) and brings it to the front.
    void show();
    // Shows the window and returns when it is hidden or closed; the other windows take no input meanwhile.
    void showModal();
    // Hides the window, building its controls first if needed; its contents stay.
    void hide();
    // As the title bar's close box: the controls are destroyed, window-level values stay.
    void closeByPupil();
    // Closes the window for the end of the program, without any reaction of its own.
    void closeForEnd();

    bool hasControls() const { return !m_window.isNull(); }
    bool isShown() const { return hasControls() && m_window->isVisible(); }
    // Access by code: the window with its controls, built (hidden) if absent.
    FormWindow& window();

protected:
    // Builds the window and its controls from the layout.
    virtual FormWindow* buildControls() = 0;
    // The load step, run right after the controls are built.
    virtual void load() {}
    // Forgets the controls (their widgets are being destroyed).
    virtual void dropControls() = 0;
    // A reaction of the window to the pupil's closing it, after its controls are gone.
    virtual void afterCloseByPupil() {}

private:
    void ensureControls();
    void discardWindow();

    Program& m_program;
    const char* m_name;
    QPointer<FormWindow> m_window;
    // Windows already closed whose widgets may still be on the call stack of a suspended handler.
    std::vector<QPointer<FormWindow>> m_discarded;
};

// A form whose controls are the members of Ui. ui() builds them if absent, so a handler reaches
// a control through ui() again after each pump: a window closed meanwhile is then rebuilt, hidden,
// and no destroyed widget is touched.
template <class Ui> class FormOf : public Form {
public:
    using Form::Form;

    Ui& ui() {
        window();
        return *m_ui;
    }

protected:
    void dropControls() override { m_ui.reset(); }
    std::unique_ptr<Ui> m_ui;
};
