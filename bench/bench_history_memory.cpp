// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Resident memory before a long die series in the coin-and-die window, after it and after
// "Effacer", in rounds: the history of the series must go back to the system once cleared.
//     bench_history_memory [throws per series, 2147483647 unless told] [rounds, 1 unless told]
#include "app/window_catalog.h"
#include "probability/simulation_window.h"
#include "shell/production_services.h"
#include "shell/program.h"

#include "measure.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

using numbers::NumberFormat;

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const long throws = argc > 1 ? std::atol(argv[1]) : 2147483647L;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 1;
    Program program(makeWindow,
                    Program::Services{NumberFormat(','), std::make_unique<QtDialogs>(),
                                      std::make_unique<EventPump>(), std::make_unique<ClockDraws>(), [] {}});
    auto& window = program.get<SimulationWindow>();
    window.show();
    QCoreApplication::processEvents();
    int status = 0;
    for (int round = 1; round <= rounds; ++round) {
        const long before = measure::residentKiB();
        const auto start = measure::Clock::now();
        window.throwDie(std::int32_t(throws));
        const double took = measure::seconds(measure::Clock::now() - start);
        QCoreApplication::processEvents();
        const long afterSeries = measure::residentKiB();
        window.clearDie();
        QCoreApplication::processEvents();
        const long afterClear = measure::residentKiB();
        std::printf("round %d: %ld throws in %.1f s; resident %.1f MB before, %.1f MB after the series, "
                    "%.1f MB after Effacer\n",
                    round, throws, took, before / 1024.0, afterSeries / 1024.0, afterClear / 1024.0);
        // Target: the cleared history leaves at most 10 MB more than before the series.
        if (afterClear - before > 10 * 1024)
            status = 2;
    }
    return status;
}
