// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/simulation_window.h"

#include "probability/frequencies_window.h"

#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/list_box.h"
#include "shell/toolkit/tab_control.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QScopedValueRollback>
#include <QTimer>

#include <algorithm>

#include <numeric>
#include <vector>

using numbers::NumberFormat;

namespace {
using namespace ui;
using namespace probability;
using W = SimulationWindow;

const QString kCoinPage = QStringLiteral("epreuve(0)");
const QString kDiePage = QStringLiteral("epreuve(1)");

// The pips' top-left corners, in the order of W::pips.
constexpr std::array<std::pair<int, int>, 7> kPipCorners{
    {{1920, 840}, {1920, 1200}, {1920, 1560}, {2280, 1200}, {2640, 840}, {2640, 1200}, {2640, 1560}}};

// Both tabs: the buttons on the left, the history on the right.
constexpr twips::Rect kUpperButton{240, 720, 1215, 435};
constexpr twips::Rect kLowerButton{240, 1320, 1215, 435};
constexpr twips::Rect kHistoryHeading{5160, 570, 2295, 330};
constexpr twips::Rect kHistory{5160, 960, 2295, 2760};
constexpr twips::Rect kHistoryClear{5700, 3840, 1215, 375};
// Under "Auto", clear of the coin and of the die's table.
constexpr twips::Rect kFrequenciesButton{240, 1860, 1215, 375};
const FontSpec kHeading{.points = 12};
constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignTop;

ControlRow rule(const QString& page, int index, LineEnds ends) {
    return {.control = {Kind::Line, QStringLiteral("Line%1").arg(index)},
            .parent = page,
            .ends = ends,
            .foreColor = colours::midGrey};
}

// A cell of a statistics table: a caption centred in a column.
ControlRow cell(const QString& page, const QString& name, const QString& caption, int columnLeft, int top,
                int height = 255) {
    return {.control = {Kind::Label, name},
            .parent = page,
            .caption = caption,
            .rect = {columnLeft + 30, top, 660, height},
            .alignment = kCentred};
}
// A percentage fills its column from one rule to the next, on one line: see fitOnOneLine().
ControlRow percentCell(const QString& page, const QString& name, int columnLeft, int top, int height,
                       const QString& said) {
    return {.control = {Kind::Label, name},
            .parent = page,
            .rect = {columnLeft + 15, top, 690, height},
            .alignment = kCentred,
            .announceAs = said + QStringLiteral(" : %1 %")};
}

// A percentage of 15 significant digits is twice as wide as its column in the usual font. It keeps one
// line in its column, written as tall as it fits: the usual font when there is room, else the same face
// narrowed down to kNarrowest of its width, and only then smaller, down to kSmallest pixels. Narrowed,
// it also shows whole in the label's tooltip.
constexpr int kNarrowest = 50; // per cent of the usual width
constexpr int kSmallest = 7;   // pixels
void fitOnOneLine(Label& label) {
    const QString text = label.caption();
    const qreal room = label.contentsRect().width() - 2; // a pixel clear of each side
    QFont font = FontSpec{}.toFont();
    const auto width = [&](const QFont& f) { return QFontMetricsF(f).horizontalAdvance(text); };
    const bool narrowed = width(font) > room;
    if (narrowed) {
        for (int pixels = QFontInfo(font).pixelSize(); pixels >= kSmallest; --pixels) {
            font.setPixelSize(pixels);
            font.setStretch(100);
            int stretch = int(100 * room / width(font));
            while (stretch >= kNarrowest) {
                font.setStretch(std::min(stretch, 100));
                if (width(font) <= room)
                    break;
                --stretch;
            }
            if (stretch >= kNarrowest)
                break;
            font.setStretch(kNarrowest);
        }
    }
    if (label.font() != font)
        label.setFont(font);
    label.setToolTip(narrowed ? text : QString());
}

const std::vector<ControlRow> kControls = [] {
    const QString& coin = kCoinPage;
    const QString& die = kDiePage;
    std::vector<ControlRow> rows = {
        {.control = W::experimentTabs, .rect = {240, 240, 7815, 4335}},
        {.control = {Kind::TabPage, coin}, .parent = W::experimentTabs.name, .caption = "Pile ou face"},
        {.control = {Kind::TabPage, die}, .parent = W::experimentTabs.name, .caption = "Lancé d'un dé"},

        // The coin
        {.control = W::coinTossButton,
         .parent = coin,
         .caption = "Lancé",
         .rect = kUpperButton,
         .handler = call(&W::tossCoin)},
        {.control = W::coinSeriesButton,
         .parent = coin,
         .caption = "Auto",
         .rect = kLowerButton,
         .handler = call(&W::tossCoinSeries)},
        {.control = W::coinFrequenciesButton,
         .parent = coin,
         .caption = "Fréquences",
         .rect = kFrequenciesButton,
         .handler = call(&W::showCoinFrequencies)},
        {.control = shape("Shape1"),
         .parent = coin,
         .rect = {1620, 720, 1575, 1575},
         .shape = Shape::Kind::Circle},
        {.control = W::coinResultLabel,
         .parent = coin,
         .rect = {1680, 1215, 1455, 585},
         .font = {.points = 24},
         .alignment = Qt::AlignCenter,
         .accessibleName = "Résultat du lancer",
         .announceAs = "Résultat du lancer : %1"},
        {.control = label("Label2"),
         .parent = coin,
         .caption = "Historique",
         .rect = kHistoryHeading,
         .font = kHeading,
         .alignment = kCentred},
        {.control = W::coinHistoryList, .parent = coin, .rect = kHistory},
        {.control = W::coinClearButton,
         .parent = coin,
         .caption = "Effacer",
         .rect = kHistoryClear,
         .handler = call(&W::clearCoin)},
        rule(coin, 1, {0, 2880, 4680, 2880}),
        rule(coin, 2, {3240, 3360, 4680, 3360}),
        rule(coin, 3, {3240, 2880, 3240, 4320}),
        rule(coin, 4, {3960, 2880, 3960, 4320}),
        rule(coin, 5, {4680, 2880, 4680, 4320}),
        {.control = label("Label3"),
         .parent = coin,
         .caption = "Nombre de lancés",
         .rect = {120, 3000, 1545, 255}},
        {.control = W::tossCountLabel,
         .parent = coin,
         .rect = {1680, 3000, 1500, 255},
         .announceAs = "Nombre de lancés : %1"},
        {.control = label("Label4"),
         .parent = coin,
         .caption = "Nombre de piles",
         .rect = {120, 3360, 1545, 255}},
        {.control = W::pileCountLabel,
         .parent = coin,
         .rect = {1680, 3360, 1500, 255},
         .announceAs = "Nombre de piles : %1"},
        {.control = label("Label5"),
         .parent = coin,
         .caption = "Nombres de faces",
         .rect = {120, 3720, 1545, 255}},
        {.control = W::faceCountLabel,
         .parent = coin,
         .rect = {1680, 3720, 1500, 255},
         .announceAs = "Nombre de faces : %1"},
        cell(coin, "Label6", "Piles", 3240, 3030),
        percentCell(coin, W::pilePercentLabel.name, 3240, 3420, 585, "Piles"),
        cell(coin, "Label11", "%", 3240, 4020),
        cell(coin, "Label7", "Faces", 3960, 3030),
        percentCell(coin, W::facePercentLabel.name, 3960, 3420, 585, "Faces"),
        cell(coin, "Label10", "%", 3960, 4020),

        // The die
        {.control = W::dieThrowButton,
         .parent = die,
         .caption = "Lancé",
         .rect = kUpperButton,
         .handler = call(&W::throwDieOnce)},
        {.control = W::dieSeriesButton,
         .parent = die,
         .caption = "Auto",
         .rect = kLowerButton,
         .handler = call(&W::throwDieSeries)},
        {.control = W::dieFrequenciesButton,
         .parent = die,
         .caption = "Fréquences",
         .rect = kFrequenciesButton,
         .handler = call(&W::showDieFrequencies)},
        {.control = shape("Shape2"),
         .parent = die,
         .rect = {1800, 720, 1215, 1215},
         .shape = Shape::Kind::Square},
    };
    // The pips' colour: the window-frame colour of the usual desktop themes. Qt names no such role,
    // and the die stands on the window's fixed light grey whatever the theme.
    for (std::size_t i = 0; i < W::pips.size(); ++i)
        rows.push_back({.control = W::pips[i],
                        .parent = die,
                        .rect = {kPipCorners[i].first, kPipCorners[i].second, 255, 255},
                        .foreColor = colours::black,
                        .backColor = colours::black,
                        .shape = Shape::Kind::Circle});
    rows.push_back({.control = label("Label16"),
                    .parent = die,
                    .caption = "Historique",
                    .rect = kHistoryHeading,
                    .font = kHeading,
                    .alignment = kCentred});
    rows.push_back({.control = W::dieHistoryList, .parent = die, .rect = kHistory});
    rows.push_back({.control = W::dieClearButton,
                    .parent = die,
                    .caption = "Effacer",
                    .rect = kHistoryClear,
                    .handler = call(&W::clearDie)});
    int line = 6;
    for (int y : {2280, 2760, 3120})
        rows.push_back(rule(die, line++, {0, y, 4320, y}));
    for (int x = 720; x <= 3600; x += 720)
        rows.push_back(rule(die, line++, {x, 2760, x, 4320}));
    rows.push_back(rule(die, line++, {4320, 2280, 4320, 4320}));
    rows.push_back({.control = label("Label15"),
                    .parent = die,
                    .caption = "Nombre de lancés",
                    .rect = {120, 2400, 1545, 255}});
    rows.push_back({.control = W::throwCountLabel,
                    .parent = die,
                    .caption = "0",
                    .rect = {1800, 2400, 255, 255},
                    .announceAs = "Nombre de lancés : %1"});
    for (int face = 1; face <= 6; ++face) {
        const int left = 720 * (face - 1);
        rows.push_back(
            cell(die, QStringLiteral("Label%1").arg(22 + face), QString::number(face), left, 2850));
        rows.push_back(percentCell(die, W::facePercentLabels[std::size_t(face - 1)].name, left, 3210, 705,
                                   QStringLiteral("Face %1").arg(face)));
        rows.push_back(cell(die, QStringLiteral("Label%1").arg(16 + face), QStringLiteral("%"), left, 3990));
    }
    return rows;
}();

} // namespace

