// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/frequencies_window.h"

#include "probability/rules/combination_steps.h"
#include "shell/input_filters.h"
#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/chart_view.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/keyboard_access.h"

#include <QTimer>

#include <array>
#include <chrono>
#include <vector>

namespace {
using namespace ui;
using namespace probability;
using W = FrequenciesWindow;
using Clock = std::chrono::steady_clock;

const FontSpec kHeading{.points = 12, .bold = true};
constexpr Qt::Alignment kMiddleLeft = Qt::AlignLeft | Qt::AlignVCenter;
// A run of samples shows how far it has gone once it has taken this long, then this often.
constexpr auto kProgressAfter = std::chrono::milliseconds(250);
constexpr auto kProgressEvery = std::chrono::milliseconds(200);
// The law's chart keeps about one column of throws per pixel across.
constexpr int kLawColumns = 8490 / 15;
// While a series runs, the law's chart and sentence show a change a while after it came (the
// pace, kLawShowPace: ten pictures a second at most), or later when painting the chart would take more
// than a 25th of the time: the throws come first. A series of a million die throws (about 60 ms)
// is shown once, when it ends.
constexpr int kLawChartCostShare = 25;

const ControlRow kControls[] = {
    {.control = label("Label3"),
     .caption = "Loi des grands nombres",
     .rect = {240, 120, 4200, 330},
     .font = kHeading,
     .alignment = kMiddleLeft},
    {.control = W::successLabel,
     .caption = "Succès :",
     .rect = {4440, 135, 1860, 300},
     .alignment = Qt::AlignRight | Qt::AlignVCenter},
    {.control = W::faceBox, .rect = {6420, 120, 2310, 330}, .accessibleName = "Face comptée comme succès"},
    {.control = W::lawChart, .rect = {240, 540, 8490, 2700}, .accessibleName = "Loi des grands nombres"},
    {.control = W::lastFrequencyLabel, .rect = {240, 3300, 8490, 300}, .alignment = kMiddleLeft},
    {.control = label("Label5"),
     .caption = "Fluctuation d'échantillonnage",
     .rect = {240, 3720, 5000, 330},
     .font = kHeading,
     .alignment = kMiddleLeft},
    {.control = label("Label6"),
     .caption = "Nombre d'échantillons N",
     .rect = {240, 4140, 2340, 300},
     .alignment = kMiddleLeft},
    {.control = W::sampleCountBox,
     .caption = "100",
     .rect = {2580, 4110, 1200, 330},
     .handler = call(&W::checkSampleCount)},
    {.control = label("Label7"),
     .caption = "Taille des échantillons n",
     .rect = {3960, 4140, 2280, 300},
     .alignment = kMiddleLeft},
    {.control = W::sampleSizeBox,
     .caption = "100",
     .rect = {6240, 4110, 1200, 330},
     .handler = call(&W::checkSampleSize)},
    {.control = W::simulateButton,
     .caption = "Simuler",
     .rect = {7620, 4080, 1110, 390},
     .handler = call(&W::simulateSamples)},
    {.control = W::samplesChart,
     .rect = {240, 4560, 8490, 2700},
     .accessibleName = "Fluctuation d'échantillonnage"},
    {.control = W::detailButton,
     .caption = "Détail",
     .rect = {7620, 3660, 1110, 390},
     .accessibleName = "Détail du calcul",
     .handler = call(&W::showDetails)},
    {.control = W::proportionLabel, .rect = {240, 7320, 8490, 540}, .wordWrap = true, .announceAs = "%1"},
};

} // namespace

const WindowDescription FrequenciesWindow::description{
    .name = "d_Proba_freq",
    .title = "Fréquences",
    .border = FormWindow::Border::FixedSingle,
    .width = 8970,
    .height = 7980,
    .backColor = colours::silver,
    .accessibleName = "Fréquences des échantillons",
    .mainButton = W::simulateButton,
    .f1Presses = W::detailButton,
    .controls = kControls,
};

