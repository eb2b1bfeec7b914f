// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

#include <cstdint>

// Presents Goldbach's conjecture and writes an even number as the sum of two primes, the smaller
// one as small as possible.
class GoldbachWindow : public Form {
public:
    static inline const ui::Ref<Button> searchButton{"Command1"}; // "Chercher"
    static inline const ui::Ref<TextBox> evenNumberBox{"Text1"};
    static inline const ui::Ref<Label> sumLabel{"Label6"}; // the sum, or why there is none
    static inline const ui::Ref<Button> detailButton{"showDetail"};

    static const ui::WindowDescription description;
    explicit GoldbachWindow(Program& program)
        : Form(program, description) {}

    // A press while a search is running stops that search and starts the new one.
    void findSum();
    void numberEdited();

private:
    bool searchStopped(std::uint64_t search) const;

    // The candidate for the smaller prime.
    std::int32_t m_smallerPrime = 2;
    std::uint64_t m_search = 0;
};
