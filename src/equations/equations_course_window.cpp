// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "equations/equations_course_window.h"

namespace {
using namespace ui;
using W = EquationsCourseWindow;

const FontSpec kHeadingFont{.points = 9.75, .bold = true};
const FontSpec kLargeText{.points = 12};
const FontSpec kText{.points = 9.75};

// A section heading and the rectangle that frames it, of the same place and size.
ControlRow sectionHeading(int item, const char* caption, const TwipsRect& r) {
    return {.control = W::headings[item],
            .caption = caption,
            .rect = r,
            .font = kHeadingFont,
            .foreColor = colours::blue,
            .alignment = Qt::AlignLeft | Qt::AlignVCenter};
}
ControlRow sectionFrame(int item, const TwipsRect& r) {
    return {.control = W::headingFrames[item], .rect = r};
}
ControlRow heading(int item, const char* caption, const TwipsRect& r) {
    return {.control = W::headings[item],
            .caption = caption,
            .rect = r,
            .font = kHeadingFont,
            .foreColor = colours::periwinkle};
}
ControlRow paragraph(int item, const char* caption, const TwipsRect& r) {
    return {.control = W::paragraphs[item],
            .caption = caption,
            .rect = r,
            .font = item <= 2 ? kLargeText : kText,
            .wordWrap = true};
}

constexpr TwipsRect kAffineSection{360, 480, 5055, 255};
constexpr TwipsRect kTrinomialSection{360, 4200, 5055, 255};
constexpr TwipsRect kDiophantineSection{6720, 2520, 5055, 255};

// Each formula of the long paragraphs starts a line.
const ControlRow kControls[] = {
    {.control = label("Label1"),
     .caption = "FONCTIONS",
     .rect = {5520, 0, 1575, 375},
     .font = {.points = 12, .bold = true},
     .alignment = Qt::AlignHCenter | Qt::AlignTop},
    {.control = line("Line1"), .ends = {6240, 360, 6240, 7800}},

    // Affine functions and degree-1 equations.
    sectionFrame(0, kAffineSection),
    sectionHeading(1, "FONCTIONS AFFINES, EQUATION DE DEGRE 1", kAffineSection),
    heading(0, "Définition", {840, 960, 975, 255}),
    paragraph(
        0,
        "Une fonction qui à l'antécédant x associe l'image f(x)  est dite affine si et seulement si  elle "
        "peut s'écrire sous la forme f(x)=ax+b avec a et b des réels.",
        {360, 1200, 5775, 855}),
    heading(3, "Propriétés", {840, 2280, 1095, 240}),
    paragraph(1,
              "1) Soit f une fonction affine, alors l'équation f(x)=c admet une unique solution ; x=(c-b)/a",
              {360, 2640, 5640, 720}),
    // Wide enough for the sentence to stay on its one line.
    paragraph(2, "2) a est coefficient directeur (ou pente).", {360, 3360, 4455, 300}),

    // Trinomials and degree-2 equations.
    sectionFrame(1, kTrinomialSection),
    sectionHeading(4, "          TRINÔME, EQUATION DE DEGRE 2", kTrinomialSection),
    heading(5, "Définition", {840, 4680, 975, 255}),
    paragraph(3,
              "Une fonction qui à x associe f(x) est un trinôme si et seulement si  quel que soit x, "
              "f(x)=ax²+bx+c avec a,b,c des réels a non nul",
              {360, 4920, 5775, 495}),
    heading(7, "Définition", {840, 5520, 975, 255}),
    paragraph(5, "On définit le discriminant d'une équation de degré 2 par d=b²-4ac", {360, 5760, 5775, 255}),
    heading(6, "Propriété", {840, 6240, 975, 255}),
    paragraph(4,
              "Soit f : x->ax²+bx+c, l'équation f(x)=0  de discriminant d :\n"
              "x1=(-b-sqr(d))/2a et\n"
              "x2=(-b+sqr(d))/2a sont ses deux solutions si d>0 ;\n"
              "x=-b/2a est son unique solution si d=0.\n"
              "Si d<0 deux solution complexes non traitées ici.",
              {360, 6480, 5775, 1215}),

    // The factorised form.
    heading(8, "Démonstration", {7200, 360, 1575, 255}),
    paragraph(6,
              "ax²+bx+c=a(x²+(b/a)x+c/a)=a((x+(b/2a))² - (b²/4a²) + c/a)\n"
              "=a((x+(b/2a))² - (b²-4ac)/4a²)\n"
              "Si b²-4ac est non nul, l'équation f(x)=0 se ramène donc à\n"
              "(x+(b/2a))² - d/4a²=0, qui est équivalente à\n"
              "(x-x1)(x-x2)=0",
              {6720, 600, 5775, 1455}),

    // Diophantine equations.
    sectionFrame(2, kDiophantineSection),
    sectionHeading(9, "             EQUATIONS DIOPHANTIENNES", kDiophantineSection),
    heading(10, "Définition", {7200, 3000, 975, 255}),
    paragraph(
        7,
        "Un equation diophantienne peut se mettre sous la forme ax+by=c avec x et y les nconnues et a,b,c "
        "des entiers relatifs.",
        {6720, 3240, 5775, 495}),
    heading(11, "Méthode", {7200, 3960, 975, 255}),
    paragraph(8,
              "Soit (p,q) une solution particulière (a et b premiers entre eux) :\n"
              "ax+by=ap+bq, d'où\n"
              "a(x-p)=b(q-y) : b divise x-p et a divise q-y. On pose\n"
              "ka=q-y et\n"
              "k'b=x-p ; en remplaçant, ak'b=bka, donc k=k'. D'où\n"
              "x=kb+p\n"
              "y=- ka+q",
              {6720, 4320, 5775, 1575}),
};

} // namespace

const WindowDescription EquationsCourseWindow::description{
    .name = "c_Eq_cours",
    .title = "Eq_cours",
    .border = FormWindow::Border::FixedSingle,
    .width = 12525,
    .height = 7815,
    .accessibleName = "Cours sur les équations",
    .page = true,
    .controls = kControls,
};
