// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/goldbach_window.h"

#include "primes/rules/primality.h"
#include "primes/prime_input.h"
#include "shell/input_filters.h"
#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

namespace {

struct Paragraph {
    const char* name;
    const char* text;
    twips::Rect rect;
};

const Paragraph kParagraphs[] = {
    {"Label1",
     "En mathématiques, on appelle conjecture, une règle qui n'a jamais été prouvée. On a vérifié "
     "qu'elle est vraie sur beaucoup d'exemples mais on n'est pas sûr qu'elle soit toujours vraie.",
     {240, 720, 6135, 615}},
    {"Label3",
     "Cette conjecture a été découverte au XVIIIe siècle par le mathématicien dont elle porte le nom. "
     "Depuis, de très nombreux mathématiciens ont essayé de l'expliquer, et beaucoup cherchent "
     "encore aujourd'hui, mais personne n'y est encore parvenu.",
     {240, 1320, 6135, 615}},
    {"Label4",
     "Depuis que le célèbre grand théorème sur les puissances, resté plus de trois siècles sans "
     "preuve, a été démontré en 1995, cette conjecture occupe la première place parmi les grands "
     "problèmes encore non résolus de l'arithmétique.",
     {240, 1920, 6015, 615}},
    {"Label5",
     "Enoncé de la conjecture de Goldbach Tout nombre pair strictement supérieur à 2 est la somme de "
     "deux nombres premiers.",
     {240, 2640, 6015, 495}},
};

} // namespace

GoldbachWindow::GoldbachWindow(Program& program)
    : FormOf(program, formName) {}

FormWindow* GoldbachWindow::buildControls() {
    auto* w =
        new FormWindow(formName, QStringLiteral("Prem_gold"), FormWindow::Border::FixedSingle, 6525, 5265);
    w->setBackColor(colors::grey);
    QWidget* c = w->client();
    m_ui = std::make_unique<GoldbachWindowUi>();
    GoldbachWindowUi& u = *m_ui;
    u.Label2 = new Label(
        c,
        {QStringLiteral("Label2"), QStringLiteral("Conjecture de Goldbach"), {1680, 120, 3255, 375}, {13.5}});
    Label** paragraphs[] = {&u.Label1, &u.Label3, &u.Label4, &u.Label5};
    for (std::size_t k = 0; k < std::size(kParagraphs); ++k) {
        const Paragraph& p = kParagraphs[k];
        *paragraphs[k] =
            new Label(c, {QString::fromLatin1(p.name), QString::fromUtf8(p.text), p.rect, {}, true});
    }
    u.Command1 =
        new Button(c, QStringLiteral("Command1"), QStringLiteral("Chercher"), {840, 3120, 2295, 615});
    u.Text1 = new TextBox(c, QStringLiteral("Text1"), {3600, 3120, 2295, 615});
    u.Label6 = new Label(c, {QStringLiteral("Label6"), QString(), {1560, 4080, 3495, 975}, {12}, true});

    QObject::connect(u.Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    QObject::connect(u.Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    return w;
}

bool GoldbachWindow::searchStopped(std::uint64_t search) const {
    return search != m_search || program().ended();
}

void GoldbachWindow::Command1_Click() {
    const QString text = ui().Text1->text();
    if (text.isEmpty())
        return;
    // Whatever its answer, the press replaces a search still running.
    const std::uint64_t search = ++m_search;
    const auto number = primeInput(program(), text);
    if (!number)
        return;
    if (*number <= 2 || *number % 2 != 0) {
        ui().Label6->setCaption(QStringLiteral(
            "La conjecture de Goldbach ne fonctionne qu'avec des nombres pairs supérieurs à 2"));
        return;
    }
    const NumberFormat& numbers = program().numbers();
    Pump& pump = program().pump();
    // The box is read again at each prime candidate: an edit during the search changes the
    // partner and the number written from then on. A box emptied meanwhile ends the search.
    const auto typed = [&] { return numbers.toDouble(ui().Text1->text().toStdString()); };
    for (m_p = 2; m_p <= *number; ++m_p) {
        pump();
        if (searchStopped(search))
            return;
        const bool prime = Premier(m_p, pump);
        if (searchStopped(search))
            return;
        if (!prime)
            continue;
        const auto value = typed();
        if (!value)
            return;
        const auto q = NumberFormat::roundToInt32(*value - m_p);
        if (!q || !Premier(*q, pump))
            continue;
        if (searchStopped(search))
            return;
        const QString shown = ui().Text1->text();
        const auto last = typed();
        if (!last)
            return;
        ui().Label6->setCaption(QString::fromStdString(NumberFormat::integerText(m_p) + "+" +
                                                       numbers.numberText(*last - m_p) + "=") +
                                shown);
        return;
    }
}

void GoldbachWindow::Text1_Change() {
    Mod_Verif::filterBox(program(), ui().Text1, Mod_Verif::VerifEntier);
}
