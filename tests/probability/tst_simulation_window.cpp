// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard.h"
#include "test_program.h"

#include "probability/simulation_window.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/list_box.h"
#include "shell/toolkit/tab_control.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QTabBar>

using namespace ui;

namespace {
using W = SimulationWindow;
// The pips shown are written as seven digits, in the order top left, middle left, bottom left,
// centre, top right, middle right, bottom right.
const QString kEveryPip = QStringLiteral("1111111");
// Which pips show each face, in the order above.
const QString kFacePips[] = {"", "0001000", "0010100", "0011100", "1010101", "1011101", "1110111"};
// A draw that gives the face.
float drawOf(int face) {
    return (float(face) - 0.5f) / 6.0f;
}
} // namespace

class TestSimulationWindow : public QObject {
    Q_OBJECT

    struct Window : ShownForm<SimulationWindow> {
        using ShownForm::ShownForm;
        TabControl* tabs() { return control(form, W::experimentTabs); }
        QString caption(const ui::Ref<Label>& label) { return control(form, label)->caption(); }
        ListBox* coinList() { return control(form, W::coinHistoryList); }
        ListBox* dieList() { return control(form, W::dieHistoryList); }
        static QStringList lines(ListBox* list) {
            QStringList l;
            for (int i = 0; i < list->count(); ++i)
                l << list->item(i);
            return l;
        }
        QStringList coinHistory() { return lines(coinList()); }
        QStringList dieHistory() { return lines(dieList()); }
        // The pips shown, as seven digits.
        QString pips() {
            QString s;
            for (const auto& pip : W::pips)
                s += control(form, pip)->isVisible() ? u'1' : u'0';
            return s;
        }
        // The die's six percentages.
        QStringList percentages() {
            QStringList l;
            for (const auto& label : W::facePercentLabels)
                l << caption(label);
            return l;
        }
        QString throwCount() { return caption(W::throwCountLabel); }
        QStringList coinTable() {
            return {caption(W::coinResultLabel), caption(W::tossCountLabel),   caption(W::pileCountLabel),
                    caption(W::faceCountLabel),  caption(W::pilePercentLabel), caption(W::facePercentLabel)};
        }
        // Brings the button's tab to the front with a click on its header, then presses it.
        void press(const ui::Ref<Button>& name) {
            Button* button = control(form, name);
            QTabBar* bar = tabs()->tabBar();
            for (int i = 0; i < tabs()->count(); ++i)
                if (tabs()->page(i) == button->parentWidget() && bar->currentIndex() != i)
                    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
            QVERIFY(button->isVisible());
            QTest::mouseClick(button, Qt::LeftButton);
        }
        void draws(std::initializer_list<float> values) {
            tp.draws.values.insert(tp.draws.values.end(), values);
        }
        void dieFaces(std::initializer_list<int> faces) {
            for (int face : faces)
                tp.draws.values.push_back(drawOf(face));
        }
    };

    // The label stands between the rules of its column (720 twips wide from columnLeft), its text on
    // one line of ink, neither cut nor wrapped.
    static void fitsItsColumn(Window& w, const ui::Ref<Label>& ref, int columnLeft) {
        Label* label = control(w.form, ref);
        const QString text = label->caption();
        QVERIFY(!label->wordWrap());
        QVERIFY2(label->geometry().left() > columnLeft / 15 &&
                     label->geometry().right() < (columnLeft + 720) / 15,
                 qPrintable(ref.name));
        const QFontMetricsF metrics(label->font());
        QVERIFY2(metrics.horizontalAdvance(text) <= label->contentsRect().width(), qPrintable(text));
        QVERIFY2(QFontInfo(label->font()).pixelSize() >= 7, qPrintable(text));
        // The ink of the text spans no more than a line, clear of the label's edges.
        const QImage shot = label->grab().toImage();
        int firstRow = -1, lastRow = -1, firstColumn = shot.width(), lastColumn = -1;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (qGray(shot.pixel(x, y)) < 192) {
                    if (firstRow < 0)
                        firstRow = y;
                    lastRow = y;
                    firstColumn = std::min(firstColumn, x);
                    lastColumn = std::max(lastColumn, x);
                }
        QVERIFY(firstRow >= 0);
        QVERIFY2(lastRow - firstRow < metrics.height(), qPrintable(text));
        QVERIFY2(firstColumn > 0 && lastColumn < shot.width() - 1, qPrintable(text));
    }

private Q_SLOTS:
    void initTestCase() {
        setUpTestApplication();
        Heard::listen();
    }

