// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/splash.h"

#include "shell/main_menu.h"
#include "shell/program.h"
#include "shell/toolkit/controls.h"

namespace {
using namespace ui;
using W = Splash;

constexpr int kWidth = 8040;
constexpr int kHeight = 4500;
const QString kComic = QStringLiteral("Comic Neue");

const ControlRow kControls[] = {
    {.control = W::outline, .rect = {0, 0, 1000, 1000}, .penWidth = 3},
    {.control = image("Image1"), .rect = {480, 900, 2595, 2685}, .picture = ":/splash.svg"},
    {.control = label("Label1"),
     .caption = "réalisé  par  Brevan",
     .rect = {3360, 600, 4440, 660},
     .font = {.points = 24, .bold = true, .underline = true, .family = kComic}},
    {.control = W::dotsLabel,
     .caption = "Modifié le 15 mars 2006",
     .rect = {3360, 1560, 4440, 1200},
     .font = {.points = 18, .bold = true, .family = kComic},
     .wordWrap = true},
    {.control = W::skipButton,
     .caption = "Passer",
     .rect = {6240, 3600, 1335, 495},
     .handler = call(&W::skip)},
    {.control = W::dotTimer, .intervalMs = 500, .handler = call(&W::addDot)},
};

} // namespace

const WindowDescription Splash::description{
    .name = "Form2",
    .border = FormWindow::Border::None,
    .width = kWidth,
    .height = kHeight,
    .backColor = colours::skyBlue,
    .accessibleName = "Niveau Seconde : démarrage",
    .controls = kControls,
};

void Splash::load() {
    // The outline frames the whole window.
    get(outline).setRect({0, 0, kWidth, kHeight});
}

void Splash::addDot() {
    ++m_counter;
    Label& label = get(dotsLabel);
    label.setCaption(label.caption() + QLatin1Char('.'));
    if (m_counter > 10) {
        handOver();
        hide();
        get(dotTimer).setIntervalMs(0);
        // The splash is not seen again: its surface (the size of the window, in memory) goes,
        // its controls stay.
        window().releaseSurface();
    }
}

void Splash::handOver() {
    m_handedOver = true;
    program().get<MainMenu>().show();
}

void Splash::afterCloseByPupil() {
    if (!m_handedOver)
        handOver();
}

void Splash::skip() {
    m_counter = 10;
}
