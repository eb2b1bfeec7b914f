// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

#include <cstdint>

class Button;
class Image;
class Label;
class Shape;
class Timer;

struct SplashUi {
    Image* Image1;
    Label* Label1;
    Label* Label2;
    Button* Command1;
    Timer* Timer1;
    Shape* Shape1;
};

// The splash window: a dot a tick, then the main menu.
class Splash : public FormOf<SplashUi> {
public:
    static constexpr const char* formName = "Form2";
    explicit Splash(Program& program);

    void Timer1_Timer();
    void Command1_Click();
    std::int16_t counter() const { return m_counter; }

protected:
    FormWindow* buildControls() override;
    void load() override;

private:
    std::int16_t m_counter = 0;
};
