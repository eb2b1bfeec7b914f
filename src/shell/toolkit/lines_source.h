// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ui {

// What a list box shows: a count of lines and the text of each, asked for only when a line comes
// into view, so that the lines may be kept however suits them (a list's own texts, a model's
// compact values). Whoever keeps the lines tells the list box when they grow or go.
class LinesSource {
public:
    virtual ~LinesSource() = default;
    virtual int count() const = 0;
    // The text of a line (0 <= row < count()).
    virtual QString at(int row) const = 0;
};

} // namespace ui