FrequenciesWindow::FrequenciesWindow(Program& program)
    : Form(program, description)
    , m_histories(program.model<SimulationHistories>())
    , m_trace(kLawColumns) {
    m_lawPicture.trace = &m_trace;
    m_lawPicture.decimalSeparator = program.numbers().decimalSeparator();
    m_samplesPicture.samples = &m_samples;
    m_samplesPicture.decimalSeparator = program.numbers().decimalSeparator();
    m_lawShowTimer.setSingleShot(true);
    connect(&m_lawShowTimer, &QTimer::timeout, this, [this] {
        if (hasControls())
            showLaw();
    });
}

FrequenciesWindow::~FrequenciesWindow() {
    if (m_followed)
        m_followed->removeObserver(this);
}

void FrequenciesWindow::load() {
    ComboBox& faces = get(faceBox);
    faces.setEditable(false);
    for (int face = 1; face <= 6; ++face)
        faces.addItem(QStringLiteral("Face %1").arg(face));
    faces.setCurrentIndex(m_face - 1);
    // Screen readers say the box by its label, « Succès : », in place of the face it shows: the
    // label's spoken name carries the face too.
    Label& success = get(successLabel);
    success.setBuddy(&faces);
    const auto nameLabel = [&success, &faces] {
        success.setAccessibleName(success.caption() + QLatin1Char(' ') + faces.currentText());
    };
    nameLabel();
    connect(&faces, &QComboBox::currentIndexChanged, &success, nameLabel);
    connect(&faces, &QComboBox::currentIndexChanged, this, [this](int index) { chooseFace(index); });
    get(lawChart).setPicture(&m_lawPicture);
    get(samplesChart).setPicture(&m_samplesPicture);
    // Tab stops on the charts, so that screen readers say what they show (their descriptions).
    new KeyboardAccess(&get(lawChart), {});
    new KeyboardAccess(&get(samplesChart), {});
    showLaw();
    showSamples();
}

void FrequenciesWindow::afterCloseByPupil() {
    // Closing the window stops a run of samples; what it had drawn goes with it.
    if (m_running) {
        stopSampling();
        m_samples = {};
    }
}

void FrequenciesWindow::follow(Experiment experiment) {
    OutcomeHistory& history = m_histories.of(experiment);
    if (m_followed == &history)
        return;
    if (m_followed)
        m_followed->removeObserver(this);
    m_followed = &history;
    history.addObserver(this);
    if (m_experiment != experiment) {
        // The samples were of the other experiment.
        stopSampling();
        m_samples = {};
    }
    m_experiment = experiment;
    readHistory();
    if (hasControls())
        showSamples();
}

std::uint8_t FrequenciesWindow::successCode() const {
    return m_experiment == Experiment::Coin ? std::uint8_t(Coin::Pile) : std::uint8_t(m_face - 1);
}

Chance FrequenciesWindow::chance() const {
    return m_experiment == Experiment::Coin ? Chance{1, 2} : Chance{1, 6};
}

QString FrequenciesWindow::successName() const {
    return m_experiment == Experiment::Coin ? QStringLiteral("PILE")
                                            : QStringLiteral("la face %1").arg(m_face);
}

// The counts behind the sentence: the success and the other outcomes, their frequencies as
// fractions, and the band p ± 1/√n.
void FrequenciesWindow::explainLaw(std::int64_t throws, std::int64_t successes, Chance p) {
    const bool coin = m_experiment == Experiment::Coin;
    const std::string success = successName().toStdString();
    std::vector<probability::Outcome> outcomes{{.name = coin ? "PILE" : "La face " + std::to_string(m_face),
                                                .count = successes,
                                                .probabilityNum = p.numerator,
                                                .probabilityDen = p.denominator},
                                               {.name = coin ? "FACE" : "Les autres faces",
                                                .count = throws - successes,
                                                .probabilityNum = p.denominator - p.numerator,
                                                .probabilityDen = p.denominator}};
    explain(probability::frequencySteps(
        program().numbers(), "Fréquence de " + success + " après " + std::to_string(throws) + " lancers",
        outcomes));
}

