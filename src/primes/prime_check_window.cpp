// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/prime_check_window.h"

#include "primes/prime_input.h"
#include "primes/rules/primality.h"
#include "primes/rules/prime_steps.h"
#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

namespace {
using namespace ui;
using W = PrimeCheckWindow;

const ControlRow kControls[] = {
    {.control = label("Label4"),
     .caption = "Savoir si un nombre est premier ou non",
     .rect = {360, 120, 5055, 375},
     .font = {.points = 13.5}},
    {.control = label("Label2"),
     .caption =
         "Vous pouvez vérifier qu'un nombre est premier pour celà, écrivez le dans l'espace réservé à cet "
         "effet et validez. ",
     .rect = {240, 720, 5415, 855},
     .font = {.points = 12},
     .wordWrap = true},
    {.control = W::numberBox,
     .rect = {1560, 1800, 2775, 495},
     .accessibleName = "Nombre à vérifier",
     .handler = call(&W::numberEdited)},
    {.control = W::checkButton,
     .caption = "Vérifier",
     .rect = {2160, 2400, 1695, 495},
     .handler = call(&W::checkNumber)},
    {.control = W::verdictLabel,
     .rect = {1440, 3120, 3135, 735},
     .font = {.points = 13.5},
     .announceAs = "%1"},
    {.control = W::decomposeButton,
     .caption = "Décomposition",
     .rect = {360, 4320, 1455, 495},
     .visible = false,
     .handler = call(&W::decompose)},
    {.control = W::decompositionLabel, .rect = {2400, 4200, 2175, 735}, .announceAs = "Décomposition : %1"},
    {.control = W::detailButton,
     .caption = "Détail",
     .rect = {4440, 2400, 1095, 495},
     .accessibleName = "Détail du calcul",
     .handler = call(&W::showDetails)},
};

} // namespace

const WindowDescription PrimeCheckWindow::description{
    .name = "b_Prem_verif",
    .title = "Prem_verif",
    .border = FormWindow::Border::FixedSingle,
    .width = 5895,
    .height = 5220,
    .backColor = colours::silver,
    .accessibleName = "Nombres premiers : vérification",
    .mainButton = W::checkButton,
    .f1Presses = W::detailButton,
    .controls = kControls,
};

void PrimeCheckWindow::checkNumber() {
    get(decomposeButton).setVisible(false);
    const std::string digits = textOf(numberBox);
    if (!digits.empty()) {
        if (const auto n = wholeNumberOrWarn(program(), digits)) {
            const bool prime = primes::isPrime(*n, program().pump());
            // The window may have been closed while the test let events run: get() rebuilds it.
            if (prime) {
                setTextOf(verdictLabel, "Le nombre est premier");
            } else {
                setTextOf(verdictLabel, "Le nombre est composé");
                get(decomposeButton).setVisible(true);
            }
            explain(primes::verificationSteps(program().numbers(), *n));
        }
    }
    setTextOf(decompositionLabel, "");
}

void PrimeCheckWindow::decompose() {
    const std::string digits = textOf(numberBox);
    if (digits.empty())
        return;
    const auto n = wholeNumberOrWarn(program(), digits);
    if (!n)
        return;
    const std::int32_t divisor = primes::largestDivisorUpToRoot(*n);
    // 0 has no divisor to show: it is written 0 = 0 * 0.
    const double quotient = divisor == 0 ? 0.0 : double(*n) / divisor;
    setTextOf(decompositionLabel, NumberFormat::integerText(*n) + "=" +
                                      program().numbers().numberText(quotient) + "*" +
                                      NumberFormat::integerText(divisor));
}

void PrimeCheckWindow::numberEdited() {
    setTextOf(verdictLabel, "");
    filterWholeNumber(*this, numberBox);
}
