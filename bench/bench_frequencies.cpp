// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The frequencies window (bench_frequencies [throws]): 1 000 000 samples of size 1 000 000
// through "Simuler" (time, largest gap of a 5 ms timer); and a die "Auto" of 1 000 000 throws (or
// the number given) with and without the window following the history (time until the screen
// shows the end of the series, ratio of the medians of 9 runs of each, and what the live chart
// keeps).
#include "app/window_catalog.h"
#include "probability/frequencies_window.h"
#include "probability/simulation_window.h"
#include "shell/production_services.h"
#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

#include "measure.h"
#include "timer_gaps.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using numbers::NumberFormat;

using namespace ui;

namespace {
using measure::Clock;
using measure::median;
using measure::seconds;
using measure::TimerGaps;

class AnsweringDialogs : public QtDialogs {
public:
    QString input(const QString&, const QString&, const QString&) override { return answer; }
    void message(const QString& text, const QString&, Icon) override {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    QString answer;
};
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The length of the die series; a million unless told.
    const int throws = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1'000'000;
    auto dialogs = std::make_unique<AnsweringDialogs>();
    AnsweringDialogs& answers = *dialogs;
    Program program(makeWindow, {NumberFormat(','), std::move(dialogs), std::make_unique<EventPump>(),
                                 std::make_unique<ClockDraws>(), [] {}});
    auto& simulation = program.get<SimulationWindow>();
    simulation.show();
    QCoreApplication::processEvents();

    TimerGaps gaps;

    // A die series of a million throws, after "Effacer".
    const auto series = [&] {
        simulation.get(SimulationWindow::dieClearButton).click();
        QCoreApplication::processEvents();
        answers.answer = QString::number(throws);
        const auto start = Clock::now();
        simulation.get(SimulationWindow::dieSeriesButton).click();
        // Until the screen shows the end of the series: the counts, and the chart when it follows.
        QCoreApplication::processEvents();
        return seconds(Clock::now() - start);
    };
    std::vector<double> alone;
    std::vector<double> followed;
    constexpr int kSeriesRuns = 9;
    for (int run = 0; run < kSeriesRuns; ++run)
        alone.push_back(series());
    simulation.get(SimulationWindow::dieFrequenciesButton).click();
    auto& frequencies = program.get<FrequenciesWindow>();
    QCoreApplication::processEvents();
    for (int run = 0; run < kSeriesRuns; ++run)
        followed.push_back(series());
    const double ratio = median(followed) / median(alone);
    std::printf("die series of %d throws: alone %.3f s, with the live chart %.3f s (medians of %d): +%.1f %% "
                "(target <= 10 %%)\n",
                throws, median(alone), median(followed), kSeriesRuns, (ratio - 1) * 100);
    std::printf("live chart after the series: %s\n",
                qPrintable(frequencies.get(FrequenciesWindow::lastFrequencyLabel).caption()));

    std::vector<double> sampling;
    Clock::duration worstGap{};
    for (int run = 0; run < 3; ++run) {
        frequencies.get(FrequenciesWindow::sampleCountBox).setText(QStringLiteral("1000000"));
        frequencies.get(FrequenciesWindow::sampleSizeBox).setText(QStringLiteral("1000000"));
        QCoreApplication::processEvents();
        gaps.restart();
        const auto start = Clock::now();
        frequencies.get(FrequenciesWindow::simulateButton).click();
        sampling.push_back(seconds(Clock::now() - start));
        const Clock::duration gap = gaps.largest();
        worstGap = std::max(worstGap, gap);
        QCoreApplication::processEvents();
        std::printf(
            "run %d: %.3f s, largest gap of a 5 ms timer %.1f ms\n  %s\n", run + 1, sampling.back(),
            seconds(gap) * 1000,
            qPrintable(frequencies.get(FrequenciesWindow::proportionLabel).caption().replace(u'\n', u' ')));
    }
    std::printf(
        "10^6 samples of size 10^6: %.3f s (median of 3; target <= 1 s), largest gap %.1f ms (target <= "
        "20 ms)\n",
        median(sampling), seconds(worstGap) * 1000);
    const bool met = ratio <= 1.10 && median(sampling) <= 1.0 && worstGap <= std::chrono::milliseconds(20);
    std::printf("%s\n", met ? "all targets met" : "TARGET MISSED");
    return met ? 0 : 2;
}
