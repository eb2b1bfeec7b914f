// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

class Button;
class MultiLineTextBox;

// The introduction to the reference functions: two short paragraphs, and OK, which opens the
// exercise.
class IntroductionWindow : public Form {
public:
    static const ui::WindowDescription description;
    static inline const ui::Ref<MultiLineTextBox> firstParagraph{"Text_intro"};
    static inline const ui::Ref<MultiLineTextBox> secondParagraph{"Text_intro2"};
    static inline const ui::Ref<Button> okButton{"Command1"};

    explicit IntroductionWindow(Program& program)
        : Form(program, description) {}

    // Hides the introduction and shows the exercise.
    void openExercise();

protected:
    void load() override;
};
