// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard.h"
#include "test_program.h"

#include "help/glossary_window.h"
#include "shell/main_menu.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/keyboard_access.h"

#include <QAccessible>
#include <QAction>
#include <QCursor>
#include <QRandomGenerator>

using namespace ui;

namespace {

// A term of the glossary as the layout gives it: label, caption, row and column from 1, definition.
struct Term {
    const char* name;
    const char* caption;
    int row;
    int column;
    const char* definition;
};

const Term kTerms[] = {
    {"Label6", "Axiome", 1, 1,
     "Axiome : (du grec axioma : j'estime, je crois vrai) Vérité admise sans démonstration et sur laquelle "
     "se fonde les théories mathématiques. L'axiome est une évidence, contrairement au postulat qui ne l'est "
     "pas forcément."},
    {"Label10", "Chiffre", 1, 2, "Chiffre : Chacun des caractères servant à représenter les nombres."},
    {"Label14", "Conjecture", 1, 3,
     "Conjecture : Supposition fondée sur des apparences, non démontrée, et soumise à la perspicacité des "
     "mathématiciens. Le fameux « théorème de Fermat » était en fait une conjecture avant d'être démontré."},
    {"Label2", "Démonstration", 1, 4,
     "Démonstration : Raisonnement établissant la vérité d'une proposition à partir d'axiomes que l'on a "
     "posés."},
    {"Label15", "Equation", 1, 5,
     "Équation : (du latin aequatio : égalité) Égalité soumise à conditions, qui se vérifie en spécifiant "
     "certains paramètres indéterminés. "},
    {"Label16", "Fonction", 1, 6,
     "Fonction : Correspondance entre un ensemble A et un ensemble B, telle que à tout élément de A on "
     "associe au plus un élément de B. "},
    {"Label7", "Formule", 2, 1,
     "Formule : Égalité ou inégalité remarquable, définissant un algorithme, une identité ou une relation "
     "entre plusieurs éléments d'un ensemble."},
    {"Label19", "Hasard", 2, 2,
     "Hasard : Le mot hasard vient de l'arabe al-zahr, qui signifie «jeu de dés». Caractère de ce qui se "
     "produit en dehors de toute norme ou règle prévisible objective ou subjective"},
    {"Label11", "Hypothese", 2, 3,
     "Hypothèse : Proposition que l'on accepte comme vraie et à partir de laquelle on raisonne pour résoudre "
     "un problème, ou démontrer un théorème."},
    {"Label3", "Inconnue", 2, 4,
     "Inconnue : Élément indéterminé dont on se propose de trouver la ou les valeurs vérifiant une ou "
     "plusieurs relations d'égalité ou d'inégalité."},
    {"Label12", "Invariant", 2, 5,
     "Invariant : Se dit d'un nombre, d'une fonction ou de n'importe quel élément d'un ensemble qui est sa "
     "propre image dans une transformation ponctuelle."},
    {"Label20", "Modulo", 2, 6,
     "Deux nombres entiers sont dits congrus modulo n si leur différence est un multiple de n, n étant un "
     "nombre entier. On peut aussi dire que deux nombres entiers sont dits congrus modulo n s'ils ont même "
     "reste par leur division euclidienne par n. En arithmétique modulaire modulo n, les résultats des "
     "opérations sont exprimés modulu n."},
    {"Label17", "Nombre", 3, 1,
     "Nombres : Notion fondamentale des mathématiques qui permet de dénombrer et de classer les objets ou de "
     "mesurer les grandeurs."},
    {"Label13", "Polynome", 3, 2,
     "Polynôme : Somme d'expressions algébriques formées par des termes où figurent une ou plusieurs "
     "variables. "},
    {"Label8", "Postulat ", 3, 3,
     "Postulat : (du latin postulare : demander) Proposition première indémontrable ou indémontrée, et que "
     "le mathématicien demande au lecteur d'accepter. Le postulat n'est pas forcément évident, contrairement "
     "à l'axiome."},
    {"Label9", "Proposition", 3, 4, "Proposition : Énoncé susceptible d'être vrai ou faux."},
    {"Label4", "Théoreme", 3, 5,
     "Théorème : Proposition démontrée à l'intérieur d'un système mathématique. Un théorème découle des "
     "axiomes et postulats qu'on a posé auparavant"},
    {"Label5", "Variable", 3, 6,
     "Variable : Terme indéterminé à l'intérieur d'un ensemble de valeurs possibles. "},
};

// Places of the layout, in twips, as pixels of the client area.
QRect px(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}
QRect termPlace(const Term& t) {
    const int tops[] = {600, 1440, 2280};
    return px(240 + 2160 * (t.column - 1), tops[t.row - 1], 1815, 495);
}
const QRect kDefinitionPlace = px(1680, 3240, 9735, 2775);
const QRect kClient = px(0, 0, 13185, 5565);

// What the definition shows after the pointer has passed through these points: the definition of
// a term under it, one blank over the background, no change over the definition itself.
QString shownAfter(const QList<QPoint>& path, QString shown) {
    for (QPoint p : path) {
        if (kDefinitionPlace.contains(p))
            continue;
        shown = QStringLiteral(" ");
        for (const Term& t : kTerms)
            if (termPlace(t).contains(p))
                shown = QString::fromUtf8(t.definition);
    }
    return shown;
}

} // namespace

