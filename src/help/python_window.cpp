// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/python_window.h"

#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/file_writing.h"
#include "shell/toolkit/list_box.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

#include <iterator>

namespace {
using namespace ui;
using W = PythonWindow;

// A listing: its line in the list, its file among the program's resources (also the name offered
// when saving it) and what the pupil reads under it.
struct Listing {
    const char* title;
    const char* file;
    const char* explanation;
};

// The listings in the order of the list.
constexpr Listing kListings[] = {
    {.title = "Nombres premiers",
     .file = "nombres_premiers.py",
     .explanation =
         "est_premier divise n par 2, par 3, puis par les nombres 6k − 1 et 6k + 1 tant que leur carré ne "
         "dépasse pas n : un diviseur plus grand que √n irait avec un autre plus petit que √n. crible raye "
         "les multiples de chaque nombre premier trouvé ; goldbach cherche le plus petit nombre premier p "
         "tel que n − p soit premier lui aussi."},
    {.title = "PGCD et équations diophantiennes",
     .file = "diophantiennes.py",
     .explanation =
         "pgcd applique l'algorithme d'Euclide : (a, b) devient (b, reste de a par b) jusqu'à un reste nul. "
         "L'algorithme étendu garde à chaque étape deux coefficients u et v tels que a×u + b×v soit égal au "
         "reste. L'équation a×x + b×y = c a des solutions entières exactement quand pgcd(a, b) divise c."},
    {.title = "Équations du second degré",
     .file = "second_degre.py",
     .explanation = "Le discriminant Δ = b² − 4ac donne le nombre de solutions réelles de ax² + bx + c = 0 : "
                    "deux si Δ > 0, une si Δ = 0, aucune si Δ < 0. Les solutions sont (−b − √Δ) / (2a) et "
                    "(−b + √Δ) / (2a), rangées dans l'ordre croissant."},
    {.title = "Factorielles et combinaisons",
     .file = "combinaisons.py",
     .explanation =
         "factorielle multiplie les entiers de 2 à n. Python calcule avec des entiers aussi grands qu'il le "
         "faut : 30! est exact, sans arrondi. combinaisons applique la formule n! / (k! × (n − k)!) avec la "
         "division entière « // », exacte ici."},
    {.title = "Pile ou face et échantillons",
     .file = "probabilites.py",
     .explanation =
         "random.random() donne un nombre au hasard entre 0 et 1 : il est inférieur à 0,5 une fois sur "
         "deux, comme « pile ». echantillons simule N échantillons de taille n et compte ceux dont la "
         "fréquence tombe dans l'intervalle de fluctuation [p − 1/√n ; p + 1/√n] : environ 95 % d'entre "
         "eux au moins, quand n ≥ 25 et 0,2 ≤ p ≤ 0,8. dans_l_intervalle fait ce test sur des entiers, "
         "comme le programme : une fréquence posée sur un bord compte dedans."},
    {.title = "Balayage : encadrer √2",
     .file = "balayage.py",
     .explanation =
         "On part de 1 ≤ √2 ≤ 2 et on avance avec un pas de 0,1 tant que le carré reste inférieur ou égal "
         "à 2, puis on recommence à partir de là avec un pas de 0,01, et ainsi de suite. Après k étapes, a "
         "et b = a + 10^(−k) encadrent √2. Le calcul se fait sur des entiers, exact à toutes les "
         "décimales : avec des nombres à virgule, le pas ne changerait plus a après 15 décimales."},
};

const FontSpec kReading{.points = 9};

const ControlRow kControls[] = {
    {.control = W::listingList,
     .rect = {120, 120, 3000, 4815},
     .font = kReading,
     .accessibleName = "Algorithmes",
     .handler = call(&W::showChosenListing)},
    // Monospaced and unwrapped (see load): each line of the program stays whole, as in an editor.
    {.control = W::programBox,
     .rect = {3240, 120, 8520, 4815},
     .readOnly = true,
     .accessibleName = "Programme"},
    {.control = W::explanationLabel,
     .caption = "Choisissez un algorithme dans la liste : son programme en Python s'affiche à droite.",
     .rect = {120, 5055, 11640, 975},
     .font = kReading,
     .wordWrap = true},
    {.control = W::copyButton,
     .caption = "Copier",
     .rect = {8400, 6150, 1560, 495},
     .handler = call(&W::copyProgram)},
    {.control = W::saveButton,
     .caption = "Enregistrer…",
     .rect = {10080, 6150, 1680, 495},
     .handler = call(&W::saveProgram)},
};

// The text of a listing exactly as stored.
QByteArray listingText(int listing) {
    QFile file(QStringLiteral(":/python/") + QLatin1String(kListings[listing].file));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

const WindowDescription PythonWindow::description{
    .name = "Frm_Python",
    .title = "Algorithmes en Python",
    .border = FormWindow::Border::FixedSingle,
    .width = 11880,
    .height = 6765,
    .controls = kControls,
};

void PythonWindow::load() {
    m_shown = -1;
    ListBox& list = get(listingList);
    for (const Listing& listing : kListings)
        list.addItem(QString::fromUtf8(listing.title));
    MultiLineTextBox& program = get(programBox);
    // The bundled monospaced face: the listings look the same on every machine.
    QFont code(QStringLiteral("Liberation Mono"));
    code.setStyleHint(QFont::Monospace);
    code.setFixedPitch(true);
    code.setPointSizeF(9);
    program.setFont(code);
    program.setLineWrapMode(QPlainTextEdit::NoWrap);
    get(copyButton).setEnabled(false);
    get(saveButton).setEnabled(false);
}

void PythonWindow::showChosenListing() {
    const int listing = get(listingList).listIndex();
    if (listing < 0 || listing >= int(std::size(kListings)) || listing == m_shown)
        return;
    m_shown = listing;
    MultiLineTextBox& program = get(programBox);
    program.setPlainText(QString::fromUtf8(listingText(listing)));
    // Read from the top, like a file just opened.
    program.moveCursor(QTextCursor::Start);
    get(explanationLabel).setCaption(QString::fromUtf8(kListings[listing].explanation));
    get(copyButton).setEnabled(true);
    get(saveButton).setEnabled(true);
}

void PythonWindow::copyProgram() {
    if (m_shown < 0)
        return;
    QGuiApplication::clipboard()->setText(get(programBox).text());
}

void PythonWindow::saveProgram() {
    const int listing = m_shown;
    if (listing < 0)
        return;
    const auto target = program().dialogs().askSaveFile(&window(), QStringLiteral("Enregistrer le programme"),
                                                        {QStringLiteral("Programme Python (*.py)")},
                                                        QLatin1String(kListings[listing].file));
    // The dialog let events run: the window may have been closed and rebuilt meanwhile.
    if (!target || target->path.isEmpty() || m_shown != listing)
        return;
    // The listing as stored, byte for byte: what the window shows.
    const QByteArray text = listingText(listing);
    QString why;
    const bool written = writeWholeFile(
        target->path, [&text](QIODevice& file) { return file.write(text) == text.size(); }, &why);
    if (written) {
        program().dialogs().saved(target->path);
        return;
    }
    program().dialogs().exportFailed(
        &window(),
        writeFailureMessage(QStringLiteral("Le programme n'a pas pu être enregistré dans le fichier\n%1."),
                            target->path, why));
}
