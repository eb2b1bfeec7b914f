// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the simulation window and the frequencies window beside it, for a screenshot: after a
// coin series of 10 000 tosses and 1 000 samples of 100 tosses ("coin"), or after a die series of
// 10 000 throws and 1 000 samples of 100 throws ("die"), with a comma or, given "point", a point as
// decimal separator: frequency_shots coin|die [comma|point] [folder]. Given a folder, it saves the two
// windows' pictures there (simulation.png, frequencies.png) and ends; else it prints "ready" and waits
// until killed.
#include "test_program.h"

#include "probability/frequencies_window.h"
#include "probability/simulation_window.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cstdio>
#include <random>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpTestApplication();
    const bool die = argc > 1 && QByteArray(argv[1]) == "die";
    const char separator = argc > 2 && QByteArray(argv[2]) == "point" ? '.' : ',';
    TestProgram tp(separator);
    std::mt19937 generator(2026);
    std::uniform_real_distribution<float> uniform(0.0f, 1.0f);
    for (int i = 0; i < 10000; ++i)
        tp.draws.values.push_back(std::min(uniform(generator), 0x1.fffffep-1f));
    auto& simulation = tp->get<SimulationWindow>();
    simulation.show();
    simulation.window().move(0, 0);
    tp.dialogs.inputAnswers = {QStringLiteral("10000")};
    simulation.get(die ? SimulationWindow::dieSeriesButton : SimulationWindow::coinSeriesButton).click();
    simulation.get(die ? SimulationWindow::dieFrequenciesButton : SimulationWindow::coinFrequenciesButton)
        .click();
    auto& frequencies = tp->get<FrequenciesWindow>();
    // Samples drawn from a fixed seed: the same picture at every run.
    frequencies.setSampler([](std::int32_t n, double p) -> probability::SampleDraw {
        return [generator = std::mt19937_64(2026),
                law = std::binomial_distribution<std::int32_t>(n, p)]() mutable { return law(generator); };
    });
    frequencies.get(FrequenciesWindow::sampleCountBox).setText(QStringLiteral("1000"));
    frequencies.get(FrequenciesWindow::sampleSizeBox).setText(QStringLiteral("100"));
    frequencies.get(FrequenciesWindow::simulateButton).click();
    QApplication::processEvents();
    if (argc > 3) {
        // Long enough for the lists' and charts' batches to reach the screen.
        QTest::qWait(300);
        const QString folder = QString::fromLocal8Bit(argv[3]);
        QDir().mkpath(folder);
        simulation.window().grab().save(folder + QStringLiteral("/simulation.png"));
        frequencies.window().grab().save(folder + QStringLiteral("/frequencies.png"));
        return 0;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return QApplication::exec();
}
