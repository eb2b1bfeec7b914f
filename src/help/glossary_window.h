// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

// The glossary: eighteen terms in a grid; the definition of the term under the pointer is shown
// below the grid, and the bare background empties it.
class GlossaryWindow : public Form {
public:
    static const ui::WindowDescription description;
    explicit GlossaryWindow(Program& program)
        : Form(program, description) {}

    static inline const ui::Ref<Label> definitionLabel{"Label18"};

    // The pointer moves over a term (its index in the grid, row by row).
    void showDefinition(int entry);
    // The pointer moves over the window's background.
    void clearDefinition();
};
