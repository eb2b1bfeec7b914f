// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What starting the program costs, against a bare Qt program that shows one QWidget with a line
// of text: the time from starting the process to its first window painted, and the resident
// memory once idle (the program with its main menu open). Both run as fresh processes of this executable, in
// turn, five times each; the medians and their ratios are printed.
#include "app/app_setup.h"
#include "shell/program.h"

#include "bare_window.h"
#include "measure.h"
#include <QAbstractButton>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using measure::median;
using measure::residentKiB;

constexpr int kRuns = 5;
constexpr int kIdleMs = 1000;

double processorMs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) * 1e-3;
}

QWidget* topLevel(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            return w;
    return nullptr;
}

// Tells the parent, once, that the first window has been painted, with the processor time spent
// so far; then runs `next`.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(std::function<void()> next)
        : m_next(std::move(next)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            m_seen = true;
            // After this paint and the others of the same update have been delivered.
            QTimer::singleShot(0, [this] {
                std::printf("window %.1f\n", processorMs());
                std::fflush(stdout);
                m_next();
            });
        }
        return false;
    }

private:
    std::function<void()> m_next;
    bool m_seen = false;
};

void reportMemoryAndEnd() {
    std::printf("memory %ld\n", residentKiB());
    std::fflush(stdout);
    std::_Exit(0);
}

int bareChild(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FirstPaint watcher([] { QTimer::singleShot(kIdleMs, reportMemoryAndEnd); });
    app.installEventFilter(&watcher);
    const BareWindow bare;
    return QApplication::exec();
}

// The program as main() starts it; "Passer" is pressed once the splash is up, and the memory is
// read once the main menu has been shown and left idle.
int programChild(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FirstPaint watcher([] {
        if (QWidget* splash = topLevel("Form2"))
            if (auto* skip = splash->findChild<QAbstractButton*>(QStringLiteral("Command1")))
                skip->click();
        auto* poll = new QTimer(qApp);
        QObject::connect(poll, &QTimer::timeout, [poll] {
            QWidget* menu = topLevel("aa_Mainform");
            if (menu && menu->isVisible()) {
                poll->stop();
                QTimer::singleShot(kIdleMs, reportMemoryAndEnd);
            }
        });
        poll->start(20);
    });
    app.installEventFilter(&watcher);
    const std::unique_ptr<Program> program = startProgram();
    return QApplication::exec();
}

struct Run {
    double wallMs = 0;
    double cpuMs = 0;
    double memoryKiB = 0;
};

bool runChild(const QString& self, const QString& mode, Run& run) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    child.start(self, {QStringLiteral("--child"), mode});
    if (!child.waitForReadyRead(30000))
        return false;
    run.wallMs = double(clock.nsecsElapsed()) * 1e-6;
    QByteArray line = child.readLine();
    if (!line.startsWith("window "))
        return false;
    run.cpuMs = line.mid(7).trimmed().toDouble();
    while (!child.canReadLine() && child.waitForReadyRead(30000)) {
    }
    line = child.readLine();
    if (!line.startsWith("memory "))
        return false;
    run.memoryKiB = line.mid(7).trimmed().toDouble();
    child.waitForFinished(10000);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::string(argv[1]) == "--child")
        return std::string(argv[2]) == "program" ? programChild(argc, argv) : bareChild(argc, argv);

    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<Run> bare(kRuns);
    std::vector<Run> program(kRuns);
    for (int i = 0; i < kRuns; ++i) {
        if (!runChild(self, QStringLiteral("bare"), bare[i]) ||
            !runChild(self, QStringLiteral("program"), program[i])) {
            std::fputs("bench_startup: a child process did not report\n", stderr);
            return 1;
        }
    }
    auto column = [](const std::vector<Run>& runs, double Run::*field) {
        std::vector<double> v;
        for (const Run& r : runs)
            v.push_back(r.*field);
        return median(v);
    };
    const double bareWall = column(bare, &Run::wallMs), progWall = column(program, &Run::wallMs);
    const double bareCpu = column(bare, &Run::cpuMs), progCpu = column(program, &Run::cpuMs);
    const double bareMem = column(bare, &Run::memoryKiB), progMem = column(program, &Run::memoryKiB);
    std::printf("platform: %s, medians of %d runs each\n", qgetenv("QT_QPA_PLATFORM").constData(), kRuns);
    std::printf("%-34s %10s %10s %7s %7s\n", "", "bare Qt", "program", "ratio", "target");
    std::printf("%-34s %10.1f %10.1f %7.2f %7s\n", "first window, wall time (ms)", bareWall, progWall,
                progWall / bareWall, "1.30");
    std::printf("%-34s %10.1f %10.1f %7.2f %7s\n", "first window, processor time (ms)", bareCpu, progCpu,
                progCpu / bareCpu, "");
    std::printf("%-34s %10.1f %10.1f %7.2f %7s\n", "idle resident memory (MB)", bareMem / 1024,
                progMem / 1024, progMem / bareMem, "1.20");
    const bool met = progWall / bareWall <= 1.3 && progMem / bareMem <= 1.2;
    std::printf("%s\n", met ? "targets met" : "a target was missed");
    return met ? 0 : 2;
}
