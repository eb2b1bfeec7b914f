// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/prime_input.h"

#include "shell/input_filters.h"
#include "shell/program.h"

void filterWholeNumber(Form& form, const ui::Ref<ui::TextBox>& box) {
    boxFilters::apply(form, box, boxFilters::wholeNumbers);
}

std::optional<std::int32_t> wholeNumberOrWarn(Program& program, std::string_view digits) {
    const auto n = program.numbers().toInt32(digits);
    if (!n)
        program.message(
            QStringLiteral("Ce nombre est trop grand : le plus grand nombre accepté est 2147483647"));
    return n;
}
