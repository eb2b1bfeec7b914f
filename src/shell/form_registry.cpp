// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_registry.h"

#include "aa_mainform.h"
#include "equations/c_eq_d1.h"
#include "equations/c_eq_d2.h"
#include "form2.h"
#include "graphs/form1.h"
#include "primes/b_prem_gold.h"
#include "primes/b_prem_rech.h"
#include "primes/b_prem_verif.h"

#include <array>
#include <utility>

namespace {

template <class F> std::pair<std::string_view, std::unique_ptr<Form> (*)(Program&)> entry() {
    return {F::formName, [](Program& p) -> std::unique_ptr<Form> { return std::make_unique<F>(p); }};
}

} // namespace

std::unique_ptr<Form> makeForm(std::string_view name, Program& program) {
    // Every window the program has; a window missing here is not opened by its menu entry.
    static const std::array factories{
        entry<Form2>(),       entry<aa_Mainform>(), entry<b_Prem_verif>(), entry<b_Prem_rech>(),
        entry<b_Prem_gold>(), entry<c_Eq_d1>(),     entry<c_Eq_d2>(),      entry<Form1>(),
    };
    for (const auto& [formName, make] : factories)
        if (formName == name)
            return make(program);
    return nullptr;
}
