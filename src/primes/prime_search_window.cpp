// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/prime_search_window.h"

#include "primes/rules/primality.h"
#include "shell/input_filters.h"
#include "shell/program.h"
#include "shell/rules/skip_on_error.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/list_box.h"

#include <QFontMetricsF>
#include <QTimer>

namespace {

// The sentence is one caption whose run of blanks lies under the lower bound's box. Its
// letters are drawn a little tighter or looser so that the closing "et" shows in the gap
// between the two boxes, whatever the widths of the font's letters and blanks.
void placeSentenceAroundBoxes(Label* sentence, const QWidget* lowerBox, const QWidget* upperBox) {
    const QString text = sentence->caption();
    const qsizetype last = text.lastIndexOf(u' ') + 1;
    QFont font = sentence->font();
    const QFontMetricsF metrics(font);
    const double lastWidth = metrics.horizontalAdvance(text.mid(last));
    const double gapMiddle = (lowerBox->geometry().right() + 1 + upperBox->geometry().left()) / 2.0;
    const double wanted = gapMiddle - lastWidth / 2 - sentence->x();
    const double now = metrics.horizontalAdvance(text.left(last));
    // Spacing letters rather than words: a run of blanks widens like a single one.
    font.setLetterSpacing(QFont::AbsoluteSpacing, (wanted - now) / double(last));
    sentence->setFont(font);
}

// A caption slightly wider than its label is drawn a little tighter rather than cut off.
void tightenToFit(Label* label) {
    QFont font = label->font();
    const QString text = label->caption();
    double spacing = 0;
    while (QFontMetricsF(font).horizontalAdvance(text) > label->width() && spacing > -1) {
        spacing -= 0.1;
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    }
    label->setFont(font);
}

} // namespace

PrimeSearchWindow::PrimeSearchWindow(Program& program)
    : FormOf(program, formName) {}

FormWindow* PrimeSearchWindow::buildControls() {
    auto* w =
        new FormWindow(formName, QStringLiteral("Prem_rech"), FormWindow::Border::FixedSingle, 6840, 5115);
    w->setBackColor(colors::grey);
    QWidget* c = w->client();
    m_ui = std::make_unique<PrimeSearchWindowUi>();
    PrimeSearchWindowUi& u = *m_ui;
    u.Label4 = new Label(c, {QStringLiteral("Label4"),
                             QStringLiteral("Recherche des nombres premiers"),
                             {1080, 120, 4815, 375},
                             {13.5}});
    // The two boxes sit over the run of blanks and after "et".
    u.Label1 = new Label(
        c, {QStringLiteral("Label1"),
            QStringLiteral("Chercher les nombres premiers entre") + QString(22, u' ') + QStringLiteral("et"),
            {240, 720, 6015, 375},
            {12}});
    u.Text1 = new TextBox(c, QStringLiteral("Text1"), {4320, 720, 1095, 375});
    u.Text2 = new TextBox(c, QStringLiteral("Text2"), {5760, 720, 1095, 375});
    u.Command1 =
        new Button(c, QStringLiteral("Command1"), QStringLiteral("Commencer"), {840, 1440, 1815, 495});
    u.List1 = new ListBox(c, QStringLiteral("List1"), {3840, 1800, 2655, 2985});
    u.Label2 = new Label(c, {QStringLiteral("Label2"),
                             QStringLiteral("Nombre de nombres premiers de la liste"),
                             {480, 4200, 2895, 255}});
    u.Label3 = new Label(c, {QStringLiteral("Label3"), QString(), {480, 4680, 2775, 255}});

    placeSentenceAroundBoxes(u.Label1, u.Text1, u.Text2);
    tightenToFit(u.Label2);

    QObject::connect(u.Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    QObject::connect(u.Text2, &QLineEdit::textChanged, this, [this] { Text2_Change(); });
    QObject::connect(u.Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    return w;
}

bool PrimeSearchWindow::searchStopped(std::uint64_t search) const {
    return search != m_search || program().ended();
}

void PrimeSearchWindow::Command1_Click() {
    const std::uint64_t search = ++m_search;
    const NumberFormat& numbers = program().numbers();
    Pump& pump = program().pump();
    SkipOnError run;
    run.step([&] { startCount(); });
    // A bound that cannot be read stays 0: an unreadable upper bound finds nothing, an
    // unreadable lower bound starts the search at 0.
    std::int32_t upper = 0;
    std::int32_t lower = 0;
    run.step([&] { upper = need(numbers.toInt32(ui().Text2->text().toStdString())); });
    run.step([&] { lower = need(numbers.toInt32(ui().Text1->text().toStdString())); });
    // Counted in 64 bits, so that a search up to 2147483647 ends after its last candidate.
    for (std::int64_t i = lower; i <= upper; ++i) {
        const bool prime = Premier(std::int32_t(i), pump);
        // Events may have run during the test: the window may have been closed and rebuilt, a
        // new search started, or the program ended.
        if (searchStopped(search))
            return;
        if (prime) {
            ListBox* list = ui().List1;
            run.step([&] { list->addItem(NumberFormat::integerText(i)); });
            // The newest prime stays in view, however long the list grows.
            run.step([&] { list->selectLast(); });
            run.step([&] { countOne(); });
        }
    }
    showCount();
}

void PrimeSearchWindow::startCount() {
    m_countLabel = ui().Label3;
    m_countLabel->setCaption(QStringLiteral("0"));
    m_count = 0.0;
}

void PrimeSearchWindow::countOne() {
    Label* label = ui().Label3;
    // A window closed during the search was rebuilt with its initial caption: count from there.
    if (label != m_countLabel) {
        m_countLabel = label;
        m_count = program().numbers().toDouble(label->caption().toStdString());
    }
    const double next = checked::finite(need(m_count) + 1);
    m_count = next;
    if (!m_countShowPending) {
        m_countShowPending = true;
        QTimer::singleShot(0, this, [this] { showCount(); });
    }
}

void PrimeSearchWindow::showCount() {
    m_countShowPending = false;
    if (m_countLabel && m_count)
        m_countLabel->setCaption(QString::fromStdString(program().numbers().numberText(*m_count)));
}

void PrimeSearchWindow::boundChanged(TextBox* box) {
    ui().List1->clear();
    Mod_Verif::filterBox(program(), box, Mod_Verif::VerifEntier);
}

void PrimeSearchWindow::Text1_Change() {
    boundChanged(ui().Text1);
}

void PrimeSearchWindow::Text2_Change() {
    boundChanged(ui().Text2);
}
