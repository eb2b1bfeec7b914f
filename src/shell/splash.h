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

    static inline const ui::Ref<Shape> outline{"Shape1"};
    static inline const ui::Ref<Label> dotsLabel{"Label2"};
    static inline const ui::Ref<Button> skipButton{"Command1"}; // "Passer"
    static inline const ui::Ref<Timer> dotTimer{"Timer1"};

    // One more dot each tick; after ten, the main menu.
    void addDot();
    // "Passer": the next tick hands over to the main menu.
    void skip();
    std::int16_t counter() const { return m_counter; }

protected:
    void load() override;
    // Closed by the window manager before its time (Alt+F4 closes a window without a title bar
    // too): the pupil goes on to the main menu, as with "Passer".
    void afterCloseByPupil() override;

private:
    void handOver();

    std::int16_t m_counter = 0;
    bool m_handedOver = false;
};
