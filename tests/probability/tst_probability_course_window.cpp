// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include <QAccessible>

#include "probability/probability_course_window.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/decorations.h"

#include <QFontMetrics>
#include <QImage>

using namespace ui;

class TestProbabilityCourseWindow : public QObject {
    Q_OBJECT

    using Window = ShownForm<ProbabilityCourseWindow>;

private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    // Every text of the page, at its place, whole inside its label.
    void texts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        const auto row = [](const char* name, const QString& caption, int left, int top) {
            QTest::newRow(name) << name << caption << left << top;
        };
        row("Label1", "Probabilités", 5640, 0);
        row("Label6(0)", "Définitions", 720, 360);
        row("Label7",
            "              On appelle EPREUVE ALEATOIRE une situation dont les résultats dépendent du "
            "hasard\n"
            "On appelle issue ( éventualité ) un des cas possibles, elles peuvent êtres en nombre fini ou "
            "infini\n"
            "On appelle univers l'enssemble des cas possibles\n"
            "On appelle loi de probabilité d'une épreuve aléatoire la fonction qui à chaque issue (ai) "
            "associe une "
            "probabilité (pi). Si les issues sont en nombre fini on dit que la loie de probabilité est "
            "discrete.",
            120, 600);
        row("Label6(2)", "Définitions", 720, 3000);
        row("Label6(1)",
            "Dans le cas où le nombre d'issues est fini on définit :\n"
            "- L'esperence de la probabilité P  E=Somme(pi*xi)\n"
            "- La variance : Var=Somme(p(xk - E)²)\n"
            "- L'ecart type ; T=Racine(Var)",
            120, 3240);
        row("Label6(4)", "Définitions", 720, 4440);
        row("Label6(3)",
            "On appelle loi de probabilité d'une variable aléatoire X la liste de ses valeurs possibles ( si "
            "elles "
            "sont finies ) avec leurs probabilités.",
            120, 4680);
        row("Label6(6)", "Propriétés", 720, 5400);
        row("Label6(5)",
            "Var(X) = E((X - E(X))²) = E(X²) - (E(X))²\n"
            "E(X + Y) = E(X) + E(Y)\n"
            "E(aX) = aE(X)\n"
            "Var(aX) = a² Var(X)\n"
            "Var(X + a) = Var(X)",
            120, 5640);
        row("Label6(7)", "Propriété", 7080, 600);
        row("Label2",
            "Si l'épreuve aléatoire est composée d'un nombre fini d'issues alors la probabilité d'un "
            "évenement A "
            "est la somme des probabilités des issues qu'il réalise.",
            6480, 840);
        row("Label6(8)", "Arbres de probabilités Exemple", 7080, 1680);
        row("Label9(0)", "U1", 8160, 2280);
        row("Label10(0)", "U2", 11040, 2160);
        row("Label3",
            "On choisit une urne au hasard puis on choisis une boule au hasard quelle est la probabilité que "
            "la "
            "boule soit rouge?",
            6600, 3120);
        row("Label12(0)", "1/2", 8400, 4080);
        row("Label12(1)", "1/2", 10440, 4080);
        row("Label9(1)", "U1", 8280, 5040);
        row("Label10(1)", "U2", 10560, 5040);
        row("Label15", "1/6", 7560, 5520);
        row("Label16", "5/6", 8760, 5400);
        row("Label17", "3/4", 9840, 5520);
        row("Label18", "1/4", 11280, 5640);
        row("Label13(0)", "R", 7800, 6000);
        row("Label14(0)", "J", 8760, 6000);
        row("Label13(2)", "R", 10080, 6000);
        row("Label14(2)", "J", 11040, 6000);
        row("Label4", "La probabilité cherchée est 1/2*1/6+1/2*3/4= 11/24", 7080, 6600);
    }
    void texts() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, left);
        QFETCH(int, top);
        Window w;
        const Label* label = control<Label>(w.form, qPrintable(name));
        QCOMPARE(label->caption(), caption);
        const TwipsRect place = twips::placeOf(label);
        QCOMPARE(place.left, left);
        QCOMPARE(place.top, top);
        // The whole text shows: a wrapped text within the label's height, a single line within its width.
        if (label->wordWrap())
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(QString::number(label->heightForWidth(label->width()))));
        else
            QVERIFY(QFontMetrics(label->font()).horizontalAdvance(caption) <= label->width());
    }

    // The headings stand out in bold dark red; the texts under them do not.
    void headings() {
        Window w;
        for (int i = 0; i <= 8; ++i) {
            const Label* label = control<Label>(w.form, qPrintable(QStringLiteral("Label6(%1)").arg(i)));
            const bool heading = i % 2 == 0 || i > 6;
            QCOMPARE(label->font().bold(), heading);
            QCOMPARE(label->palette().color(QPalette::WindowText) == QColor(192, 0, 0), heading);
        }
    }

    // Each urn is an open box of three lines holding its balls; the tree joins the root to the urns
    // and each urn to a red and a yellow ball.
    void lines_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("ends");
        QTest::newRow("U1 left") << "Line4(0)" << QList<int>{8520, 2040, 8520, 2880};
        QTest::newRow("U1 right") << "Line5(0)" << QList<int>{9360, 2040, 9360, 2880};
        QTest::newRow("U1 bottom") << "Line6(0)" << QList<int>{8520, 2880, 9360, 2880};
        QTest::newRow("U2 left") << "Line4(1)" << QList<int>{10200, 2040, 10200, 2880};
        QTest::newRow("U2 right") << "Line5(1)" << QList<int>{11040, 2040, 11040, 2880};
        QTest::newRow("U2 bottom") << "Line6(1)" << QList<int>{10200, 2880, 11040, 2880};
        QTest::newRow("root to U1") << "Line9" << QList<int>{9600, 3720, 8400, 4920};
        QTest::newRow("root to U2") << "Line7" << QList<int>{9600, 3720, 10800, 4920};
        QTest::newRow("U1 to R") << "Line8(0)" << QList<int>{8400, 5280, 7920, 6000};
        QTest::newRow("U1 to J") << "Line11(0)" << QList<int>{8400, 5280, 8880, 6000};
        QTest::newRow("U2 to R") << "Line8(1)" << QList<int>{10680, 5280, 10200, 6000};
        QTest::newRow("U2 to J") << "Line11(1)" << QList<int>{10680, 5280, 11160, 6000};
    }
    void lines() {
        QFETCH(QString, name);
        QFETCH(QList<int>, ends);
        Window w;
        const Line* line = control<Line>(w.form, qPrintable(name));
        QCOMPARE((QList<int>{line->x1(), line->y1(), line->x2(), line->y2()}), ends);
        QCOMPARE(line->color(), QColor(Qt::black));
    }

    // The picture on the screen: the dividing line, and in each urn its red and yellow balls, read from
    // the drawn pixels at the centre of each ball.
    void drawing() {
        Window w;
        const QImage page = w.form.window().client()->grab().toImage();
        const auto at = [&](int x, int y) { return page.pixelColor(twips::toPx(x), twips::toPx(y)); };
        const QColor titleBar = QApplication::palette().color(QPalette::Highlight);
        QCOMPARE(at(6360, 4000), titleBar);
        QCOMPARE(at(6360 + 30, 4000), titleBar); // a thick line
        struct Ball {
            int left, top;
            QColor colour;
        };
        const QColor red(255, 0, 0), yellow(255, 255, 0);
        const Ball balls[] = {{8520, 2640, red},    {8520, 2400, yellow}, {8760, 2400, yellow},
                              {9000, 2400, yellow}, {8760, 2640, yellow}, {9000, 2640, yellow},
                              {10200, 2640, red},   {10440, 2640, red},   {10680, 2640, red},
                              {10320, 2400, yellow}};
        for (const Ball& ball : balls)
            QCOMPARE(at(ball.left + 127, ball.top + 127), ball.colour);
        // The page around the balls is the page's own colour.
        QCOMPARE(at(9240, 2200), page.pixelColor(0, 0));
        QCOMPARE(at(10920, 2460), page.pixelColor(0, 0));
    }

    // A screen reader hears the urns' contents and the tree's branches in words, on the labels the
    // pupil reaches with Tab.
    void drawingSaidInWords() {
        Window w;
        const auto said = [&](const char* name) {
            QWidget* label = w.form.window().findChild<QWidget*>(QString::fromLatin1(name));
            return label && label->focusPolicy() != Qt::NoFocus
                       ? QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name)
                       : QString();
        };
        QCOMPARE(said("Label9(0)"), QStringLiteral("Urne U1 : une boule rouge et cinq boules jaunes"));
        QCOMPARE(said("Label10(0)"), QStringLiteral("Urne U2 : trois boules rouges et une boule jaune"));
        const QString tree = said("Label12(0)");
        for (const char* branch :
             {"U1 ou l'urne U2, chacune avec la probabilité 1/2", "rouge R, probabilité 1/6",
              "jaune J, probabilité 5/6", "rouge R, probabilité 3/4", "jaune J, probabilité 1/4"})
            QVERIFY2(tree.contains(QString::fromUtf8(branch)), qPrintable(tree));
    }

    // The page is fixed: resizing the window moves nothing.
    void resizingMovesNothing() {
        Window w;
        QList<QRect> before;
        const auto labels = w.form.window().findChildren<Label*>();
        for (const Label* label : labels)
            before << label->geometry();
        w.form.window().resize(w.form.window().size() + QSize(300, 200));
        QApplication::processEvents();
        QList<QRect> after;
        for (const Label* label : labels)
            after << label->geometry();
        QCOMPARE(after, before);
        QCOMPARE(labels.size(), 28);
    }
};

QTEST_MAIN(TestProbabilityCourseWindow)
#include "tst_probability_course_window.moc"
