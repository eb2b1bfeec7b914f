// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

// "Détail du calcul": the reasoning behind the last computation of the window it was opened from,
// step by step, and again after each new computation there.
class DetailWindow : public Form {
public:
    static const ui::WindowDescription description;
    static inline const ui::Ref<MultiLineTextBox> stepsBox{"Text1"};

    explicit DetailWindow(Program& program)
        : Form(program, description) {}

    // Shows the reasoning of that window from now on.
    void follow(Form& source);
    // That window has computed again.
    void sourceExplained(Form& source);
    // The window whose reasoning is shown; nullptr before the first opening.
    const Form* source() const { return m_source; }

protected:
    void load() override;

private:
    void showSteps();

    Form* m_source = nullptr;
};
