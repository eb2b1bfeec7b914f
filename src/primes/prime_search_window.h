// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

#include <QPointer>

#include <cstdint>
#include <optional>

class Button;
class Label;
class ListBox;
class TextBox;

struct PrimeSearchWindowUi {
    Label* Label4;
    Label* Label1;
    TextBox* Text1;
    TextBox* Text2;
    Button* Command1;
    ListBox* List1;
    Label* Label2;
    Label* Label3;
};

// Lists and counts the prime numbers between two bounds.
class PrimeSearchWindow : public FormOf<PrimeSearchWindowUi> {
public:
    static constexpr const char* formName = "b_Prem_rech";
    explicit PrimeSearchWindow(Program& program);

    // Searches from the lower to the upper bound. A press while a search is running stops that
    // search and starts the new one.
    void Command1_Click();
    void Text1_Change();
    void Text2_Change();

protected:
    FormWindow* buildControls() override;

private:
    void boundChanged(TextBox* box);
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
