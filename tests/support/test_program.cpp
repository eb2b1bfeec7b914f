// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "app/app_setup.h"
#include "app/window_catalog.h"

using numbers::NumberFormat;

TestProgram::TestProgram(char decimalSeparator)
    : TestProgram(decimalSeparator, std::make_unique<ScriptedDialogs>(), std::make_unique<TestPump>(),
                  std::make_unique<SequenceDraws>()) {}

TestProgram::TestProgram(char sep, std::unique_ptr<ScriptedDialogs> d, std::unique_ptr<TestPump> p,
                         std::unique_ptr<SequenceDraws> r)
    : dialogs(*d)
    , pump(*p)
    , draws(*r) {
    program =
        std::make_unique<Program>(makeWindow, Program::Services{NumberFormat(sep), std::move(d), std::move(p),
                                                                std::move(r), [this] { ++endCalls; }});
}

void typeInto(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->setCursorPosition(int(box->text().size()));
    QTest::keyClicks(box, text);
}

namespace {
QtMessageHandler previousHandler = nullptr;

// The offscreen platform cannot raise windows; its warning about it says nothing about the program.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support raise()")))
        return;
    previousHandler(type, context, message);
}
} // namespace

void setUpTestApplication() {
    static bool done = false;
    if (!done) {
        installStyle();
        installFonts();
        previousHandler = qInstallMessageHandler(quietHandler);
        done = true;
    }
}
