// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "equations/degree1_window.h"
#include "shell/main_menu.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/decorations.h"

#include <array>

using W = Degree1Window;

class TestEqD1 : public QObject {
    Q_OBJECT

    struct Window : ShownForm<Degree1Window> {
        using ShownForm::ShownForm;
        QLineEdit* box(const ui::Ref<TextBox>& ref) { return control(form, ref); }
        QString label(const ui::Ref<Label>& ref) { return control(form, ref)->caption(); }
        // A caption no handler writes, found by its object name.
        QString label(const char* name) { return control<Label>(form, name)->caption(); }
        void press(const ui::Ref<Button>& ref) { QTest::mouseClick(control(form, ref), Qt::LeftButton); }
        QList<int> arrow() {
            auto* l = control<Line>(form, W::variationArrow);
            return {l->x1(), l->y1(), l->x2(), l->y2()};
        }
        void fill(const QString& a, const QString& b, const QString& k, const QString& x0) {
            box(W::aBox)->setText(a);
            box(W::bBox)->setText(b);
            box(W::kBox)->setText(k);
            box(W::x0Box)->setText(x0);
        }
    };

private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    void layout() {
        Window w;
        QCOMPARE(w.form.window().windowTitle(), QStringLiteral("Eq_d1"));
        QCOMPARE(w.form.window().client()->size(), QSize(317, 487));
        const QStringList texts{"1", "0", "0", "0", "-5", "10", "-5", "10"};
        const ui::Ref<TextBox> boxes[] = {W::aBox,          W::bBox,          W::kBox,
                                          W::x0Box,         W::rangeBoxes[0], W::rangeBoxes[1],
                                          W::rangeBoxes[2], W::rangeBoxes[3]};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(w.box(boxes[i])->text(), texts[i]);
        QCOMPARE(w.label("Label3(0)"), QStringLiteral("F :  x ->"));
        QCOMPARE(w.label("Label1"), QStringLiteral("x +                 "));
        QCOMPARE(w.label("Label3(1)"), QStringLiteral("F (            ) ="));
        QCOMPARE(w.label("Label3(2)"), QStringLiteral("F ( x ) ="));
        QCOMPARE(w.label("Label6"), QStringLiteral("   -oo") + QString(50, ' ') + QStringLiteral("+oo"));
        QCOMPARE(w.label(W::rangeLabels[0]), QStringLiteral("RANGE X"));
        QCOMPARE(w.label(W::rangeLabels[1]), QStringLiteral("RANGE Y"));
        QCOMPARE(control(w.form, W::solveButton)->caption(), QStringLiteral("Résoudre"));
        QCOMPARE(control(w.form, W::computeButton)->caption(), QStringLiteral("Calculer"));
        QCOMPARE(control(w.form, W::variationButton)->caption(), QStringLiteral("Tableau de variation"));
        QCOMPARE(control(w.form, W::plotButton)->caption(), QStringLiteral("Tracé"));
        QCOMPARE(w.arrow(), (QList<int>{1200, 3360, 3600, 3360}));
        // The longest results a double can give fit their labels.
        for (const auto& [ref, longest] : {std::pair{&W::solutionLabel, "x = -1,23456789012345E+100"},
                                           std::pair{&W::valueLabel, "-1,23456789012345E-100"}}) {
            const Label* l = control(w.form, *ref);
            QVERIFY(l->fontMetrics().horizontalAdvance(QString::fromLatin1(longest)) <= l->width());
        }
        // Each box stands clear of the captions it sits among.
        for (const auto* ref : {&W::aBox, &W::bBox, &W::kBox, &W::x0Box}) {
            const QRect r = w.box(*ref)->geometry();
            for (Label* l : w.form.window().findChildren<Label*>())
                if (l->objectName() != QLatin1String("Label1") &&
                    l->objectName() != QLatin1String("Label3(1)"))
                    QVERIFY2(!r.intersects(QRect(l->pos(), l->sizeHint())),
                             qPrintable(ref->name + " over " + l->objectName()));
        }
    }

    void openedFromTheMainMenu() {
        TestProgram tp;
        auto& menu = tp->get<MainMenu>();
        menu.show();
        QTest::mouseClick(control<Button>(menu, "Command7"), Qt::LeftButton);
        QVERIFY(tp->get<Degree1Window>().isShown());
    }

