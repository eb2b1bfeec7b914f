// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

#include <array>

// The help window: a menu of topics by subject; a topic explains how a tool computes its answers
// and what the pupil must watch for.
class HelpWindow : public Form {
public:
    static const ui::WindowDescription description;
    explicit HelpWindow(Program& program)
        : Form(program, description) {}

    static inline const ui::Ref<Label> categoryLabel{"categorie"};
    static inline const ui::Ref<Label> subcategoryLabel{"sscategorie"};
    static inline const ui::Ref<Label> explanationLabel{"explication"};
    // The warnings; the last two are always empty.
    static inline const std::array<ui::Ref<Label>, 4> warningLabels{{{"Pb1"}, {"Pb2"}, {"Pb3"}, {"Pb4"}}};

    // A topic's menu item: writes all seven labels from the topic (its index in the menu order).
    void showTopic(int topic);
};
