// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

#include <QString>

class Button;
class Frame;
class QAction;

struct MainMenuUi {
    Frame* Frame1;
    Frame* Frame2;
    Frame* Frame3;
    Button* Command16;
    QAction* fic_reset;
    QAction* fic_end;
    QAction* Programmes;
    QAction* Lexique;
};

// The main menu: a button or menu entry per window of the program.
class MainMenu : public FormOf<MainMenuUi> {
public:
    static constexpr const char* formName = "aa_Mainform";
    explicit MainMenu(Program& program);

    // "Tout effacer": hides the exercise, course, help and glossary windows, keeping their contents.
    void fic_reset_Click();
    void fic_end_Click();

protected:
    FormWindow* buildControls() override;
    // Closing the main menu ends the program, as "Quitter" does.
    void afterCloseByPupil() override;

private:
    void showForm(const char* name, bool modal);
};