class TestGlossaryWindow : public QObject {
    Q_OBJECT

    struct Window : ShownForm<GlossaryWindow> {
        Window() {
            // The pointer starts away from the window, so that its first move is a move.
            QCursor::setPos(-1000, -1000);
            QVERIFY(QTest::qWaitForWindowExposed(&form.window()));
        }
        QWidget* client() { return form.window().client(); }
        QString definition() { return control(form, GlossaryWindow::definitionLabel)->caption(); }
        // Moves the pointer over a point of the client area as the platform does: the move waits
        // in the window system's queue with the others until events are processed.
        void queueMove(QPoint at) { QCursor::setPos(client()->mapToGlobal(at)); }
        // Lets every pending event run, and whatever those events post in turn.
        static void settle() { QCoreApplication::processEvents(QEventLoop::AllEvents, 100); }
        void moveTo(QPoint at) {
            queueMove(at);
            settle();
        }
        // The distinct texts the definition shows while the pointer goes from one point to another
        // a pixel at a time.
        QStringList shownAlong(QPoint from, QPoint to) {
            QStringList seen;
            const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
            for (int i = 0; i <= steps; ++i) {
                moveTo(from + (to - from) * i / steps);
                if (seen.isEmpty() || seen.last() != definition())
                    seen << definition();
            }
            return seen;
        }
    };

    static QString definitionOf(const char* caption) {
        for (const Term& t : kTerms)
            if (QString::fromUtf8(t.caption).trimmed() == QString::fromUtf8(caption))
                return QString::fromUtf8(t.definition);
        qFatal("no term %s", caption);
    }
    static QPoint centreOf(const char* caption) {
        for (const Term& t : kTerms)
            if (QString::fromUtf8(t.caption).trimmed() == QString::fromUtf8(caption))
                return termPlace(t).center();
        qFatal("no term %s", caption);
    }

private Q_SLOTS:
    void initTestCase() {
        setUpTestApplication();
        Heard::listen();
    }

