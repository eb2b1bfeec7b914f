// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "primes/prime_course_window.h"
#include "primes/program_listing_window.h"
#include "primes/sieve_window.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/decorations.h"

#include <QApplication>

#include <algorithm>
#include <map>
#include <set>

namespace {
struct ListingLine {
    const char* name;
    int left;
    const char* text;
};
// The listing from top to bottom.
const ListingLine kListing[] = {
    {"Label1", 120, "Public Function Premier(n As Long) As Boolean"},
    {"Label2", 360, "Premier = True"},
    {"Label3", 360, "If n = 1 Or n = 0 Then"},
    {"Label4", 600, "Premier = False"},
    {"Label5(0)", 600, "Exit Function"},
    {"Label6(0)", 360, "End If"},
    {"Label7", 360, "If n = 2 Or n = 3 Or n = 5 Or n = 7 Or n = 11 Or n = 13 Then"},
    {"Label5(1)", 600, "Exit Function"},
    {"Label6(1)", 360, "End If"},
    {"Label8", 360, "For i = 1 To ((Sqr(n)) / 6) + 1"},
    {"Label9", 720, "DoEvents"},
    {"Label10", 720, "If (n And 1) = 0 Then"},
    {"Label11", 960, "Premier = False"},
    {"Label5(2)", 960, "Exit Function"},
    {"Label6(2)", 720, "End If"},
    {"Label12", 720, "If n Mod 3 = 0 Then"},
    {"Label13(0)", 960, "Premier = False"},
    {"Label5(3)", 960, "Exit Function"},
    {"Label6(3)", 720, "End If"},
    {"Label14", 720, "If n Mod (6 * i - 1) = 0 Then"},
    {"Label13(1)", 960, "Premier = False"},
    {"Label5(4)", 960, "Exit Function"},
    {"Label6(4)", 720, "End If"},
    {"Label15", 720, "If n Mod (6 * i + 1) = 0 Then"},
    {"Label13(2)", 960, "Premier = False"},
    {"Label5(5)", 960, "Exit Function"},
    {"Label6(5)", 720, "End If"},
    {"Label16", 360, "Next i"},
    {"Label17", 120, "End Function"},
};

const QColor kDarkRed{192, 0, 0};
const QColor kLightBlue{128, 128, 255};

// Every label of a window, with its caption and place.
std::map<QString, std::pair<QString, QRect>> labelsOf(Form& form) {
    std::map<QString, std::pair<QString, QRect>> labels;
    for (Label* l : form.window().findChildren<Label*>())
        labels[l->objectName()] = {l->caption(), l->geometry()};
    return labels;
}

Form& open(TestProgram& tp, const QString& window) {
    Form* form = tp->form(window.toStdString());
    form->show();
    return *form;
}
} // namespace

