// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

#include <array>

// The sieve of Eratosthenes exercise: a grid of the numbers 1 to 250, a column of buttons that
// remove multiples by colouring their cells, and three questions with their model answers.
class SieveWindow : public Form {
public:
    // The cells; cells[k] shows k.
    static inline const ui::Array<TextBox> cells{"Text1"};
    // A button of the column and the number it stands for: "1", then "Multiples de 2" to
    // "Multiples de 18".
    struct ColumnButton {
        ui::Ref<Button> button;
        int number;
    };
    // The column from top to bottom, in the order of the numbers.
    static const std::array<ColumnButton, 18> column;
    // The button of the column that stands for a number from 1 to 18.
    static const ui::Ref<Button>& buttonFor(int number) { return column.at(std::size_t(number - 1)).button; }
    // The answer boxes of the three questions, in order.
    static inline const ui::Ref<MultiLineTextBox> answerBoxes[3] = {{"Text2"}, {"Text3"}, {"Text4"}};
    static inline const ui::Ref<Button> correctionButton{"Command19"};

    static const ui::WindowDescription description;
    explicit SieveWindow(Program& program)
        : Form(program, description) {}

    // A button of the column, given the number it stands for.
    void removeMultiples(int number);
    void showModelAnswers();

protected:
    void load() override;
};