const WindowDescription SimulationWindow::description{
    .name = "d_Proba_sim",
    .title = "Proba_sim",
    .border = FormWindow::Border::FixedSingle,
    .width = 8250,
    .height = 4875,
    .backColor = colours::silver,
    .accessibleName = "Jeu de hasard : pile ou face et lancer de dé",
    .controls = kControls,
};

void SimulationWindow::arrange() {
    get(throwCountLabel).adjustSize();
}

void SimulationWindow::load() {
    // The die's tab is in front when the window opens.
    get(experimentTabs).setCurrentIndex(1);
    // The histories keep one byte an outcome: its code, whose text is made when a line is shown.
    get(coinHistoryList).setCodeTexts({fromUtf8(coinText(Coin::Pile)), fromUtf8(coinText(Coin::Face))});
    QStringList faces;
    for (int face = 1; face <= 6; ++face)
        faces << fromUtf8(faceText(face));
    get(dieHistoryList).setCodeTexts(faces);
}

void SimulationWindow::afterCloseByPupil() {
    // What had still to be shown went with the closed window; the rebuilt one shows its layout
    // until the next toss or throw.
    m_coinShowPending = false;
    m_pipsShowPending = false;
    // The histories went with the window.
    if (m_listener) {
        m_listener->historyCleared(Experiment::Coin);
        m_listener->historyCleared(Experiment::Die);
    }
}

