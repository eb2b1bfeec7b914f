// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "probability/random_numbers_window.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/list_box.h"

class TestRandomNumbersWindow : public QObject {
    Q_OBJECT

    struct Window : ShownForm<RandomNumbersWindow> {
        using ShownForm::ShownForm;
        ComboBox* mode() { return control(form, RandomNumbersWindow::modeBox); }
        QLineEdit* bound() { return control(form, RandomNumbersWindow::boundBox); }
        QString result() { return control(form, RandomNumbersWindow::resultLabel)->caption(); }
        ListBox* list() { return control(form, RandomNumbersWindow::historyList); }
        QStringList history() {
            QStringList l;
            for (int i = 0; i < list()->count(); ++i)
                l << list()->item(i);
            return l;
        }
        void search() { QTest::mouseClick(control(form, RandomNumbersWindow::drawButton), Qt::LeftButton); }
        // Picks an item of the mode's list with the arrow keys, as the pupil may.
        void pickMode(const QString& item) {
            mode()->setFocus();
            while (mode()->currentText() != item)
                QTest::keyClick(mode(), item == QStringLiteral("Entier") ? Qt::Key_Up : Qt::Key_Down);
        }
        void typeMode(const QString& text) {
            mode()->lineEdit()->selectAll();
            QTest::keyClicks(mode()->lineEdit(), text);
        }
    };

private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    void startsEmpty() {
        Window w;
        QCOMPARE(w.mode()->currentText(), QStringLiteral("Nombre"));
        QCOMPARE(w.mode()->count(), 2);
        QCOMPARE(w.mode()->itemText(0), QStringLiteral("Entier"));
        QCOMPARE(w.mode()->itemText(1), QStringLiteral("Nombre"));
        QCOMPARE(w.bound()->text(), QString());
        QCOMPARE(w.result(), QString());
        QCOMPARE(w.list()->count(), 0);
    }

    // Texts written with a comma; the point rows read the same with a point.
    void draws_data() {
        QTest::addColumn<char>("sep");
        QTest::addColumn<QString>("mode");  // picked from the list, or typed when it is not an item
        QTest::addColumn<QString>("typed"); // the bound
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<QString>("bound"); // after the draws
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("history");
        for (char sep : {',', '.'}) {
            const auto row = [sep](const char* name) {
                return &(QTest::newRow(qPrintable(QString::fromUtf8(name) + u' ' + QChar(sep))) << sep);
            };
            *row("empty bound, whole") << "Entier"
                                       << "" << QList<float>{0.75f} << "1"
                                       << "0" << QStringList{"0,75"};
            *row("bound 0 as empty") << "Nombre"
                                     << "0" << QList<float>{0.5f} << "1"
                                     << "0,5" << QStringList{"0,5"};
            *row("value 0 in another text stays") << "Nombre"
                                                  << "0,0" << QList<float>{0.5f, 0.75f} << "0,0"
                                                  << "0" << QStringList{"0", "0"};
            *row("bound 10, whole: label cut, history not") << "Entier"
                                                            << "10" << QList<float>{0.75f} << "10"
                                                            << "7" << QStringList{"7,5"};
            *row("bound 10, whole, never 10") << "Entier"
                                              << "10" << QList<float>{std::nextafter(1.0f, 0.0f)} << "10"
                                              << "9" << QStringList{"9,99999940395355"};
            *row("lower-case mode is real") << "entier"
                                            << "10" << QList<float>{0.75f} << "10"
                                            << "7,5" << QStringList{"7,5"};
            *row("each press adds one line") << "Nombre"
                                             << "4" << QList<float>{0.25f, 0.5f, 0.125f} << "4"
                                             << "0,5" << QStringList{"1", "2", "0,5"};
        }
    }
    void draws() {
        QFETCH(char, sep);
        QFETCH(QString, mode);
        QFETCH(QString, typed);
        QFETCH(QList<float>, draws);
        QFETCH(QString, bound);
        QFETCH(QString, result);
        QFETCH(QStringList, history);
        const auto local = [sep](QString t) { return t.replace(',', QChar(sep)); };
        Window w(sep);
        if (mode == QStringLiteral("Entier") || mode == QStringLiteral("Nombre"))
            w.pickMode(mode);
        else
            w.typeMode(mode);
        typeInto(w.bound(), local(typed));
        for (float r : draws) {
            w.tp.draws.values.push_back(r);
            w.search();
        }
        QCOMPARE(w.bound()->text(), local(bound));
        QCOMPARE(w.result(), local(result));
        QStringList expected;
        for (const QString& line : history)
            expected << local(line);
        QCOMPARE(w.history(), expected);
        QVERIFY(w.tp.dialogs.shown.empty());
        QTRY_COMPARE(w.list()->shownSelection(), int(history.size()) - 1);
    }

    // The bound replaced by "1" is a change of the box, which empties the history before the draw.
    void replacedBoundEmptiesTheHistory() {
        Window w;
        typeInto(w.bound(), QStringLiteral("5"));
        w.tp.draws.values = {0.5f, 0.5f};
        w.search();
        QCOMPARE(w.history(), QStringList{"2,5"});
        // Emptying the box empties the history too; the draw then starts from "1".
        w.bound()->clear();
        QCOMPARE(w.list()->count(), 0);
        w.search();
        QCOMPARE(w.bound()->text(), QStringLiteral("1"));
        QCOMPARE(w.history(), QStringList{"0,5"});
    }

    void editingTheModeEmptiesTheHistoryPickingDoesNot() {
        Window w;
        typeInto(w.bound(), QStringLiteral("10"));
        w.tp.draws.values = {0.75f, 0.75f};
        w.search();
        w.pickMode(QStringLiteral("Entier"));
        QCOMPARE(w.history(), QStringList{"7,5"});
        w.search();
        QCOMPARE(w.result(), QStringLiteral("7"));
        QCOMPARE(w.history(), (QStringList{"7,5", "7,5"}));
        QTest::keyClick(w.mode()->lineEdit(), Qt::Key_Backspace);
        QCOMPARE(w.mode()->currentText(), QStringLiteral("Entie"));
        QCOMPARE(w.list()->count(), 0);
    }

    void rejectedBoundIsEmptiedWithItsHistory() {
        Window w;
        typeInto(w.bound(), QStringLiteral("8"));
        w.tp.draws.values = {0.5f, 0.25f};
        w.search();
        typeInto(w.bound(), QStringLiteral("a"));
        QCOMPARE(int(w.tp.dialogs.shown.size()), 1);
        QCOMPARE(w.tp.dialogs.shown[0].text,
                 QStringLiteral("Erreur, il est impossible de rentrer ce nombre"));
        QCOMPARE(w.bound()->text(), QString());
        QCOMPARE(w.list()->count(), 0);
        w.search();
        QCOMPARE(w.history(), QStringList{"0,25"});
    }

    void closingStartsAfresh() {
        Window w;
        w.pickMode(QStringLiteral("Entier"));
        typeInto(w.bound(), QStringLiteral("6"));
        w.tp.draws.values = {0.5f};
        w.search();
        w.form.window().close();
        w.form.show();
        QCOMPARE(w.mode()->currentText(), QStringLiteral("Nombre"));
        QCOMPARE(w.bound()->text(), QString());
        QCOMPARE(w.result(), QString());
        QCOMPARE(w.list()->count(), 0);
    }
};

QTEST_MAIN(TestRandomNumbersWindow)
#include "tst_random_numbers_window.moc"
