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

// The cell an arrow key, Home or End leads to from cell `at` of a grid of `count` cells laid out
// row after row in `columns` columns: `at` itself at an edge, -1 for any other key.
int gridTarget(int key, int at, int count, int columns);

} // namespace ui
