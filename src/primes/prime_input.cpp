// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/prime_input.h"

#include "shell/program.h"

std::optional<std::int32_t> primeInput(Program& program, const QString& text) {
    const auto n = program.numbers().toInt32(text.toStdString());
    if (!n)
        program.message(
            QStringLiteral("Ce nombre est trop grand : le plus grand nombre accepté est 2147483647"));
    return n;
}
