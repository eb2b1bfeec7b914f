// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil who uses only the keyboard and a screen reader: every exercise is driven here with key
// presses sent where the focus is, and what a screen reader would say is read from the
// accessibility events the program sends.
#include "heard.h"
#include "test_program.h"

#include "app/window_catalog.h"
#include "equations/degree2_window.h"
#include "equations/equations_course_window.h"
#include "primes/prime_check_window.h"
#include "primes/prime_search_window.h"
#include "primes/rules/sieve.h"
#include "primes/sieve_window.h"
#include "shell/main_menu.h"
#include "shell/toolkit/accessibility.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/list_box.h"

#include <QAccessible>
#include <QApplication>
#include <QRegularExpression>
#include <QSet>
#include <QTimer>

#include <utility>

using namespace ui;

namespace {

QWidget* focused() {
    return QApplication::focusWidget();
}

// A key pressed where the focus is, as the pupil presses it.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = focused();
    QVERIFY2(target, "nothing has the focus");
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

// Text typed where the focus is, replacing what the box held.
void typeOver(const QString& text) {
    QWidget* target = focused();
    QVERIFY2(target, "nothing has the focus");
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(target, text);
}

// Tabs until the focus is on `wanted`, failing when it comes round without finding it.
void tabTo(QWidget* wanted, int most = 40) {
    for (int i = 0; i < most && focused() != wanted; ++i)
        press(Qt::Key_Tab);
    QVERIFY2(focused() == wanted,
             qPrintable(QStringLiteral("Tab does not reach %1, stops on %2")
                            .arg(wanted->objectName(), focused() ? focused()->objectName() : QString())));
}

void activate(Form& form) {
    form.show();
    form.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form.window()));
}

} // namespace

