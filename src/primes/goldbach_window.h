// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

#include <cstdint>

class Button;
class Label;
class TextBox;

struct GoldbachWindowUi {
    Label* Label2;
    Label* Label1;
    Label* Label3;
    Label* Label4;
    Label* Label5;
    Button* Command1;
    TextBox* Text1;
    Label* Label6;
};

// Presents Goldbach's conjecture and writes an even number as the sum of two primes, the smaller
// one as small as possible.
class GoldbachWindow : public FormOf<GoldbachWindowUi> {
public:
    static constexpr const char* formName = "b_Prem_gold";
    explicit GoldbachWindow(Program& program);

    // A press while a search is running stops that search and starts the new one.
    void Command1_Click();
    void Text1_Change();

protected:
    FormWindow* buildControls() override;

private:
    bool searchStopped(std::uint64_t search) const;

    // The candidate for the smaller prime.
    std::int32_t m_p = 2;
    std::uint64_t m_search = 0;
};
