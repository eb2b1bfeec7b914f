// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "equations/degree1_window.h"
#include "equations/degree2_window.h"
#include "equations/diophantine_window.h"
#include "equations/rules/affine_steps.h"
#include "primes/prime_search_window.h"
#include "probability/combinations_window.h"
#include "shell/detail_window.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

#include <QApplication>
#include <QClipboard>

using numbers::NumberFormat;

using namespace ui;

class TestDetailWindow : public QObject {
    Q_OBJECT

    static QString detailText(TestProgram& tp) {
        return tp->get<DetailWindow>().get(DetailWindow::stepsBox).toPlainText();
    }
    static void press(Form& form, const Ref<Button>& button) {
        QTest::mouseClick(&form.get(button), Qt::LeftButton);
    }

private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    // "Détail" opens one details window; it shows the last computation of the window it was opened
    // from, exactly as the rules wrote it, and follows that window's next computations.
    void followsTheWindowItWasOpenedFrom() {
        ShownForm<Degree1Window> w;
        auto& details = w.tp->get<DetailWindow>();
        press(w.form, Degree1Window::detailButton);
        QVERIFY(details.isShown());
        QCOMPARE(details.window().windowTitle(), QStringLiteral("Détail du calcul"));
        QVERIFY(detailText(w.tp).startsWith("Aucun calcul"));

        w.form.get(Degree1Window::aBox).setText("8");
        w.form.get(Degree1Window::bBox).setText("-15");
        w.form.get(Degree1Window::kBox).setText("11,6");
        press(w.form, Degree1Window::solveButton);
        QCOMPARE(w.form.get(Degree1Window::solutionLabel).caption(), QStringLiteral("x = 3,32"));
        // A blank line before every heading but the first.
        QString expected = QString::fromStdString(
            numbers::plainText(equations::affine::solveSteps(NumberFormat(','), "8", "-15", "11,6")));
        expected.chop(1);
        QCOMPARE(detailText(w.tp), expected);

        press(w.form, Degree1Window::computeButton);
        QVERIFY(detailText(w.tp).startsWith(QStringLiteral("Calcul de f(x₀) pour x₀ = 0")));

        // Boxes that are not numbers change nothing here either.
        w.form.get(Degree1Window::kBox).setText("-");
        press(w.form, Degree1Window::solveButton);
        QVERIFY(detailText(w.tp).startsWith(QStringLiteral("Calcul de f(x₀)")));

        // One instance: opened from another window, it shows that window's reasoning.
        auto& combinations = w.tp->get<CombinationsWindow>();
        combinations.show();
        combinations.get(CombinationsWindow::numberBox).setText("100");
        press(combinations, CombinationsWindow::factorialButton);
        QVERIFY(detailText(w.tp).startsWith(QStringLiteral("Calcul de f(x₀)")));
        press(combinations, CombinationsWindow::detailButton);
        QCOMPARE(details.source(), &combinations);
        QVERIFY(detailText(w.tp).contains(QStringLiteral("(158 chiffres)")));
        press(w.form, Degree1Window::solveButton);
        QVERIFY(detailText(w.tp).startsWith(QStringLiteral("Factorielle de 100")));
    }

    // F1 anywhere in a computing window opens the details; the text is read-only, selectable by
    // keyboard and copied as it is shown.
    void f1AndCopy() {
        ShownForm<Degree2Window> w;
        w.form.get(Degree2Window::aBox).setText("1");
        w.form.get(Degree2Window::cBox).setText("-8");
        press(w.form, Degree2Window::discriminantButton);
        auto& details = w.tp->get<DetailWindow>();
        QVERIFY(!details.isShown());
        QVERIFY(QTest::qWaitForWindowActive(&w.form.window()));
        QTest::keyClick(&w.form.get(Degree2Window::cBox), Qt::Key_F1);
        QVERIFY(details.isShown());
        QCOMPARE(details.source(), &w.form);
        auto& box = details.get(DetailWindow::stepsBox);
        QVERIFY(box.isReadOnly());
        QVERIFY(box.textInteractionFlags() & Qt::TextSelectableByKeyboard);
        QVERIFY(box.toPlainText().contains(QStringLiteral("√Δ = √32 = 4√2")));
        box.selectAll();
        box.copy();
        QCOMPARE(QApplication::clipboard()->text(), box.toPlainText());
    }

    // Closed by the pupil, the details window comes back with the same window's reasoning.
    void closedAndOpenedAgain() {
        ShownForm<DiophantineWindow> w;
        w.form.get(DiophantineWindow::aBox).setText("1");
        w.form.get(DiophantineWindow::bBox).setText("1");
        w.form.get(DiophantineWindow::cBox).setText("500");
        press(w.form, DiophantineWindow::simplifyButton);
        press(w.form, DiophantineWindow::detailButton);
        auto& details = w.tp->get<DetailWindow>();
        details.window().close();
        QVERIFY(!details.isShown());
        press(w.form, DiophantineWindow::particularButton);
        press(w.form, DiophantineWindow::detailButton);
        QVERIFY(detailText(w.tp).contains(QStringLiteral("x₀ = 0 ; y₀ = 500")));
    }

    // The search explains its count, π(n) when it starts at 1; the details follow the next search.
    void searchCountExplained() {
        ShownForm<PrimeSearchWindow> w;
        w.form.get(PrimeSearchWindow::lowerBox).setText("1");
        w.form.get(PrimeSearchWindow::upperBox).setText("100");
        press(w.form, PrimeSearchWindow::startButton);
        QCOMPARE(w.form.get(PrimeSearchWindow::countLabel).caption(), QStringLiteral("25"));
        press(w.form, PrimeSearchWindow::detailButton);
        QVERIFY(detailText(w.tp).contains(QStringLiteral("Nombres premiers trouvés : 25")));
        QVERIFY(detailText(w.tp).contains(QStringLiteral("π(100) = 25")));
        w.form.get(PrimeSearchWindow::lowerBox).setText("90");
        press(w.form, PrimeSearchWindow::startButton);
        QVERIFY(detailText(w.tp).contains(QStringLiteral("Nombres premiers trouvés : 1")));
        QVERIFY(!detailText(w.tp).contains(QStringLiteral("π(")));
    }
};

QTEST_MAIN(TestDetailWindow)
#include "tst_detail_window.moc"
