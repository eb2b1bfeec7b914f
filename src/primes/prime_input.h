// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

class Program;

// The whole number typed in a prime window's box. A number beyond 32 bits is refused with a
// message, since the prime windows only work up to 2147483647.
std::optional<std::int32_t> primeInput(Program& program, const QString& text);
