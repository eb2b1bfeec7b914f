// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shows a computing window after one computation, with the details window beside it, for a
// screenshot: detail_shots degree1 | degree2 | complex | prime | goldbach | diophantine | factorial |
// combinations
// [picture.png]. With a file, saves the two windows side by side there and ends; else prints
// "ready" and waits until killed.
#include "test_program.h"

#include "equations/degree1_window.h"
#include "equations/degree2_window.h"
#include "equations/diophantine_window.h"
#include "primes/goldbach_window.h"
#include "primes/prime_check_window.h"
#include "probability/combinations_window.h"
#include "shell/detail_window.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <utility>

namespace {

void fill(Form& form, std::initializer_list<std::pair<ui::Ref<ui::TextBox>, const char*>> boxes) {
    for (const auto& [box, text] : boxes)
        form.get(box).setText(QString::fromUtf8(text));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpTestApplication();
    const QByteArray which = argc > 1 ? QByteArray(argv[1]) : QByteArray("degree2");
    TestProgram tp;
    Form* shown = nullptr;
    if (which == "degree1") {
        auto& w = tp->get<Degree1Window>();
        fill(w, {{Degree1Window::aBox, "8"}, {Degree1Window::bBox, "-15"}, {Degree1Window::kBox, "11,6"}});
        w.get(Degree1Window::solveButton).click();
        shown = &w;
    } else if (which == "degree2" || which == "complex") {
        auto& w = tp->get<Degree2Window>();
        if (which == "degree2")
            fill(w, {{Degree2Window::aBox, "2"}, {Degree2Window::bBox, "-2"}, {Degree2Window::cBox, "-1"}});
        else
            fill(w, {{Degree2Window::aBox, "1"}, {Degree2Window::bBox, "2"}, {Degree2Window::cBox, "5"}});
        w.get(Degree2Window::discriminantButton).click();
        w.get(Degree2Window::solutionsButton).click();
        w.get(Degree2Window::factoriseButton).click();
        shown = &w;
    } else if (which == "prime") {
        auto& w = tp->get<PrimeCheckWindow>();
        fill(w, {{PrimeCheckWindow::numberBox, "360"}});
        w.get(PrimeCheckWindow::checkButton).click();
        shown = &w;
    } else if (which == "goldbach") {
        auto& w = tp->get<GoldbachWindow>();
        fill(w, {{GoldbachWindow::evenNumberBox, "100"}});
        w.get(GoldbachWindow::searchButton).click();
        shown = &w;
    } else if (which == "diophantine") {
        auto& w = tp->get<DiophantineWindow>();
        fill(w, {{DiophantineWindow::aBox, "-517"},
                 {DiophantineWindow::bBox, "-1754"},
                 {DiophantineWindow::cBox, "3298"}});
        w.get(DiophantineWindow::simplifyButton).click();
        w.get(DiophantineWindow::particularButton).click();
        w.get(DiophantineWindow::generalButton).click();
        shown = &w;
    } else {
        auto& w = tp->get<CombinationsWindow>();
        fill(w, {{CombinationsWindow::numberBox, "100"},
                 {CombinationsWindow::setSizeBox, "52"},
                 {CombinationsWindow::chosenCountBox, "5"}});
        if (which == "factorial") {
            w.get(CombinationsWindow::combinationsButton).click();
            w.get(CombinationsWindow::factorialButton).click();
        } else {
            w.get(CombinationsWindow::factorialButton).click();
            w.get(CombinationsWindow::combinationsButton).click();
        }
        shown = &w;
    }
    shown->show();
    shown->window().move(0, 0);
    shown->showDetails();
    QApplication::processEvents();
    if (argc > 2) {
        const QPixmap left = shown->window().grab();
        const QPixmap right = tp->get<DetailWindow>().window().grab();
        QPixmap both(left.width() + right.width() + 10, std::max(left.height(), right.height()));
        both.fill(Qt::white);
        QPainter painter(&both);
        painter.drawPixmap(0, 0, left);
        painter.drawPixmap(left.width() + 10, 0, right);
        painter.end();
        return both.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return QApplication::exec();
}
