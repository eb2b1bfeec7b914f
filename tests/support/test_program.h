// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "test_services.h"

#include "shell/form.h"
#include "shell/program.h"

#include <QLineEdit>
#include <QTest>

#include <memory>

// A program with scripted services, for one test.
struct TestProgram {
    explicit TestProgram(char decimalSeparator = ',');

    ScriptedDialogs& dialogs;
    TestPump& pump;
    SequenceDraws& draws;
    int endCalls = 0;
    std::unique_ptr<Program> program;

    Program& operator*() { return *program; }
    Program* operator->() { return program.get(); }

private:
    TestProgram(char sep, std::unique_ptr<ScriptedDialogs> d, std::unique_ptr<TestPump> p,
                std::unique_ptr<SequenceDraws> r);
};

// The control of that name in a window, built if absent; fails the test when there is none.
template <class T = QWidget> T* control(Form& form, const char* name) {
    T* c = form.window().findChild<T*>(QString::fromUtf8(name));
    if (!c)
        qFatal("no control %s in %s", name, form.name());
    return c;
}

// The control a window's typed name stands for, built if absent.
template <class T> T* control(Form& form, const ui::Ref<T>& ref) {
    return &form.get(ref);
}

// Types the text at the end of the box, key by key, as the pupil would.
void typeInto(QLineEdit* box, const QString& text);
// Loads the bundled fonts once, so that the windows look as they do in the program.
void setUpTestApplication();

// A test program with one window of type F shown, under the given decimal separator.
template <class F> struct ShownForm {
    TestProgram tp;
    F& form;
    explicit ShownForm(char decimalSeparator = ',')
        : tp(decimalSeparator)
        , form(tp->template get<F>()) {
        form.show();
    }
};
