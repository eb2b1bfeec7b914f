// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the simulation window and the frequencies window beside it, for a screenshot: after a
// coin series of 10 000 tosses and 1 000 samples of 100 tosses ("coin"), or after a die series of
// 10 000 throws and 1 000 samples of 100 throws ("die"). Prints "ready" and waits until killed.
#include "test_program.h"

#include "probability/frequencies_window.h"
#include "probability/simulation_window.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

#include <QApplication>

#include <cstdio>
#include <random>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpTestApplication();
    const bool die = argc > 1 && QByteArray(argv[1]) == "die";
    TestProgram tp;
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
    frequencies.get(FrequenciesWindow::sampleCountBox).setText(QStringLiteral("1000"));
    frequencies.get(FrequenciesWindow::sampleSizeBox).setText(QStringLiteral("100"));
    frequencies.get(FrequenciesWindow::simulateButton).click();
    QApplication::processEvents();
    std::printf("ready\n");
    std::fflush(stdout);
    return QApplication::exec();
}
