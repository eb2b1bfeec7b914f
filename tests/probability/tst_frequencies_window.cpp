// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include <QAccessible>

#include "probability/frequencies_window.h"
#include "probability/rules/outcome_history.h"
#include "probability/simulation_window.h"
#include "shell/detail_window.h"
#include "shell/main_menu.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/chart_view.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/list_box.h"
#include "shell/toolkit/tab_control.h"
#include "shell/toolkit/window_export.h"

#include <QAction>
#include <QBuffer>
#include <QPainter>
#include <QPointer>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QTabBar>
#include <QTemporaryDir>

using namespace ui;

namespace {
using S = SimulationWindow;
using F = FrequenciesWindow;

float drawOf(int face) {
    return (float(face) - 0.5f) / 6.0f;
}

// The simulation window shown, and the frequencies window it opens.
struct Windows {
    TestProgram tp;
    S& sim;
    F& freq;
    explicit Windows(char separator = ',')
        : tp(separator)
        , sim(tp->get<S>())
        , freq(tp->get<F>()) {
        sim.show();
    }
    // Brings the button's tab to the front, then presses it.
    void press(const ui::Ref<Button>& ref) {
        Button* button = control(sim, ref);
        TabControl* tabs = control(sim, S::experimentTabs);
        QTabBar* bar = tabs->tabBar();
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->page(i) == button->parentWidget() && bar->currentIndex() != i)
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
        QVERIFY(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void series(const ui::Ref<Button>& ref, int length) {
        tp.dialogs.inputAnswers = {QString::number(length)};
        press(ref);
    }
    void faces(std::initializer_list<int> list) {
        for (int face : list)
            tp.draws.values.push_back(drawOf(face));
    }
    // What the pupil reads once events have run.
    QString law() {
        QCoreApplication::processEvents();
        return control(freq, F::lastFrequencyLabel)->caption();
    }
    QString proportion() { return control(freq, F::proportionLabel)->caption(); }
    // Samples of n throws whose counts of successes are scripted.
    void script(std::vector<std::int32_t> counts) {
        freq.setSampler([counts](std::int32_t, double) {
            return [counts, i = std::size_t(0)]() mutable { return counts[i++ % counts.size()]; };
        });
    }
    void simulate(const QString& count, const QString& size) {
        control(freq, F::sampleCountBox)->setText(count);
        control(freq, F::sampleSizeBox)->setText(size);
        QTest::mouseClick(control(freq, F::simulateButton), Qt::LeftButton);
    }
};
} // namespace

class TestFrequenciesWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    void opensBesideTheSimulation() {
        Windows w;
        w.press(S::dieFrequenciesButton);
        QVERIFY(w.freq.isShown());
        QCOMPARE(w.freq.window().objectName(), QStringLiteral("d_Proba_freq"));
        QCOMPARE(w.freq.window().windowTitle(), QStringLiteral("Fréquences"));
        QCOMPARE(control(w.sim, S::coinFrequenciesButton)->text(), QStringLiteral("Fréquences"));
        QCOMPARE(control(w.freq, F::faceBox)->currentText(), QStringLiteral("Face 6"));
        QCOMPARE(w.law(), QStringLiteral("Aucun lancer : lancez le dé dans la fenêtre de simulation."));
        // "Tout effacer" hides it with the other tools.
        MainMenu& menu = w.tp->get<MainMenu>();
        control<QAction>(menu, "fic_reset")->trigger();
        QVERIFY(!w.freq.isShown());
    }