class TestPrimePages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    void listingReadsTopToBottom() {
        ShownForm<ProgramListingWindow> w;
        QList<Label*> lines = w.form.window().findChildren<Label*>();
        QCOMPARE(std::size_t(lines.size()), std::size(kListing));
        std::ranges::sort(lines, {}, [](Label* l) { return twips::placeOf(l).top; });
        std::set<int> depths;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QCOMPARE(lines[i]->objectName(), QString::fromLatin1(kListing[i].name));
            QCOMPARE(lines[i]->caption(), QString::fromLatin1(kListing[i].text));
            QCOMPARE(twips::placeOf(lines[i]).left, kListing[i].left);
            QCOMPARE(lines[i]->font().pointSizeF(), 9.75);
            QVERIFY(!lines[i]->font().bold());
            depths.insert(twips::placeOf(lines[i]).left);
        }
        QCOMPARE(depths, (std::set<int>{120, 360, 600, 720, 960}));
        QCOMPARE(twips::placeOf(lines.front()).top, 120);
        QCOMPARE(twips::placeOf(lines.back()).top, 8160);
        QCOMPARE(w.form.window().client()->backColor(),
                 QApplication::palette().color(QPalette::HighlightedText));
    }

    void courseTexts_data() {
        QTest::addColumn<bool>("heading"); // an item of the headings, or of the texts
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("color"); // invalid: the normal text colour
        QTest::addColumn<bool>("bold");
        const QColor normal;
        QTest::newRow("Label2(0)") << true << 0 << "Définition" << kDarkRed << true;
        QTest::newRow("Label2(1)") << true << 1 << "Propriété" << kDarkRed << true;
        QTest::newRow("Label2(2)") << true << 2 << "Démonstration" << kLightBlue << true;
        QTest::newRow("Label2(3)") << true << 3 << "Remarque" << normal << true;
        QTest::newRow("Label2(4)") << true << 4 << "Propriété" << kDarkRed << true;
        QTest::newRow("Label2(5)") << true << 5 << "Démonstration" << kLightBlue << true;
        QTest::newRow("Label2(6)") << true << 6 << "Propriété" << kDarkRed << true;
        QTest::newRow("Label2(7)") << true << 7 << "Propriété" << kDarkRed << true;
        QTest::newRow("Label3(0)") << false << 0
                                   << "Un entier naturel est dit premier s'il admet exactement 2 diviseurs "
                                      "distincts, 1 et lui même. Un nombre non premier est dit composé"
                                   << normal << false;
        QTest::newRow("Label3(1)") << false << 1 << "L'enssemble des nombres premiers est infini." << normal
                                   << false;
        QTest::newRow("Label3(4)") << false << 4 << "1 n'est pas premier, ses diviseurs n'étant pas distincts"
                                   << normal << false;
        QTest::newRow("Label3(5)")
            << false << 5
            << "Tout entier naturel composé admet au moins un diviseur premier compris "
               "entre 2 et son radical compris."
            << normal << false;
        QTest::newRow("Label3(6)")
            << false << 6
            << "Par définition tout nombre composé admet au moins un diviseur différent de 1 et lui même."
            << normal << false;
        QTest::newRow("Label3(7)")
            << false << 7
            << "Tout entier n composé se décompose de maniere unique en produit de nombres premiers" << normal
            << false;
        QTest::newRow("Label3(8)") << false << 8
                                   << "Soit n un entier composé n=(p1^a1)*(p2^a2)*...*(pi^ai) alors tout les "
                                      "diviseurs d de n s'écrivent sous la forme" +
                                          QString(70, u' ') + "d = (p1^b1)*(p2^b2)*...*(pi^bi)"
                                   << normal << false;
    }
    void courseTexts() {
        QFETCH(bool, heading);
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QColor, color);
        QFETCH(bool, bold);
        ShownForm<PrimeCourseWindow> w;
        auto* l = control(w.form, (heading ? PrimeCourseWindow::headings : PrimeCourseWindow::texts)[index]);
        QCOMPARE(l->objectName(), QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(l->caption(), caption);
        QCOMPARE(l->palette().color(QPalette::WindowText),
                 color.isValid() ? color : QApplication::palette().color(QPalette::WindowText));
        QCOMPARE(l->font().bold(), bold);
        QCOMPARE(l->font().pointSizeF(), 9.75);
        QCOMPARE(l->wordWrap(), !bold);
    }

    void courseProofsAndTitle() {
        ShownForm<PrimeCourseWindow> w;
        const QString blanks(5, u' ');
        const auto proof = [&](int index) {
            return control(w.form, PrimeCourseWindow::texts[index])->caption();
        };
        for (const int index : {2, 3})
            QVERIFY2(proof(index).startsWith(blanks) && proof(index).size() > 400,
                     qPrintable(QString::number(index)));
        QVERIFY(proof(2).contains(QStringLiteral("sqr(n)")));
        QVERIFY(proof(3).contains(QStringLiteral("infini")));

        const QPalette system = QApplication::palette();
        auto* title = control(w.form, PrimeCourseWindow::titleLabel);
        QCOMPARE(title->caption(), QStringLiteral("Nombres Premiers"));
        QVERIFY(title->font().bold());
        QCOMPARE(title->font().pointSizeF(), 12.0);
        QCOMPARE(title->palette().color(QPalette::WindowText), system.color(QPalette::HighlightedText));
        QCOMPARE(title->palette().color(QPalette::Window), system.color(QPalette::Highlight));
        QVERIFY(title->autoFillBackground());
        auto* line = control(w.form, PrimeCourseWindow::dividingLine);
        QCOMPARE(line->penWidth(), 6);
        QCOMPARE(line->color(), system.color(QPalette::Highlight));
        QCOMPARE(QList<int>({line->x1(), line->y1(), line->x2(), line->y2()}),
                 QList<int>({6360, 360, 6360, 7800}));
        QCOMPARE(w.form.window().client()->backColor(), system.color(QPalette::HighlightedText));
    }

    void pagesStayTheSame_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("listing") << "b_Prem_prog";
        QTest::newRow("course") << "b_Prem_cours";
    }
    void pagesStayTheSame() {
        QFETCH(QString, window);
        TestProgram tp;
        Form& form = open(tp, window);
        const auto first = labelsOf(form);
        QVERIFY(first.size() >= 18);
        form.hide();
        form.show();
        QVERIFY(labelsOf(form) == first);
        form.window().close();
        QVERIFY(!form.hasControls());
        form.show();
        QVERIFY(labelsOf(form) == first);
    }

    // Every caption of the three windows shows whole in its box, inside the window, in the
    // bundled fonts.
    void everyTextFits_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("sieve") << "b_Prem_crible";
        QTest::newRow("listing") << "b_Prem_prog";
        QTest::newRow("course") << "b_Prem_cours";
    }
    void everyTextFits() {
        QFETCH(QString, window);
        TestProgram tp;
        Form& form = open(tp, window);
        const QRect client = form.window().client()->rect();
        for (Label* l : form.window().findChildren<Label*>()) {
            const QString name = l->objectName();
            QVERIFY2(client.contains(l->geometry()), qPrintable(name));
            if (l->wordWrap())
                QVERIFY2(l->heightForWidth(l->width()) <= l->height(), qPrintable(name));
            else
                QVERIFY2(l->sizeHint().width() <= l->width() && l->sizeHint().height() <= l->height(),
                         qPrintable(name));
        }
        for (Button* b : form.window().findChildren<Button*>())
            QVERIFY2(QFontMetrics(b->font()).horizontalAdvance(b->caption()) < b->width() - 4,
                     qPrintable(b->objectName()));
    }
};

QTEST_MAIN(TestPrimePages)
#include "tst_prime_pages.moc"
