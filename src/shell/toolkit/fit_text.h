// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace ui {

class Label;

// Layout helpers for captions written for another platform's fonts.

// A caption slightly wider than its label is drawn a little tighter rather than cut off.
void tightenToFit(Label& label);

// A sentence whose run of blanks lies under one box and whose last words (after that run) stand
// between that box and the next: the letters are spaced so that the last words show in the middle
// of the gap, whatever the widths of the font's letters and blanks.
void placeSentenceAroundBoxes(Label& sentence, const QWidget& lowerBox, const QWidget& upperBox);

} // namespace ui
