// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/rules/exercise.h"
#include "practice/rules/series_code.h"
#include "shell/form.h"

// Practice: one exercise at a time from a series of ten; the pupil types the answer, the window
// says whether it is right and shows the worked correction, and keeps the score of the series.
class PracticeWindow : public Form {
public:
    static const ui::WindowDescription description;
    explicit PracticeWindow(Program& program)
        : Form(program, description) {}

    static inline const ui::Ref<ComboBox> kindBox{"Combo1"};
    static inline const ui::Ref<ComboBox> levelBox{"Combo2"};
    static inline const ui::Ref<TextBox> codeBox{"Text2"};
    static inline const ui::Ref<Label> questionLabel{"Label1"};
    static inline const ui::Ref<Label> hintLabel{"Label4"};
    static inline const ui::Ref<TextBox> answerBox{"Text1"};
    static inline const ui::Ref<Button> checkButton{"Command1"};
    static inline const ui::Ref<Label> verdictLabel{"Label2"};
    static inline const ui::Ref<Label> scoreLabel{"Label3"};
    static inline const ui::Ref<MultiLineTextBox> correctionBox{"Text3"};
    static inline const ui::Ref<Button> nextButton{"Command2"};

    static constexpr std::string_view kRight = "Juste !";
    static constexpr std::string_view kWrong = "Pas tout à fait";

    void checkAnswer();
    void nextExercise();
    // Enter in the answer box: checks the answer, or goes on once it is checked.
    void answerEntered();
    // Enter in the code box: that series from its first exercise.
    void startTypedSeries();
    void chooseKindOrLevel();

    const practice::Series& series() const { return m_series; }
    int exerciseIndex() const { return m_index; }

protected:
    void load() override;

private:
    void startSeries(const practice::Series& series);
    void showExercise();
    void showScore();

    practice::Series m_series;
    int m_index = 0;
    practice::Exercise m_exercise;
    bool m_marked = false; // the current exercise has its verdict
    int m_answered = 0;
    int m_right = 0;
    bool m_settingLists = false;
};
