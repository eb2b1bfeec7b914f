// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/surd.h"

#include <optional>

// Sums, products and quotients of two numbers a + b√r, as a pupil's answer combines them
// («(1 + √5)/2», «√2 × √8»). A result that no single a + b√r writes (√2 + √3) is nothing.
namespace numbers {

std::optional<Surd> add(const Surd& s, const Surd& t);
std::optional<Surd> multiply(const Surd& s, const Surd& t);
// Nothing for a division by 0 as well.
std::optional<Surd> divide(const Surd& s, const Surd& t);
// √s for a rational s >= 0; nothing otherwise.
std::optional<Surd> root(const Surd& s);

bool isZero(const Surd& s);
// Equal values: a + b√r is written one way only.
bool equal(const Surd& s, const Surd& t);

} // namespace numbers
