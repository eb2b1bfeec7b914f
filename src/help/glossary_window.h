// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

// The glossary: eighteen terms in a grid; the definition of the term under the pointer is shown
// below the grid, and the bare background empties it. From the keyboard, Tab and the arrow keys
// go from term to term, and the term reached shows its definition; a screen reader reads it as
// the term's description.
class GlossaryWindow : public Form {
public:
    static const ui::WindowDescription description;
    explicit GlossaryWindow(Program& program)
        : Form(program, description) {}
    ~GlossaryWindow() override;

    static inline const ui::Ref<Label> definitionLabel{"Label18"};

    // The pointer moves over a term (its index in the grid, row by row); buttons, keys and position
    // do not matter.
    void showDefinition(int entry, int button, int shift, double x, double y);
    // The pointer moves over the window's background.
    void clearDefinition(int button, int shift, double x, double y);
    // The term reached from the keyboard: its definition, as under the pointer.
    void showDefinitionOf(int entry);
    // Moves the focus to another term, clamped to the grid.
    void focusTerm(int entry);

protected:
    void load() override;
};
