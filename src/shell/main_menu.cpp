// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/main_menu.h"

#include "shell/program.h"

#include <vector>

namespace {
using namespace ui;
using W = MainMenu;

// Frames (left, top, width, height in twips).
constexpr TwipsRect kFrame1{360, 600, 2295, 5400};
constexpr TwipsRect kFrame2{2880, 120, 2895, 5880};
constexpr TwipsRect kFrame3{6120, 3120, 2775, 3780};

// Button places inside a frame: the first at 360, then every 840 twips.
constexpr int placeTop(int place) {
    return 360 + 840 * place;
}
constexpr TwipsRect small(int place) {
    return {240, placeTop(place), 1815, 735};
}
constexpr TwipsRect wide(int place) {
    return {240, placeTop(place), 2415, 735};
}
constexpr TwipsRect right(int place) {
    return {240, placeTop(place), 2295, 735};
}

const FontSpec kBig{.points = 12, .bold = true};

// A button or menu entry that shows the window of that name.
Handler opens(const char* name, bool modal = false) {
    return [name, modal](ui::HandlerTarget& target) { static_cast<W&>(target).showWindow(name, modal); };
}

const ControlRow kControls[] = {
    {.control = frame("Frame1"),
     .caption = "NOMBRES PREMIERS",
     .rect = kFrame1,
     .font = {.bold = true},
     .foreColor = Colour::system(QPalette::Base),
     .backColor = colours::brightBlue},
    {.control = button("Command6"),
     .parent = "Frame1",
     .caption = "Cours",
     .rect = small(0),
     .backColor = colours::skyBlue,
     .accessibleName = "Cours sur les nombres premiers",
     .handler = opens("b_Prem_cours")},
    {.control = button("Command4"),
     .parent = "Frame1",
     .caption = "Exercice Crible d'Eratosthene",
     .rect = small(1),
     .backColor = colours::skyBlue,
     .handler = opens("b_Prem_crible")},
    {.control = button("Command1"),
     .parent = "Frame1",
     .caption = "Vérifier",
     .rect = small(2),
     .backColor = colours::skyBlue,
     .accessibleName = "Vérifier qu'un nombre est premier",
     .handler = opens("b_Prem_verif")},
    {.control = button("Command2"),
     .parent = "Frame1",
     .caption = "Rechercher",
     .rect = small(3),
     .backColor = colours::skyBlue,
     .accessibleName = "Rechercher les nombres premiers",
     .handler = opens("b_Prem_rech")},
    {.control = button("Command3"),
     .parent = "Frame1",
     .caption = "Etude de la conjecture de Goldbach",
     .rect = small(4),
     .backColor = colours::skyBlue,
     .handler = opens("b_Prem_gold")},
    {.control = button("Command5"),
     .parent = "Frame1",
     .caption = "Programmation",
     .rect = small(5),
     .backColor = colours::skyBlue,
     .accessibleName = "Programmation du test des nombres premiers",
     .handler = opens("b_Prem_prog")},

    {.control = frame("Frame2"),
     .caption = "EQUATION, fonction",
     .rect = kFrame2,
     .font = {.bold = true},
     .foreColor = colours::yellow,
     .backColor = colours::brightBlue},
    {.control = button("Command10"),
     .parent = "Frame2",
     .caption = "Cours",
     .rect = wide(0),
     .font = kBig,
     .backColor = colours::lightYellow,
     .accessibleName = "Cours sur les équations",
     .handler = opens("c_Eq_cours", true)},
    {.control = button("Command7"),
     .parent = "Frame2",
     .caption = "Degré 1    (courbes linéaires)",
     .rect = wide(1),
     .font = kBig,
     .backColor = colours::lightYellow,
     .handler = opens("c_Eq_d1")},
    {.control = button("Command8"),
     .parent = "Frame2",
     .caption = "    Degré 2      (avec x2)",
     .rect = wide(2),
     .font = kBig,
     .backColor = colours::lightYellow,
     .handler = opens("c_Eq_d2")},
    // Stands at the fourth place of the middle frame, read with the frame's other buttons.
    {.control = button("Command_ft_reference"),
     .parent = "Frame2",
     .caption = "Les fonctions de references",
     .rect = wide(3),
     .font = kBig,
     .backColor = colours::lightYellow,
     .handler = opens("Form4")},
    {.control = button("Command9"),
     .parent = "Frame2",
     .caption = "Diophantiennes (solutions aux équations 2 inconnues, 1er degré)",
     .rect = wide(4),
     .backColor = colours::skyBlue,
     .handler = opens("c_Eq_dioph")},
    {.control = button("Command11"),
     .parent = "Frame2",
     .caption = "Exercice méthode d'Euler",
     .rect = wide(5),
     .backColor = colours::skyBlue,
     .visible = false},

    {.control = frame("Frame3"),
     .caption = "PROBABILITES",
     .rect = kFrame3,
     .font = {.bold = true},
     .foreColor = Colour::system(QPalette::Base),
     .backColor = colours::brightBlue},
    {.control = button("Command15"),
     .parent = "Frame3",
     .caption = "Cours",
     .rect = right(0),
     .backColor = colours::skyBlue,
     .accessibleName = "Cours de probabilités",
     .handler = opens("d_Proba_cours")},
    {.control = button("Command12"),
     .parent = "Frame3",
     .caption = "Nombre aléatoire",
     .rect = right(1),
     .backColor = colours::skyBlue,
     .handler = opens("d_Proba_alea")},
    {.control = button("Command13"),
     .parent = "Frame3",
     .caption = "Jeu de Hasard (statistique)",
     .rect = right(2),
     .backColor = colours::lightYellow,
     .handler = opens("d_Proba_sim")},
    {.control = button("Command14"),
     .parent = "Frame3",
     .caption = "Combinaisons",
     .rect = right(3),
     .backColor = colours::skyBlue,
     .accessibleName = "Factoriels et combinaisons",
     .handler = opens("d_Proba_comb")},

    {.control = button("Command16"),
     .rect = {8340, 120, 975, 975},
     .backColor = colours::skyBlue,
     .picture = ":/quit.svg",
     .accessibleName = "Quitter",
     .handler = call(&W::quit)},

    {.control = menu("mnuFichier"), .caption = "Fichier"},
    {.control = Ref<QAction>{"fic_reset"},
     .parent = "mnuFichier",
     .caption = "Tout effacer",
     .handler = call(&W::hideAllWindows)},
    {.control = menuSeparator("mnuBar0"), .parent = "mnuFichier"},
    {.control = Ref<QAction>{"fic_end"},
     .parent = "mnuFichier",
     .caption = "Quitter",
     .handler = call(&W::quit)},
    {.control = menu("mnuEntrainement"), .caption = "Entraînement"},
    {.control = Ref<QAction>{"Entrainement"},
     .parent = "mnuEntrainement",
     .caption = "S'entraîner…",
     .handler = opens("Frm_Entrainement")},
    {.control = Ref<QAction>{"Fiche"},
     .parent = "mnuEntrainement",
     .caption = "Fiche d'exercices…",
     .handler = opens("Frm_Fiche")},
    {.control = menu("mnuAide"), .caption = "Aide"},
    {.control = Ref<QAction>{"Programmes"},
     .parent = "mnuAide",
     .caption = "Programmes",
     .handler = opens("Frm_Aide")},
    {.control = Ref<QAction>{"Lexique"},
     .parent = "mnuAide",
     .caption = "Lexique",
     .handler = opens("Frm_Lexique")},
    {.control = Ref<QAction>{"Python"},
     .parent = "mnuAide",
     .caption = "Algorithmes en Python",
     .handler = opens("Frm_Python")},
};

// The windows "Tout effacer" hides, in this order.
constexpr const char* kResetOrder[] = {
    "b_Prem_verif", "b_Prem_rech", "b_Prem_gold",  "b_Prem_crible",    "b_Prem_prog",
    "b_Prem_cours", "c_Eq_d1",     "c_Eq_d2",      "c_Eq_dioph",       "c_Eq_cours",
    "d_Proba_alea", "d_Proba_sim", "d_Proba_comb", "d_Proba_cours",    "Frm_Aide",
    "Frm_Lexique",  "Frm_Python",  "d_Proba_freq", "Frm_Entrainement", "Frm_Fiche",
};

} // namespace

const WindowDescription MainMenu::description{
    .name = "aa_Mainform",
    .title = "Niveau Seconde",
    .border = FormWindow::Border::FixedDialog,
    .width = 9435,
    .height = 7170,
    .backColor = colours::skyBlue,
    .controls = kControls,
};

void MainMenu::showWindow(const char* name, bool modal) {
    Form* f = program().form(name);
    if (!f)
        return;
    // A window that opens never covers the menu, nor the others if it can help it.
    f->placeBeside(*this);
    if (modal)
        f->showModal();
    else
        f->show();
}

void MainMenu::hideAllWindows() {
    for (const char* name : kResetOrder)
        if (Form* f = program().form(name))
            f->hide();
}

void MainMenu::quit() {
    program().endProgram();
}

void MainMenu::afterCloseByPupil() {
    program().endProgram();
}
