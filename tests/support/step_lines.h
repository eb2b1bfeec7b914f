// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/steps.h"

#include <QStringList>

// The steps of a computation as the plain lines a reader copies out of the details window.
inline QStringList stepLines(const numbers::Steps& steps) {
    QStringList out;
    for (const numbers::Line& line : steps)
        out << QString::fromStdString(numbers::plainText(line));
    return out;
}