void FrequenciesWindow::readHistory() {
    m_trace.reset(kLawColumns);
    m_throwsRead = 0;
    readNewThrows();
    if (hasControls())
        showLaw();
}

bool FrequenciesWindow::readNewThrows() {
    const std::size_t length = m_followed ? m_followed->size() : 0;
    if (length == m_throwsRead)
        return false;
    if (length < m_throwsRead) { // emptied without a word: start again
        m_trace.clear();
        m_throwsRead = 0;
    }
    if (length > m_throwsRead) {
        // The history's codes, a block at a time.
        std::vector<std::uint8_t> block(std::min<std::size_t>(length - m_throwsRead, 1 << 16));
        const std::uint8_t success = successCode();
        while (m_throwsRead < length) {
            const std::size_t end = std::min(length, m_throwsRead + block.size());
            m_followed->copy(m_throwsRead, end, block.data());
            m_trace.add(std::span(block).first(end - m_throwsRead), success);
            m_throwsRead = end;
        }
    }
    return true;
}

void FrequenciesWindow::historyGrew(const OutcomeHistory&, bool seriesGoesOn) {
    const bool changed = readNewThrows();
    if (!hasControls())
        return;
    if (changed || (!seriesGoesOn && m_lawShowTimer.isActive())) // a series' end is shown at once
        showLaw(seriesGoesOn);
}

void FrequenciesWindow::historyCleared(const OutcomeHistory&) {
    m_trace.clear();
    m_throwsRead = 0;
    if (hasControls())
        showLaw();
}

void FrequenciesWindow::chooseFace(int index) {
    if (index < 0 || index > 5 || index + 1 == m_face)
        return;
    m_face = index + 1;
    readHistory();
}

void FrequenciesWindow::showLaw(bool paced) {
    if (paced) {
        if (!m_lawShowTimer.isActive()) {
            const auto every =
                std::max<Clock::duration>(m_lawShowPace, kLawChartCostShare * m_lawPicture.paintCost);
            m_lawShowTimer.start(std::chrono::ceil<std::chrono::milliseconds>(every));
        }
        return;
    }
    m_lawShowTimer.stop();
    const bool die = m_experiment == Experiment::Die;
    Label& success = get(successLabel);
    success.setCaption(die ? QStringLiteral("Succès :") : QStringLiteral("Succès : PILE"));
    get(faceBox).setVisible(die);

    const Chance p = chance();
    QString sentence;
    if (const auto f = m_trace.frequency()) {
        const std::int64_t n = m_trace.throws();
        sentence = QStringLiteral("Après %1 %2 : fréquence de %3 : %4")
                       .arg(groupedText(n), n == 1 ? QStringLiteral("lancer") : QStringLiteral("lancers"),
                            successName(), decimalText(*f, 4, program().numbers().decimalSeparator()));
        explainLaw(n, m_trace.successes(), p);
    } else {
        sentence = die ? QStringLiteral("Aucun lancer : lancez le dé dans la fenêtre de simulation.")
                       : QStringLiteral("Aucun lancer : lancez la pièce dans la fenêtre de simulation.");
    }
    get(lastFrequencyLabel).setCaption(sentence);
    m_lawPicture.p = p.value();
    m_lawPicture.said = sentence + QStringLiteral(" ; probabilité p = %1 ; la fréquence se rapproche de p, "
                                                  "entre les courbes p − 1/√n et p + 1/√n.")
                                       .arg(die ? QStringLiteral("1/6") : QStringLiteral("1/2"));
    get(lawChart).refresh();
}

