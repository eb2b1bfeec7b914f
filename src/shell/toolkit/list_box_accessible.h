// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAccessibleInterface;

namespace ui {

class ListBox;

// Screen readers see a list box as a list whose children are its shown lines, each named by its
// text and marked selected when it is.
void installListBoxAccessible();
QAccessibleInterface* makeListRowAccessible(ListBox* list, int row);

} // namespace ui
