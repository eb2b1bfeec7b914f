// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "probability/rules/simulation.h"
#include "shell/form.h"

#include <QPointer>

#include <array>
#include <cstdint>

namespace ui {
class ListBox;
} // namespace ui

// Tosses a coin and throws a die, one at a time or in series, with the history of the outcomes,
// their counts and their percentages; one tab for each experiment.
class SimulationWindow : public Form {
public:
    static const ui::WindowDescription description;
    explicit SimulationWindow(Program& program)
        : Form(program, description) {}

    // Throws the die n times, letting events run before each throw; both die buttons use it.
    void Dé(std::int32_t n);

    void Command1_Click(); // coin "Lancé"
    void Command2_Click(); // coin "Auto"
    void Command3_Click(); // coin "Effacer"
    void Command5_Click(); // die "Lancé"
    void Command4_Click(); // die "Auto"
    void Command6_Click(); // die "Effacer"

protected:
    void arrange() override;
    void load() override;
    void afterCloseByPupil() override;

private:
    void toss();
    void showDieStatistics();
    // The histories: one short text per outcome, written through these two alone.
    void addToCoinHistory(Coin outcome);
    void addToDieHistory(int face);
    ui::ListBox& history(bool die);

    // During a series the coin's labels and the die's pips change far more often than the pupil
    // can see: they are written when events next run and when the series ends, always with the
    // values of the last toss or throw.
    void showLater();
    void showNow();

    // Window-level values: they stay when the pupil closes the window.
    std::int64_t m_pileCount = 0;
    std::int64_t m_faceCount = 0;
    Coin m_coinResult = Coin::Face;
    std::int32_t m_seriesLength = 0;
    std::int64_t m_dieTotal = 0;
    std::array<std::int64_t, 6> m_faceCounts{};

    int m_lastFace = 0;
    bool m_coinShowPending = false;
    bool m_pipsShowPending = false;
    bool m_showQueued = false;
    // The two history lists of the window as last built, reached again only after it was rebuilt.
    QPointer<ui::FormWindow> m_historiesOf;
    ui::ListBox* m_coinHistory = nullptr;
    ui::ListBox* m_dieHistory = nullptr;
};
