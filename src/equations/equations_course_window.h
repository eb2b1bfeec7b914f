// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

class Label;
class Shape;

// The course page of the equation tools: affine functions, trinomials and diophantine equations.
class EquationsCourseWindow : public Form {
public:
    static const ui::WindowDescription description;
    static inline const ui::Array<Label> headings{"Label2"};
    static inline const ui::Array<Label> paragraphs{"Label3"};
    static inline const ui::Array<Shape> headingFrames{"Shape1"}; // the frames of the section headings

    explicit EquationsCourseWindow(Program& program)
        : Form(program, description) {}
};
