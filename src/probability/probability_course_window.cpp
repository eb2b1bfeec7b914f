// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/probability_course_window.h"

#include <QStringList>

#include <utility>

namespace {
using namespace ui;

const FontSpec kText{.points = 9.75};
const FontSpec kHeading{.points = 9.75, .bold = true};
const FontSpec kLarge{.points = 12};
// The title and the dividing line take the colours of an active title bar.
const Colour kTitleBar = Colour::system(QPalette::Highlight);
const Colour kTitleText = Colour::system(QPalette::HighlightedText);

// The headings (even items) and the texts under the first three and the last of them (odd items).
const Array<Label> sections{"Label6"};
// The names of the urns: item 0 beside the urn, item 1 in the tree.
const Array<Label> firstUrnNames{"Label9"};
const Array<Label> secondUrnNames{"Label10"};
const Array<Label> halfBranches{"Label12"}; // "1/2" on the branches from the root
// The ends of the lower branches: item 0 under U1, item 2 under U2.
const Array<Label> redEnds{"Label13"};
const Array<Label> yellowEnds{"Label14"};
const Array<Shape> balls{"Shape1"};
// The open boxes of the urns: item 0 for U1, item 1 for U2.
const Array<Line> urnLeftSides{"Line4"};
const Array<Line> urnRightSides{"Line5"};
const Array<Line> urnBottoms{"Line6"};
// The lower branches of the tree: item 0 under U1, item 1 under U2.
const Array<Line> redBranches{"Line8"};
const Array<Line> yellowBranches{"Line11"};

// A section heading, in the left column or the right one.
ControlRow heading(int index, const char* caption, int left, int top, int width) {
    return {.control = sections[index],
            .caption = caption,
            .rect = {left, top, width, 255},
            .font = kHeading,
            .foreColor = colours::darkRed};
}

// A wrapped text whose sentences or formulas stand each on a line of its own.
ControlRow text(Control control, QStringList lines, const TwipsRect& rect) {
    return {.control = std::move(control),
            .caption = lines.join(u'\n'),
            .rect = rect,
            .font = kText,
            .wordWrap = true};
}

// A short label of the example: an urn's name, a branch's probability or a ball's letter.
ControlRow small(Control control, const char* caption, int left, int top, const FontSpec& font = kText) {
    return {.control = std::move(control), .caption = caption, .rect = {left, top, 495, 300}, .font = font};
}

// A label of the drawing said by a screen reader as the sentence that tells what the drawing shows.
ControlRow said(ControlRow row, const char* sentence) {
    row.accessibleName = QString::fromUtf8(sentence);
    return row;
}

ControlRow blackLine(Control control, LineEnds ends) {
    return {.control = std::move(control), .ends = ends, .foreColor = colours::black};
}

// A ball: a filled circle of 255 twips.
ControlRow ball(int index, const QColor& colour, int left, int top) {
    return {.control = balls[index],
            .rect = {left, top, 255, 255},
            .foreColor = colours::black,
            .backColor = colour,
            .shape = Shape::Kind::Circle};
}

const ControlRow kControls[] = {
    {.control = label("Label1"),
     .caption = "Probabilités",
     .rect = {5640, 0, 1455, 375},
     .font = {.points = 12, .bold = true},
     .foreColor = kTitleText,
     .backColor = kTitleBar,
     .alignment = Qt::AlignCenter},
    {.control = line("Line1"), .ends = {6360, 360, 6360, 7800}, .foreColor = kTitleBar, .penWidth = 6},

    // Definitions and properties
    heading(0, "Définitions", 720, 360, 2295),
    text(label("Label7"),
         {"              On appelle EPREUVE ALEATOIRE une situation dont les résultats dépendent du hasard",
          "On appelle issue ( éventualité ) un des cas possibles, elles peuvent êtres en nombre fini ou "
          "infini",
          "On appelle univers l'enssemble des cas possibles",
          "On appelle loi de probabilité d'une épreuve aléatoire la fonction qui à chaque issue (ai) associe "
          "une probabilité (pi). Si les issues sont en nombre fini on dit que la loie de probabilité est "
          "discrete."},
         {120, 600, 6015, 2175}),
    heading(2, "Définitions", 720, 3000, 2295),
    text(sections[1],
         {"Dans le cas où le nombre d'issues est fini on définit :",
          "- L'esperence de la probabilité P  E=Somme(pi*xi)", "- La variance : Var=Somme(p(xk - E)²)",
          "- L'ecart type ; T=Racine(Var)"},
         {120, 3240, 5895, 975}),
    heading(4, "Définitions", 720, 4440, 2295),
    text(sections[3],
         {"On appelle loi de probabilité d'une variable aléatoire X la liste de ses valeurs possibles ( si "
          "elles sont finies ) avec leurs probabilités."},
         {120, 4680, 6015, 495}),
    heading(6, "Propriétés", 720, 5400, 2295),
    text(sections[5],
         {"Var(X) = E((X - E(X))²) = E(X²) - (E(X))²", "E(X + Y) = E(X) + E(Y)", "E(aX) = aE(X)",
          "Var(aX) = a² Var(X)", "Var(X + a) = Var(X)"},
         {120, 5640, 4575, 1575}),

    // The worked example
    heading(7, "Propriété", 7080, 600, 2295),
    text(label("Label2"),
         {"Si l'épreuve aléatoire est composée d'un nombre fini d'issues alors la probabilité d'un évenement "
          "A "
          "est la somme des probabilités des issues qu'il réalise."},
         {6480, 840, 5895, 855}),
    heading(8, "Arbres de probabilités Exemple", 7080, 1680, 4095),

    // Two urns, each an open box: U1 holds one red ball among six, U2 three red balls among four.
    said(small(firstUrnNames[0], "U1", 8160, 2280), "Urne U1 : une boule rouge et cinq boules jaunes"),
    blackLine(urnLeftSides[0], {8520, 2040, 8520, 2880}),
    blackLine(urnRightSides[0], {9360, 2040, 9360, 2880}),
    blackLine(urnBottoms[0], {8520, 2880, 9360, 2880}),
    ball(0, colours::red, 8520, 2640),
    ball(1, colours::yellow, 8520, 2400),
    ball(2, colours::yellow, 8760, 2400),
    ball(3, colours::yellow, 9000, 2400),
    ball(4, colours::yellow, 8760, 2640),
    ball(5, colours::yellow, 9000, 2640),
    blackLine(urnLeftSides[1], {10200, 2040, 10200, 2880}),
    blackLine(urnRightSides[1], {11040, 2040, 11040, 2880}),
    blackLine(urnBottoms[1], {10200, 2880, 11040, 2880}),
    ball(6, colours::red, 10200, 2640),
    ball(7, colours::red, 10440, 2640),
    ball(8, colours::red, 10680, 2640),
    ball(9, colours::yellow, 10320, 2400),
    said(small(secondUrnNames[0], "U2", 11040, 2160), "Urne U2 : trois boules rouges et une boule jaune"),

    text(
        label("Label3"),
        {"On choisit une urne au hasard puis on choisis une boule au hasard quelle est la probabilité que la "
         "boule soit rouge?"},
        {6600, 3120, 5895, 495}),

    // The probability tree: an urn first, then a red (R) or a yellow (J) ball.
    blackLine(line("Line9"), {9600, 3720, 8400, 4920}),
    blackLine(line("Line7"), {9600, 3720, 10800, 4920}),
    said(small(halfBranches[0], "1/2", 8400, 4080),
         "Arbre de probabilités : on choisit l'urne U1 ou l'urne U2, chacune avec la probabilité 1/2. "
         "De U1 partent deux branches : boule rouge R, probabilité 1/6 ; boule jaune J, probabilité 5/6. "
         "De U2 partent deux branches : boule rouge R, probabilité 3/4 ; boule jaune J, probabilité 1/4."),
    small(halfBranches[1], "1/2", 10440, 4080),
    small(firstUrnNames[1], "U1", 8280, 5040),
    small(secondUrnNames[1], "U2", 10560, 5040),
    blackLine(redBranches[0], {8400, 5280, 7920, 6000}),
    blackLine(yellowBranches[0], {8400, 5280, 8880, 6000}),
    blackLine(redBranches[1], {10680, 5280, 10200, 6000}),
    blackLine(yellowBranches[1], {10680, 5280, 11160, 6000}),
    small(label("Label15"), "1/6", 7560, 5520, kLarge),
    small(label("Label16"), "5/6", 8760, 5400, kLarge),
    small(label("Label17"), "3/4", 9840, 5520, kLarge),
    small(label("Label18"), "1/4", 11280, 5640, kLarge),
    small(redEnds[0], "R", 7800, 6000, kLarge),
    small(yellowEnds[0], "J", 8760, 6000, kLarge),
    small(redEnds[2], "R", 10080, 6000, kLarge),
    small(yellowEnds[2], "J", 11040, 6000, kLarge),

    text(label("Label4"), {"La probabilité cherchée est 1/2*1/6+1/2*3/4= 11/24"}, {7080, 6600, 4575, 255}),
};

} // namespace

const WindowDescription ProbabilityCourseWindow::description{
    .name = "d_Proba_cours",
    .title = "Proba_cours",
    .border = FormWindow::Border::Sizable,
    .width = 12675,
    .height = 7800,
    // The colour of a title bar's text, white under the usual colour schemes.
    .backColor = Colour::system(QPalette::HighlightedText),
    .accessibleName = "Cours de probabilités",
    .page = true,
    .controls = kControls,
};
