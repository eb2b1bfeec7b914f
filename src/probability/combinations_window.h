// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

// Computes a factorial on its left half and a number of combinations of k among n on its right half.
class CombinationsWindow : public Form {
public:
    static const ui::WindowDescription description;
    explicit CombinationsWindow(Program& program)
        : Form(program, description) {}

    // The factorial half.
    static inline const ui::Ref<Button> factorialExplanationButton{"Command1"};
    static inline const ui::Ref<TextBox> numberBox{"Text1"};
    static inline const ui::Ref<Button> factorialButton{"Command2"};
    static inline const ui::Ref<Label> factorialLabel{"Label3"};
    // The combinations half: n above k, as in the binomial notation.
    static inline const ui::Ref<Button> combinationExplanationButton{"Command3"};
    static inline const ui::Ref<TextBox> setSizeBox{"Text2"};
    static inline const ui::Ref<TextBox> chosenCountBox{"Text3"};
    static inline const ui::Ref<Button> fillInHelpButton{"Command4"};
    static inline const ui::Ref<Button> combinationsButton{"Command5"};
    static inline const ui::Ref<Label> combinationsLabel{"Label5"};
    static inline const ui::Ref<Button> detailButton{"showDetail"};
    // Items 0 and 1 belong to the factorial half and to the combinations half.
    static inline const ui::Array<Label> headingLabels{"Label1"};
    static inline const ui::Array<Label> promptLabels{"Label2"};
    // The two tall parentheses around the boxes.
    static inline const ui::Array<Label> parenthesisLabels{"Label4"};

    void explainFactorials();
    void showFactorial();
    void explainCombinations();
    void explainFillingIn(); // how to fill the two boxes
    void showCombinations();
    void clearFactorial(); // any edit of the number

protected:
    void arrange() override;
};
