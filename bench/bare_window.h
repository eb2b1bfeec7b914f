// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QWidget>

// The bare Qt Widgets program the start-up benchmarks compare with, shown at once: a window of the
// splash's size with one line of text, as any program shows. The line starts the font system,
// which the program needs too (without it the bare window is 3.4 MB smaller).
struct BareWindow {
    QWidget window;
    QLabel text{QStringLiteral("Niveau Seconde"), &window};

    BareWindow() {
        window.resize(536, 300);
        text.move(10, 10);
        window.show();
    }
};