    void terms_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("definition");
        for (const Term& t : kTerms)
            QTest::newRow(t.caption) << QString::fromUtf8(t.name) << QString::fromUtf8(t.caption)
                                     << termPlace(t) << QString::fromUtf8(t.definition);
    }
    // Each term stands in its place with its caption, and the pointer over it shows its definition;
    // a step off it onto the background empties the definition.
    void terms() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, place);
        QFETCH(QString, definition);
        Window w;
        auto* term = control<Label>(w.form, name.toUtf8().constData());
        QCOMPARE(term->caption(), caption);
        QCOMPARE(term->geometry(), place);
        QCOMPARE(term->font().pointSizeF(), 12.0);
        QVERIFY(term->font().bold());
        QVERIFY(term->autoFillBackground());
        QCOMPARE(term->palette().color(QPalette::Window), QColor(192, 192, 192));
        QVERIFY(term->fontMetrics().horizontalAdvance(caption) <= term->contentsRect().width());

        w.moveTo(place.center());
        QCOMPARE(w.definition(), definition);
        w.moveTo(place.bottomRight() + QPoint(0, 1));
        QCOMPARE(w.definition(), QStringLiteral(" "));
        w.moveTo(place.topLeft());
        QCOMPARE(w.definition(), definition);
        w.moveTo(place.topLeft() - QPoint(1, 0));
        QCOMPARE(w.definition(), QStringLiteral(" "));

        // The whole definition fits its label.
        auto* label = control(w.form, GlossaryWindow::definitionLabel);
        label->setCaption(definition);
        const QRect need = label->fontMetrics().boundingRect(
            label->contentsRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, definition);
        QVERIFY(label->contentsRect().contains(need));
    }

    void layout() {
        Window w;
        QCOMPARE(w.form.window().windowTitle(), QStringLiteral("Lexique"));
        QCOMPARE(w.client()->size(), kClient.size());
        auto* label = control(w.form, GlossaryWindow::definitionLabel);
        QCOMPARE(label->caption(), QString());
        QCOMPARE(label->geometry(), kDefinitionPlace);
        QCOMPARE(label->font().pointSizeF(), 12.0);
        QVERIFY(!label->font().bold());
        QVERIFY(label->wordWrap());
    }

    // From one term to the next the pointer crosses the background, which empties the definition;
    // inside a term the definition stays; over the definition itself nothing changes.
    void hoverPaths() {
        Window w;
        const QString blank = QStringLiteral(" ");
        QCOMPARE(w.shownAlong(centreOf("Axiome"), centreOf("Chiffre")),
                 (QStringList{definitionOf("Axiome"), blank, definitionOf("Chiffre")}));
        QCOMPARE(w.shownAlong(centreOf("Formule"), centreOf("Axiome")),
                 (QStringList{definitionOf("Formule"), blank, definitionOf("Axiome")}));
        const QRect modulo = termPlace(kTerms[11]);
        QCOMPARE(w.shownAlong(modulo.topLeft(), modulo.bottomRight()), QStringList{definitionOf("Modulo")});
        QVERIFY(w.definition().startsWith(QStringLiteral("Deux nombres entiers")));
        // Straight down from a term onto the definition.
        const QPoint proposition = centreOf("Proposition");
        QCOMPARE(w.shownAlong(proposition, QPoint(proposition.x(), kDefinitionPlace.center().y())),
                 (QStringList{definitionOf("Proposition"), blank}));
    }

    void fastPointer_data() {
        QTest::addColumn<QList<QPoint>>("path");
        QList<QPoint> everyTerm;
        for (const Term& t : kTerms)
            everyTerm << termPlace(t).center();
        QTest::newRow("every term, ending on the last") << everyTerm;
        QTest::newRow("every term, ending in a gap")
            << (everyTerm << termPlace(kTerms[4]).bottomRight() + QPoint(1, 1));
        QTest::newRow("a term, then the definition")
            << QList<QPoint>{centreOf("Hasard"), kDefinitionPlace.center(), kDefinitionPlace.topLeft()};
        QTest::newRow("back and forth, ending on a term") << QList<QPoint>{
            centreOf("Axiome"), {5, 5}, centreOf("Variable"), {870, 360}, centreOf("Invariant")};
        QList<QPoint> inside;
        const QRect conjecture = termPlace(kTerms[2]);
        for (int i = 0; i < 200; ++i)
            inside << conjecture.topLeft() + QPoint(i % conjecture.width(), i % conjecture.height());
        QTest::newRow("many moves inside one term") << inside;
        for (quint32 seed = 1; seed <= 6; ++seed) {
            QRandomGenerator random(seed);
            QList<QPoint> path;
            for (int i = 0; i < 400; ++i)
                path << QPoint(random.bounded(kClient.width()), random.bounded(kClient.height()));
            QTest::addRow("random sweep %u", seed) << path;
        }
    }
    // Many moves reach the window in one batch, faster than they are handled: once handled, the
    // definition is that of the term under the pointer, or empty over the background.
    void fastPointer() {
        QFETCH(QList<QPoint>, path);
        Window w;
        w.moveTo({1, 1});
        QCOMPARE(w.definition(), QStringLiteral(" "));
        for (QPoint p : path)
            w.queueMove(p);
        QCOMPARE(w.definition(), QStringLiteral(" "));
        w.settle();
        QCOMPARE(w.definition(), shownAfter(path, QStringLiteral(" ")));
    }

    // Hiding keeps the definition shown; closing from the title bar empties it for the next show.
    void definitionLivesWithTheControls() {
        Window w;
        w.moveTo(centreOf("Polynome"));
        w.form.hide();
        w.form.show();
        QCOMPARE(w.definition(), definitionOf("Polynome"));
        w.form.window().close();
        w.form.show();
        QCOMPARE(w.definition(), QString());
    }

    // From the keyboard alone: Tab and the arrow keys go from term to term, and the term reached
    // shows its definition, framed by the focus ring; opening the window shows none yet.
    void keyboard() {
        Window w;
        w.form.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form.window()));
        QCOMPARE(w.definition(), QString());
        // Each key, then the caption of the term that has the focus and shows its definition.
        const QList<std::pair<Qt::Key, const char*>> walk = {
            {Qt::Key_Tab, "Chiffre"},   {Qt::Key_Down, "Hasard"},   {Qt::Key_Right, "Hypothese"},
            {Qt::Key_Up, "Conjecture"}, {Qt::Key_Up, "Conjecture"}, {Qt::Key_Left, "Chiffre"},
            {Qt::Key_Left, "Axiome"},   {Qt::Key_Left, "Axiome"},   {Qt::Key_Right, "Chiffre"},
            {Qt::Key_End, "Variable"},  {Qt::Key_Down, "Variable"}, {Qt::Key_Right, "Variable"},
            {Qt::Key_Left, "Théoreme"}, {Qt::Key_Home, "Axiome"},   {Qt::Key_Backtab, "Variable"},
            {Qt::Key_Tab, "Axiome"},
        };
        for (const auto& [key, caption] : walk) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            QTest::keyClick(focus, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            auto* term = dynamic_cast<Label*>(QApplication::focusWidget());
            QVERIFY2(term, caption);
            QCOMPARE(term->caption().trimmed(), QString::fromUtf8(caption));
            QCOMPARE(w.definition(), definitionOf(caption));
            QVERIFY(KeyboardAccess::of(term)->ringShown());
            QVERIFY(!KeyboardAccess::of(focus)->ringShown() || focus == term);
        }
        // The pointer still rules the definition area; Enter brings the focused term's back.
        w.moveTo({1, 1});
        QCOMPARE(w.definition(), QStringLiteral(" "));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(w.definition(), definitionOf("Axiome"));
    }

    // A screen reader reads each term's definition as its description.
    void definitionsAreDescriptions() {
        Window w;
        for (const Term& t : kTerms) {
            QAccessibleInterface* term = QAccessible::queryAccessibleInterface(control(w.form, t.name));
            QVERIFY(term);
            QCOMPARE(term->text(QAccessible::Description), QString::fromUtf8(t.definition));
            QVERIFY(term->state().focusable);
        }
    }

    // A term reached from the keyboard has its definition said after its name.
    void definitionSaidOnFocus() {
        Window w;
        heardFrom(w.form);
        QWidget* postulate = control(w.form, Ref<Label>{QStringLiteral("Label8")});
        postulate->setFocus(Qt::TabFocusReason);
        const QStringList heard = heardFrom(w.form);
        QCOMPARE(heard.size(), 1);
        QVERIFY2(heard[0].startsWith(QStringLiteral("Postulat")) && heard[0].size() > 40,
                 qPrintable(heard[0]));
        QTest::keyClick(postulate, Qt::Key_Escape);
        QVERIFY(!w.form.isShown());
    }

    void openedByTheMainMenu() {
        TestProgram tp;
        auto& menu = tp->get<MainMenu>();
        menu.show();
        control<QAction>(menu, "Lexique")->trigger();
        QVERIFY(tp->get<GlossaryWindow>().isShown());
    }
};

QTEST_MAIN(TestGlossaryWindow)
#include "tst_glossary_window.moc"
