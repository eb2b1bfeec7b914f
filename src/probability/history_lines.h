// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "probability/rules/outcome_history.h"
#include "shell/toolkit/lines_source.h"

#include <QStringList>

namespace ui {
class ListBox;
}

// A history as the lines of a list box: each outcome's text, made only when its line is shown.
// It tells the list when the history grows or is emptied, and stops following the history when
// the list goes.
class HistoryLines : public ui::LinesSource, private probability::HistoryObserver {
public:
    // `texts`: the text of each code.
    HistoryLines(probability::OutcomeHistory& history, QStringList texts, ui::ListBox& list);
    ~HistoryLines() override;

    int count() const override;
    QString at(int row) const override;

private:
    void historyGrowing(const probability::OutcomeHistory&) override;
    void historyCleared(const probability::OutcomeHistory&) override;

    probability::OutcomeHistory& m_history;
    QStringList m_texts;
    ui::ListBox& m_list;
};
