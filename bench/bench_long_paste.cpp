// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A 1 000 000-character text without a blank pasted into every box a pupil can type in, in every
// window: the time of the paste and of the next keys (End, Backspace, a digit), the slowest of
// each. Target: 0.1 s for each.
//     bench_long_paste [length] [window opened first]
// Also the time each window takes to open, the first of them paying
// for whatever the process does once (fonts).
#include "app/window_catalog.h"
#include "shell/form.h"
#include "shell/production_services.h"
#include "shell/program.h"

#include "measure.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>

#include <algorithm>
#include <cstdio>
#include <vector>

using numbers::NumberFormat;

using namespace ui;

namespace {
// Message boxes are answered at once.
class SilentDialogs : public QtDialogs {
public:
    void message(const QString&, const QString&, Icon) override {}
};

void key(QWidget* w, int k, Qt::KeyboardModifiers m = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, k, m, text);
    QCoreApplication::sendEvent(w, &press);
    if (!w)
        return;
    QKeyEvent release(QEvent::KeyRelease, k, m, text);
    QCoreApplication::sendEvent(w, &release);
}
} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const int length = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
    QGuiApplication::clipboard()->setText(QString(length, QLatin1Char('7')));
    double slowestPaste = 0;
    double slowestKeys = 0;
    // A window named second on the command line opens first, paying for what is done once.
    std::vector<std::string_view> order(windowNames().begin(), windowNames().end());
    if (argc > 2)
        if (auto it = std::find(order.begin(), order.end(), std::string_view(argv[2])); it != order.end())
            std::rotate(order.begin(), it, it + 1);
    for (std::string_view name : order) {
        Program program(makeWindow, Program::Services{NumberFormat(','), std::make_unique<SilentDialogs>(),
                                                      std::make_unique<EventPump>(),
                                                      std::make_unique<ClockDraws>(), [] {}});
        Form& form = *program.form(name);
        const auto opening = measure::Clock::now();
        form.show();
        QCoreApplication::processEvents();
        std::printf("%-28.*s opened in %.1f ms\n", int(name.size()), name.data(),
                    measure::seconds(measure::Clock::now() - opening) * 1e3);
        QList<QPointer<QWidget>> boxes;
        for (QLineEdit* box : form.window().findChildren<QLineEdit*>())
            if (!box->isReadOnly() && box->isVisible())
                boxes.push_back(box);
        for (QPlainTextEdit* box : form.window().findChildren<QPlainTextEdit*>())
            if (!box->isReadOnly() && box->isVisible())
                boxes.push_back(box);
        for (const QPointer<QWidget>& box : boxes) {
            if (!box)
                continue;
            const QString where =
                QLatin1String(form.name()) + u'.' +
                (qobject_cast<QComboBox*>(box->parent()) ? box->parent()->objectName() : box->objectName());
            box->setFocus();
            auto start = measure::Clock::now();
            key(box, Qt::Key_V, Qt::ControlModifier);
            QCoreApplication::processEvents();
            const double paste = measure::seconds(measure::Clock::now() - start);
            start = measure::Clock::now();
            if (box)
                key(box, Qt::Key_End, Qt::ControlModifier);
            if (box)
                key(box, Qt::Key_Backspace);
            if (box)
                key(box, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
            QCoreApplication::processEvents();
            const double keys = measure::seconds(measure::Clock::now() - start);
            std::printf("%-28s paste %7.1f ms, next keys %7.1f ms\n", qPrintable(where), paste * 1e3,
                        keys * 1e3);
            slowestPaste = std::max(slowestPaste, paste);
            slowestKeys = std::max(slowestKeys, keys);
        }
        program.endProgram();
    }
    std::printf("slowest: paste %.1f ms, next keys %.1f ms (target 100 ms each)\n", slowestPaste * 1e3,
                slowestKeys * 1e3);
    return slowestPaste <= 0.1 && slowestKeys <= 0.1 ? 0 : 2;
}
