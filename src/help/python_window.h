// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

// The program's algorithms written in Python, as the pupils write them in class: a list of
// listings; the one chosen is shown with a few sentences of explanation, and can be copied to the
// clipboard or saved as a .py file.
class PythonWindow : public Form {
public:
    static const ui::WindowDescription description;
    explicit PythonWindow(Program& program)
        : Form(program, description) {}

    static inline const ui::Ref<ListBox> listingList{"List1"};
    static inline const ui::Ref<MultiLineTextBox> programBox{"Text1"};
    static inline const ui::Ref<Label> explanationLabel{"Label1"};
    static inline const ui::Ref<Button> copyButton{"Command1"};
    static inline const ui::Ref<Button> saveButton{"Command2"};

    // A listing picked in the list, by mouse or keyboard: shows its program and explanation.
    void showChosenListing();
    // "Copier": the program shown goes to the clipboard.
    void copyProgram();
    // "Enregistrer…": asks where, then writes the program shown as a .py file.
    void saveProgram();

protected:
    void load() override;

private:
    // The listing shown, or -1 while none is chosen; the window shows none when it is built.
    int m_shown = -1;
};
