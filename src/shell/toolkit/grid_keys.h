// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <vector>

namespace ui {

// Makes a grid of controls (given row after row) a single stop of the Tab chain: Tab comes into
// the grid at the cell visited last, the arrow keys go from cell to cell, Home and End to the
// first and the last cell, and Tab leaves the grid. Each cell keeps its own name for screen
// readers, which read it as it takes the focus.
void navigateAsGrid(const std::vector<QWidget*>& cells, int columns);

} // namespace ui
