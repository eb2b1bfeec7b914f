// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "help/help_window.h"
#include "shell/main_menu.h"
#include "shell/toolkit/controls.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {
// The labels a topic writes, in the order it writes them.
const ui::Ref<Label> kTopicLabels[] = {HelpWindow::categoryLabel,    HelpWindow::subcategoryLabel,
                                       HelpWindow::explanationLabel, HelpWindow::warningLabels[0],
                                       HelpWindow::warningLabels[1], HelpWindow::warningLabels[2],
                                       HelpWindow::warningLabels[3]};
} // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT

    struct Window : ShownForm<HelpWindow> {
        using ShownForm::ShownForm;
        void choose(const char* item) { control<QAction>(form, item)->trigger(); }
        QStringList shown() {
            QStringList texts;
            for (const auto& label : kTopicLabels)
                texts << control(form, label)->caption();
            return texts;
        }
    };

private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    void topics_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("submenu");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("subcategory");
        QTest::addColumn<QString>("explanation");
        QTest::addColumn<QString>("problem1");
        QTest::addColumn<QString>("problem2");
        QTest::newRow("Veri")
            << "Veri"
            << "NBP"
            << "Vérifier"
            << "Nombres premiers"
            << "Vérifier"
            << "Le programme vérifie en premier lieu si le nombre est premier, c'est a dire s'il admet des "
               "diviseurs entre 2 et son radical en controlant le reste de le division Euclidienne du nombre "
               "par les nombres non multiples de 2 ni de 3 qui sont inférieur à son radical"
            << "Le nombre a vérifier doit être un entier naturel"
            << "";
        QTest::newRow("Recherche")
            << "Recherche"
            << "NBP"
            << "Rechercher"
            << "Nombres premiers"
            << "Recherche"
            << "La méthode est la même que pour la vérification, les nombres sont traités aux cas par cas."
            << "Les nombre a entrer doivent êtres des entiers naturels"
            << "";
        QTest::newRow("Goldbach")
            << "Goldbach"
            << "NBP"
            << "Goldbach"
            << "Nombres premiers"
            << "Goldbach"
            << "On commence par rechercher les nombres premiers inférieures au nombre entré, dès qu'on en "
               "trouve un, on regarde si la différence de notre nombre de départ avec le nombre premier est "
               "un nombre premier, si c'est le cas on a trouvé notre décomposition sinon, on passe à un "
               "autre nombre "
               "premier."
            << "Le nombre a entrer doit être un entier naturel pair supérieur à 2"
            << "Plusieures décompostions existent, le programme n'en donne qu'une seule";
        QTest::newRow("Degré_1")
            << "Degré_1"
            << "Equations"
            << "Degré_1"
            << "Equations"
            << "Degré 1"
            << "Pour résoudre f(x)=a, on isole x de la maniere la plus banale en retranchant et divisant, "
               "Pour touver l'image de a par f, on multiplie et on ajoute, pour le ableau de variation, on "
               "s'interresse au signe du coefficiant directeur."
            << "Attention à la division par 0"
            << "La fonction constante n'est pas prise en charge";
        QTest::newRow("Degré_2")
            << "Degré_2"
            << "Equations"
            << "Degré_2"
            << "Equations"
            << "Degré 2"
            << "La méthode de calcul de f(a) est la même que pour les équations de degré 1, pour résoudre "
               "f(x)=a on utilise le discriminant, a noter que le programme donne également les solutions "
               "complexes. Pour le sens de variation, on utilise la dérivée d'un polynome, (2ax+b), et on "
               "résout 2ax+b=0"
            << "Attention à l'existance des solutions"
            << "";
        QTest::newRow("Diophantiennes") << "Diophantiennes"
                                        << "Equations"
                                        << "Diophantiennes"
                                        << "Equations"
                                        << "Diophantiennes"
                                        << "On recherche tout d'abord une solution particuliere puis on "
                                           "calcul, la méthode est détaillée dans le cours"
                                        << "Attention 0*x+0*y=a ne peut etre vérifié que si a = 0"
                                        << "";
        QTest::newRow("Euler") << "Euler"
                               << "Equations"
                               << "Euler"
                               << "Equations"
                               << "Méthode d'Euler"
                               << "Essayez de programmer un code pour appliquer la méthode d'Euler à des "
                                  "fonctions dérivables connues, vous pouvez également chercher à "
                                  "représenter l'exponentielle sachant que y'=y rt y(0)=1"
                               << "Pour tracer, exportez les données vers excel"
                               << "Possibilité d'incompatibilité du matériel";
    }
    // Each topic rewrites all seven labels, whatever was shown before, and shows the same texts
    // when chosen again.
    void topics() {
        QFETCH(QString, item);
        QFETCH(QString, submenu);
        QFETCH(QString, caption);
        QFETCH(QString, category);
        QFETCH(QString, subcategory);
        QFETCH(QString, explanation);
        QFETCH(QString, problem1);
        QFETCH(QString, problem2);
        const QStringList expected{category, subcategory, explanation, problem1,
                                   problem2, QString(),   QString()};
        Window w;
        auto* action = control<QAction>(w.form, item.toUtf8().constData());
        QCOMPARE(action->text(), caption);
        QVERIFY(control<QMenu>(w.form, submenu.toUtf8().constData())->actions().contains(action));
        const QByteArray again = item.toUtf8();
        for (const char* before : {"Goldbach", "Euler", again.constData()}) {
            w.choose(before);
            QVERIFY(!w.shown()[0].isEmpty());
            action->trigger();
            QCOMPARE(w.shown(), expected);
        }
        // Every text fits its label: the warnings on one line, the explanation within its lines.
        for (const auto& topicLabel : kTopicLabels) {
            auto* label = control(w.form, topicLabel);
            const int flags = Qt::AlignLeft | Qt::AlignTop | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect need =
                label->fontMetrics().boundingRect(label->contentsRect(), flags, label->caption());
            QVERIFY2(label->contentsRect().contains(need), qPrintable(topicLabel.name));
        }
    }

    void menusAndLayout() {
        Window w;
        QCOMPARE(w.form.window().windowTitle(), QStringLiteral("Aide"));
        QCOMPARE(w.form.window().client()->size(), QSize(532, 358));
        const auto titles = [](const QList<QAction*>& actions) {
            QStringList t;
            for (QAction* a : actions)
                t << a->objectName() + u'=' + a->text();
            return t;
        };
        auto* bar = w.form.window().findChild<QMenuBar*>();
        QVERIFY(bar);
        QCOMPARE(bar->actions().size(), 1);
        auto* top = control<QMenu>(w.form, "Catégorie");
        QCOMPARE(bar->actions().first()->menu(), top);
        QCOMPARE(top->title(), QStringLiteral("Catégorie"));
        QCOMPARE(titles(top->actions()), (QStringList{"=Nombres premiers", "=Equations"}));
        QCOMPARE(top->actions()[0]->menu(), control<QMenu>(w.form, "NBP"));
        QCOMPARE(top->actions()[1]->menu(), control<QMenu>(w.form, "Equations"));
        QCOMPARE(titles(control<QMenu>(w.form, "NBP")->actions()),
                 (QStringList{"Veri=Vérifier", "Recherche=Rechercher", "Goldbach=Goldbach"}));
        QCOMPARE(titles(control<QMenu>(w.form, "Equations")->actions()),
                 (QStringList{"Degré_1=Degré_1", "Degré_2=Degré_2", "Diophantiennes=Diophantiennes",
                              "Euler=Euler"}));
        QCOMPARE(control<Label>(w.form, "Label1")->caption(), QStringLiteral("Explication"));
        QCOMPARE(control<Label>(w.form, "Label2")->caption(), QStringLiteral("Problemes"));
        QCOMPARE(control<Label>(w.form, "Label1")->font().pointSizeF(), 13.5);
        QCOMPARE(control(w.form, HelpWindow::subcategoryLabel)->geometry(), QRect(88, 24, 433, 25));
        QCOMPARE(control(w.form, HelpWindow::warningLabels[3])->geometry(), QRect(16, 328, 505, 17));
    }

    // No topic at start; hiding keeps the topic, closing from the title bar forgets it.
    void topicLivesWithTheControls() {
        Window w;
        const QStringList empty(7);
        QCOMPARE(w.shown(), empty);
        w.choose("Euler");
        const QStringList euler = w.shown();
        QCOMPARE(euler[4], QStringLiteral("Possibilité d'incompatibilité du matériel"));
        w.form.hide();
        w.form.show();
        QCOMPARE(w.shown(), euler);
        w.form.window().close();
        QVERIFY(!w.form.hasControls());
        w.form.show();
        QCOMPARE(w.shown(), empty);
    }

    // The main menu's "Programmes" opens the window; "Tout effacer" hides it with its topic.
    void openedAndHiddenByTheMainMenu() {
        TestProgram tp;
        auto& menu = tp->get<MainMenu>();
        menu.show();
        control<QAction>(menu, "Programmes")->trigger();
        auto& help = tp->get<HelpWindow>();
        QVERIFY(help.isShown());
        control<QAction>(help, "Diophantiennes")->trigger();
        control<QAction>(menu, "fic_reset")->trigger();
        QVERIFY(!help.isShown());
        control<QAction>(menu, "Programmes")->trigger();
        QVERIFY(help.isShown());
        QCOMPARE(control(help, HelpWindow::subcategoryLabel)->caption(), QStringLiteral("Diophantiennes"));
    }
};

QTEST_MAIN(TestHelpWindow)
#include "tst_help_window.moc"
