// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/main_menu.h"

#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/frame.h"

#include <QMenuBar>

namespace {

enum class Face { Blue, Yellow };
enum class Owner { Frame1, Frame2, Frame3, Window };

// One main-menu button: where it stands and which window it shows.
struct MenuButton {
    const char* name;
    const char* caption;
    Owner owner;
    twips::Rect rect; // relative to its owner
    Face face;
    bool bigFont;
    const char* opens; // nullptr: no action
    bool modal = false;
    bool visible = true;
};

// Frames (left, top, width, height in twips).
constexpr twips::Rect kFrame1{360, 600, 2295, 5400};
constexpr twips::Rect kFrame2{2880, 120, 2895, 5880};
constexpr twips::Rect kFrame3{6120, 3120, 2775, 3780};

// Button places inside a frame: the first at 360, then every 840 twips.
constexpr int placeTop(int place) {
    return 360 + 840 * place;
}
constexpr twips::Rect small(int place) {
    return {240, placeTop(place), 1815, 735};
}
constexpr twips::Rect wide(int place) {
    return {240, placeTop(place), 2415, 735};
}
constexpr twips::Rect right(int place) {
    return {240, placeTop(place), 2295, 735};
}

const MenuButton kButtons[] = {
    {"Command6", "Cours", Owner::Frame1, small(0), Face::Blue, false, "b_Prem_cours"},
    {"Command4", "Exercice Crible d'Eratosthene", Owner::Frame1, small(1), Face::Blue, false,
     "b_Prem_crible"},
    {"Command1", "Vérifier", Owner::Frame1, small(2), Face::Blue, false, "b_Prem_verif"},
    {"Command2", "Rechercher", Owner::Frame1, small(3), Face::Blue, false, "b_Prem_rech"},
    {"Command3", "Etude de la conjecture de Goldbach", Owner::Frame1, small(4), Face::Blue, false,
     "b_Prem_gold"},
    {"Command5", "Programmation", Owner::Frame1, small(5), Face::Blue, false, "b_Prem_prog"},
    {"Command10", "Cours", Owner::Frame2, wide(0), Face::Yellow, true, "c_Eq_cours", true},
    {"Command7", "Degré 1    (courbes linéaires)", Owner::Frame2, wide(1), Face::Yellow, true, "c_Eq_d1"},
    {"Command8", "    Degré 2      (avec x2)", Owner::Frame2, wide(2), Face::Yellow, true, "c_Eq_d2"},
    {"Command9", "Diophantiennes (solutions aux équations 2 inconnues, 1er degré)", Owner::Frame2, wide(4),
     Face::Blue, false, "c_Eq_dioph"},
    {"Command11", "Exercice méthode d'Euler", Owner::Frame2, wide(5), Face::Blue, false, nullptr, false,
     false},
    {"Command15", "Cours", Owner::Frame3, right(0), Face::Blue, false, "d_Proba_cours"},
    {"Command12", "Nombre aléatoire", Owner::Frame3, right(1), Face::Blue, false, "d_Proba_alea"},
    {"Command13", "Jeu de Hasard (statistique)", Owner::Frame3, right(2), Face::Yellow, false, "d_Proba_sim"},
    {"Command14", "Combinaisons", Owner::Frame3, right(3), Face::Blue, false, "d_Proba_comb"},
    // Belongs to the window, drawn over the fourth place of the middle frame.
    {"Command_ft_reference",
     "Les fonctions de references",
     Owner::Window,
     {kFrame2.left + 240, kFrame2.top + placeTop(3), 2415, 735},
     Face::Yellow,
     true,
     "Form4"},
};

// The windows "Tout effacer" hides, in this order.
constexpr const char* kResetOrder[] = {
    "b_Prem_verif", "b_Prem_rech",   "b_Prem_gold", "b_Prem_crible", "b_Prem_prog",  "b_Prem_cours",
    "c_Eq_d1",      "c_Eq_d2",       "c_Eq_dioph",  "c_Eq_cours",    "d_Proba_alea", "d_Proba_sim",
    "d_Proba_comb", "d_Proba_cours", "Frm_Aide",    "Frm_Lexique",
};

Frame* makeFrame(QWidget* parent, const char* name, const char* caption, const twips::Rect& r,
                 const QColor& fore) {
    auto* f = new Frame(parent, QString::fromLatin1(name), QString::fromUtf8(caption), r, {8.25, true});
    f->setBackColor(colors::frameBlue);
    f->setForeColor(fore);
    return f;
}

} // namespace

