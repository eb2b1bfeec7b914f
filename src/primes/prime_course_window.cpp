// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/prime_course_window.h"

namespace {
using namespace ui;
using W = PrimeCourseWindow;

// The page takes the colours of the desktop's title bars: the active title's colour for the
// title's background and the dividing line, its text colour for the page.
const Colour kTitleBar = Colour::system(QPalette::Highlight);
const Colour kTitleText = Colour::system(QPalette::HighlightedText);

constexpr int kWidth = 12705;
const FontSpec kHeading{.points = 9.75, .bold = true};
const FontSpec kText{.points = 9.75};

// A '~' stands for a blank that never breaks a line: a short formula stays on one line.
QString tied(const char16_t* text) {
    return QString::fromUtf16(text).replace(u'~', QChar::Nbsp);
}

// Both proofs open with a run of blanks, as a paragraph indent.
const QString kProofOfSmallPrimeDivisor =
    tied(u"          Soit n un entier naturel composé et p le plus petit diviseur de n différent de 1. Par "
         u"définition, n admet un diviseur différent de 1 et de n~: p existe donc, p~≥~2 et p~<~n. Si p "
         u"n'était pas premier, il admettrait un diviseur k tel que 1~<~k~<~p~; k divise p et p divise n, "
         u"donc k diviserait n. k serait alors un diviseur de n différent de 1 et plus petit que p, ce qui "
         u"est impossible par le choix de p. Donc p est premier. Écrivons n~=~p*p'. Le nombre p' divise n "
         u"et p' est différent de 1 puisque p~<~n~; par le choix de p, on a donc p~≤~p'. Alors "
         u"p*p~≤~p*p'~=~n, d'où p~≤~sqr(n). Tout entier composé n admet donc un diviseur premier p tel "
         u"que 2~≤~p~≤~sqr(n).");

const QString kProofOfInfinity =
    tied(u"          Supposons que l'ensemble des nombres premiers soit fini et notons q le plus grand "
         u"d'entre eux. Posons J~=~q!~+~1, où q!~=~1*2*3*...*q. Si J était composé, il admettrait un "
         u"diviseur premier p (propriété ci-contre). Comme q est le plus grand nombre premier, p~≤~q~: p "
         u"est l'un des facteurs de q!, donc p divise q!. p diviserait alors J~-~q!~=~1, ce qui est "
         u"impossible puisque p~≥~2. Donc J est premier. Or J~>~q, ce qui contredit le choix de q. "
         u"L'ensemble des nombres premiers est donc infini.");

const ControlRow kControls[] = {
    {.control = W::titleLabel,
     .caption = "Nombres Premiers",
     .rect = {5280, 0, 2295, 375},
     .font = {.points = 12, .bold = true},
     .foreColor = kTitleText,
     .backColor = kTitleBar,
     .alignment = Qt::AlignCenter},
    {.control = W::dividingLine, .ends = {6360, 360, 6360, 7800}, .foreColor = kTitleBar, .penWidth = 6},

    // Left column
    {.control = W::headings[0],
     .caption = "Définition",
     .rect = {840, 840, 975, 255},
     .font = kHeading,
     .foreColor = colours::darkRed},
    {.control = W::texts[0],
     .caption =
         "Un entier naturel est dit premier s'il admet exactement 2 diviseurs distincts, 1 et lui même. "
         "Un nombre non premier est dit composé",
     .rect = {360, 1080, 5775, 495},
     .font = kText,
     .wordWrap = true},
    {.control = W::headings[3], .caption = "Remarque", .rect = {840, 1680, 1215, 255}, .font = kHeading},
    {.control = W::texts[4],
     .caption = "1 n'est pas premier, ses diviseurs n'étant pas distincts",
     .rect = {360, 1920, 5775, 255},
     .font = kText,
     .wordWrap = true},
    {.control = W::texts[6],
     .caption = "Par définition tout nombre composé admet au moins un diviseur différent de 1 et lui même.",
     .rect = {360, 2160, 5775, 495},
     .font = kText,
     .wordWrap = true},
    {.control = W::headings[4],
     .caption = "Propriété",
     .rect = {840, 2880, 975, 255},
     .font = kHeading,
     .foreColor = colours::darkRed},
    {.control = W::texts[5],
     .caption =
         "Tout entier naturel composé admet au moins un diviseur premier compris entre 2 et son radical "
         "compris.",
     .rect = {360, 3120, 5775, 495},
     .font = kText,
     .wordWrap = true},
    {.control = W::headings[2],
     .caption = "Démonstration",
     .rect = {840, 3840, 1575, 255},
     .font = kHeading,
     .foreColor = colours::periwinkle},
    {.control = W::texts[2],
     .caption = kProofOfSmallPrimeDivisor,
     .rect = {360, 4080, 5775, 3135},
     .font = kText,
     .wordWrap = true},

    // Right column
    {.control = W::headings[1],
     .caption = "Propriété",
     .rect = {7320, 840, 975, 255},
     .font = kHeading,
     .foreColor = colours::darkRed},
    {.control = W::texts[1],
     .caption = "L'enssemble des nombres premiers est infini.",
     .rect = {6840, 1080, 4575, 255},
     .font = kText,
     .wordWrap = true},
    {.control = W::headings[5],
     .caption = "Démonstration",
     .rect = {7320, 1560, 1575, 255},
     .font = kHeading,
     .foreColor = colours::periwinkle},
    // The proof stops at the window's right edge rather than 30 twips beyond it.
    {.control = W::texts[3],
     .caption = kProofOfInfinity,
     .rect = {6840, 1800, kWidth - 6840, 2775},
     .font = kText,
     .wordWrap = true},
    {.control = W::headings[6],
     .caption = "Propriété",
     .rect = {7320, 4920, 975, 255},
     .font = kHeading,
     .foreColor = colours::darkRed},
    {.control = W::texts[7],
     .caption = "Tout entier n composé se décompose de maniere unique en produit de nombres premiers",
     .rect = {6840, 5160, 5775, 495},
     .font = kText,
     .wordWrap = true},
    {.control = W::headings[7],
     .caption = "Propriété",
     .rect = {7320, 6000, 975, 255},
     .font = kHeading,
     .foreColor = colours::darkRed},
    {.control = W::texts[8],
     .caption = "Soit n un entier composé n=(p1^a1)*(p2^a2)*...*(pi^ai) alors tout les diviseurs d de n "
                "s'écrivent sous la forme" +
                QString(70, u' ') + "d = (p1^b1)*(p2^b2)*...*(pi^bi)",
     .rect = {6840, 6240, 5775, 735},
     .font = kText,
     .wordWrap = true},
};

} // namespace

const WindowDescription PrimeCourseWindow::description{
    .name = "b_Prem_cours",
    .title = "Prem_cours",
    .border = FormWindow::Border::FixedSingle,
    .width = kWidth,
    .height = 7770,
    .backColor = kTitleText,
    .accessibleName = "Cours sur les nombres premiers",
    .page = true,
    .controls = kControls,
};
