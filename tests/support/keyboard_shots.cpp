// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the windows that were made usable without a mouse, in the middle of a use from the
// keyboard alone, focus shown: keyboard_shots <folder>. On an X display (for example under Xvfb)
// each picture is of the whole screen, taken with ImageMagick's import as the display shows it;
// elsewhere it is the window's own rendering.
#include "test_program.h"

#include "equations/degree1_window.h"
#include "functions/reference_functions_window.h"
#include "graphs/graph_window.h"
#include "help/glossary_window.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/picture_box.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace {

void settle() {
    for (int i = 0; i < 5; ++i)
        QTest::qWait(40);
}

void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    if (QWidget* focus = QApplication::focusWidget())
        QTest::keyClick(focus, key, mods);
    settle();
}

void activate(Form& form) {
    form.window().move(0, 0);
    form.window().raise();
    form.window().activateWindow();
    if (!QTest::qWaitForWindowActive(&form.window(), 2000))
        std::fprintf(stderr, "%s did not come to the front\n", form.name());
    settle();
}

void tabTo(QWidget* w) {
    for (int i = 0; i < 40 && QApplication::focusWidget() != w; ++i)
        press(Qt::Key_Tab);
}

void shoot(Form& form, const QString& file) {
    settle();
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    if (x11 && !QStandardPaths::findExecutable(QStringLiteral("import")).isEmpty())
        QProcess::execute(QStringLiteral("import"),
                          {QStringLiteral("-window"), QStringLiteral("root"), file});
    else
        form.window().grab().save(file);
    std::printf("%s\n", qPrintable(file));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpTestApplication();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("keyboard-shots");
    QDir().mkpath(folder);

    {
        // The glossary: Tab, then the arrows, to "Hypothese".
        ShownForm<GlossaryWindow> s;
        activate(s.form);
        for (Qt::Key k : {Qt::Key_Tab, Qt::Key_Down, Qt::Key_Right})
            press(k);
        shoot(s.form, folder + QStringLiteral("/glossary.png"));
    }
    {
        // The exercise: a table picked, the focus on a curve; then, the tables matched, a label
        // chosen and the focus on its curve.
        using W = ReferenceFunctionsWindow;
        ShownForm<W> s;
        activate(s.form);
        tabTo(&s.form.get(W::valueTables[2]));
        press(Qt::Key_Space);
        tabTo(&s.form.get(W::curves[0]));
        shoot(s.form, folder + QStringLiteral("/exercise_tables.png"));
        for (int i : {2, 0, 3, 1}) {
            tabTo(&s.form.get(W::valueTables[i]));
            press(Qt::Key_Space);
            tabTo(&s.form.get(W::curves[i]));
            press(Qt::Key_Return);
        }
        activate(s.form);
        for (int i : {1, 3}) {
            tabTo(&s.form.get(W::functionLabels[i]));
            press(Qt::Key_Return);
            tabTo(&s.form.get(W::curves[i]));
            press(Qt::Key_Return);
        }
        tabTo(&s.form.get(W::functionLabels[0]));
        press(Qt::Key_Return);
        tabTo(&s.form.get(W::curves[0]));
        shoot(s.form, folder + QStringLiteral("/exercise_labels.png"));
    }
    {
        // The graph of 2x + 1 read at x = 1, the cursor then moved to x = 2,5.
        ShownForm<Degree1Window> s;
        s.form.get(Degree1Window::aBox).setText(QStringLiteral("2"));
        s.form.get(Degree1Window::bBox).setText(QStringLiteral("1"));
        activate(s.form);
        tabTo(&s.form.get(Degree1Window::plotButton));
        press(Qt::Key_Space);
        GraphWindow& graph = s.tp->get<GraphWindow>();
        activate(graph);
        s.form.window().move(graph.window().frameGeometry().width() + 10, 0);
        press(Qt::Key_Tab);
        press(Qt::Key_Right);
        press(Qt::Key_Return);
        press(Qt::Key_Right);
        for (int i = 0; i < 5; ++i)
            press(Qt::Key_Right, Qt::ShiftModifier);
        shoot(graph, folder + QStringLiteral("/graph.png"));
    }
    return 0;
}
