// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

#include <QPointer>

#include <cstdint>
#include <optional>

class Label;

// Lists and counts the prime numbers between two bounds.
class PrimeSearchWindow : public Form {
public:
    static const ui::WindowDescription description;
    explicit PrimeSearchWindow(Program& program)
        : Form(program, description) {}

    // "Commencer": searches from the lower to the upper bound. A press while a search is running
    // stops that search and starts the new one.
    void Command1_Click();
    void Text1_Change();
    void Text2_Change();

protected:
    void arrange() override;

private:
    bool searchStopped(std::uint64_t search) const;
    // The count is kept as the caption of Label3. A search may count hundreds of thousands of
    // primes, far more often than the pupil can see the label change, so the caption is written
    // when events next run and when the search ends, always with the value it would have.
    void startCount();
    void countOne();
    void showCount();

    std::uint64_t m_search = 0;
    QPointer<Label> m_countLabel;
    std::optional<double> m_count;
    bool m_countShowPending = false;
};
