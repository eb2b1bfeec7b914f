// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

// The course page on prime numbers: definitions, properties and two proofs, in two columns.
class PrimeCourseWindow : public Form {
public:
    static inline const ui::Ref<Label> titleLabel{"Label1"};
    static inline const ui::Ref<Line> dividingLine{"Line1"}; // between the two columns
    static inline const ui::Array<Label> headings{"Label2"};
    static inline const ui::Array<Label> texts{"Label3"};

    static const ui::WindowDescription description;
    explicit PrimeCourseWindow(Program& program)
        : Form(program, description) {}
};