    void opensOnTheDieTab() {
        Window w;
        QCOMPARE(w.tabs()->count(), 2);
        QCOMPARE(w.tabs()->tabBar()->tabText(0), QStringLiteral("Pile ou face"));
        QCOMPARE(w.tabs()->tabBar()->tabText(1), QStringLiteral("Lancé d'un dé"));
        QCOMPARE(w.tabs()->currentIndex(), 1);
        QVERIFY(control(w.form, W::dieThrowButton)->isVisible());
        QVERIFY(!control(w.form, W::coinTossButton)->isVisible());
        QCOMPARE(w.pips(), kEveryPip);
        QCOMPARE(w.throwCount(), QStringLiteral("0"));
        QCOMPARE(w.percentages(), QStringList(6, QString()));
        // A page's controls are placed from the tabbed control's top-left corner, under the headers.
        QCOMPARE(control(w.form, W::dieThrowButton)->mapTo(w.tabs(), QPoint(0, 0)),
                 QPoint(240 / 15, 720 / 15));
        QVERIFY(w.tabs()->tabBar()->height() < 720 / 15);
        // A click on the other header brings the coin to the front.
        QTabBar* bar = w.tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
        QVERIFY(control(w.form, W::coinTossButton)->isVisible());
        QVERIFY(!control(w.form, W::dieThrowButton)->isVisible());
    }

    // Caption of the coin, tosses, piles, faces, pile and face percentages.
    void coinTosses_data() {
        QTest::addColumn<char>("sep");
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<QStringList>("history");
        QTest::addColumn<QStringList>("table");
        QTest::newRow("0.5 is face") << ',' << QList<float>{0.5f} << QStringList{"FACE"}
                                     << QStringList{"FACE", "1", "0", "1", "0", "100"};
        QTest::newRow("above 0.5 is pile") << ',' << QList<float>{0.5000001f} << QStringList{" PILE"}
                                           << QStringList{" PILE", "1", "1", "0", "100", "0"};
        QTest::newRow("one pile in three, comma")
            << ',' << QList<float>{0.75f, 0.25f, 0.5f} << QStringList{" PILE", "FACE", "FACE"}
            << QStringList{"FACE", "3", "1", "2", "33,33", "66,67"};
        QTest::newRow("one pile in three, point")
            << '.' << QList<float>{0.25f, 0.9f, 0.0f} << QStringList{"FACE", " PILE", "FACE"}
            << QStringList{"FACE", "3", "1", "2", "33.33", "66.67"};
    }
    void coinTosses() {
        QFETCH(char, sep);
        QFETCH(QList<float>, draws);
        QFETCH(QStringList, history);
        QFETCH(QStringList, table);
        Window w(sep);
        for (float r : draws) {
            w.tp.draws.values.push_back(r);
            w.press(W::coinTossButton);
        }
        QCOMPARE(w.coinHistory(), history);
        QCOMPARE(w.coinTable(), table);
        // The die is untouched.
        QCOMPARE(w.throwCount(), QStringLiteral("0"));
        QCOMPARE(w.dieList()->count(), 0);
    }

