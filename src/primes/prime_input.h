// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/toolkit/description.h"

#include <cstdint>
#include <optional>
#include <string_view>

class Form;
class Program;

// The whole-number boxes of the prime windows, which take digits only and work up to 2147483647.

// Runs the digit filter on the box, as each of these boxes does at every change of its text.
void filterWholeNumber(Form& form, const ui::Ref<TextBox>& box);

// The number a box holds, from its text of digits. A number beyond 32 bits is refused with a
// message, and gives nothing.
std::optional<std::int32_t> wholeNumberOrWarn(Program& program, std::string_view digits);