    void results_data() {
        QTest::addColumn<char>("sep");
        QTest::addColumn<QStringList>("boxes"); // a, b, k, x0
        QTest::addColumn<QString>("solution");  // empty: the label is left as it was
        QTest::addColumn<QString>("value");
        QTest::newRow("3x + 1 = 3") << ',' << QStringList{"3", "1", "3", "0"} << "x = 0,67"
                                    << "1";
        QTest::newRow("point settings") << '.' << QStringList{"3", "1", "3", "0.25"} << "x = 0.67"
                                        << "1.75";
        QTest::newRow("2x + 1 = 5, x0 = 3") << ',' << QStringList{"2", "1", "5", "3"} << "x = 2"
                                            << "7";
        QTest::newRow("x0 = 0.25") << '.' << QStringList{"2", "1", "5", "0.25"} << "x = 2"
                                   << "1.5";
        QTest::newRow("tie to even") << ',' << QStringList{"8", "0", "1", "-1"} << "x = 0,12"
                                     << "-8";
        QTest::newRow("negative results") << ',' << QStringList{"-2", "1", "6", "4"} << "x = -2,5"
                                          << "-7";
        QTest::newRow("a = 0") << ',' << QStringList{"0", "1", "3", "2"} << ""
                               << "";
        QTest::newRow("b empty") << ',' << QStringList{"2", "", "3", "2"} << ""
                                 << "";
        QTest::newRow("k a lone minus") << ',' << QStringList{"2", "1", "-", "2"} << ""
                                        << "5";
        QTest::newRow("x0 a lone minus") << ',' << QStringList{"2", "1", "1", "-"} << "x = 0"
                                         << "";
        QTest::newRow("beyond a double") << ',' << QStringList{"1E-300", "0", "1E+300", "1E+10"} << ""
                                         << "1E-290";
        QTest::newRow("exponent texts")
            << ',' << QStringList{"1E-300", "0", "1E-290", "1E+300"} << "x = 10000000000"
            << "1";
    }
    void results() {
        QFETCH(char, sep);
        QFETCH(QStringList, boxes);
        QFETCH(QString, solution);
        QFETCH(QString, value);
        Window w(sep);
        w.fill(boxes[0], boxes[1], boxes[2], boxes[3]);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(w.box(std::array{W::aBox, W::bBox, W::kBox, W::x0Box}[i])->text(), boxes[i]);
        w.press(W::solveButton);
        w.press(W::computeButton);
        QCOMPARE(w.label(W::solutionLabel), solution);
        QCOMPARE(w.label(W::valueLabel), value);
        QVERIFY(w.tp.dialogs.shown.empty());
    }

    void resultsStayUntilReplaced() {
        Window w;
        w.fill("3", "1", "3", "3");
        w.press(W::solveButton);
        w.press(W::computeButton);
        QCOMPARE(w.label(W::solutionLabel), QStringLiteral("x = 0,67"));
        QCOMPARE(w.label(W::valueLabel), QStringLiteral("10"));
        w.fill("2", "1", "5", "3");
        QCOMPARE(w.label(W::valueLabel), QStringLiteral("10")); // changing the boxes clears nothing
        w.press(W::solveButton);
        QCOMPARE(w.label(W::solutionLabel), QStringLiteral("x = 2"));
        w.box(W::bBox)->clear();
        w.press(W::solveButton);
        w.press(W::computeButton);
        QCOMPARE(w.label(W::solutionLabel), QStringLiteral("x = 2"));
        QCOMPARE(w.label(W::valueLabel), QStringLiteral("10"));
        // Closing the window forgets everything: the next opening starts afresh.
        w.press(W::variationButton);
        w.form.closeByPupil();
        w.form.show();
        QCOMPARE(w.label(W::solutionLabel), QString());
        QCOMPARE(w.box(W::aBox)->text(), QStringLiteral("1"));
        QCOMPARE(w.arrow(), (QList<int>{1200, 3360, 3600, 3360}));
    }

