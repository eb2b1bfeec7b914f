// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/glossary_window.h"

#include "shell/toolkit/controls.h"
#include "shell/toolkit/grid_keys.h"
#include "shell/toolkit/keyboard_access.h"

#include <QKeyEvent>

#include <algorithm>
#include <vector>

namespace {
using namespace ui;
using W = GlossaryWindow;

// A term of the glossary: its label's name and caption, and the definition it shows.
struct Entry {
    const char* name;
    const char* caption;
    const char* definition;
};

// The terms in the order of the grid, row by row, left to right.
constexpr Entry kEntries[] = {
    {.name = "Label6",
     .caption = "Axiome",
     .definition = "Axiome : (du grec axioma : j'estime, je crois vrai) Vérité admise sans démonstration et "
                   "sur laquelle se fonde les théories mathématiques. L'axiome est une évidence, "
                   "contrairement au postulat qui ne l'est pas forcément."},
    {.name = "Label10",
     .caption = "Chiffre",
     .definition = "Chiffre : Chacun des caractères servant à représenter les nombres."},
    {.name = "Label14",
     .caption = "Conjecture",
     .definition = "Conjecture : Supposition fondée sur des apparences, non démontrée, et soumise à la "
                   "perspicacité des mathématiciens. Le fameux « théorème de Fermat » était en fait une "
                   "conjecture avant d'être démontré."},
    {.name = "Label2",
     .caption = "Démonstration",
     .definition = "Démonstration : Raisonnement établissant la vérité d'une proposition à partir d'axiomes "
                   "que l'on a posés."},
    {.name = "Label15",
     .caption = "Equation",
     .definition = "Équation : (du latin aequatio : égalité) Égalité soumise à conditions, qui se vérifie en "
                   "spécifiant certains paramètres indéterminés. "},
    {.name = "Label16",
     .caption = "Fonction",
     .definition = "Fonction : Correspondance entre un ensemble A et un ensemble B, telle que à tout élément "
                   "de A on associe au plus un élément de B. "},
    {.name = "Label7",
     .caption = "Formule",
     .definition = "Formule : Égalité ou inégalité remarquable, définissant un algorithme, une identité ou "
                   "une relation entre plusieurs éléments d'un ensemble."},
    {.name = "Label19",
     .caption = "Hasard",
     .definition = "Hasard : Le mot hasard vient de l'arabe al-zahr, qui signifie «jeu de dés». Caractère de "
                   "ce qui se produit en dehors de toute norme ou règle prévisible objective ou subjective"},
    {.name = "Label11",
     .caption = "Hypothese",
     .definition = "Hypothèse : Proposition que l'on accepte comme vraie et à partir de laquelle on raisonne "
                   "pour résoudre un problème, ou démontrer un théorème."},
    {.name = "Label3",
     .caption = "Inconnue",
     .definition = "Inconnue : Élément indéterminé dont on se propose de trouver la ou les valeurs vérifiant "
                   "une ou plusieurs relations d'égalité ou d'inégalité."},
    {.name = "Label12",
     .caption = "Invariant",
     .definition = "Invariant : Se dit d'un nombre, d'une fonction ou de n'importe quel élément d'un "
                   "ensemble qui est sa propre image dans une transformation ponctuelle."},
    {.name = "Label20",
     .caption = "Modulo",
     .definition = "Deux nombres entiers sont dits congrus modulo n si leur différence est un multiple de n, "
                   "n étant un nombre entier. On peut aussi dire que deux nombres entiers sont dits congrus "
                   "modulo n s'ils ont même reste par leur division euclidienne par n. En arithmétique "
                   "modulaire modulo n, les résultats des opérations sont exprimés modulu n."},
    {.name = "Label17",
     .caption = "Nombre",
     .definition = "Nombres : Notion fondamentale des mathématiques qui permet de dénombrer et de classer "
                   "les objets ou de mesurer les grandeurs."},
    {.name = "Label13",
     .caption = "Polynome",
     .definition = "Polynôme : Somme d'expressions algébriques formées par des termes où figurent une ou "
                   "plusieurs variables. "},
    {.name = "Label8",
     .caption = "Postulat ",
     .definition = "Postulat : (du latin postulare : demander) Proposition première indémontrable ou "
                   "indémontrée, et que le mathématicien demande au lecteur d'accepter. Le postulat n'est "
                   "pas forcément évident, contrairement à l'axiome."},
    {.name = "Label9",
     .caption = "Proposition",
     .definition = "Proposition : Énoncé susceptible d'être vrai ou faux."},
    {.name = "Label4",
     .caption = "Théoreme",
     .definition = "Théorème : Proposition démontrée à l'intérieur d'un système mathématique. Un théorème "
                   "découle des axiomes et postulats qu'on a posé auparavant"},
    {.name = "Label5",
     .caption = "Variable",
     .definition = "Variable : Terme indéterminé à l'intérieur d'un ensemble de valeurs possibles. "},
};

constexpr int kColumns = 6;
constexpr int kTermCount = int(std::size(kEntries));

Ref<Label> term(int entry) {
    return {QString::fromLatin1(kEntries[entry].name)};
}

// The grid: labels 1815 x 495 twips, 2160 apart across and 840 down, so that 345 twips of
// background lie between neighbours and the definition empties on the way from one to the next.
TwipsRect termPlace(int entry) {
    const int row = entry / kColumns;
    const int column = entry % kColumns;
    return {240 + 2160 * column, 600 + 840 * row, 1815, 495};
}

const std::vector<ControlRow> kControls = [] {
    std::vector<ControlRow> rows;
    for (int i = 0; i < int(std::size(kEntries)); ++i)
        rows.push_back({.control = label(kEntries[i].name),
                        .caption = QString::fromUtf8(kEntries[i].caption),
                        .rect = termPlace(i),
                        .font = {.points = 12, .bold = true},
                        .backColor = colours::silver,
                        .onMouseMove = call(&W::showDefinition, i)});
    rows.push_back({.control = W::definitionLabel,
                    .rect = {1680, 3240, 9735, 2775},
                    .font = {.points = 12},
                    .wordWrap = true});
    return rows;
}();

} // namespace

