// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "functions/introduction_window.h"
#include "functions/reference_functions_window.h"
#include "shell/main_menu.h"
#include "shell/toolkit/button.h"

#include <QApplication>
#include <QTemporaryFile>
#include <QTimer>

#include <vector>

// Windows opened one after another from the main menu, on a screen the size of a classroom's:
// none covers the menu or a window already open while the screen has room for it.
class TestWindowPlacement : public QObject {
    Q_OBJECT

    // The main menu on screen, in the top left corner.
    static MainMenu& shownMenu(TestProgram& tp) {
        auto& menu = tp->get<MainMenu>();
        menu.show();
        menu.window().move(0, 0);
        return menu;
    }

private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    void windowsOpenClearOfEachOther() {
        TestProgram tp;
        MainMenu& menu = shownMenu(tp);
        QVERIFY(QTest::qWaitForWindowExposed(&menu.window()));
        std::vector<const QWidget*> open{&menu.window()};
        for (const char* name : {"b_Prem_verif", "b_Prem_rech", "d_Proba_comb", "b_Prem_gold"}) {
            menu.showWindow(name, false);
            const QWidget& w = tp->form(name)->window();
            QVERIFY(w.isVisible());
            const QRect frame = w.frameGeometry();
            QVERIFY2(w.screen()->availableGeometry().contains(frame), name);
            for (const QWidget* other : open)
                QVERIFY2(
                    !frame.intersects(other->frameGeometry()),
                    qPrintable(
                        QStringLiteral("%1 covers %2").arg(QString::fromLatin1(name), other->objectName())));
            open.push_back(&w);
        }
        // A window whose layout centres it on the screen opens centred.
        menu.showWindow("c_Eq_d1", false);
        const QWidget& centred = tp->form("c_Eq_d1")->window();
        const QRect screen = centred.screen()->availableGeometry();
        QVERIFY2(
            qAbs(centred.frameGeometry().center().x() - screen.center().x()) <= 2,
            qPrintable(
                QStringLiteral("%1,%2").arg(centred.frameGeometry().x()).arg(centred.frameGeometry().y())));
        // Shown again while on screen, a window stays where it is.
        const QPoint was = tp->form("b_Prem_verif")->window().pos();
        menu.showWindow("b_Prem_verif", false);
        QCOMPARE(tp->form("b_Prem_verif")->window().pos(), was);
    }

    // The reference-functions exercise, reached through its introduction, and the modal course
    // open beside the menu too.
    void exerciseAndCourseBesideTheMenu() {
        TestProgram tp;
        MainMenu& menu = shownMenu(tp);
        QVERIFY(QTest::qWaitForWindowExposed(&menu.window()));
        menu.showWindow("Form4", false);
        tp->get<IntroductionWindow>().get(IntroductionWindow::okButton).click();
        const QWidget& exercise = tp->get<ReferenceFunctionsWindow>().window();
        QVERIFY(exercise.isVisible());
        QVERIFY(!exercise.frameGeometry().intersects(menu.window().frameGeometry()));

        QRect course;
        QTimer::singleShot(0, [&] {
            QWidget& w = tp->form("c_Eq_cours")->window();
            course = w.frameGeometry();
            w.close();
        });
        menu.showWindow("c_Eq_cours", true);
        QVERIFY(!course.isEmpty());
        QVERIFY(!course.intersects(menu.window().frameGeometry()));
    }
};

int main(int argc, char* argv[]) {
    // A full-HD screen (a classroom projector or screen) with window frames.
    QTemporaryFile config;
    if (!config.open())
        return 1;
    config.write(R"({"windowFrameMargins": true, "screens": [{"name": "classe", "x": 0, "y": 0,
        "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TestWindowPlacement test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window_placement.moc"
