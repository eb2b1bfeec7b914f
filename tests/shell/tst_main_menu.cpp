// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "shell/main_menu.h"
#include "shell/splash.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/decorations.h"
#include "shell/toolkit/frame.h"

#include "app/window_catalog.h"

#include <QAccessible>
#include <QAction>
#include <QBackingStore>
#include <QMenu>
#include <QPainter>
#include <QSet>

#include <algorithm>
#include <functional>

using namespace ui;

class TestMainMenu : public QObject {
    Q_OBJECT

    // Starts the program with a splash timer of 5 ms instead of 500.
    static Splash& startFast(TestProgram& tp) {
        tp->start();
        auto& splash = tp->get<Splash>();
        control<Timer>(splash, "Timer1")->setIntervalMs(5);
        return splash;
    }

private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    void splashHandsOverAtTheEleventhTick() {
        TestProgram tp;
        Splash& splash = startFast(tp);
        QVERIFY(splash.isShown());
        QCOMPARE(control<Timer>(splash, "Timer1")->isActive(), true);
        auto& menu = tp->get<MainMenu>();
        QVERIFY(QTest::qWaitFor([&] { return menu.isShown(); }, 2000));
        QCOMPARE(splash.counter(), std::int16_t(11));
        QCOMPARE(control<Label>(splash, "Label2")->caption(),
                 QStringLiteral("Modifié le 15 mars 2006..........."));
        QVERIFY(!splash.isShown());
        QVERIFY(!control<Timer>(splash, "Timer1")->isActive());
        QTest::qWait(30);
        QCOMPARE(splash.counter(), std::int16_t(11));
        // The hidden splash gives its surface back; shown again, it is whole.
        QVERIFY(!splash.window().windowHandle());
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash.window()));
        QVERIFY(control<Label>(splash, "Label2")->isVisible());
        QCOMPARE(splash.window().backingStore()->size(), splash.window().size());
    }

    void realTimerTicksEveryHalfSecond() {
        TestProgram tp;
        tp->start();
        auto& splash = tp->get<Splash>();
        QCOMPARE(control<Timer>(splash, "Timer1")->interval(), 500);
        QTest::qWait(1200);
        QCOMPARE(splash.counter(), std::int16_t(2));
    }

    void passerBeforeTheFirstTick_data() {
        QTest::addColumn<int>("presses");
        QTest::newRow("once") << 1;
        QTest::newRow("three times") << 3;
    }
    void passerBeforeTheFirstTick() {
        QFETCH(int, presses);
        TestProgram tp;
        tp->start();
        auto& splash = tp->get<Splash>();
        auto* timer = control<Timer>(splash, "Timer1");
        timer->setIntervalMs(50);
        for (int i = 0; i < presses; ++i)
            QTest::mouseClick(control<Button>(splash, "Command1"), Qt::LeftButton);
        QCOMPARE(control<Button>(splash, "Command1")->text(), QStringLiteral("Passer"));
        QVERIFY(!tp->get<MainMenu>().hasControls());
        QVERIFY(QTest::qWaitFor([&] { return tp->get<MainMenu>().isShown(); }, 2000));
        QCOMPARE(control<Label>(splash, "Label2")->caption(), QStringLiteral("Modifié le 15 mars 2006."));
        QVERIFY(!splash.isShown());
    }

    // The credit and the date are drawn with the bundled bold face: as much ink as the bold face
    // leaves, clearly more than the regular one.
    void splashTextsAreBold_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("credit") << "Label1";
        QTest::newRow("date") << "Label2";
    }
    void splashTextsAreBold() {
        QFETCH(QString, name);
        TestProgram tp;
        tp->start();
        auto* label = control<Label>(tp->get<Splash>(), qPrintable(name));
        const auto ink = [](const QImage& img) {
            int dark = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    dark += qGray(img.pixel(x, y)) < 100;
            return dark;
        };
        const auto drawn = [&](const QFont& font) {
            QImage img(label->size(), QImage::Format_RGB32);
            img.fill(Qt::white);
            QPainter p(&img);
            p.setFont(font);
            p.drawText(img.rect(), int(label->alignment()) | Qt::TextWordWrap, label->caption());
            return ink(img);
        };
        QFont regular = label->font();
        regular.setBold(false);
        const int shown = ink(label->grab().toImage());
        const int bold = drawn(label->font());
        QVERIFY(label->font().bold());
        QVERIFY2(bold > drawn(regular) * 5 / 4,
                 qPrintable(QStringLiteral("%1 %2").arg(bold).arg(drawn(regular))));
        QVERIFY2(qAbs(shown - bold) < bold / 10, qPrintable(QStringLiteral("%1 %2").arg(shown).arg(bold)));
    }

    void splashLayout() {
        TestProgram tp;
        tp->start();
        auto& splash = tp->get<Splash>();
        QCOMPARE(control<Label>(splash, "Label1")->caption(), QStringLiteral("réalisé  par  Brevan"));
        QVERIFY(splash.window().windowFlags() & Qt::FramelessWindowHint);
        auto* shape = control<Shape>(splash, "Shape1");
        QCOMPARE(shape->property("Width").toInt(), 8040);
        QCOMPARE(shape->property("Height").toInt(), 4500);
        QCOMPARE(shape->penWidth(), 3);
        QCOMPARE(splash.window().client()->size(), QSize(536, 300));
        // The outline is three pixels wide on every side, inside the window.
        const QImage img = splash.window().client()->grab().toImage();
        const QColor text = colours::systemWindowText();
        for (int x : {0, 2, 533, 535})
            QCOMPARE(img.pixelColor(x, 150), text);
        for (int x : {3, 532})
            QCOMPARE(img.pixelColor(x, 150), colours::skyBlue);
        for (int y : {0, 2, 297, 299})
            QCOMPARE(img.pixelColor(268, y), text);
    }

    void captionsAndTargets_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("opens");
        QTest::newRow("Command6") << "Command6"
                                  << "Cours"
                                  << "b_Prem_cours";
        QTest::newRow("Command4") << "Command4"
                                  << "Exercice Crible d'Eratosthene"
                                  << "b_Prem_crible";
        QTest::newRow("Command1") << "Command1"
                                  << "Vérifier"
                                  << "b_Prem_verif";
        QTest::newRow("Command2") << "Command2"
                                  << "Rechercher"
                                  << "b_Prem_rech";
        QTest::newRow("Command3") << "Command3"
                                  << "Etude de la conjecture de Goldbach"
                                  << "b_Prem_gold";
        QTest::newRow("Command5") << "Command5"
                                  << "Programmation"
                                  << "b_Prem_prog";
        QTest::newRow("Command7") << "Command7"
                                  << "Degré 1    (courbes linéaires)"
                                  << "c_Eq_d1";
        QTest::newRow("Command8") << "Command8"
                                  << "    Degré 2      (avec x2)"
                                  << "c_Eq_d2";
        QTest::newRow("Command_ft_reference") << "Command_ft_reference"
                                              << "Les fonctions de references"
                                              << "Form4";
        QTest::newRow("Command9") << "Command9"
                                  << "Diophantiennes (solutions aux équations 2 inconnues, 1er degré)"
                                  << "c_Eq_dioph";
        QTest::newRow("Command15") << "Command15"
                                   << "Cours"
                                   << "d_Proba_cours";
        QTest::newRow("Command12") << "Command12"
                                   << "Nombre aléatoire"
                                   << "d_Proba_alea";
        QTest::newRow("Command13") << "Command13"
                                   << "Jeu de Hasard (statistique)"
                                   << "d_Proba_sim";
        QTest::newRow("Command14") << "Command14"
                                   << "Combinaisons"
                                   << "d_Proba_comb";
    }
    void captionsAndTargets() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, opens);
        const auto names = windowNames();
        QVERIFY2(std::find(names.begin(), names.end(), opens.toStdString()) != names.end(),
                 qPrintable(opens));
        TestProgram tp;
        auto& menu = tp->get<MainMenu>();
        menu.show();
        auto* button = control<Button>(menu, qPrintable(name));
        QCOMPARE(button->caption(), caption);
        QVERIFY(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
        // A window the program has is shown; one it does not have yet is simply not opened.
        if (Form* f = tp->form(opens.toStdString()))
            QVERIFY(f->isShown());
        QVERIFY(menu.isShown());
        QCOMPARE(tp.endCalls, 0);
    }

    // A screen reader, walking the window's accessible tree, reads every frame and button, each
    // button by a name of its own that holds its caption; the buttons sit in their frames.
    void everyCaptionIsReadByScreenReaders() {
        TestProgram tp;
        auto& menu = tp->get<MainMenu>();
        menu.show();
        QStringList read;
        QStringList buttons;
        QHash<QString, QString> groupOf;
        const std::function<void(QAccessibleInterface*, const QString&)> walk =
            [&](QAccessibleInterface* node, const QString& group) {
                if (!node)
                    return;
                QString inside = group;
                if (node->role() == QAccessible::Grouping || node->role() == QAccessible::Button)
                    read << node->text(QAccessible::Name);
                if (node->role() == QAccessible::Grouping)
                    inside = node->text(QAccessible::Name);
                if (node->role() == QAccessible::Button) {
                    buttons << node->text(QAccessible::Name);
                    groupOf.insert(node->object()->objectName(), group);
                }
                for (int i = 0; i < node->childCount(); ++i)
                    walk(node->child(i), inside);
            };
        QAccessibleInterface* top = QAccessible::queryAccessibleInterface(&menu.window());
        QCOMPARE(top->role(), QAccessible::Window);
        walk(top, QString());
        QStringList expected{QStringLiteral("NOMBRES PREMIERS"), QStringLiteral("EQUATION, fonction"),
                             QStringLiteral("PROBABILITES"), QStringLiteral("Quitter")};
        for (Button* b : menu.window().findChildren<Button*>())
            if (b->isVisibleTo(&menu.window()) && !b->caption().isEmpty())
                expected << b->caption();
        QCOMPARE(expected.size(), 19);
        for (const QString& caption : expected) {
            const QString said = caption.simplified();
            QVERIFY2(std::any_of(read.begin(), read.end(),
                                 [&](const QString& r) {
                                     return r.simplified().contains(said, Qt::CaseInsensitive);
                                 }),
                     qPrintable(caption));
        }
        QCOMPARE(QSet<QString>(buttons.begin(), buttons.end()).size(), buttons.size());
        QCOMPARE(groupOf.value(QStringLiteral("Command6")), QStringLiteral("NOMBRES PREMIERS"));
        QCOMPARE(groupOf.value(QStringLiteral("Command_ft_reference")), QStringLiteral("EQUATION, fonction"));
        QCOMPARE(groupOf.value(QStringLiteral("Command14")), QStringLiteral("PROBABILITES"));
        QCOMPARE(groupOf.value(QStringLiteral("Command16")), QString());
    }

    void layoutOfTheMenu() {
        TestProgram tp;
        auto& menu = tp->get<MainMenu>();
        menu.show();
        QCOMPARE(menu.window().windowTitle(), QStringLiteral("Niveau Seconde"));
        QCOMPARE(menu.window().client()->size(), QSize(629, 478));
        QVERIFY(!control<Button>(menu, "Command11")->isVisibleTo(&menu.window()));
        QCOMPARE(control<Button>(menu, "Command11")->caption(), QStringLiteral("Exercice méthode d'Euler"));
        QCOMPARE(control<Frame>(menu, "Frame1")->caption(), QStringLiteral("NOMBRES PREMIERS"));
        QCOMPARE(control<Frame>(menu, "Frame2")->caption(), QStringLiteral("EQUATION, fonction"));
        QCOMPARE(control<Frame>(menu, "Frame3")->caption(), QStringLiteral("PROBABILITES"));
        const QStringList fichier{QStringLiteral("Tout effacer"), QString(), QStringLiteral("Quitter")};
        QStringList seen;
        for (QAction* a : control<QMenu>(menu, "mnuFichier")->actions())
            seen << a->text();
        QCOMPARE(seen, fichier);
        QVERIFY(control<QAction>(menu, "mnuBar0")->isSeparator());
        QCOMPARE(control<QAction>(menu, "Programmes")->text(), QStringLiteral("Programmes"));
        QCOMPARE(control<QAction>(menu, "Lexique")->text(), QStringLiteral("Lexique"));
        // The reference-functions button stands at the fourth place of the middle frame.
        auto* ref = control<Button>(menu, "Command_ft_reference");
        QCOMPARE(ref->parentWidget(), control<Frame>(menu, "Frame2"));
        QCOMPARE(QRect(ref->mapTo(menu.window().client(), QPoint(0, 0)), ref->size()),
                 QRect(QPoint((2880 + 240) / 15, (120 + 360 + 3 * 840) / 15), QSize(2415 / 15, 735 / 15)));
        // Every caption fits its button.
        for (Button* b : menu.window().findChildren<Button*>()) {
            if (b->caption().isEmpty())
                continue;
            const QRect need = b->fontMetrics().boundingRect(
                b->rect().adjusted(3, 3, -3, -3), Qt::AlignCenter | Qt::TextWordWrap, b->caption());
            QVERIFY2(b->rect().adjusted(2, 2, -2, -2).contains(need), qPrintable(b->objectName()));
        }
    }
};

QTEST_MAIN(TestMainMenu)
#include "tst_main_menu.moc"
