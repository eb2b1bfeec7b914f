// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "probability/frequency_charts.h"
#include "probability/rules/frequencies.h"
#include "probability/rules/outcome_history.h"
#include "shell/form.h"

#include <QTimer>

#include <chrono>
#include <cstdint>

// The frequencies of the simulation's coin or die: the frequency of a success along the history
// as it grows (the law of large numbers), and the frequencies of many samples of n throws against
// the band p ± 1/√n (sampling fluctuation). It follows one of the simulation's histories, the
// program's model (probability::SimulationHistories), as it grows.
class FrequenciesWindow : public Form, private probability::HistoryObserver {
public:
    static const ui::WindowDescription description;
    explicit FrequenciesWindow(Program& program);
    ~FrequenciesWindow() override;

    // The law of large numbers.
    static inline const ui::Ref<ChartView> lawChart{"Picture1"};
    static inline const ui::Ref<Label> lastFrequencyLabel{"Label2"};
    static inline const ui::Ref<Label> successLabel{"Label4"};
    static inline const ui::Ref<ComboBox> faceBox{"Combo1"}; // the die's face that counts as a success
    // Sampling fluctuation.
    static inline const ui::Ref<TextBox> sampleCountBox{"Text1"}; // N
    static inline const ui::Ref<TextBox> sampleSizeBox{"Text2"};  // n
    static inline const ui::Ref<Button> simulateButton{"Command1"};
    static inline const ui::Ref<ChartView> samplesChart{"Picture2"};
    static inline const ui::Ref<Label> proportionLabel{"Label1"};
    static inline const ui::Ref<Button> detailButton{"showDetail"};

    static constexpr std::int32_t kMostSamples = 1'000'000;
    // How long a change made during a series waits, at least, to be shown.
    static constexpr std::chrono::milliseconds kLawShowPace{100};

    // Follows the coin's or the die's history, from the throws it already holds.
    void follow(probability::Experiment experiment);
    probability::Experiment experiment() const { return m_experiment; }
    // The draw of the samples; tests give their own.
    void setSampler(probability::Sampler sampler) { m_sampler = std::move(sampler); }
    // Tests give a pace of their own.
    void setLawShowPace(std::chrono::milliseconds pace) { m_lawShowPace = pace; }
    bool sampling() const { return m_running; }

    void checkSampleCount();
    void checkSampleSize();
    void simulateSamples();
    void chooseFace(int index);

protected:
    void load() override;
    void afterCloseByPupil() override;

private:
    void historyGrew(const probability::OutcomeHistory& history, bool seriesGoesOn) override;
    void historyCleared(const probability::OutcomeHistory& history) override;

    std::uint8_t successCode() const;
    probability::Chance chance() const;
    void explainLaw(std::int64_t throws, std::int64_t successes, probability::Chance p);
    QString successName() const;
    // Reads the throws added to the followed history since the last reading.
    // Whether there were any.
    bool readNewThrows();
    void readHistory();
    // During a series (`paced`) a while later, at a pace; anything else at once.
    void showLaw(bool paced = false);
    void showSamples();
    void showProgress(std::int64_t done, std::int64_t total);
    void stopSampling();
    std::optional<std::int32_t> readWhole(const ui::Ref<TextBox>& box, std::int32_t most,
                                          const QString& complaint);

    // Window-level values: they stay when the pupil closes the window.
    probability::SimulationHistories& m_histories;
    probability::OutcomeHistory* m_followed = nullptr;
    probability::Experiment m_experiment = probability::Experiment::Coin;
    int m_face = 6;
    probability::FrequencyTrace m_trace;
    probability::Samples m_samples;
    probability::Sampler m_sampler = probability::binomialSampler();
    LawOfLargeNumbersChart m_lawPicture;
    SamplesChart m_samplesPicture;
    std::size_t m_throwsRead = 0;
    // Runs while a series has changed the law's chart and sentence and they wait to be shown.
    QTimer m_lawShowTimer;
    std::chrono::milliseconds m_lawShowPace = kLawShowPace;
    bool m_running = false;
    int m_run = 0; // raised to stop the run of samples under way
};