    // The answer to "Auto": how many tosses it makes. Nothing happens for an answer that is not a
    // whole number once rounded, nor for a cancelled box.
    void coinSeries_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("tosses");
        QTest::newRow("3") << "3" << 3;
        QTest::newRow("2,5 rounds to 2") << "2,5" << 2;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("negative") << "-4" << 0;
        QTest::newRow("cancelled") << "" << 0;
        QTest::newRow("not a number") << "trois" << 0;
        QTest::newRow("beyond 32 bits") << "3000000000" << 0;
    }
    void coinSeries() {
        QFETCH(QString, answer);
        QFETCH(int, tosses);
        Window w;
        w.draws({0.75f, 0.25f, 0.75f});
        w.tp.dialogs.inputAnswers = {answer};
        w.press(W::coinSeriesButton);
        QCOMPARE(int(w.tp.dialogs.shown.size()), 1);
        QCOMPARE(w.tp.dialogs.shown[0].text, QStringLiteral("Combien de lancés ?"));
        QCOMPARE(w.tp.dialogs.shown[0].title, QStringLiteral("nombre de lancés"));
        QCOMPARE(w.coinList()->count(), tosses);
        QCOMPARE(w.caption(W::tossCountLabel), tosses ? QString::number(tosses) : QString());
        QCOMPARE(w.tp.pump.calls, tosses);
    }

    // During a series the coin's labels follow each toss, and the pupil sees them when events run.
    void coinSeriesShowsEachToss() {
        Window w;
        w.draws({0.75f, 0.25f, 0.75f, 0.75f});
        QStringList seen;
        w.tp.pump.onPump = [&](int) {
            seen << w.caption(W::tossCountLabel) + u'/' + w.caption(W::pileCountLabel) + u' ' +
                        w.caption(W::coinResultLabel);
        };
        w.tp.dialogs.inputAnswers = {QStringLiteral("4")};
        w.press(W::coinSeriesButton);
        QCOMPARE(seen, (QStringList{"/ ", "1/1  PILE", "2/1 FACE", "3/2  PILE"}));
        QCOMPARE(w.coinTable(), (QStringList{" PILE", "4", "3", "1", "75", "25"}));
    }

    void coinClear() {
        Window w;
        w.draws({0.75f, 0.25f, 0.25f});
        w.press(W::coinTossButton);
        w.press(W::coinTossButton);
        const QStringList before = w.coinTable();
        w.press(W::coinClearButton);
        QCOMPARE(w.coinList()->count(), 0);
        QCOMPARE(w.coinTable(), before);
        w.press(W::coinTossButton);
        QCOMPARE(w.coinTable(), (QStringList{"FACE", "1", "0", "1", "0", "100"}));
        QCOMPARE(w.coinHistory(), QStringList{"FACE"});
    }

    void dieThrowOnAFreshWindow_data() {
        QTest::addColumn<int>("face");
        for (int face = 1; face <= 6; ++face)
            QTest::newRow(qPrintable(QString::number(face))) << face;
    }
    void dieThrowOnAFreshWindow() {
        QFETCH(int, face);
        Window w;
        w.dieFaces({face});
        heardFrom(w.form);
        w.press(W::dieThrowButton);
        QStringList expected(6, QStringLiteral("0"));
        expected[face - 1] = QStringLiteral("100");
        QCOMPARE(w.percentages(), expected);
        QCOMPARE(w.throwCount(), QStringLiteral("1"));
        QCOMPARE(w.pips(), kFacePips[face]);
        QCOMPARE(w.dieHistory(), QStringList{QString::number(face)});
        // A screen reader says the face first, then the statistics it changed.
        const QStringList heard = heardFrom(w.form);
        QCOMPARE(heard.size(), 1);
        QVERIFY2(heard[0].startsWith(QStringLiteral("Face %1. ").arg(face)), qPrintable(heard[0]));
        // The coin is untouched.
        QCOMPARE(w.coinTable(), (QStringList{"", "", "", "", "", ""}));
    }

    void dieSeriesOf600() {
        Window w;
        for (int i = 0; i < 600; ++i)
            w.tp.draws.values.push_back(drawOf(1 + (i * 5) % 6));
        // The pips and the history follow each throw; the total and percentages wait for the end.
        int checked = 0;
        w.tp.pump.onPump = [&](int call) {
            if (call > 1 && call % 50 == 0) {
                QCOMPARE(w.dieList()->count(), call - 1);
                QCOMPARE(w.pips(), kFacePips[1 + ((call - 2) * 5) % 6]);
                QCOMPARE(w.throwCount(), QStringLiteral("0"));
                ++checked;
            }
        };
        w.tp.dialogs.inputAnswers = {QStringLiteral("600")};
        w.press(W::dieSeriesButton);
        QCOMPARE(checked, 12);
        QCOMPARE(w.tp.dialogs.shown[0].text, QStringLiteral("Entrer le nombre de lancés"));
        QCOMPARE(w.tp.dialogs.shown[0].title, QStringLiteral("Nombre de lancés"));
        QCOMPARE(w.dieList()->count(), 600);
        QCOMPARE(w.dieList()->item(599), QStringLiteral("2"));
        QCOMPARE(w.pips(), kFacePips[2]);
        QCOMPARE(w.throwCount(), QStringLiteral("600"));
        QCOMPARE(w.percentages(), QStringList(6, QStringLiteral("16,67")));
        QTRY_COMPARE(w.dieList()->shownSelection(), 599);
    }

    void dieSeriesWithUnevenFaces() {
        Window w('.');
        w.dieFaces({6, 6, 1});
        w.tp.dialogs.inputAnswers = {QStringLiteral("3")};
        w.press(W::dieSeriesButton);
        QCOMPARE(w.percentages(), (QStringList{"33.33", "0", "0", "0", "0", "66.67"}));
        QCOMPARE(w.pips(), kFacePips[1]);
    }

    // No throw counted: the percentages keep what they show rather than show 0 ÷ 0.
    void dieSeriesOfNothing_data() {
        QTest::addColumn<QString>("answer");
        QTest::newRow("0") << "0";
        QTest::newRow("cancelled") << "";
        QTest::newRow("not a number") << "abc";
    }
    void dieSeriesOfNothing() {
        QFETCH(QString, answer);
        Window w;
        w.dieFaces({3});
        w.press(W::dieThrowButton);
        w.press(W::dieClearButton);
        w.tp.dialogs.inputAnswers = {answer};
        w.press(W::dieSeriesButton);
        QCOMPARE(w.percentages(), (QStringList{"0", "0", "100", "0", "0", "0"}));
        QCOMPARE(w.throwCount(), QStringLiteral("0"));
        QCOMPARE(w.dieList()->count(), 0);
    }

    void dieClear() {
        Window w;
        w.dieFaces({2, 5, 5});
        w.press(W::dieThrowButton);
        w.press(W::dieThrowButton);
        const QStringList percentages = w.percentages();
        w.press(W::dieClearButton);
        QCOMPARE(w.throwCount(), QStringLiteral("0"));
        QCOMPARE(w.dieList()->count(), 0);
        QCOMPARE(w.percentages(), percentages);
        QCOMPARE(w.pips(), kFacePips[5]);
        w.press(W::dieThrowButton);
        QCOMPARE(w.percentages(), (QStringList{"0", "0", "0", "0", "100", "0"}));
        QCOMPARE(w.throwCount(), QStringLiteral("1"));
    }

    // A click during a series runs between two throws, and its throws count like the others.
    void throwDuringADieSeries() {
        Window w;
        w.dieFaces({1, 1, 1, 1, 6, 1, 1, 1, 1, 1, 1});
        bool pressed = false;
        w.tp.pump.onPump = [&](int call) {
            if (call == 5 && !pressed) {
                pressed = true;
                w.press(W::dieThrowButton);
                QCOMPARE(w.throwCount(), QStringLiteral("5"));
            }
        };
        w.tp.dialogs.inputAnswers = {QStringLiteral("10")};
        w.press(W::dieSeriesButton);
        QCOMPARE(w.dieList()->count(), 11);
        QCOMPARE(w.dieList()->item(4), QStringLiteral("6"));
        QCOMPARE(w.throwCount(), QStringLiteral("11"));
        QCOMPARE(w.caption(W::facePercentLabels[5]), QStringLiteral("9,09"));
    }

    // "Effacer" during a coin series empties the history, and the series counts on from zero.
    void clearDuringACoinSeries() {
        Window w;
        w.draws({0.75f, 0.75f, 0.75f, 0.25f, 0.25f, 0.25f, 0.75f});
        w.tp.pump.onPump = [&](int call) {
            if (call == 4)
                w.press(W::coinClearButton);
        };
        w.tp.dialogs.inputAnswers = {QStringLiteral("7")};
        w.press(W::coinSeriesButton);
        QCOMPARE(w.coinHistory(), (QStringList{"FACE", "FACE", "FACE", " PILE"}));
        QCOMPARE(w.coinTable(), (QStringList{" PILE", "4", "1", "3", "25", "75"}));
    }

    // Closed during a series, the window is built again hidden at the next throw; the rest of the
    // series is counted and shown there, and the window shows it when next shown.
    void closeDuringADieSeries() {
        Window w;
        QPointer<FormWindow> first = &w.form.window();
        for (int i = 0; i < 10; ++i)
            w.dieFaces({i < 2 ? 1 : 3});
        w.tp.pump.onPump = [&](int call) {
            if (call == 3)
                first->close();
        };
        w.tp.dialogs.inputAnswers = {QStringLiteral("10")};
        w.press(W::dieSeriesButton);
        w.tp.pump.onPump = nullptr;
        QVERIFY(!w.form.isShown());
        QVERIFY(&w.form.window() != first.data());
        QCOMPARE(w.dieHistory(), QStringList(8, QStringLiteral("3")));
        QCOMPARE(w.throwCount(), QStringLiteral("10"));
        QCOMPARE(w.percentages(), (QStringList{"20", "0", "80", "0", "0", "0"}));
        QCOMPARE(w.pips(), kFacePips[3]);
        w.form.show();
        QVERIFY(w.form.isShown());
        QCOMPARE(w.throwCount(), QStringLiteral("10"));
        QTest::qWait(1);
        QVERIFY(first.isNull());
    }

    void closeDuringACoinSeries() {
        Window w;
        w.draws({0.75f, 0.75f, 0.25f, 0.25f, 0.25f});
        w.tp.pump.onPump = [&](int call) {
            if (call == 3)
                w.form.window().close();
        };
        w.tp.dialogs.inputAnswers = {QStringLiteral("5")};
        w.press(W::coinSeriesButton);
        QVERIFY(!w.form.isShown());
        QCOMPARE(w.coinHistory(), QStringList(3, QStringLiteral("FACE")));
        QCOMPARE(w.coinTable(), (QStringList{"FACE", "5", "2", "3", "40", "60"}));
    }

    // The counts are the window's own: a closed window comes back as first laid out, and the next
    // throw counts the earlier ones.
    void countsOutliveAClose() {
        Window w;
        // Drawn in the order of the presses: two throws, a toss, a throw and a toss.
        w.dieFaces({4, 4});
        w.draws({0.75f});
        w.dieFaces({2});
        w.draws({0.25f});
        w.press(W::dieThrowButton);
        w.press(W::dieThrowButton);
        w.press(W::coinTossButton);
        w.form.window().close();
        w.form.show();
        QCOMPARE(w.tabs()->currentIndex(), 1);
        QCOMPARE(w.coinList()->count(), 0);
        QCOMPARE(w.dieList()->count(), 0);
        QCOMPARE(w.pips(), kEveryPip);
        QCOMPARE(w.throwCount(), QStringLiteral("0"));
        QCOMPARE(w.coinTable(), (QStringList{"", "", "", "", "", ""}));
        w.press(W::dieThrowButton);
        QCOMPARE(w.throwCount(), QStringLiteral("3"));
        QCOMPARE(w.percentages()[1], QStringLiteral("33,33"));
        QCOMPARE(w.percentages()[3], QStringLiteral("66,67"));
        w.press(W::coinTossButton);
        QCOMPARE(w.coinTable(), (QStringList{"FACE", "2", "1", "1", "50", "50"}));
    }

    // Every percentage reads at the table's own size, with two decimals, on one line inside its
    // column; the whole value is in its tooltip and said to screen readers.
    void percentagesReadAtTheTablesSize() {
        Window coin;
        coin.draws({0.75f, 0.25f, 0.5f});
        for (int i = 0; i < 3; ++i)
            coin.press(W::coinTossButton);
        QCOMPARE(coin.caption(W::pilePercentLabel), QStringLiteral("33,33"));
        QCOMPARE(coin.caption(W::facePercentLabel), QStringLiteral("66,67"));
        fitsItsColumn(coin, W::pilePercentLabel, 3240);
        fitsItsColumn(coin, W::facePercentLabel, 3960);
        Label* pile = control(coin.form, W::pilePercentLabel);
        QCOMPARE(pile->font(), control(coin.form, W::tossCountLabel)->font());
        QCOMPARE(pile->toolTip(), QStringLiteral("33,3333333333333 %"));
        QVERIFY2(pile->accessibleDescription().contains(QStringLiteral("33,3333333333333")),
                 qPrintable(pile->accessibleDescription()));

        Window die;
        const int counts[] = {1, 83, 100, 116, 150, 150};
        for (int face = 1; face <= 6; ++face)
            for (int i = 0; i < counts[face - 1]; ++i)
                die.dieFaces({face});
        die.tp.dialogs.inputAnswers = {QStringLiteral("600")};
        die.press(W::dieSeriesButton);
        QCOMPARE(die.percentages(), (QStringList{"0,17", "13,83", "16,67", "19,33", "25", "25"}));
        for (int face = 1; face <= 6; ++face) {
            fitsItsColumn(die, W::facePercentLabels[std::size_t(face - 1)], 720 * (face - 1));
            QCOMPARE(control(die.form, W::facePercentLabels[std::size_t(face - 1)])->font(),
                     control(die.form, W::throwCountLabel)->font());
        }
        QCOMPARE(control(die.form, W::facePercentLabels[0])->toolTip(),
                 QStringLiteral("0,166666666666667 %"));
        QCOMPARE(control(die.form, W::facePercentLabels[4])->toolTip(), QStringLiteral("25 %"));
    }

    void endingDuringASeriesStopsIt() {
        Window w;
        w.tp.pump.onPump = [&](int call) {
            if (call == 5)
                w.tp->endProgram();
        };
        w.tp.dialogs.inputAnswers = {QStringLiteral("1000")};
        w.press(W::dieSeriesButton);
        QCOMPARE(w.tp.endCalls, 1);
        QVERIFY(!w.form.hasControls());
        QCOMPARE(w.tp.pump.calls, 5);
    }
};

QTEST_MAIN(TestSimulationWindow)
#include "tst_simulation_window.moc"