    // Outcomes go into the history, the program's model, and from there to both views, the
    // simulation's list and the frequencies window, neither window asking the other.
    void bothViewsFollowTheHistory() {
        Windows w;
        w.press(S::dieFrequenciesButton);
        probability::OutcomeHistory& die = w.tp->model<probability::SimulationHistories>().die;
        for (const int face : {6, 1, 6})
            die.append(std::uint8_t(face - 1));
        die.announce(false);
        QCOMPARE(w.law(), QStringLiteral("Après 3 lancers : fréquence de la face 6 : 0,6667"));
        // «Détail» gives the counts behind the sentence, the frequency as a fraction first.
        QTest::mouseClick(control(w.freq, FrequenciesWindow::detailButton), Qt::LeftButton);
        const QString details = w.tp->get<DetailWindow>().get(DetailWindow::stepsBox).toPlainText();
        QVERIFY2(details.contains(QStringLiteral("La face 6 : 2 fois, fréquence f = 2/3")),
                 qPrintable(details));
        QVERIFY2(details.contains(QStringLiteral("Les autres faces : 1 fois, fréquence f = 1/3")),
                 qPrintable(details));
        ListBox* list = control(w.sim, S::dieHistoryList);
        QTRY_COMPARE(list->shownCount(), 3);
        QCOMPARE(list->item(1), QStringLiteral("1"));
        QCOMPARE(list->shownSelection(), 2);
        die.clear();
        QCOMPARE(list->count(), 0);
        QCOMPARE(list->shownCount(), 0);
        QCOMPARE(w.law(), QStringLiteral("Aucun lancer : lancez le dé dans la fenêtre de simulation."));
    }

    // The coin's frequencies follow the history, throws made before the window opened included;
    // "Effacer" starts them again.
    void coinFrequencies_data() {
        QTest::addColumn<char>("separator");
        QTest::newRow("comma") << ',';
        QTest::newRow("point") << '.';
    }
    void coinFrequencies() {
        QFETCH(char, separator);
        const QString sep(QChar::fromLatin1(separator));
        Windows w(separator);
        w.tp.draws.values = {0.75f, 0.25f, 0.75f, 0.75f, 0.25f, 0.25f};
        w.press(S::coinTossButton);
        w.press(S::coinFrequenciesButton);
        QCOMPARE(w.law(), "Après 1 lancer : fréquence de PILE : 1" + sep + "0000");
        // During a series the sentence (and the chart) follow at a pace a pupil can read: what
        // the series added shows once the pace has passed, and its end at once. A pace of a
        // second here, so that a slow machine cannot pass it between two throws.
        w.freq.setLawShowPace(std::chrono::seconds(1));
        QStringList seen;
        int pumps = 0;
        w.tp.pump.onPump = [&](int) {
            const QString held = control(w.freq, F::lastFrequencyLabel)->caption();
            seen << held;
            if (++pumps == 3) {
                // Whether it changed in time is read from the captions recorded.
                static_cast<void>(QTest::qWaitFor(
                    [&] { return control(w.freq, F::lastFrequencyLabel)->caption() != held; }, 10000));
                seen << control(w.freq, F::lastFrequencyLabel)->caption();
            }
        };
        w.series(S::coinSeriesButton, 3);
        w.tp.pump.onPump = nullptr;
        QCOMPARE(seen, (QStringList{"Après 1 lancer : fréquence de PILE : 1" + sep + "0000",
                                    "Après 1 lancer : fréquence de PILE : 1" + sep + "0000",
                                    "Après 1 lancer : fréquence de PILE : 1" + sep + "0000",
                                    "Après 3 lancers : fréquence de PILE : 0" + sep + "6667"}));
        QCOMPARE(control(w.freq, F::lastFrequencyLabel)->caption(),
                 "Après 4 lancers : fréquence de PILE : 0" + sep + "7500");
        w.press(S::coinClearButton);
        QCOMPARE(w.law(), QStringLiteral("Aucun lancer : lancez la pièce dans la fenêtre de simulation."));
        w.press(S::coinTossButton);
        QCOMPARE(w.law(), "Après 1 lancer : fréquence de PILE : 0" + sep + "0000");
        // The chart follows within a moment, and says the same.
        const QString said = w.law();
        QTRY_VERIFY(control(w.freq, F::lawChart)->accessibleDescription().startsWith(said));
    }

