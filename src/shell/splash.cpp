// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/splash.h"

#include "shell/main_menu.h"
#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/decorations.h"

namespace {
constexpr int kWidth = 8040;
constexpr int kHeight = 4500;
const QString kComic = QStringLiteral("Comic Neue");
} // namespace

Splash::Splash(Program& program)
    : FormOf(program, formName) {}

FormWindow* Splash::buildControls() {
    auto* w = new FormWindow(formName, QString(), FormWindow::Border::None, kWidth, kHeight);
    w->setBackColor(colors::lightBlue);
    QWidget* c = w->client();
    m_ui = std::make_unique<SplashUi>();
    SplashUi& u = *m_ui;
    u.Shape1 = new Shape(c, QStringLiteral("Shape1"), Shape::Kind::Rectangle, {0, 0, 1000, 1000});
    u.Shape1->setPenWidth(3);
    u.Image1 = new Image(c, QStringLiteral("Image1"), {480, 900, 2595, 2685}, QStringLiteral(":/splash.svg"));
    u.Label1 = new Label(c, {QStringLiteral("Label1"),
                             QStringLiteral("réalisé  par  Brevan"),
                             {3360, 600, 4440, 660},
                             {24, true, true, false, kComic}});
    u.Label2 = new Label(c, {QStringLiteral("Label2"),
                             QStringLiteral("Modifié le 15 mars 2006"),
                             {3360, 1560, 4440, 1200},
                             {18, true, false, false, kComic},
                             true});
    u.Command1 = new Button(c, QStringLiteral("Command1"), QStringLiteral("Passer"), {6240, 3600, 1335, 495});
    QObject::connect(u.Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    u.Timer1 = new Timer(w, QStringLiteral("Timer1"), 500);
    QObject::connect(u.Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    return w;
}

void Splash::load() {
    // The outline frames the whole window.
    ui().Shape1->setRect({0, 0, kWidth, kHeight});
}

void Splash::Timer1_Timer() {
    ++m_counter;
    Label* label = ui().Label2;
    label->setCaption(label->caption() + QLatin1Char('.'));
    if (m_counter > 10) {
        program().get<MainMenu>().show();
        hide();
        ui().Timer1->setIntervalMs(0);
    }
}

void Splash::Command1_Click() {
    m_counter = 10;
}
