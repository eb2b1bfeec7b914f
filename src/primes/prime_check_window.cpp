// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/prime_check_window.h"

#include "primes/rules/primality.h"
#include "primes/prime_input.h"
#include "shell/input_filters.h"
#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

PrimeCheckWindow::PrimeCheckWindow(Program& program)
    : FormOf(program, formName) {}

FormWindow* PrimeCheckWindow::buildControls() {
    auto* w =
        new FormWindow(formName, QStringLiteral("Prem_verif"), FormWindow::Border::FixedSingle, 5895, 5220);
    w->setBackColor(colors::grey);
    QWidget* c = w->client();
    m_ui = std::make_unique<PrimeCheckWindowUi>();
    PrimeCheckWindowUi& u = *m_ui;
    u.Label4 = new Label(c, {QStringLiteral("Label4"),
                             QStringLiteral("Savoir si un nombre est premier ou non"),
                             {360, 120, 5055, 375},
                             {13.5}});
    u.Label2 = new Label(
        c, {QStringLiteral("Label2"),
            QStringLiteral("Vous pouvez vérifier qu'un nombre est premier pour celà, écrivez le dans "
                           "l'espace réservé à cet effet et validez. "),
            {240, 720, 5415, 855},
            {12},
            true});
    u.Text1 = new TextBox(c, QStringLiteral("Text1"), {1560, 1800, 2775, 495});
    u.Command1 =
        new Button(c, QStringLiteral("Command1"), QStringLiteral("Vérifier"), {2160, 2400, 1695, 495});
    u.Label1 = new Label(c, {QStringLiteral("Label1"), QString(), {1440, 3120, 3135, 735}, {13.5}});
    u.Command2 =
        new Button(c, QStringLiteral("Command2"), QStringLiteral("Décomposition"), {360, 4320, 1455, 495});
    u.Command2->setVisible(false);
    u.Label3 = new Label(c, {QStringLiteral("Label3"), QString(), {2400, 4200, 2175, 735}});

    QObject::connect(u.Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    QObject::connect(u.Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    QObject::connect(u.Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    return w;
}

void PrimeCheckWindow::Command1_Click() {
    ui().Command2->setVisible(false);
    const QString text = ui().Text1->text();
    if (!text.isEmpty()) {
        if (const auto n = primeInput(program(), text)) {
            const bool prime = Premier(*n, program().pump());
            // The window may have been closed while the test let events run: ui() rebuilds it.
            if (prime) {
                ui().Label1->setCaption(QStringLiteral("Le nombre est premier"));
            } else {
                ui().Label1->setCaption(QStringLiteral("Le nombre est composé"));
                ui().Command2->setVisible(true);
            }
        }
    }
    ui().Label3->setCaption(QString());
}

void PrimeCheckWindow::Command2_Click() {
    const QString text = ui().Text1->text();
    if (text.isEmpty())
        return;
    const auto n = primeInput(program(), text);
    if (!n)
        return;
    const std::int32_t d = PlusGrandDiviseur(*n);
    // 0 has no divisor to show: it is written 0 = 0 * 0.
    const double q = d == 0 ? 0.0 : double(*n) / d;
    const NumberFormat& f = program().numbers();
    ui().Label3->setCaption(QString::fromStdString(NumberFormat::integerText(*n) + "=" + f.numberText(q) +
                                                   "*" + NumberFormat::integerText(d)));
}

void PrimeCheckWindow::Text1_Change() {
    ui().Label1->setCaption(QString());
    Mod_Verif::filterBox(program(), ui().Text1, Mod_Verif::VerifEntier);
}
