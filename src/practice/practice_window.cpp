// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practice_window.h"

#include "practice/rules/typography.h"
#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

#include <QComboBox>
#include <QLineEdit>

namespace {
using namespace ui;
using namespace practice;
using W = PracticeWindow;

constexpr int kWidth = 9000;
constexpr int kHeight = 7320;
const FontSpec kLarge{.points = 12};
const FontSpec kVerdict{.points = 12, .bold = true};

const ControlRow kControls[] = {
    {.control = label("Label5"), .caption = "Type d'exercice", .rect = {240, 180, 4800, 255}},
    {.control = W::kindBox, .rect = {240, 450, 4800, 345}},
    {.control = label("Label6"), .caption = "Niveau", .rect = {5280, 180, 1200, 255}},
    {.control = W::levelBox, .rect = {5280, 450, 1200, 345}},
    {.control = label("Label7"), .caption = "Série", .rect = {6720, 180, 2040, 255}},
    {.control = W::codeBox, .rect = {6720, 450, 2040, 345}, .accessibleName = "Code de la série"},
    {.control = W::questionLabel,
     .rect = {240, 1020, 8520, 1200},
     .font = kLarge,
     .wordWrap = true,
     .announceAs = "%1"},
    {.control = W::hintLabel,
     .rect = {240, 2250, 8520, 480},
     .font = {.italic = true},
     .wordWrap = true,
     .announceAs = "%1"},
    {.control = W::answerBox,
     .rect = {240, 2820, 6480, 375},
     .font = kLarge,
     .accessibleName = "Votre réponse"},
    {.control = W::checkButton,
     .caption = "Vérifier",
     .rect = {6960, 2790, 1800, 435},
     .accessibleName = "Vérifier la réponse",
     .handler = call(&W::checkAnswer)},
    {.control = W::verdictLabel,
     .rect = {240, 3360, 6480, 600},
     .font = kVerdict,
     .wordWrap = true,
     .announceAs = "%1"},
    {.control = W::scoreLabel,
     .rect = {6960, 3360, 1800, 375},
     .font = kLarge,
     .alignment = Qt::AlignRight | Qt::AlignTop,
     .announceAs = "Score : %1"},
    {.control = label("Label8"), .caption = "Correction", .rect = {240, 3990, 3000, 255}},
    {.control = W::correctionBox, .rect = {240, 4260, 8520, 2340}, .readOnly = true},
    {.control = W::nextButton,
     .caption = "Exercice suivant",
     .rect = {6480, 6720, 2280, 435},
     .handler = call(&W::nextExercise)},
};

QString correctionText(const Exercise& e, const std::string& why) {
    std::string text = why.empty() ? "" : why + "\n";
    text += "Réponse : " + e.answer + "\n\n";
    for (const numbers::Line& line : e.correction)
        text += frenchSpacing(numbers::plainText(line)) + "\n";
    return Form::fromUtf8(text).trimmed();
}

} // namespace

const WindowDescription PracticeWindow::description{
    .name = "Frm_Entrainement",
    .title = "S'entraîner",
    .border = FormWindow::Border::FixedSingle,
    .width = kWidth,
    .height = kHeight,
    .controls = kControls,
};

void PracticeWindow::load() {
    m_settingLists = true;
    ComboBox& kinds = get(kindBox);
    kinds.setEditable(false);
    for (std::string_view name : kKindNames)
        kinds.addItem(fromUtf8(name));
    ComboBox& levels = get(levelBox);
    levels.setEditable(false);
    for (int level = 1; level <= kLevelCount; ++level)
        levels.addItem(QString::number(level));
    m_settingLists = false;
    connect(&kinds, &QComboBox::currentIndexChanged, this, [this] { chooseKindOrLevel(); });
    connect(&levels, &QComboBox::currentIndexChanged, this, [this] { chooseKindOrLevel(); });
    connect(&get(codeBox), &QLineEdit::returnPressed, this, [this] { startTypedSeries(); });
    connect(&get(answerBox), &QLineEdit::returnPressed, this, [this] { answerEntered(); });
    // A window opened again goes on with its series; the first one starts on the first kind.
    if (m_exercise.question.empty())
        chooseKindOrLevel();
    else
        startSeries(m_series);
    // The pupil answers at once; the lists and the code are a Tab away.
    get(answerBox).setFocus();
}

void PracticeWindow::chooseKindOrLevel() {
    if (m_settingLists)
        return;
    const int kind = std::max(0, get(kindBox).currentIndex());
    const int level = std::max(0, get(levelBox).currentIndex()) + 1;
    const auto chance = static_cast<std::uint64_t>(double(program().draws().draw()) * 1e9);
    startSeries(seriesOf(codeFor(kind, level, chance)));
}

void PracticeWindow::startTypedSeries() {
    const auto code = readCode(textOf(codeBox));
    if (!code) {
        setTextOf(verdictLabel, kCodeExpected);
        return;
    }
    startSeries(seriesOf(*code));
    get(answerBox).setFocus();
}

void PracticeWindow::startSeries(const Series& series) {
    m_series = series;
    m_index = 0;
    m_answered = 0;
    m_right = 0;
    m_settingLists = true;
    get(kindBox).setCurrentIndex(series.kind);
    get(levelBox).setCurrentIndex(series.level - 1);
    m_settingLists = false;
    setTextOf(codeBox, std::to_string(series.code));
    showExercise();
}

void PracticeWindow::showExercise() {
    m_exercise = makeExercise(program().numbers(), practice::Kind(m_series.kind), m_series.level,
                              m_series.code, m_index);
    m_marked = false;
    TextBox& answer = get(answerBox);
    answer.clear();
    answer.setReadOnly(false);
    get(checkButton).setEnabled(true);
    setTextOf(questionLabel, "Exercice " + std::to_string(m_index + 1) + " sur " +
                                 std::to_string(kSeriesLength) + frenchSpacing(" : ") + m_exercise.question);
    setTextOf(hintLabel, m_exercise.hint);
    setTextOf(verdictLabel, "");
    get(correctionBox).setText({});
    showScore();
}

void PracticeWindow::showScore() {
    setTextOf(scoreLabel, std::to_string(m_right) + " sur " + std::to_string(m_answered));
}

void PracticeWindow::checkAnswer() {
    if (m_marked)
        return;
    const Check c = check(m_exercise.expected, textOf(answerBox));
    if (c.verdict == Verdict::Unreadable) {
        // Not counted: the pupil is told what to write and tries again.
        setTextOf(verdictLabel, c.message);
        return;
    }
    m_marked = true;
    ++m_answered;
    const bool right = c.verdict == Verdict::Right;
    m_right += right;
    get(answerBox).setReadOnly(true);
    get(checkButton).setEnabled(false);
    setTextOf(verdictLabel, right ? kRight : kWrong);
    const QString correction = correctionText(m_exercise, c.message);
    get(correctionBox).setText(correction);
    showScore();
    announce(correction);
    if (m_index + 1 == kSeriesLength)
        announce(QStringLiteral("Série terminée : %1 sur %2").arg(m_right).arg(m_answered));
}

void PracticeWindow::nextExercise() {
    if (m_index + 1 < kSeriesLength) {
        ++m_index;
        showExercise();
    } else {
        // A new series of the same kind and level.
        chooseKindOrLevel();
    }
    get(answerBox).setFocus();
}

void PracticeWindow::answerEntered() {
    if (m_marked)
        nextExercise();
    else
        checkAnswer();
}