MainMenu::MainMenu(Program& program)
    : FormOf(program, formName) {}

FormWindow* MainMenu::buildControls() {
    auto* w = new FormWindow(formName, QStringLiteral("Niveau Seconde"), FormWindow::Border::FixedDialog,
                             9435, 7170);
    w->setBackColor(colors::lightBlue);
    QWidget* c = w->client();
    m_ui = std::make_unique<MainMenuUi>();
    MainMenuUi& u = *m_ui;
    u.Frame1 = makeFrame(c, "Frame1", "NOMBRES PREMIERS", kFrame1, colors::systemWindow());
    u.Frame2 = makeFrame(c, "Frame2", "EQUATION, fonction", kFrame2, Qt::yellow);
    u.Frame3 = makeFrame(c, "Frame3", "PROBABILITES", kFrame3, colors::systemWindow());

    for (const MenuButton& b : kButtons) {
        QWidget* owner = b.owner == Owner::Frame1   ? u.Frame1
                         : b.owner == Owner::Frame2 ? u.Frame2
                         : b.owner == Owner::Frame3 ? u.Frame3
                                                    : c;
        const FontSpec font = b.bigFont ? FontSpec{12, true} : FontSpec{};
        auto* button =
            new Button(owner, QString::fromLatin1(b.name), QString::fromUtf8(b.caption), b.rect, font);
        button->setFaceColor(b.face == Face::Yellow ? colors::lightYellow : colors::lightBlue);
        button->setVisible(b.visible);
        if (b.opens)
            QObject::connect(button, &QPushButton::clicked, this, [this, b] { showForm(b.opens, b.modal); });
    }

    u.Command16 = new Button(c, QStringLiteral("Command16"), QString(), {8340, 120, 975, 975});
    u.Command16->setFaceColor(colors::lightBlue);
    u.Command16->setPicture(QStringLiteral(":/quit.svg"));
    u.Command16->setToolTip(QStringLiteral("Quitter"));
    QObject::connect(u.Command16, &QPushButton::clicked, this, [this] { program().endProgram(); });

    QMenuBar* bar = w->menuBar();
    QMenu* fichier = addMenu(bar, QStringLiteral("mnuFichier"), QStringLiteral("Fichier"));
    u.fic_reset = addMenuItem(fichier, QStringLiteral("fic_reset"), QStringLiteral("Tout effacer"));
    addMenuSeparator(fichier, QStringLiteral("mnuBar0"));
    u.fic_end = addMenuItem(fichier, QStringLiteral("fic_end"), QStringLiteral("Quitter"));
    QMenu* aide = addMenu(bar, QStringLiteral("mnuAide"), QStringLiteral("Aide"));
    u.Programmes = addMenuItem(aide, QStringLiteral("Programmes"), QStringLiteral("Programmes"));
    u.Lexique = addMenuItem(aide, QStringLiteral("Lexique"), QStringLiteral("Lexique"));
    QObject::connect(u.fic_reset, &QAction::triggered, this, [this] { fic_reset_Click(); });
    QObject::connect(u.fic_end, &QAction::triggered, this, [this] { fic_end_Click(); });
    QObject::connect(u.Programmes, &QAction::triggered, this, [this] { showForm("Frm_Aide", false); });
    QObject::connect(u.Lexique, &QAction::triggered, this, [this] { showForm("Frm_Lexique", false); });
    return w;
}

void MainMenu::showForm(const char* name, bool modal) {
    Form* f = program().form(name);
    if (!f)
        return;
    if (modal)
        f->showModal();
    else
        f->show();
}

void MainMenu::fic_reset_Click() {
    for (const char* name : kResetOrder)
        if (Form* f = program().form(name))
            f->hide();
}

void MainMenu::fic_end_Click() {
    program().endProgram();
}

void MainMenu::afterCloseByPupil() {
    program().endProgram();
}
