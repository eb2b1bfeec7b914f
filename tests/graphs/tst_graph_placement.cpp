// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "equations/degree1_window.h"
#include "equations/degree2_window.h"
#include "graphs/graph_window.h"
#include "shell/toolkit/button.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryFile>

// The graph window opens beside the window that plotted, on a screen as large as a classroom's.
class TestGraphPlacement : public QObject {
    Q_OBJECT

    static void plotFrom(Form& w, const ui::Ref<Button>& button) {
        w.show();
        QTest::mouseClick(control(w, button), Qt::LeftButton);
    }

private Q_SLOTS:
    void initTestCase() {
        setUpTestApplication();
        QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1920, 1080));
    }

    void besideTheDegree1Window() {
        TestProgram tp;
        auto& eq = tp->get<Degree1Window>();
        plotFrom(eq, Degree1Window::plotButton);
        const QRect equation = eq.window().frameGeometry();
        const QRect graph = tp->get<GraphWindow>().window().frameGeometry();
        // The equation window is centred; the graph stands to its right, clear of it, on the screen.
        QVERIFY(qAbs(equation.center().x() - 960) <= 1);
        QVERIFY(graph.left() > equation.right());
        QVERIFY(QRect(0, 0, 1920, 1080).contains(graph));
        QCOMPARE(graph.top(), equation.top());
    }

    void besideTheDegree2WindowMovedToTheRight() {
        TestProgram tp;
        auto& eq = tp->get<Degree2Window>();
        eq.show();
        eq.window().move(1300, 100);
        plotFrom(eq, Degree2Window::plotButton);
        const QRect equation = eq.window().frameGeometry();
        const QRect graph = tp->get<GraphWindow>().window().frameGeometry();
        QVERIFY(graph.right() < equation.left());
        QVERIFY(QRect(0, 0, 1920, 1080).contains(graph));
    }

    // A graph window the pupil has put somewhere stays there at the next plot.
    void anOpenGraphWindowStaysWhereItIs() {
        TestProgram tp;
        auto& eq = tp->get<Degree1Window>();
        plotFrom(eq, Degree1Window::plotButton);
        auto& graph = tp->get<GraphWindow>();
        graph.window().move(20, 30);
        plotFrom(eq, Degree1Window::plotButton);
        QCOMPARE(graph.window().pos(), QPoint(20, 30));
    }
};

int main(int argc, char* argv[]) {
    // The offscreen platform's screen is 800 × 800 unless a configuration file says otherwise.
    QTemporaryFile screens;
    screens.open();
    screens.write(R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 1920, "height": 1080,
                      "logicalDpiX": 96, "logicalDpiY": 96}]})");
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TestGraphPlacement test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_graph_placement.moc"