    // On the die, the success is the face chosen; choosing another reads the same history again.
    void dieFrequenciesWithTheFaceChosen() {
        Windows w;
        w.faces({6, 1, 6, 3, 6, 1});
        w.series(S::dieSeriesButton, 6);
        w.press(S::dieFrequenciesButton);
        QCOMPARE(w.law(), QStringLiteral("Après 6 lancers : fréquence de la face 6 : 0,5000"));
        QComboBox* face = control(w.freq, F::faceBox);
        QVERIFY(face->isVisible());
        face->setCurrentIndex(0);
        QCOMPARE(w.law(), QStringLiteral("Après 6 lancers : fréquence de la face 1 : 0,3333"));
        face->setCurrentIndex(3);
        QCOMPARE(w.law(), QStringLiteral("Après 6 lancers : fréquence de la face 4 : 0,0000"));
        // The coin's history is another: switching reads it.
        w.press(S::coinFrequenciesButton);
        QCOMPARE(w.law(), QStringLiteral("Aucun lancer : lancez la pièce dans la fenêtre de simulation."));
        QVERIFY(!face->isVisible());
        w.press(S::dieFrequenciesButton);
        QCOMPARE(w.law(), QStringLiteral("Après 6 lancers : fréquence de la face 4 : 0,0000"));
        w.press(S::dieClearButton);
        QCOMPARE(w.law(), QStringLiteral("Aucun lancer : lancez le dé dans la fenêtre de simulation."));
        w.faces({4});
        w.press(S::dieThrowButton);
        QCOMPARE(w.law(), QStringLiteral("Après 1 lancer : fréquence de la face 4 : 1,0000"));
    }

