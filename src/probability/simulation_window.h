// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "probability/rules/outcome_history.h"
#include "shell/form.h"

#include <array>
#include <cstdint>

// Tosses a coin and throws a die, one at a time or in series, with the history of the outcomes,
// their counts and their percentages; one tab for each experiment. The histories are the
// program's model (probability::SimulationHistories): the window adds to them and its lists show
// them.
class SimulationWindow : public Form {
public:
    static const ui::WindowDescription description;
    explicit SimulationWindow(Program& program);

    // The two tabs, coin first.
    static inline const ui::Ref<TabControl> experimentTabs{"epreuve"};

    // The coin's tab.
    static inline const ui::Ref<Button> coinTossButton{"Command1"};
    static inline const ui::Ref<Button> coinSeriesButton{"Command2"};
    static inline const ui::Ref<Button> coinClearButton{"Command3"};
    static inline const ui::Ref<Label> coinResultLabel{"Label1"}; // inside the drawn coin
    static inline const ui::Ref<ListBox> coinHistoryList{"List1"};
    static inline const ui::Ref<Label> tossCountLabel{"Label12"};
    static inline const ui::Ref<Label> pileCountLabel{"Label13"};
    static inline const ui::Ref<Label> faceCountLabel{"Label14"};
    static inline const ui::Ref<Label> pilePercentLabel{"Label8"};
    static inline const ui::Ref<Label> facePercentLabel{"Label9"};
    static inline const ui::Ref<Button> coinFrequenciesButton{"Command7"};

    // The die's tab.
    static inline const ui::Ref<Button> dieThrowButton{"Command5"};
    static inline const ui::Ref<Button> dieSeriesButton{"Command4"};
    static inline const ui::Ref<Button> dieClearButton{"Command6"};
    static inline const ui::Ref<ListBox> dieHistoryList{"List2"};
    static inline const ui::Ref<Label> throwCountLabel{"Label37"};
    static inline const ui::Ref<Button> dieFrequenciesButton{"Command8"};
    // The percentage of each face, faces 1 to 6.
    static inline const std::array<ui::Ref<Label>, 6> facePercentLabels{
        {{"Label29"}, {"Label30"}, {"Label31"}, {"Label32"}, {"Label33"}, {"Label34"}}};
    // The pips, in the order of the bits of a pip set: top left, middle left, bottom left, centre,
    // top right, middle right, bottom right.
    static inline const std::array<ui::Ref<Shape>, 7> pips{
        {{"Shape5"}, {"Shape4"}, {"Shape8"}, {"Shape9"}, {"Shape7"}, {"Shape3"}, {"Shape6"}}};

    // Throws the die n times, letting events run before each throw; both die buttons use it.
    void throwDie(std::int32_t n);

    void tossCoin();
    void tossCoinSeries(); // asks for the length first
    void clearCoin();
    void throwDieOnce();
    void throwDieSeries(); // asks for the length first
    void clearDie();
    // Shows the frequencies window beside this one, on the coin or on the die.
    void showCoinFrequencies();
    void showDieFrequencies();

protected:
    void arrange() override;
    void load() override;
    void afterCloseByPupil() override;

private:
    void tossOnce();
    void showDieStatistics();
    void showFrequencies(probability::Experiment experiment);

    // During a series the coin's labels and the die's pips change far more often than the pupil
    // can see: they are written when events next run and when the series ends, always with the
    // values of the last toss or throw.
    void showLater();
    void showNow();

    // Window-level values: they stay when the pupil closes the window.
    std::int64_t m_pileCount = 0;
    std::int64_t m_faceCount = 0;
    probability::Coin m_coinResult = probability::Coin::Face;
    std::int32_t m_seriesLength = 0;
    std::int64_t m_dieTotal = 0;
    std::array<std::int64_t, 6> m_faceCounts{};

    int m_lastFace = 0;
    bool m_coinShowPending = false;
    bool m_pipsShowPending = false;
    bool m_showQueued = false;
    bool m_seriesUnderWay = false;
    // The program's model: the histories outlive the window's controls, emptied when the pupil
    // closes it.
    probability::SimulationHistories& m_histories;
};
