// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "practice/practice_window.h"
#include "practice/rules/exercise_text.h"
#include "shell/main_menu.h"
#include "shell/toolkit/accessibility.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>

#include <utility>

using numbers::NumberFormat;

using namespace ui;

namespace {

QStringList& heard() {
    static QStringList phrases;
    return phrases;
}

void record(QAccessibleEvent& event) {
    QAccessibleInterface* iface = event.accessibleInterface();
    if (event.type() == QAccessible::ObjectShow && iface && iface->role() == QAccessible::Notification)
        heard() << iface->text(QAccessible::Name);
}

// Everything said since last asked, in one text.
QString heardFrom(Form& form) {
    announcerOf(&form.window())->flush();
    return std::exchange(heard(), {}).join(u'\n');
}

void press(int key) {
    QWidget* target = QApplication::focusWidget();
    QVERIFY2(target, "nothing has the focus");
    QTest::keyClick(target, Qt::Key(key));
}

void typeHere(const QString& text) {
    QWidget* target = QApplication::focusWidget();
    QVERIFY2(target, "nothing has the focus");
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    // Key by key, as a keyboard with «é» and «−» sends them.
    for (const QChar c : text) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &key);
    }
}

} // namespace

class PracticeWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        setUpTestApplication();
        observeScreenReaderEvents(&record);
    }

    // A series of ten from the keyboard alone: the code typed and Enter; then for each exercise
    // the answer and Enter (the verdict and the correction are heard), Enter again for the next
    // question (heard too). Half the answers are right; an answer that cannot be read is told
    // what to write and is not counted.
    void seriesOfTenByKeyboard() {
        TestProgram tp;
        auto& w = tp->get<PracticeWindow>();
        w.show();
        w.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window()));
        const std::uint32_t code = practice::codeFor(int(practice::Kind::Linear), 1, 7);

        for (int i = 0; i < 12 && QApplication::focusWidget() != control(w, PracticeWindow::codeBox); ++i)
            press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control(w, PracticeWindow::codeBox));
        typeHere(QStringLiteral("Série %1").arg(code));
        heardFrom(w);
        press(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), control(w, PracticeWindow::answerBox));
        QCOMPARE(control(w, PracticeWindow::kindBox)->currentText(), QStringLiteral("Équation a x + b = c"));
        QCOMPARE(control(w, PracticeWindow::levelBox)->currentText(), QStringLiteral("1"));

        const NumberFormat comma(',');
        for (int i = 0; i < practice::kSeriesLength; ++i) {
            const practice::Exercise e = practice::makeExercise(comma, practice::Kind::Linear, 1, code, i);
            const QString question = Form::fromUtf8(e.question);
            QVERIFY(Form::fromUtf8(w.textOf(PracticeWindow::questionLabel)).endsWith(question));
            QVERIFY2(heardFrom(w).contains(question), qPrintable(question));
            if (i == 0) {
                typeHere(QStringLiteral("x vaut trois"));
                press(Qt::Key_Return);
                QVERIFY(w.textOf(PracticeWindow::verdictLabel).starts_with("Écrivez un nombre"));
                QCOMPARE(w.textOf(PracticeWindow::scoreLabel), std::string("0 sur 0"));
            }
            const numbers::Surd value = e.expected.values.at(0);
            const bool right = i % 2 == 0;
            typeHere(Form::fromUtf8(practice::surdText(comma, right ? value : value + mpq_class(1))));
            press(Qt::Key_Return);
            const std::string_view verdict = right ? PracticeWindow::kRight : PracticeWindow::kWrong;
            QCOMPARE(w.textOf(PracticeWindow::verdictLabel), std::string(verdict));
            const QString said = heardFrom(w);
            QVERIFY2(said.contains(Form::fromUtf8(verdict)), qPrintable(said));
            QVERIFY2(said.contains(QStringLiteral("Réponse : x = ")), qPrintable(said));
            QVERIFY(control(w, PracticeWindow::correctionBox)
                        ->toPlainText()
                        .contains(QStringLiteral("Résolution")) ||
                    control(w, PracticeWindow::correctionBox)->toPlainText().size() > 40);
            QCOMPARE(w.textOf(PracticeWindow::scoreLabel),
                     std::to_string(i / 2 + 1) + " sur " + std::to_string(i + 1));
            if (i + 1 < practice::kSeriesLength)
                press(Qt::Key_Return);
        }
        QCOMPARE(w.textOf(PracticeWindow::scoreLabel), std::string("5 sur 10"));
        // Enter once more: a new series of the same kind and level, its score at 0.
        press(Qt::Key_Return);
        QCOMPARE(w.series().kind, int(practice::Kind::Linear));
        QCOMPARE(w.exerciseIndex(), 0);
        QCOMPARE(w.textOf(PracticeWindow::scoreLabel), std::string("0 sur 0"));
    }

    // A code that is not one is told apart; the series in progress stays.
    void wrongCode() {
        ShownForm<PracticeWindow> f;
        const auto before = f.form.series().code;
        f.form.setTextOf(PracticeWindow::codeBox, "12");
        f.form.startTypedSeries();
        QVERIFY(f.form.textOf(PracticeWindow::verdictLabel).starts_with("Le code d'une série"));
        QCOMPARE(f.form.series().code, before);
    }

    // The menu "Entraînement" comes after "Fichier" and opens the window.
    void menuEntry() {
        TestProgram tp;
        auto& menu = tp->get<MainMenu>();
        menu.show();
        const QList<QAction*> titles = menu.window().findChild<QMenuBar*>()->actions();
        QVERIFY(titles.size() >= 3);
        QCOMPARE(titles[0]->text(), QStringLiteral("Fichier"));
        QCOMPARE(titles[1]->text(), QStringLiteral("Entraînement"));
        control<QAction>(menu, "Entrainement")->trigger();
        QVERIFY(tp->get<PracticeWindow>().isShown());
    }
};

QTEST_MAIN(PracticeWindowTest)
#include "tst_practice_window.moc"
