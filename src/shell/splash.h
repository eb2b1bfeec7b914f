// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

#include <cstdint>

// The splash window: a dot a tick, then the main menu.
class Splash : public Form {
public:
    static const ui::WindowDescription description;
    explicit Splash(Program& program)
        : Form(program, description) {}

    void Timer1_Timer();
    void Command1_Click(); // "Passer"
    std::int16_t counter() const { return m_counter; }

protected:
    void load() override;

private:
    std::int16_t m_counter = 0;
};
