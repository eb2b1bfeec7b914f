// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

// A page showing the primality function of the program as source text, one line per label,
// indented by the depth of its block.
class ProgramListingWindow : public Form {
public:
    // Lines that come back several times are items of an array.
    static inline const ui::Array<Label> exitFunctionLines{"Label5"};
    static inline const ui::Array<Label> endIfLines{"Label6"};
    static inline const ui::Array<Label> notPrimeInLoopLines{"Label13"};

    static const ui::WindowDescription description;
    explicit ProgramListingWindow(Program& program)
        : Form(program, description) {}
};
