// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/toolkit/description.h"

#include <QString>

class Form;
class Program;
namespace ui {
class TextBox;
}

// The input filters of the filtered boxes: each takes the whole text of a box, shows its message
// and returns false when that text may not stay in the box.
namespace boxFilters {
bool wholeNumbers(Program& program, const QString& text);       // non-negative whole numbers
bool nonNegativeNumbers(Program& program, const QString& text); // non-negative numbers
bool signedNumbers(Program& program, const QString& text);      // any number, or a lone "-"

using Filter = bool (*)(Program&, const QString&);
// Runs the filter on the box's text and empties the box when it rejects. Emptying changes the
// text again, and the change handler runs once more with the empty text, which every filter
// accepts. The box is reached again after the filter's message box, which lets events run: the
// pupil may have closed its window meanwhile.
void apply(Form& form, const ui::Ref<ui::TextBox>& box, Filter filter);
} // namespace boxFilters
