// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "primes/prime_check_window.h"
#include "shell/main_menu.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

#include <QAction>
#include <QTimer>

using namespace ui;

namespace {
const ui::Ref<TextBox> Text1{"Text1"};
const ui::ControlRow kProbeControls[] = {{.control = Text1, .rect = {120, 120, 1500, 300}}};
const ui::WindowDescription kProbe{.name = "Probe",
                                   .title = "Probe",
                                   .border = FormWindow::Border::FixedSingle,
                                   .width = 3000,
                                   .height = 2000,
                                   .controls = kProbeControls};

// A window with a window-level counter and a load step that counts its runs.
class Probe : public Form {
public:
    explicit Probe(Program& p)
        : Form(p, kProbe) {}
    int loads = 0;
    int clicks = 0; // a window-level value

protected:
    void load() override {
        ++loads;
        get(Text1).setText(QStringLiteral("loaded"));
    }
};
} // namespace

class TestWindowRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    void accessByCodeBuildsHidden() {
        TestProgram tp;
        Probe probe(*tp);
        QVERIFY(!probe.hasControls());
        QCOMPARE(probe.get(Text1).text(), QStringLiteral("loaded"));
        QVERIFY(probe.hasControls());
        QVERIFY(!probe.isShown());
        QCOMPARE(probe.loads, 1);
        probe.show();
        probe.show();
        QVERIFY(probe.isShown());
        QCOMPARE(probe.loads, 1);
    }

    void hideKeepsContentsCloseRebuilds() {
        TestProgram tp;
        Probe probe(*tp);
        probe.show();
        probe.get(Text1).setText(QStringLiteral("typed"));
        probe.clicks = 3;
        probe.hide();
        QVERIFY(!probe.isShown());
        probe.show();
        QCOMPARE(probe.get(Text1).text(), QStringLiteral("typed"));
        QCOMPARE(probe.loads, 1);

        probe.window().close(); // the title bar's close box
        QVERIFY(!probe.hasControls());
        QCOMPARE(probe.clicks, 3);
        probe.show();
        QCOMPARE(probe.get(Text1).text(), QStringLiteral("loaded"));
        QCOMPARE(probe.loads, 2);
    }

    void windowsOpenAtTheirLayoutSize() {
        TestProgram tp;
        for (auto border : {FormWindow::Border::FixedSingle, FormWindow::Border::Sizable}) {
            const ui::WindowDescription sized{
                .name = "Sized", .title = "Sized", .border = border, .width = 9000, .height = 6000};
            Form form(*tp, sized);
            form.show();
            QCOMPARE(form.window().client()->size(), QSize(600, 400));
        }
    }

    void modalShowWaitsUntilClosed() {
        TestProgram tp;
        Probe probe(*tp);
        bool wasModal = false;
        QTimer::singleShot(20, [&] {
            wasModal = probe.window().isModal();
            probe.window().close();
        });
        probe.showModal();
        QVERIFY(wasModal);
        QVERIFY(!probe.hasControls());
    }

    void resetOnAFreshRunCreatesWindowsHidden() {
        TestProgram tp;
        auto& menu = tp->get<MainMenu>();
        menu.show();
        auto* reset = control<QAction>(menu, "fic_reset");
        QCOMPARE(reset->text(), QStringLiteral("Tout effacer"));
        reset->trigger();
        auto& verif = tp->get<PrimeCheckWindow>();
        QVERIFY(verif.hasControls());
        QVERIFY(!verif.isShown());
        QVERIFY(menu.isShown());

        // A hidden window comes back with exactly what it showed.
        verif.show();
        typeInto(control<QLineEdit>(verif, "Text1"), QStringLiteral("12"));
        QTest::mouseClick(control<Button>(verif, "Command1"), Qt::LeftButton);
        reset->trigger();
        QVERIFY(!verif.isShown());
        control<Button>(menu, "Command1")->click();
        QVERIFY(verif.isShown());
        QCOMPARE(control<Label>(verif, "Label1")->caption(), QStringLiteral("Le nombre est composé"));
        QVERIFY(control<Button>(verif, "Command2")->isVisible());
        QCOMPARE(tp.endCalls, 0);
    }

    void endingClosesEveryWindowOnce() {
        TestProgram tp;
        auto& menu = tp->get<MainMenu>();
        menu.show();
        tp->get<PrimeCheckWindow>().show();
        control<QAction>(menu, "fic_end")->trigger();
        QCOMPARE(tp.endCalls, 1);
        QVERIFY(!menu.hasControls());
        QVERIFY(!tp->get<PrimeCheckWindow>().hasControls());
        tp->endProgram();
        QCOMPARE(tp.endCalls, 1);
    }

    void endingWays_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("Quitter") << "fic_end";
        QTest::newRow("picture button") << "Command16";
        QTest::newRow("close box") << "close";
    }
    void endingWays() {
        QFETCH(QString, way);
        TestProgram tp;
        auto& menu = tp->get<MainMenu>();
        menu.show();
        if (way == QLatin1String("fic_end"))
            control<QAction>(menu, "fic_end")->trigger();
        else if (way == QLatin1String("Command16"))
            QTest::mouseClick(control<Button>(menu, "Command16"), Qt::LeftButton);
        else
            menu.window().close();
        QCOMPARE(tp.endCalls, 1);
    }
};

QTEST_MAIN(TestWindowRules)
#include "tst_window_rules.moc"