class TestKeyboardOnly : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        setUpTestApplication();
        Heard::listen();
    }

    void init() { Heard::now() = {}; }

    // Main menu → "Vérifier" with Enter; the number typed, Enter runs the verification and the
    // verdict is heard; the decomposition reached by Tab and pressed with the keypad's Enter.
    void verificationByKeyboard() {
        TestProgram tp;
        auto& menu = tp->get<MainMenu>();
        activate(menu);
        tabTo(control<Button>(menu, "Command1"));
        press(Qt::Key_Return);
        auto& check = tp->get<PrimeCheckWindow>();
        QVERIFY(check.isShown());
        QVERIFY(QTest::qWaitForWindowActive(&check.window()));
        QCOMPARE(focused(), control(check, PrimeCheckWindow::numberBox));

        typeOver(QStringLiteral("97"));
        heardFrom(check);
        press(Qt::Key_Return);
        QCOMPARE(check.textOf(PrimeCheckWindow::verdictLabel), std::string("Le nombre est premier"));
        QCOMPARE(heardFrom(check), QStringList{QStringLiteral("Le nombre est premier")});

        typeOver(QStringLiteral("91"));
        press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(heardFrom(check), QStringList{QStringLiteral("Le nombre est composé")});
        // The same number checked again is heard again.
        press(Qt::Key_Return);
        QCOMPARE(heardFrom(check), QStringList{QStringLiteral("Le nombre est composé")});

        tabTo(control(check, PrimeCheckWindow::decomposeButton));
        press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(heardFrom(check), QStringList{QStringLiteral("Décomposition : 91=13*7")});
        // The label itself is named with its context, for a screen reader's review.
        QCOMPARE(control(check, PrimeCheckWindow::decompositionLabel)->accessibleName(),
                 QStringLiteral("Décomposition : 91=13*7"));
        QCOMPARE(focused(), control(check, PrimeCheckWindow::decomposeButton));
    }

    // Bounds typed, Enter in the second box starts the search; the lines reach screen readers as
    // added children of the list, and the count is heard.
    void searchByKeyboard() {
        TestProgram tp;
        auto& search = tp->get<PrimeSearchWindow>();
        activate(search);
        QCOMPARE(focused(), control(search, PrimeSearchWindow::lowerBox));
        typeOver(QStringLiteral("1"));
        press(Qt::Key_Tab);
        typeOver(QStringLiteral("30"));
        heardFrom(search);
        press(Qt::Key_Return);
        ListBox* list = control(search, PrimeSearchWindow::primesList);
        QTRY_COMPARE(list->shownCount(), 10);
        QTRY_COMPARE(search.textOf(PrimeSearchWindow::countLabel), std::string("10"));
        // The count may be heard as it grows, never set back to 0; it is heard last with its
        // final value.
        const QStringList heard = heardFrom(search);
        QVERIFY(!heard.isEmpty());
        QVERIFY2(!heard.contains(QStringLiteral("Nombre de nombres premiers de la liste : 0")),
                 qPrintable(heard.join(u'|')));
        QCOMPARE(heard.last(), QStringLiteral("Nombre de nombres premiers de la liste : 10"));
        QVERIFY(!Heard::now().addedLines.isEmpty());
        QCOMPARE(Heard::now().addedLines.last(), QStringLiteral("29"));
        QVERIFY(Heard::now().addedLinesBelong);
    }

    // The three steps of the degree-2 solver, each pressed from the keyboard and each heard with
    // its context; Enter in the box of x0 computes f(x0) instead.
    void degree2SolveByKeyboard() {
        TestProgram tp;
        auto& d2 = tp->get<Degree2Window>();
        using W = Degree2Window;
        activate(d2);
        QCOMPARE(focused(), control(d2, W::aBox));
        typeOver(QStringLiteral("1"));
        press(Qt::Key_Tab);
        typeOver(QStringLiteral("-3"));
        press(Qt::Key_Tab);
        typeOver(QStringLiteral("2"));
        tabTo(control(d2, W::x0Box));
        typeOver(QStringLiteral("4"));
        heardFrom(d2);
        press(Qt::Key_Return);
        QCOMPARE(heardFrom(d2), QStringList{QStringLiteral("F(x0) = 6")});

        tabTo(control(d2, W::kBox));
        press(Qt::Key_Return);
        QCOMPARE(heardFrom(d2), QStringList{QStringLiteral("Discriminant : 1")});
        QCOMPARE(focused(), control(d2, W::kBox));

        // The next step's button appears after the one just pressed, in the Tab order.
        tabTo(control(d2, W::discriminantButton));
        press(Qt::Key_Tab);
        QCOMPARE(focused(), control(d2, W::solutionsButton));
        press(Qt::Key_Return);
        // The discriminant, written again unchanged, is not said again.
        QCOMPARE(heardFrom(d2), QStringList{QStringLiteral("Première solution : 2. Deuxième solution : 1")});

        press(Qt::Key_Tab);
        QCOMPARE(focused(), control(d2, W::factoriseButton));
        press(Qt::Key_Space);
        QCOMPARE(heardFrom(d2), QStringList{QStringLiteral("Forme factorisée : 1( x -2)( x -1)")});

        // The table of variation: its arrows are said in words, with the vertex.
        tabTo(control(d2, W::variationButton));
        press(Qt::Key_Return);
        const QString said = heardFrom(d2).join(u'|');
        QVERIFY2(said.contains(QStringLiteral("Sommet en x = 1,5")), qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("F décroissante puis croissante")), qPrintable(said));
        QCOMPARE(control(d2, W::variationButton)->accessibleDescription(),
                 QStringLiteral("F décroissante puis croissante"));
    }

    // The sieve: the column pressed with Enter, the grid one Tab stop walked with the arrows, its
    // marked cells described, the answers left with Tab, then the correction.
    void sieveRoundByKeyboard() {
        TestProgram tp;
        auto& sieve = tp->get<SieveWindow>();
        using W = SieveWindow;
        activate(sieve);
        tabTo(control(sieve, W::buttonFor(2)));
        heardFrom(sieve);
        // One announcement, counting the cells seen crossed out (the hidden 0 is not one of them).
        press(Qt::Key_Return);
        QCOMPARE(heardFrom(sieve), QStringList{QStringLiteral("124 nombres barrés")});
        QCOMPARE(control(sieve, W::cells[4])->accessibleDescription(), QStringLiteral("barré"));
        QCOMPARE(control(sieve, W::cells[3])->accessibleDescription(), QString());
        QCOMPARE(QAccessible::queryAccessibleInterface(control(sieve, W::cells[4]))
                     ->text(QAccessible::Description),
                 QStringLiteral("barré"));
        // Multiples of 4 are all struck already: the pupil hears so.
        tabTo(control(sieve, W::buttonFor(4)));
        press(Qt::Key_Return);
        QCOMPARE(heardFrom(sieve), QStringList{QStringLiteral("Aucun nombre de plus n'est barré")});

        // From the last button, one Tab enters the grid and the next one leaves it.
        tabTo(control(sieve, W::buttonFor(18)));
        press(Qt::Key_Tab);
        QCOMPARE(focused(), control(sieve, W::cells[1]));
        press(Qt::Key_Right);
        press(Qt::Key_Down);
        QCOMPARE(focused(), control(sieve, W::cells[12]));
        press(Qt::Key_Up);
        press(Qt::Key_Up); // at the top edge the focus stays
        QCOMPARE(focused(), control(sieve, W::cells[2]));
        press(Qt::Key_End);
        QCOMPARE(focused(), control(sieve, W::cells[250]));
        press(Qt::Key_Left);
        QCOMPARE(focused(), control(sieve, W::cells[249]));
        press(Qt::Key_Tab);
        QCOMPARE(focused(), control(sieve, W::answerBoxes[0]));
        // Back into the grid, at the cell left.
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focused(), control(sieve, W::cells[249]));
        press(Qt::Key_Tab);

        // Tab leaves each answer box without typing a tab.
        QTest::keyClicks(focused(), QStringLiteral("deja barres"));
        press(Qt::Key_Tab);
        QCOMPARE(control(sieve, W::answerBoxes[0])->text(), QStringLiteral("deja barres"));
        QCOMPARE(focused(), control(sieve, W::answerBoxes[1]));
        press(Qt::Key_Tab);
        QCOMPARE(focused(), control(sieve, W::answerBoxes[2]));
        press(Qt::Key_Tab);
        QCOMPARE(focused(), control(sieve, W::correctionButton));
        press(Qt::Key_Return);
        for (std::size_t i = 0; i < 3; ++i)
            QCOMPARE(sieve.toUtf8(control(sieve, W::answerBoxes[i])->text()),
                     std::string(primes::sieve::kModelAnswers[i]));
        const QStringList correction = heardFrom(sieve);
        QCOMPARE(correction.size(), 1);
        QVERIFY2(correction[0].startsWith(QStringLiteral("Correction. Réponse 1 : ")) &&
                     correction[0].contains(QStringLiteral("Réponse 3 : ")),
                 qPrintable(correction[0]));
    }

    // The equations course, modal, opened from the main menu with Enter: its first text takes the
    // focus, Tab walks its texts, and Escape closes it and gives the menu back.
    void equationsCourseOpenedAndClosed() {
        TestProgram tp;
        auto& menu = tp->get<MainMenu>();
        activate(menu);
        auto* courseButton = control<Button>(menu, "Command10");
        tabTo(courseButton);
        QCOMPARE(courseButton->accessibleName(), QStringLiteral("Cours sur les équations"));
        auto& course = tp->get<EquationsCourseWindow>();
        QString firstFocus;
        QString secondFocus;
        bool ran = false;
        // Should the course not close, it is closed after a while, so that the test fails rather than hangs.
        QTimer::singleShot(10000, &course, [&] {
            if (course.isShown())
                course.hide();
        });
        QTimer::singleShot(0, [&] {
            ran = true;
            QVERIFY(course.isShown());
            QVERIFY(QTest::qWaitForWindowActive(&course.window()));
            auto* first = qobject_cast<QLabel*>(focused());
            QVERIFY2(first && first->window() == &course.window(), "the course's text takes no focus");
            firstFocus = first->text();
            press(Qt::Key_Tab);
            auto* second = qobject_cast<QLabel*>(focused());
            QVERIFY(second && second != first);
            secondFocus = second->text();
            press(Qt::Key_Escape);
        });
        press(Qt::Key_Return); // returns once the modal course is closed
        QVERIFY(ran);
        QVERIFY(!firstFocus.isEmpty());
        QVERIFY(!secondFocus.isEmpty());
        QVERIFY(!course.isShown());
        QVERIFY(menu.isShown());
        QCOMPARE(course.window().accessibleName(), QStringLiteral("Cours sur les équations"));
    }

    // Every page to read takes the focus on a text when it opens and closes with Escape.
    void pagesTakeFocusAndCloseWithEscape_data() {
        QTest::addColumn<QString>("page");
        for (const char* name :
             {"b_Prem_cours", "b_Prem_prog", "c_Eq_cours", "d_Proba_cours", "Frm_Aide", "Frm_Lexique"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void pagesTakeFocusAndCloseWithEscape() {
        QFETCH(QString, page);
        TestProgram tp;
        Form& form = *tp->form(page.toStdString());
        activate(form);
        auto* text = qobject_cast<QLabel*>(focused());
        QVERIFY(text && text->window() == &form.window());
        QVERIFY(!text->text().isEmpty());
        press(Qt::Key_Escape);
        QVERIFY(!form.isShown());
    }

    // Screen readers present each window as a window, by a name in words rather than its code.
    void everyWindowIsNamedInWords() {
        TestProgram tp;
        QStringList spoken;
        for (const std::string_view name : windowNames()) {
            Form* form = tp->form(name);
            QVERIFY(form);
            QAccessibleInterface* top = QAccessible::queryAccessibleInterface(&form->window());
            QCOMPARE(top->role(), QAccessible::Window);
            const QString said = top->text(QAccessible::Name);
            QVERIFY2(!said.isEmpty() && said != form->window().objectName() &&
                         !said.contains(QRegularExpression(QStringLiteral("^(Form\\d|[A-Z][a-z]+_)"))),
                     qPrintable(QStringLiteral("%1 is read as '%2'").arg(form->window().objectName(), said)));
            spoken << said;
        }
        QCOMPARE(QSet<QString>(spoken.begin(), spoken.end()).size(), spoken.size());
    }
};

QTEST_MAIN(TestKeyboardOnly)
#include "tst_keyboard_only.moc"