ListBox& SimulationWindow::history(bool die) {
    FormWindow* shown = &window();
    if (m_historiesOf != shown) {
        m_historiesOf = shown;
        m_coinHistory = &get(coinHistoryList);
        m_dieHistory = &get(dieHistoryList);
    }
    return die ? *m_dieHistory : *m_coinHistory;
}

void SimulationWindow::addToCoinHistory(Coin outcome) {
    ListBox& list = history(false);
    list.addCode(std::uint8_t(outcome));
    list.selectLast();
}

void SimulationWindow::addToDieHistory(int face) {
    ListBox& list = history(true);
    list.addCode(std::uint8_t(face - 1));
    list.selectLast();
}

void SimulationWindow::showLater() {
    if (m_showQueued)
        return;
    m_showQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_showQueued = false;
        showNow();
    });
}

void SimulationWindow::showNow() {
    // A series adds throws far faster than anyone can see: whoever follows the histories reads
    // what was added when the window shows it, not at every throw.
    if (m_listener)
        m_listener->historyGrew(m_seriesUnderWay);
    if (m_coinShowPending) {
        m_coinShowPending = false;
        const NumberFormat& numbers = program().numbers();
        const std::int64_t total = m_pileCount + m_faceCount;
        setTextOf(coinResultLabel, coinText(m_coinResult));
        setTextOf(tossCountLabel, NumberFormat::integerText(total));
        setTextOf(pileCountLabel, NumberFormat::integerText(m_pileCount));
        setTextOf(faceCountLabel, NumberFormat::integerText(m_faceCount));
        if (const auto piles = coinPercent(m_pileCount, total)) {
            setTextOf(pilePercentLabel, numbers.numberText(*piles));
            fitOnOneLine(get(pilePercentLabel));
        }
        if (const auto faces = coinPercent(m_faceCount, total)) {
            setTextOf(facePercentLabel, numbers.numberText(*faces));
            fitOnOneLine(get(facePercentLabel));
        }
    }
    if (m_pipsShowPending) {
        m_pipsShowPending = false;
        const std::uint8_t shown = pipsOf(m_lastFace);
        for (std::size_t i = 0; i < pips.size(); ++i)
            get(pips[i]).setVisible((shown >> i) & 1U);
        // The pips are a drawing: the throw button says in words which face they show.
        get(dieThrowButton).setAccessibleDescription(QStringLiteral("Face %1").arg(m_lastFace));
    }
}

