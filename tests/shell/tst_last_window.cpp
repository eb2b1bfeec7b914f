// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The program never runs on without a window: the splash closed by the window manager goes on to
// the main menu, and the main menu closed by the window manager ends the program.

#include "test_program.h"

#include "app/window_catalog.h"
#include "shell/main_menu.h"
#include "shell/splash.h"
#include "shell/toolkit/controls.h"

#include <QPushButton>

using namespace ui;

class TestLastWindow : public QObject {
    Q_OBJECT

    static int shownWindows(TestProgram& tp) {
        int shown = 0;
        for (std::string_view name : windowNames())
            if (Form* f = tp->form(name); f && f->isShown())
                ++shown;
        return shown;
    }

private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    void closedSplashGoesOnToTheMainMenu_data() {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<bool>("skipped");
        QTest::newRow("at once") << 0 << false;
        QTest::newRow("after five dots") << 5 << false;
        QTest::newRow("after Passer") << 0 << true;
        QTest::newRow("at the last dot before the menu") << 10 << false;
    }

    void closedSplashGoesOnToTheMainMenu() {
        QFETCH(int, ticks);
        QFETCH(bool, skipped);
        TestProgram tp;
        tp->start();
        auto& splash = tp->get<Splash>();
        auto* timer = control<Timer>(splash, "Timer1");
        timer->tickByHand();
        for (int i = 0; i < ticks; ++i)
            timer->tick();
        if (skipped)
            QTest::mouseClick(control<QPushButton>(splash, "Command1"), Qt::LeftButton);
        QVERIFY(splash.isShown());
        // What a window manager's close (Alt+F4) does.
        splash.window().close();
        QVERIFY(!splash.isShown());
        QVERIFY(tp->get<MainMenu>().isShown());
        QCOMPARE(shownWindows(tp), 1);
        QCOMPARE(tp.endCalls, 0);
        QVERIFY(!tp->ended());
        // No second main menu nor a splash coming back later.
        QTest::qWait(20);
        QVERIFY(!splash.isShown());
        QCOMPARE(shownWindows(tp), 1);
    }

    void closedMainMenuEndsTheProgram() {
        TestProgram tp;
        tp->start();
        auto& splash = tp->get<Splash>();
        control<Timer>(splash, "Timer1")->tickByHand();
        for (int i = 0; i < 11; ++i)
            control<Timer>(splash, "Timer1")->tick();
        auto& menu = tp->get<MainMenu>();
        QVERIFY(menu.isShown());
        QTest::mouseClick(control<QPushButton>(menu, "Command1"), Qt::LeftButton);
        QCOMPARE(shownWindows(tp), 2);
        menu.window().close();
        QCOMPARE(tp.endCalls, 1);
        QVERIFY(tp->ended());
        QCOMPARE(shownWindows(tp), 0);
    }

    // A window closed while the main menu is up leaves the program running.
    void closedExerciseLeavesTheMenu() {
        TestProgram tp;
        tp->start();
        tp->get<Splash>().window().close();
        auto& menu = tp->get<MainMenu>();
        QTest::mouseClick(control<QPushButton>(menu, "Command1"), Qt::LeftButton);
        Form& exercise = *tp->form("b_Prem_verif");
        QVERIFY(exercise.isShown());
        exercise.window().close();
        QCOMPARE(tp.endCalls, 0);
        QVERIFY(menu.isShown());
    }
};

QTEST_MAIN(TestLastWindow)
#include "tst_last_window.moc"
