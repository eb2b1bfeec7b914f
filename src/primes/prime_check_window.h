// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

// Says whether a number is prime, and writes a composite one as a product of two factors.
class PrimeCheckWindow : public Form {
public:
    static inline const ui::Ref<TextBox> numberBox{"Text1"};
    static inline const ui::Ref<Button> checkButton{"Command1"}; // "Vérifier"
    static inline const ui::Ref<Label> verdictLabel{"Label1"};
    static inline const ui::Ref<Button> decomposeButton{"Command2"}; // "Décomposition"
    static inline const ui::Ref<Label> decompositionLabel{"Label3"};
    static inline const ui::Ref<Button> detailButton{"showDetail"};

    static const ui::WindowDescription description;
    explicit PrimeCheckWindow(Program& program)
        : Form(program, description) {}

    void checkNumber();
    // Shown only after a composite verdict; works on whatever the box holds at the press.
    void decompose();
    void numberEdited();
};
