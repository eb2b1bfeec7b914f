// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

// The help window: a menu of topics by subject; a topic explains how a tool computes its answers
// and what the pupil must watch for.
class HelpWindow : public Form {
public:
    static const ui::WindowDescription description;
    explicit HelpWindow(Program& program)
        : Form(program, description) {}

    // A topic's menu item: writes all seven labels from the topic (its index in the menu order).
    void showTopic(int topic);
};