void SimulationWindow::tossOnce() {
    const Coin outcome = coinToss(program().draws().draw());
    m_coinResult = outcome;
    addToCoinHistory(outcome);
    ++(outcome == Coin::Face ? m_faceCount : m_pileCount);
    m_coinShowPending = true;
    showLater();
}

void SimulationWindow::tossCoin() {
    tossOnce();
    showNow();
}

void SimulationWindow::tossCoinSeries() {
    const QString answer =
        program().dialogs().input(QStringLiteral("Combien de lancés ?"), QStringLiteral("nombre de lancés"));
    // A cancelled box, or an answer that is not a whole number, tosses nothing.
    const std::optional<std::int32_t> length = program().numbers().toInt32(toUtf8(answer));
    if (!length)
        return;
    m_seriesLength = *length;
    Pump& pump = program().pump();
    {
        const QScopedValueRollback underWay(m_seriesUnderWay, true);
        for (std::int64_t i = 1; i <= *length; ++i) {
            pump();
            if (program().ended())
                return;
            tossOnce();
        }
    }
    showNow();
}

void SimulationWindow::clearCoin() {
    // The labels keep what the last toss showed.
    showNow();
    history(false).clear();
    m_pileCount = 0;
    m_faceCount = 0;
    if (m_listener)
        m_listener->historyCleared(Experiment::Coin);
}

void SimulationWindow::throwDie(std::int32_t n) {
    Pump& pump = program().pump();
    Draws& draws = program().draws();
    const QScopedValueRollback underWay(m_seriesUnderWay, n > 1);
    for (std::int64_t i = 1; i <= n; ++i) {
        pump();
        if (program().ended())
            return;
        const int face = dieFace(draws.draw());
        addToDieHistory(face);
        ++m_faceCounts[std::size_t(face - 1)];
        m_lastFace = face;
        m_pipsShowPending = true;
        showLater();
    }
}

void SimulationWindow::showDieStatistics() {
    showNow();
    m_dieTotal = std::accumulate(m_faceCounts.begin(), m_faceCounts.end(), std::int64_t{0});
    // With no throw counted the percentages keep what they show.
    for (int face = 1; face <= 6; ++face)
        if (const auto percent = diePercent(m_faceCounts[std::size_t(face - 1)], m_dieTotal)) {
            setTextOf(facePercentLabels[std::size_t(face - 1)], program().numbers().numberText(*percent));
            fitOnOneLine(get(facePercentLabels[std::size_t(face - 1)]));
        }
    Label& total = get(throwCountLabel);
    total.setCaption(fromUtf8(NumberFormat::integerText(m_dieTotal)));
    total.adjustSize();
}

void SimulationWindow::throwDieOnce() {
    throwDie(1);
    if (!program().ended()) {
        showDieStatistics();
        announce(QStringLiteral("Face %1").arg(m_lastFace));
    }
}

void SimulationWindow::throwDieSeries() {
    const QString answer = program().dialogs().input(QStringLiteral("Entrer le nombre de lancés"),
                                                     QStringLiteral("Nombre de lancés"));
    const std::optional<std::int32_t> n = program().numbers().toInt32(toUtf8(answer));
    if (!n)
        return;
    throwDie(*n);
    if (!program().ended())
        showDieStatistics();
}

void SimulationWindow::clearDie() {
    // The pips and the percentages keep what they show.
    showNow();
    history(true).clear();
    if (m_listener)
        m_listener->historyCleared(Experiment::Die);
    m_faceCounts = {};
    m_dieTotal = 0;
    Label& total = get(throwCountLabel);
    total.setCaption(QStringLiteral("0"));
    total.adjustSize();
}

std::size_t SimulationWindow::historyLength(Experiment experiment) {
    // A window never built has empty histories; reading them must not build it.
    if (!hasControls())
        return 0;
    return history(experiment == Experiment::Die).model().codeCount();
}

void SimulationWindow::copyHistory(Experiment experiment, std::size_t begin, std::size_t end,
                                   std::uint8_t* out) {
    if (!hasControls())
        return;
    const ListLines& lines = history(experiment == Experiment::Die).model();
    lines.copyCodes(std::min(begin, lines.codeCount()), std::min(end, lines.codeCount()), out);
}

void SimulationWindow::showFrequencies(Experiment experiment) {
    auto& frequencies = program().get<FrequenciesWindow>();
    frequencies.follow(*this, experiment);
    frequencies.showBeside(*this);
}

void SimulationWindow::showCoinFrequencies() {
    showFrequencies(Experiment::Coin);
}

void SimulationWindow::showDieFrequencies() {
    showFrequencies(Experiment::Die);
}
