// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_window.h"

#include "shell/toolkit/controls.h"

#include <QAction>
#include <QMenu>

#include <string_view>
#include <utility>
#include <vector>

namespace {
using namespace ui;
using W = HelpWindow;

// A topic: its menu item (name, submenu, caption) and the texts it writes. The last two warnings
// are always empty.
struct Topic {
    const char* item;
    const char* menu;
    const char* caption;
    const char* category;
    const char* subcategory;
    const char* explanation;
    const char* problem1;
    const char* problem2 = "";
};

// The topics in the order of the menus.
constexpr Topic kTopics[] = {
    {.item = "Veri",
     .menu = "NBP",
     .caption = "Vérifier",
     .category = "Nombres premiers",
     .subcategory = "Vérifier",
     .explanation = "Le programme vérifie en premier lieu si le nombre est premier, c'est a dire s'il admet "
                    "des diviseurs entre 2 et son radical en controlant le reste de le division Euclidienne "
                    "du nombre par les nombres non multiples de 2 ni de 3 qui sont inférieur à son radical",
     .problem1 = "Le nombre a vérifier doit être un entier naturel"},
    {.item = "Recherche",
     .menu = "NBP",
     .caption = "Rechercher",
     .category = "Nombres premiers",
     .subcategory = "Recherche",
     .explanation =
         "La méthode est la même que pour la vérification, les nombres sont traités aux cas par cas.",
     .problem1 = "Les nombre a entrer doivent êtres des entiers naturels"},
    {.item = "Goldbach",
     .menu = "NBP",
     .caption = "Goldbach",
     .category = "Nombres premiers",
     .subcategory = "Goldbach",
     .explanation =
         "On commence par rechercher les nombres premiers inférieures au nombre entré, dès qu'on en trouve "
         "un, on regarde si la différence de notre nombre de départ avec le nombre premier est un nombre "
         "premier, si "
         "c'est le cas on a trouvé notre décomposition sinon, on passe à un autre nombre premier.",
     .problem1 = "Le nombre a entrer doit être un entier naturel pair supérieur à 2",
     .problem2 = "Plusieures décompostions existent, le programme n'en donne qu'une seule"},
    {.item = "Degré_1",
     .menu = "Equations",
     .caption = "Degré_1",
     .category = "Equations",
     .subcategory = "Degré 1",
     .explanation = "Pour résoudre f(x)=a, on isole x de la maniere la plus banale en retranchant et "
                    "divisant, Pour touver l'image de a par f, on multiplie et on ajoute, pour le ableau de "
                    "variation, on s'interresse au signe du coefficiant directeur.",
     .problem1 = "Attention à la division par 0",
     .problem2 = "La fonction constante n'est pas prise en charge"},
    {.item = "Degré_2",
     .menu = "Equations",
     .caption = "Degré_2",
     .category = "Equations",
     .subcategory = "Degré 2",
     .explanation =
         "La méthode de calcul de f(a) est la même que pour les équations de degré 1, pour résoudre f(x)=a "
         "on utilise le discriminant, a noter que le programme donne également les solutions complexes. Pour "
         "le sens de variation, on utilise la dérivée d'un polynome, (2ax+b), et on résout 2ax+b=0",
     .problem1 = "Attention à l'existance des solutions"},
    {.item = "Diophantiennes",
     .menu = "Equations",
     .caption = "Diophantiennes",
     .category = "Equations",
     .subcategory = "Diophantiennes",
     .explanation = "On recherche tout d'abord une solution particuliere puis on calcul, la méthode est "
                    "détaillée dans le cours",
     .problem1 = "Attention 0*x+0*y=a ne peut etre vérifié que si a = 0"},
    {.item = "Euler",
     .menu = "Equations",
     .caption = "Euler",
     .category = "Equations",
     .subcategory = "Méthode d'Euler",
     .explanation =
         "Essayez de programmer un code pour appliquer la méthode d'Euler à des fonctions dérivables "
         "connues, vous pouvez également chercher à représenter l'exponentielle sachant que y'=y rt y(0)=1",
     .problem1 = "Pour tracer, exportez les données vers excel",
     .problem2 = "Possibilité d'incompatibilité du matériel"},
};

// The submenus of "Catégorie": name and caption.
constexpr std::pair<const char*, const char*> kSubjects[] = {
    {"NBP", "Nombres premiers"},
    {"Equations", "Equations"},
};

const FontSpec kHeading{.points = 13.5};

const std::vector<ControlRow> kControls = [] {
    std::vector<ControlRow> rows = {
        // Category, then the subcategory one step in, like a tree.
        {.control = line("Line1"), .ends = {120, 240, 720, 240}},
        {.control = W::categoryLabel, .rect = {840, 120, 6975, 375}, .announceAs = "%1"},
        {.control = line("Line2"), .ends = {120, 480, 1200, 480}},
        {.control = W::subcategoryLabel, .rect = {1320, 360, 6495, 375}, .announceAs = "%1"},
        {.control = line("Line3"), .ends = {0, 720, 8040, 720}},
        {.control = label("Label1"),
         .caption = "Explication",
         .rect = {240, 960, 1455, 375},
         .font = kHeading,
         .foreColor = Colour::system(QPalette::Highlight)},
        {.control = W::explanationLabel,
         .rect = {120, 1440, 7575, 1215},
         .wordWrap = true,
         .announceAs = "Explication : %1"},
        {.control = label("Label2"),
         .caption = "Problemes",
         .rect = {240, 2880, 1455, 375},
         .font = kHeading,
         .foreColor = Colour::system(QPalette::Highlight)},
        {.control = W::warningLabels[0], .rect = {240, 3480, 7575, 255}, .announceAs = "Problème : %1"},
        {.control = W::warningLabels[1], .rect = {240, 3960, 7575, 255}, .announceAs = "Problème : %1"},
        {.control = W::warningLabels[2], .rect = {240, 4440, 7575, 255}, .announceAs = "Problème : %1"},
        {.control = W::warningLabels[3], .rect = {240, 4920, 7575, 255}, .announceAs = "Problème : %1"},
        {.control = Ref<QMenu>{"Catégorie"}, .caption = "Catégorie"},
    };
    for (const auto& [menu, caption] : kSubjects) {
        rows.push_back({.control = Ref<QMenu>{menu}, .parent = "Catégorie", .caption = caption});
        for (int i = 0; i < int(std::size(kTopics)); ++i)
            if (std::string_view(kTopics[i].menu) == menu)
                rows.push_back({.control = Ref<QAction>{kTopics[i].item},
                                .parent = menu,
                                .caption = kTopics[i].caption,
                                .handler = call(&W::showTopic, i)});
    }
    return rows;
}();

} // namespace

const WindowDescription HelpWindow::description{
    .name = "Frm_Aide",
    .title = "Aide",
    .border = FormWindow::Border::FixedSingle,
    .width = 7980,
    .height = 5370,
    .accessibleName = "Aide sur les programmes",
    .page = true,
    .controls = kControls,
};

void HelpWindow::showTopic(int topic) {
    const Topic& t = kTopics[topic];
    setTextOf(categoryLabel, t.category);
    setTextOf(subcategoryLabel, t.subcategory);
    setTextOf(explanationLabel, t.explanation);
    setTextOf(warningLabels[0], t.problem1);
    setTextOf(warningLabels[1], t.problem2);
    setTextOf(warningLabels[2], "");
    setTextOf(warningLabels[3], "");
}