    void typingIntoCoefficients_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("cursor"); // where the typing goes
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left");
        QTest::newRow("1a") << "" << 0 << "1a"
                            << "1";
        QTest::newRow("letter inside 12") << "12" << 1 << "a"
                                          << "1";
        QTest::newRow("lone minus") << "" << 0 << "-"
                                    << "";
        QTest::newRow("minus put in front") << "35" << 0 << "-"
                                            << "-35";
        QTest::newRow("decimal comma") << "" << 0 << "2,5"
                                       << "2,5";
        QTest::newRow("point is not the separator") << "" << 0 << "2.5"
                                                    << "25";
        QTest::newRow("exponent typed") << "" << 0 << "1e3"
                                        << "13";
    }
    void typingIntoCoefficients() {
        QFETCH(QString, start);
        QFETCH(int, cursor);
        QFETCH(QString, typed);
        QFETCH(QString, left);
        for (const auto* ref : {&W::aBox, &W::bBox}) {
            Window w;
            QLineEdit* box = w.box(*ref);
            box->setText(start);
            box->setFocus();
            box->setCursorPosition(cursor);
            QTest::keyClicks(box, typed);
            QCOMPARE(box->text(), left);
            QVERIFY(w.tp.dialogs.shown.empty());
        }
    }

    void pastedLongTextIsTrimmedOnce() {
        Window w;
        QLineEdit* box = w.box(W::aBox);
        // A number beyond any double: the longest beginning that is a number has 309 ones.
        box->setText(QString(100'000, '1') + "a");
        QCOMPARE(box->text(), QString(309, '1'));
        box->setText("12" + QString(100'000, 'x'));
        QCOMPARE(box->text(), QStringLiteral("12"));
        w.box(W::bBox)->setText("-4,5e1" + QString(30'000, ' ') + "z");
        QCOMPARE(w.box(W::bBox)->text().size(), 6 + 30'000); // the blanks after a number stay
        QCOMPARE(w.box(W::bBox)->text().trimmed(), QStringLiteral("-4,5e1"));
    }

    void signedBoxes_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left");
        QTest::addColumn<int>("messages");
        QTest::newRow("lone minus stays") << "-"
                                          << "-" << 0;
        QTest::newRow("negative") << "-25"
                                  << "-25" << 0;
        QTest::newRow("decimal comma") << "-0,25"
                                       << "-0,25" << 0;
        QTest::newRow("decimal point under comma settings") << "2.5"
                                                            << "5" << 1;
        QTest::newRow("letter empties") << "4a"
                                        << "" << 1;
        QTest::newRow("letter then digits") << "4a5"
                                            << "5" << 1;
    }
    void signedBoxes() {
        QFETCH(QString, typed);
        QFETCH(QString, left);
        QFETCH(int, messages);
        for (const auto* ref : {&W::kBox, &W::x0Box}) {
            Window w;
            w.box(*ref)->clear();
            typeInto(w.box(*ref), typed);
            QCOMPARE(w.box(*ref)->text(), left);
            QCOMPARE(int(w.tp.dialogs.shown.size()), messages);
            for (const auto& m : w.tp.dialogs.shown) {
                QCOMPARE(m.text, QStringLiteral("il est impossible de rentrer ce nombre"));
                QCOMPARE(m.title, QStringLiteral("NON NON NON"));
                QCOMPARE(m.icon, Dialogs::Icon::Critical);
            }
        }
    }

    void tableOfVariation_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QList<int>>("arrow");
        const QList<int> rising{960, 4320, 3600, 3600};
        const QList<int> falling{1080, 3600, 3600, 4320};
        QTest::newRow("a = 2") << "2" << rising;
        QTest::newRow("a = -2") << "-2" << falling;
        QTest::newRow("a = 0 counts as rising") << "0" << rising;
        QTest::newRow("a = -0,001") << "-0,001" << falling;
        QTest::newRow("a empty: unchanged") << "" << QList<int>{1200, 3360, 3600, 3360};
    }
    void tableOfVariation() {
        QFETCH(QString, a);
        QFETCH(QList<int>, arrow);
        Window w;
        w.box(W::aBox)->setText(a);
        w.press(W::variationButton);
        QCOMPARE(w.arrow(), arrow);
        // The arrow keeps its place while a changes, until the button is pressed again.
        w.box(W::aBox)->setText(QStringLiteral("-7"));
        QCOMPARE(w.arrow(), arrow);
        w.box(W::aBox)->clear();
        w.press(W::variationButton);
        QCOMPARE(w.arrow(), arrow);
    }
};

QTEST_MAIN(TestEqD1)
#include "tst_degree1_window.moc"
