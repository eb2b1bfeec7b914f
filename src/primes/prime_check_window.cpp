// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/prime_check_window.h"

#include "primes/prime_input.h"
#include "primes/rules/primality.h"
#include "shell/input_filters.h"
#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

namespace {
using namespace ui;
using W = PrimeCheckWindow;

const Ref<TextBox> Text1{"Text1"};
const Ref<Label> Label1{"Label1"}; // the verdict
const Ref<Button> Command2{"Command2"};
const Ref<Label> Label3{"Label3"}; // the decomposition

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
    {.control = Text1,
     .rect = {1560, 1800, 2775, 495},
     .accessibleName = "Nombre à vérifier",
     .handler = call(&W::Text1_Change)},
    {.control = button("Command1"),
     .caption = "Vérifier",
     .rect = {2160, 2400, 1695, 495},
     .handler = call(&W::Command1_Click)},
    {.control = Label1, .rect = {1440, 3120, 3135, 735}, .font = {.points = 13.5}},
    {.control = Command2,
     .caption = "Décomposition",
     .rect = {360, 4320, 1455, 495},
     .visible = false,
     .handler = call(&W::Command2_Click)},
    {.control = Label3, .rect = {2400, 4200, 2175, 735}},
};

} // namespace

const WindowDescription PrimeCheckWindow::description{
    .name = "b_Prem_verif",
    .title = "Prem_verif",
    .border = FormWindow::Border::FixedSingle,
    .width = 5895,
    .height = 5220,
    .backColor = colours::silver,
    .controls = kControls,
};

void PrimeCheckWindow::Command1_Click() {
    get(Command2).setVisible(false);
    const QString text = get(Text1).text();
    if (!text.isEmpty()) {
        if (const auto n = primeInput(program(), text)) {
            const bool prime = Premier(*n, program().pump());
            // The window may have been closed while the test let events run: get() rebuilds it.
            if (prime) {
                get(Label1).setCaption(QStringLiteral("Le nombre est premier"));
            } else {
                get(Label1).setCaption(QStringLiteral("Le nombre est composé"));
                get(Command2).setVisible(true);
            }
        }
    }
    get(Label3).setCaption(QString());
}

void PrimeCheckWindow::Command2_Click() {
    const QString text = get(Text1).text();
    if (text.isEmpty())
        return;
    const auto n = primeInput(program(), text);
    if (!n)
        return;
    const std::int32_t d = PlusGrandDiviseur(*n);
    // 0 has no divisor to show: it is written 0 = 0 * 0.
    const double q = d == 0 ? 0.0 : double(*n) / d;
    const NumberFormat& f = program().numbers();
    get(Label3).setCaption(QString::fromStdString(NumberFormat::integerText(*n) + "=" + f.numberText(q) +
                                                  "*" + NumberFormat::integerText(d)));
}

void PrimeCheckWindow::Text1_Change() {
    get(Label1).setCaption(QString());
    Mod_Verif::filterBox(*this, Text1, Mod_Verif::VerifEntier);
}