void FrequenciesWindow::showSamples() {
    QString sentence;
    const char separator = program().numbers().decimalSeparator();
    if (const auto percent = wholePercent(m_samples.inside, m_samples.count())) {
        const double p = m_samples.chance.value();
        const double n = double(m_samples.size);
        // Four decimals, or as many more as it takes to tell the band's ends apart.
        int decimals = 4;
        while (decimals < 12 && decimalText(bandLow(p, n), decimals, separator) ==
                                    decimalText(bandHigh(p, n), decimals, separator))
            ++decimals;
        sentence = QStringLiteral("%1 % des échantillons ont une fréquence dans l'intervalle "
                                  "[p − 1/√n ; p + 1/√n]\n(%2 sur %3 ; p = %4 et n = %5 : [%6 ; %7])")
                       .arg(*percent)
                       .arg(groupedText(m_samples.inside), groupedText(m_samples.count()),
                            m_samples.chance.denominator == 2 ? QStringLiteral("1/2") : QStringLiteral("1/6"),
                            groupedText(m_samples.size), decimalText(bandLow(p, n), decimals, separator),
                            decimalText(bandHigh(p, n), decimals, separator));
    }
    setTextOf(proportionLabel, toUtf8(sentence));
    m_samplesPicture.said = sentence.isEmpty()
                                ? QStringLiteral("Aucun échantillon : choisissez N et n, puis « Simuler ».")
                                : QString(sentence).replace(u'\n', u' ');
    get(samplesChart).refresh();
}

void FrequenciesWindow::showProgress(std::int64_t done, std::int64_t total) {
    get(proportionLabel)
        .setCaption(QStringLiteral("Simulation en cours : %1 échantillons sur %2 (%3 %)")
                        .arg(groupedText(done), groupedText(total))
                        .arg(int(done * 100 / std::max<std::int64_t>(total, 1))));
    m_samplesPicture.said = get(proportionLabel).caption();
    get(samplesChart).refresh();
}

void FrequenciesWindow::checkSampleCount() {
    boxFilters::apply(*this, sampleCountBox, boxFilters::wholeNumbers);
}

void FrequenciesWindow::checkSampleSize() {
    boxFilters::apply(*this, sampleSizeBox, boxFilters::wholeNumbers);
}

std::optional<std::int32_t> FrequenciesWindow::readWhole(const ui::Ref<TextBox>& box, std::int32_t most,
                                                         const QString& complaint) {
    const std::optional<std::int32_t> value = program().numbers().toInt32(textOf(box));
    if (value && *value >= 1 && *value <= most)
        return value;
    program().message(complaint);
    // The message let events run: the window may have been closed meanwhile.
    TextBox& reached = get(box);
    reached.setFocus();
    reached.selectAll();
    return std::nullopt;
}

void FrequenciesWindow::stopSampling() {
    ++m_run;
    m_running = false;
    if (hasControls())
        get(simulateButton).setEnabled(true);
}

void FrequenciesWindow::simulateSamples() {
    if (m_running)
        return;
    const auto count = readWhole(sampleCountBox, kMostSamples,
                                 QStringLiteral("Le nombre d'échantillons N doit être un nombre entier "
                                                "de 1 à 1 000 000."));
    if (!count)
        return;
    const auto size = readWhole(sampleSizeBox, INT32_MAX,
                                QStringLiteral("La taille n des échantillons doit être un nombre entier "
                                               "de 1 à 2 147 483 647."));
    if (!size)
        return;

    const int run = ++m_run;
    m_running = true;
    // The button that has the keyboard stays enabled (a press meanwhile does nothing): disabled,
    // it would send the keyboard, and the screen reader with it, to the next control.
    if (!get(simulateButton).hasFocus())
        get(simulateButton).setEnabled(false);
    m_samples = {.size = *size, .chance = chance(), .successes = {}, .inside = 0};
    m_samples.successes.reserve(std::size_t(*count));
    showSamples();
    const SampleDraw draw = m_sampler(*size, m_samples.chance.value());
    Pump& pump = program().pump();
    const auto start = Clock::now();
    auto shown = start;
    for (std::int32_t i = 0; i < *count; ++i) {
        if (pump.due()) {
            const auto now = Clock::now();
            if (now - start >= kProgressAfter && now - shown >= kProgressEvery && hasControls()) {
                showProgress(i, *count);
                shown = now;
            }
            pump();
            // Closed, ended, or the experiment changed meanwhile: this run is over.
            if (program().ended() || run != m_run)
                return;
        }
        m_samples.add(draw());
    }
    m_running = false;
    get(simulateButton).setEnabled(true);
    showSamples();
}
