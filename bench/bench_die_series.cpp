// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A die "Auto" of 1 000 000 throws in the coin-and-die window, against the same draws appended to
// a plain vector: time ratio (median of 5 runs of each, side by side), the largest gap of a 5 ms
// timer during the window's series, and the memory the history takes. With "--long", one series of
// 100 000 000 throws as well, for the memory of a very long history.
#include "app/window_catalog.h"
#include "probability/rules/simulation.h"
#include "probability/simulation_window.h"
#include "shell/production_services.h"
#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/list_box.h"

#include "measure.h"
#include "timer_gaps.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <vector>

using numbers::NumberFormat;

using namespace ui;

namespace {

using measure::median;
using measure::residentKiB;
using measure::seconds;
using measure::threadSeconds;

using measure::Clock;
using measure::TimerGaps;
constexpr std::int32_t kThrows = 1'000'000;
constexpr std::int32_t kLongThrows = 100'000'000;
constexpr int kRuns = 5;

// The program's dialogs, except that the input box answers at once.
class AnsweringDialogs : public QtDialogs {
public:
    QString input(const QString&, const QString&, const QString&) override { return answer; }
    QString answer;
};

// The program's pump, timing each time it runs events: on a machine shared with other work the
// timer's gaps include the time other programs took, which the pump's processor time leaves out.
class TimedPump : public EventPump {
public:
    double longestCpu = 0;  // seconds
    double longestWall = 0; // seconds

protected:
    void runPending() override {
        const double cpu = threadSeconds();
        const auto wall = Clock::now();
        EventPump::runPending();
        longestCpu = std::max(longestCpu, threadSeconds() - cpu);
        longestWall = std::max(longestWall, seconds(Clock::now() - wall));
    }
};

// The draws alone: no window, no pump.
double plainRun(ClockDraws& draws, double& cpu, std::size_t& sixes) {
    const double cpuStart = threadSeconds();
    const auto start = Clock::now();
    std::vector<std::uint8_t> faces;
    for (std::int32_t i = 0; i < kThrows; ++i)
        faces.push_back(std::uint8_t(probability::dieFace(draws.draw())));
    const double wall = seconds(Clock::now() - start);
    cpu = threadSeconds() - cpuStart;
    sixes = std::size_t(std::count(faces.begin(), faces.end(), 6));
    return wall;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool longRun = argc > 1 && std::strcmp(argv[1], "--long") == 0;
    QApplication app(argc, argv);
    auto dialogs = std::make_unique<AnsweringDialogs>();
    AnsweringDialogs& answers = *dialogs;
    auto timedPump = std::make_unique<TimedPump>();
    TimedPump& pump = *timedPump;
    Program program(makeWindow, {NumberFormat(','), std::move(dialogs), std::move(timedPump),
                                 std::make_unique<ClockDraws>(), [] {}});
    auto& window = program.get<SimulationWindow>();
    window.show();
    QCoreApplication::processEvents();
    ClockDraws plainDraws;

    TimerGaps gaps;
    Clock::duration largestGap{};
    Clock::duration runGap{};

    // One series of n throws after "Effacer"; returns its wall time.
    const auto series = [&](std::int32_t n, double& cpu) {
        window.get(SimulationWindow::dieClearButton).click();
        QCoreApplication::processEvents();
        answers.answer = QString::number(n);
        pump.longestCpu = pump.longestWall = 0;
        gaps.restart();
        const double cpuStart = threadSeconds();
        const auto start = Clock::now();
        window.get(SimulationWindow::dieSeriesButton).click();
        const double wall = seconds(Clock::now() - start);
        cpu = threadSeconds() - cpuStart;
        runGap = gaps.largest();
        largestGap = std::max(largestGap, runGap);
        QCoreApplication::processEvents();
        return wall;
    };
    const auto seriesDone = [&](std::int32_t n) {
        ListBox* list = &window.get(SimulationWindow::dieHistoryList);
        const QString total = window.get(SimulationWindow::throwCountLabel).caption();
        if (list->count() != n || total != QString::number(n)) {
            std::fprintf(stderr, "window listed %d throws, total %s\n", list->count(), qPrintable(total));
            return false;
        }
        return true;
    };

    std::vector<double> plain, windowed, plainCpu, windowedCpu;
    long addedKiB = 0;
    std::size_t historyBytes = 0;
    double longestPumpCpu = 0;
    for (int run = 0; run < kRuns; ++run) {
        double cpu = 0;
        std::size_t sixes = 0;
        plain.push_back(plainRun(plainDraws, cpu, sixes));
        plainCpu.push_back(cpu);
        const long before = residentKiB();
        windowed.push_back(series(kThrows, cpu));
        windowedCpu.push_back(cpu);
        if (!seriesDone(kThrows))
            return 1;
        if (run == 0) {
            addedKiB = residentKiB() - before;
            historyBytes = window.get(SimulationWindow::dieHistoryList).model().bytesUsed();
        }
        std::printf("run %d: plain %.3f s (%.2f %% sixes), window %.3f s; largest gap of the timer %.1f ms, "
                    "longest pump %.1f ms (processor time %.1f ms)\n",
                    run + 1, plain.back(), 100.0 * double(sixes) / kThrows, windowed.back(),
                    seconds(runGap) * 1000, pump.longestWall * 1000, pump.longestCpu * 1000);
        longestPumpCpu = std::max(longestPumpCpu, pump.longestCpu);
    }

    const double p = median(plain);
    const double w = median(windowed);
    std::printf("plain vector (median of %d): %.3f s\n", kRuns, p);
    std::printf("window       (median of %d): %.3f s\n", kRuns, w);
    std::printf("ratio window / plain:        %.3f (target <= 3)\n", w / p);
    std::printf("processor time of the user-interface thread, ratio of the medians: %.3f\n",
                median(windowedCpu) / median(plainCpu));
    std::printf("largest gap of a 5 ms timer: %.1f ms (target <= 20)\n", seconds(largestGap) * 1000);
    std::printf("longest run of events inside a series, in processor time: %.1f ms\n", longestPumpCpu * 1000);
    std::printf("history of %d throws: %.2f bytes a throw (resident memory added: %.2f MB)\n", kThrows,
                double(historyBytes) / kThrows, addedKiB / 1024.0);
    bool met = w / p <= 3 && largestGap <= std::chrono::milliseconds(20) && historyBytes <= 2u * kThrows;

    if (longRun) {
        double cpu = 0;
        largestGap = {};
        const long before = residentKiB();
        const double wall = series(kLongThrows, cpu);
        if (!seriesDone(kLongThrows))
            return 1;
        const long added = residentKiB() - before;
        std::printf("series of %d throws: %.1f s, resident memory added %.1f MB (target <= 200 MB), "
                    "largest gap of a 5 ms timer %.1f ms\n",
                    kLongThrows, wall, added / 1024.0, seconds(largestGap) * 1000);
        met = met && added <= 200 * 1024;
    }
    std::printf("%s\n", met ? "all targets met" : "TARGET MISSED");
    return met ? 0 : 2;
}
