// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

// Draws random numbers between 0 and a bound, real or whole, and keeps a history of the draws.
class RandomNumbersWindow : public Form {
public:
    static const ui::WindowDescription description;
    explicit RandomNumbersWindow(Program& program)
        : Form(program, description) {}

    static inline const ui::Ref<ComboBox> modeBox{"Combo1"}; // "Entier" or any other text
    static inline const ui::Ref<TextBox> boundBox{"Text1"};
    static inline const ui::Ref<Button> drawButton{"Command1"}; // "Chercher"
    static inline const ui::Ref<Label> resultLabel{"Label2"};   // the last draw
    static inline const ui::Ref<ListBox> historyList{"List1"};

    void forgetHistory(); // an edit of the mode
    void checkBound();    // any change of the bound
    void draw();          // one draw

protected:
    void load() override;
};