const WindowDescription GlossaryWindow::description{
    .name = "Frm_Lexique",
    .title = "Lexique",
    .border = FormWindow::Border::FixedSingle,
    .width = 13185,
    .height = 5565,
    .controls = kControls,
    .onMouseMove = call(&W::clearDefinition),
};

void GlossaryWindow::showDefinition(int entry, int, int, double, double) {
    showDefinitionOf(entry);
}

void GlossaryWindow::showDefinitionOf(int entry) {
    setTextOf(definitionLabel, kEntries[entry].definition);
}

void GlossaryWindow::focusTerm(int entry) {
    get(term(std::clamp(entry, 0, kTermCount - 1))).setFocus(Qt::OtherFocusReason);
}

void GlossaryWindow::load() {
    for (int i = 0; i < kTermCount; ++i) {
        Label& label = get(term(i));
        label.setAccessibleDescription(fromUtf8(kEntries[i].definition));
        new KeyboardAccess(&label, {.activate = [this, i] { showDefinitionOf(i); },
                                    .key =
                                        [this, i](const QKeyEvent& key) {
                                            if (key.key() == Qt::Key_Escape) {
                                                window().close();
                                                return true;
                                            }
                                            const int to = gridTarget(key.key(), i, kTermCount, kColumns);
                                            if (to < 0)
                                                return false;
                                            focusTerm(to);
                                            return true;
                                        },
                                    // The window opening puts the focus on the first term: the definition
                                    // area stays empty until the pupil moves.
                                    .focusIn =
                                        [this, i](Qt::FocusReason reason) {
                                            if (reason != Qt::ActiveWindowFocusReason &&
                                                reason != Qt::PopupFocusReason)
                                                showDefinitionOf(i);
                                            // Screen readers say a label's name, never its
                                            // description: the definition is said after it.
                                            announce(fromUtf8(kEntries[i].definition));
                                        }});
    }
}

void GlossaryWindow::clearDefinition(int, int, double, double) {
    setTextOf(definitionLabel, " ");
}

// The controls outlive this part of the window: their keys and focus must no longer reach it.
GlossaryWindow::~GlossaryWindow() {
    if (hasControls())
        KeyboardAccess::releaseAll(&window());
}
