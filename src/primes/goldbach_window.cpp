// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/goldbach_window.h"

#include "primes/prime_input.h"
#include "primes/rules/primality.h"
#include "primes/rules/prime_steps.h"
#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

namespace {
using namespace ui;
using W = GoldbachWindow;

const ControlRow kControls[] = {
    {.control = label("Label2"),
     .caption = "Conjecture de Goldbach",
     .rect = {1680, 120, 3255, 375},
     .font = {.points = 13.5}},
    {.control = label("Label1"),
     .caption =
         "En mathématiques, on appelle conjecture, une règle qui n'a jamais été prouvée. On a vérifié "
         "qu'elle est vraie sur beaucoup d'exemples mais on n'est pas sûr qu'elle soit toujours vraie.",
     .rect = {240, 720, 6135, 615},
     .wordWrap = true},
    {.control = label("Label3"),
     .caption =
         "Cette conjecture a été découverte au XVIIIe siècle par le mathématicien dont elle porte le nom. "
         "Depuis, de très nombreux mathématiciens ont essayé de l'expliquer, et beaucoup cherchent "
         "encore aujourd'hui, mais personne n'y est encore parvenu.",
     .rect = {240, 1320, 6135, 615},
     .wordWrap = true},
    {.control = label("Label4"),
     .caption = "Depuis que le célèbre grand théorème sur les puissances, resté plus de trois siècles sans "
                "preuve, a été démontré en 1995, cette conjecture occupe la première place parmi les grands "
                "problèmes encore non résolus de l'arithmétique.",
     .rect = {240, 1920, 6015, 615},
     .wordWrap = true},
    {.control = label("Label5"),
     .caption =
         "Enoncé de la conjecture de Goldbach Tout nombre pair strictement supérieur à 2 est la somme de "
         "deux nombres premiers.",
     .rect = {240, 2640, 6015, 495},
     .wordWrap = true},
    {.control = W::searchButton,
     .caption = "Chercher",
     .rect = {840, 3120, 2295, 615},
     .handler = call(&W::findSum)},
    {.control = W::evenNumberBox,
     .rect = {3600, 3120, 2295, 615},
     .accessibleName = "Nombre pair",
     .handler = call(&W::numberEdited)},
    {.control = W::sumLabel,
     .rect = {1560, 4080, 3495, 975},
     .font = {.points = 12},
     .wordWrap = true,
     .announceAs = "%1"},
    {.control = W::detailButton,
     .caption = "Détail",
     .rect = {5280, 4320, 1095, 495},
     .accessibleName = "Détail du calcul",
     .handler = call(&W::showDetails)},
};

} // namespace

const WindowDescription GoldbachWindow::description{
    .name = "b_Prem_gold",
    .title = "Prem_gold",
    .border = FormWindow::Border::FixedSingle,
    .width = 6525,
    .height = 5265,
    .backColor = colours::silver,
    .accessibleName = "Conjecture de Goldbach",
    .mainButton = W::searchButton,
    .f1Presses = W::detailButton,
    .controls = kControls,
};

bool GoldbachWindow::searchStopped(std::uint64_t search) const {
    return search != m_search || program().ended();
}

void GoldbachWindow::findSum() {
    const std::string digits = textOf(evenNumberBox);
    if (digits.empty())
        return;
    // Whatever its answer, the press replaces a search still running.
    const std::uint64_t search = ++m_search;
    const auto number = wholeNumberOrWarn(program(), digits);
    if (!number)
        return;
    if (*number <= 2 || *number % 2 != 0) {
        setTextOf(sumLabel,
                  "La conjecture de Goldbach ne fonctionne qu'avec des nombres pairs supérieurs à 2");
        return;
    }
    const NumberFormat& numbers = program().numbers();
    Pump& pump = program().pump();
    // The box is read again at each prime candidate: an edit during the search changes the
    // partner and the number written from then on. A box emptied meanwhile ends the search.
    const auto typed = [&] { return numberIn(evenNumberBox); };
    for (m_smallerPrime = 2; m_smallerPrime <= *number; ++m_smallerPrime) {
        pump();
        if (searchStopped(search))
            return;
        const bool prime = primes::isPrime(m_smallerPrime, pump);
        if (searchStopped(search))
            return;
        if (!prime)
            continue;
        const auto value = typed();
        if (!value)
            return;
        const auto partner = NumberFormat::roundToInt32(*value - m_smallerPrime);
        if (!partner || !primes::isPrime(*partner, pump))
            continue;
        if (searchStopped(search))
            return;
        // The number is written as typed, leading zeros included.
        const std::string shown = textOf(evenNumberBox);
        const auto last = typed();
        if (!last)
            return;
        setTextOf(sumLabel, NumberFormat::integerText(m_smallerPrime) + "+" +
                                numbers.numberText(*last - m_smallerPrime) + "=" + shown);
        if (const auto even = NumberFormat::roundToInt32(*last))
            explain(primes::goldbachSteps(*even));
        return;
    }
}

void GoldbachWindow::numberEdited() {
    filterWholeNumber(*this, evenNumberBox);
}
