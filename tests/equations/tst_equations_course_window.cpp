// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "equations/equations_course_window.h"
#include "shell/main_menu.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/decorations.h"

#include <QApplication>
#include <QTimer>

namespace {

// The lines of a caption as written.
QStringList linesOf(const QString& caption) {
    return caption.split(u'\n');
}

} // namespace

using W = EquationsCourseWindow;

class TestEqCours : public QObject {
    Q_OBJECT

    using Page = ShownForm<EquationsCourseWindow>;

    static Label* label(Page& p, const QString& name) { return control<Label>(p.form, qPrintable(name)); }

private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    void captions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char* name, const char* caption) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(caption);
        };
        row("Label1", "FONCTIONS");
        row("Label2(1)", "FONCTIONS AFFINES, EQUATION DE DEGRE 1");
        row("Label2(0)", "Définition");
        row("Label3(0)",
            "Une fonction qui à l'antécédant x associe l'image f(x)  est dite affine si et seulement si  "
            "elle peut s'écrire sous la forme f(x)=ax+b avec a et b des réels.");
        row("Label2(3)", "Propriétés");
        row("Label3(1)",
            "1) Soit f une fonction affine, alors l'équation f(x)=c admet une unique solution ; x=(c-b)/a");
        row("Label3(2)", "2) a est coefficient directeur (ou pente).");
        row("Label2(4)", "          TRINÔME, EQUATION DE DEGRE 2");
        row("Label2(5)", "Définition");
        row("Label3(3)",
            "Une fonction qui à x associe f(x) est un trinôme si et seulement si  quel que soit x, "
            "f(x)=ax²+bx+c avec a,b,c des réels a non nul");
        row("Label2(7)", "Définition");
        row("Label3(5)", "On définit le discriminant d'une équation de degré 2 par d=b²-4ac");
        row("Label2(6)", "Propriété");
        row("Label2(8)", "Démonstration");
        row("Label2(9)", "             EQUATIONS DIOPHANTIENNES");
        row("Label2(10)", "Définition");
        row("Label3(7)",
            "Un equation diophantienne peut se mettre sous la forme ax+by=c avec x et y les nconnues "
            "et a,b,c des entiers relatifs.");
        row("Label2(11)", "Méthode");
    }
    void captions() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        Page p;
        QCOMPARE(label(p, name)->caption(), caption);
    }

    // The three long paragraphs: the texts they must hold, and the formulas, each of which starts
    // a line.
    void longParagraphs_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("formulas");
        QTest::newRow("Propriété")
            << "Label3(4)"
            << QStringList{"Soit f : x->ax²+bx+c, l'équation f(x)=0  de discriminant d", "d>0", "d=0",
                           "Si d<0 deux solution complexes non traitées ici."}
            << QStringList{"x1=(-b-sqr(d))/2a", "x2=(-b+sqr(d))/2a", "x=-b/2a"};
        QTest::newRow("Démonstration")
            << "Label3(6)" << QStringList{"b²-4ac"}
            << QStringList{"ax²+bx+c=a(x²+(b/a)x+c/a)=a((x+(b/2a))² - (b²/4a²) + c/a)",
                           "=a((x+(b/2a))² - (b²-4ac)/4a²)", "(x+(b/2a))² - d/4a²=0", "(x-x1)(x-x2)=0"};
        QTest::newRow("Méthode") << "Label3(8)" << QStringList{"(p,q)", "k=k'"}
                                 << QStringList{"ax+by=ap+bq", "a(x-p)=b(q-y)", "ka=q-y",
                                                "k'b=x-p",     "x=kb+p",        "y=- ka+q"};
    }
    void longParagraphs() {
        QFETCH(QString, name);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, formulas);
        Page p;
        const QString caption = label(p, name)->caption();
        QVERIFY(label(p, name)->wordWrap());
        for (const QString& t : texts)
            QVERIFY2(caption.contains(t), qPrintable(t));
        for (const QString& f : formulas) {
            const QStringList lines = linesOf(caption);
            QVERIFY2(
                std::any_of(lines.begin(), lines.end(), [&](const QString& l) { return l.startsWith(f); }),
                qPrintable(f));
        }
        // The Propriété paragraph begins with its first sentence; the parametrisation ends the
        // method, its second line on its own.
        if (name == QLatin1String("Label3(4)"))
            QVERIFY(caption.startsWith(texts.first()));
        if (name == QLatin1String("Label3(8)"))
            QCOMPARE(linesOf(caption).last(), QStringLiteral("y=- ka+q"));
    }

    void layout() {
        Page p;
        QCOMPARE(p.form.window().windowTitle(), QStringLiteral("Eq_cours"));
        QCOMPARE(p.form.window().client()->size(), QSize(835, 521));
        // Each section heading is blue and framed by a rectangle of its own place and size; the
        // other headings share one lighter colour.
        const QColor section = control(p.form, W::headings[1])->palette().color(QPalette::WindowText);
        const QColor heading = control(p.form, W::headings[0])->palette().color(QPalette::WindowText);
        QCOMPARE(section, QColor(0, 0, 255));
        QVERIFY(heading != section);
        const std::pair<int, int> framed[] = {{1, 0}, {4, 1}, {9, 2}};
        for (const auto& [item, shape] : framed) {
            Label* l = control(p.form, W::headings[item]);
            QCOMPARE(l->palette().color(QPalette::WindowText), section);
            const Shape* s = control(p.form, W::headingFrames[shape]);
            QCOMPARE(QRect(s->left(), s->top(), s->width(), s->height()),
                     QRect(l->property("Left").toInt(), l->property("Top").toInt(),
                           l->property("Width").toInt(), l->property("Height").toInt()));
        }
        for (int item : {0, 3, 5, 6, 7, 8, 10, 11})
            QCOMPARE(control(p.form, W::headings[item])->palette().color(QPalette::WindowText), heading);
        // Item 2 of the headings is not part of the page.
        QVERIFY(!p.form.window().findChild<QWidget*>(W::headings[2].name));
        for (int item : {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11}) {
            const QFont f = control(p.form, W::headings[item])->font();
            QVERIFY(f.bold());
            QCOMPARE(f.pointSizeF(), 9.75);
        }
        for (int item = 0; item < 9; ++item)
            QCOMPARE(control(p.form, W::paragraphs[item])->font().pointSizeF(), item <= 2 ? 12.0 : 9.75);
        const Line* divider = control<Line>(p.form, "Line1");
        QCOMPARE(QRect(QPoint(divider->x1(), divider->y1()), QPoint(divider->x2(), divider->y2())),
                 QRect(QPoint(6240, 360), QPoint(6240, 7800)));
    }

    // Every text shows whole: wrapped inside its label's width, its lines fit the label's height.
    void everyTextFits() {
        Page p;
        const auto labels = p.form.window().findChildren<Label*>();
        QCOMPARE(labels.size(), qsizetype(1 + 11 + 9));
        for (Label* l : labels) {
            const int flags = l->wordWrap() ? int(Qt::TextWordWrap) : 0;
            const QRect need = l->fontMetrics().boundingRect(QRect(0, 0, l->width(), 10000),
                                                             int(l->alignment()) | flags, l->caption());
            QVERIFY2(need.width() <= l->width() && need.height() <= l->height(),
                     qPrintable(QStringLiteral("%1 needs %2x%3 in %4x%5")
                                    .arg(l->objectName())
                                    .arg(need.width())
                                    .arg(need.height())
                                    .arg(l->width())
                                    .arg(l->height())));
        }
    }

    // The main menu's "Cours" button shows the page modal and waits until the pupil closes it.
    void shownModalFromTheMainMenu() {
        TestProgram tp;
        auto& menu = tp->get<MainMenu>();
        menu.show();
        auto& page = tp->get<EquationsCourseWindow>();
        bool clickReturned = false;
        bool shownModal = false;
        // Runs inside the click only if the click waits for the page.
        QTimer::singleShot(20, [&] {
            shownModal =
                !clickReturned && page.isShown() && QApplication::activeModalWidget() == &page.window();
            page.window().close();
        });
        auto* cours = control<Button>(menu, "Command10");
        QCOMPARE(cours->caption(), QStringLiteral("Cours"));
        QTest::mouseClick(cours, Qt::LeftButton);
        clickReturned = true;
        QVERIFY(shownModal);
        QVERIFY(!page.isShown());
        QVERIFY(menu.isShown());
        QCOMPARE(tp.endCalls, 0);
    }
};

QTEST_MAIN(TestEqCours)
#include "tst_equations_course_window.moc"
