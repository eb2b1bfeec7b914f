// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

// The main menu: a button or menu entry per window of the program.
class MainMenu : public Form {
public:
    static const ui::WindowDescription description;
    explicit MainMenu(Program& program)
        : Form(program, description) {}

    // "Tout effacer": hides the exercise, course, help and glossary windows, keeping their contents.
    void hideAllWindows();
    // "Quitter".
    void quit();
    // Shows the window of that name, if the program has it.
    void showWindow(const char* name, bool modal);

protected:
    // Closing the main menu ends the program, as "Quitter" does.
    void afterCloseByPupil() override;
};