    // From the keyboard: the face box is said with its label, and « Simuler » pressed keeps the
    // keyboard, so that the screen reader stays on it to say the result.
    void keyboardAndScreenReader() {
        Windows w;
        w.press(S::dieFrequenciesButton);
        QComboBox* face = control(w.freq, F::faceBox);
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(face);
        const auto labels = box->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels[0].first->text(QAccessible::Name), QStringLiteral("Succès : Face 6"));
        face->setCurrentIndex(1);
        QCOMPARE(labels[0].first->text(QAccessible::Name), QStringLiteral("Succès : Face 2"));
        w.script({50});
        Button* simulate = control(w.freq, F::simulateButton);
        w.freq.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.freq.window()));
        simulate->setFocus(Qt::TabFocusReason);
        QTest::keyClick(simulate, Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), simulate);
        QVERIFY(simulate->isEnabled());
        QVERIFY2(w.proportion().startsWith(QStringLiteral("0 % des échantillons")),
                 qPrintable(w.proportion()));
        // The charts are Tab stops, read by their descriptions.
        for (QWidget* chart :
             {(QWidget*)control(w.freq, F::lawChart), (QWidget*)control(w.freq, F::samplesChart)})
            QVERIFY(chart->focusPolicy() & Qt::TabFocus);
        QVERIFY(!QAccessible::queryAccessibleInterface(control(w.freq, F::samplesChart))
                     ->text(QAccessible::Description)
                     .isEmpty());
    }

    // Closing the frequencies window during a series loses nothing; closing the simulation window
    // empties its history, and the chart starts again with the throws that follow.
    void closedDuringASeries() {
        Windows w;
        w.press(S::dieFrequenciesButton);
        w.faces({6, 6, 6, 6, 1, 1, 1, 1, 1, 1});
        int calls = 0;
        w.tp.pump.onPump = [&](int) {
            if (++calls == 3)
                w.freq.window().close();
        };
        w.series(S::dieSeriesButton, 10);
        QVERIFY(!w.freq.hasControls());
        w.press(S::dieFrequenciesButton);
        QCOMPARE(w.law(), QStringLiteral("Après 10 lancers : fréquence de la face 6 : 0,4000"));

        w.faces({6, 6, 6, 1, 1, 1});
        calls = 0;
        w.tp.pump.onPump = [&](int) {
            if (++calls == 3)
                w.sim.window().close();
        };
        w.series(S::dieSeriesButton, 6);
        w.tp.pump.onPump = nullptr;
        QCOMPARE(w.law(), QStringLiteral("Après 4 lancers : fréquence de la face 6 : 0,2500"));
    }

    // Scripted samples: those exactly on the band's edges count inside.
    void proportion_data() {
        QTest::addColumn<bool>("die");
        QTest::addColumn<QString>("size");
        QTest::addColumn<std::vector<std::int32_t>>("counts");
        QTest::addColumn<QString>("expected");
        QTest::newRow("coin, edges 40 and 60 inside")
            << false << "100" << std::vector<std::int32_t>{40, 60, 39, 61, 50}
            << "60 % des échantillons ont une fréquence dans l'intervalle [p − 1/√n ; p + 1/√n]\n"
               "(3 sur 5 ; p = 1/2 et n = 100 : [0,4000 ; 0,6000])";
        QTest::newRow("die, edges 0 and 12 inside")
            << true << "36" << std::vector<std::int32_t>{0, 12, 13, 6}
            << "75 % des échantillons ont une fréquence dans l'intervalle [p − 1/√n ; p + 1/√n]\n"
               "(3 sur 4 ; p = 1/6 et n = 36 : [0,0000 ; 0,3333])";
        // A band beyond [0 ; 1] keeps its true ends, with the minus sign of the texts around.
        QTest::newRow("coin, n = 1")
            << false << "1" << std::vector<std::int32_t>{0, 1}
            << "100 % des échantillons ont une fréquence dans l'intervalle [p − 1/√n ; p + 1/√n]\n"
               "(2 sur 2 ; p = 1/2 et n = 1 : [−0,5000 ; 1,5000])";
        // As many decimals as it takes to tell the ends apart.
        QTest::newRow("coin, n = 2^31 − 1")
            << false << "2147483647" << std::vector<std::int32_t>{1073741823}
            << "100 % des échantillons ont une fréquence dans l'intervalle [p − 1/√n ; p + 1/√n]\n"
               "(1 sur 1 ; p = 1/2 et n = 2\u00a0147\u00a0483\u00a0647 : [0,49998 ; 0,50002])";
    }
    void proportion() {
        QFETCH(bool, die);
        QFETCH(QString, size);
        QFETCH(std::vector<std::int32_t>, counts);
        QFETCH(QString, expected);
        Windows w;
        w.press(die ? S::dieFrequenciesButton : S::coinFrequenciesButton);
        w.script(counts);
        w.simulate(QString::number(counts.size()), size);
        QVERIFY(w.tp.dialogs.shown.empty());
        QCOMPARE(w.proportion(), expected);
        QVERIFY(!w.freq.sampling());
        QVERIFY(control(w.freq, F::simulateButton)->isEnabled());
        QCoreApplication::processEvents();
        QCOMPARE(control(w.freq, F::samplesChart)->accessibleDescription(),
                 QString(expected).replace(u'\n', u' '));
    }

    void badInputs_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("message");
        const QString aboutN = "Le nombre d'échantillons N doit être un nombre entier de 1 à 1 000 000.";
        const QString aboutSize =
            "La taille n des échantillons doit être un nombre entier de 1 à 2 147 483 647.";
        QTest::newRow("N empty") << ""
                                 << "100" << aboutN;
        QTest::newRow("N 0") << "0"
                             << "100" << aboutN;
        QTest::newRow("N too large") << "1000001"
                                     << "100" << aboutN;
        QTest::newRow("N far too large") << "99999999999999999999"
                                         << "100" << aboutN;
        QTest::newRow("n empty") << "100"
                                 << "" << aboutSize;
        QTest::newRow("n 0") << "100"
                             << "0" << aboutSize;
        QTest::newRow("n too large") << "100"
                                     << "2147483648" << aboutSize;
    }
    void badInputs() {
        QFETCH(QString, count);
        QFETCH(QString, size);
        QFETCH(QString, message);
        Windows w;
        w.press(S::coinFrequenciesButton);
        w.script({50});
        for (const auto& [ref, text] :
             {std::pair{F::sampleCountBox, count}, std::pair{F::sampleSizeBox, size}}) {
            TextBox* box = control(w.freq, ref);
            box->clear();
            typeInto(box, text);
            QCOMPARE(box->text(), text); // the digit filter lets digits through
        }
        QTest::mouseClick(control(w.freq, F::simulateButton), Qt::LeftButton);
        QCOMPARE(int(w.tp.dialogs.shown.size()), 1);
        QCOMPARE(w.tp.dialogs.shown[0].text, message);
        QCOMPARE(w.proportion(), QString());
        QVERIFY(control(w.freq, F::simulateButton)->isEnabled());
        // A letter is refused by the digit filter as in every whole-number box.
        typeInto(control(w.freq, F::sampleSizeBox), QStringLiteral("x"));
        QCOMPARE(int(w.tp.dialogs.shown.size()), 2);
        QCOMPARE(control(w.freq, F::sampleSizeBox)->text(), QString());
    }

    // Closing the window stops the run of samples; the next run starts afresh.
    void closedDuringSampling() {
        Windows w;
        w.press(S::coinFrequenciesButton);
        w.script({50});
        QPointer<FormWindow> first = &w.freq.window();
        int calls = 0;
        w.tp.pump.onPump = [&](int call) {
            calls = call;
            if (call == 5)
                first->close();
        };
        w.simulate("1000", "100");
        w.tp.pump.onPump = nullptr;
        QCOMPARE(calls, 5);
        QVERIFY(!w.freq.sampling());
        QVERIFY(!w.freq.isShown());
        w.press(S::coinFrequenciesButton);
        QCOMPARE(w.proportion(), QString());
        QVERIFY(control(w.freq, F::simulateButton)->isEnabled());
        w.simulate("10", "100");
        QVERIFY(w.proportion().startsWith(QStringLiteral("100 % des échantillons")));
    }

    // The window's SVG keeps each chart's drawing inside its chart (the file format ignores the
    // painter's clipping), and says in its legends what the curves and points are.
    void svgOfTheWindowKeepsTheChartsInside() {
        Windows w;
        w.tp.draws.values = {0.75f, 0.25f, 0.75f};
        w.series(S::coinSeriesButton, 3);
        w.press(S::coinFrequenciesButton);
        // n = 1: the band [−0,5 ; 1,5] lies beyond both charts' ranges.
        w.script({0, 1});
        w.simulate("2", "1");
        QCoreApplication::processEvents();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("frequences.svg"));
        w.tp.dialogs.saveAnswers.push_back(ui::ExportDialogs::SaveAnswer{path, int(ui::PictureFormat::Svg)});
        w.freq.window().findChild<QAction*>(ui::saveWindowAction, Qt::FindDirectChildrenOnly)->trigger();
        QSvgRenderer svg(path);
        QVERIFY(svg.isValid());
        QWidget* client = w.freq.window().client();
        QImage drawn(client->size(), QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        svg.render(&painter);
        painter.end();
        const QRect charts[] = {control(w.freq, F::lawChart)->geometry(),
                                control(w.freq, F::samplesChart)->geometry()};
        int inside = 0;
        int outside = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const QColor c = drawn.pixelColor(x, y);
                // The band's orange.
                if (c.red() > 150 && c.green() > 40 && c.green() < 150 && c.blue() < 90 &&
                    c.red() - c.green() > 60)
                    ++(charts[0].contains(x, y) || charts[1].contains(x, y) ? inside : outside);
            }
        QVERIFY(inside > 0);
        QCOMPARE(outside, 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        for (const char* legend : {"fréquence après n lancers", "probabilité p", "p − 1/√n et p + 1/√n",
                                   "intervalle</text>", "p ± 1/√n"})
            QVERIFY2(text.contains(QString::fromUtf8(legend)), legend);
    }

    // The charts paint the same picture onto an image at any scale and into an SVG file.
    void chartsPaintOnAnyDevice() {
        Windows w;
        w.tp.draws.values = {0.75f, 0.25f, 0.75f};
        w.series(S::coinSeriesButton, 3);
        w.press(S::coinFrequenciesButton);
        w.script({40, 45, 70});
        w.simulate("3", "100");
        QCoreApplication::processEvents();
        for (const auto& ref : {F::lawChart, F::samplesChart}) {
            ChartView* chart = control(w.freq, ref);
            const QImage one = chart->toImage(1);
            const QImage two = chart->toImage(2);
            QCOMPARE(two.size(), one.size() * 2);
            // Some ink of the frequencies' blue at both scales.
            const auto blue = [](const QImage& image) {
                int n = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x) {
                        const QColor c = image.pixelColor(x, y);
                        n += c.blue() > 150 && c.red() < 100 && c.green() < 150;
                    }
                return n;
            };
            QVERIFY(blue(one) > 0);
            QVERIFY(blue(two) > blue(one));
            QBuffer svg;
            svg.open(QIODevice::WriteOnly);
            {
                QSvgGenerator generator;
                generator.setOutputDevice(&svg);
                generator.setSize(chart->size());
                QPainter painter(&generator);
                chart->paintOnto(painter);
            }
            // Vector lines and real text, not a picture of them.
            QVERIFY(svg.data().contains("<polyline"));
            QVERIFY(svg.data().contains(">fréquence</text>"));
        }
    }
};

QTEST_MAIN(TestFrequenciesWindow)
#include "tst_frequencies_window.moc"
