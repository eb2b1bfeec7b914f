// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window_registry.h"

#include "shell/main_menu.h"
#include "equations/degree1_window.h"
#include "equations/degree2_window.h"
#include "shell/splash.h"
#include "graphs/graph_window.h"
#include "primes/goldbach_window.h"
#include "primes/prime_search_window.h"
#include "primes/prime_check_window.h"

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
        entry<Splash>(),       entry<MainMenu>(), entry<PrimeCheckWindow>(), entry<PrimeSearchWindow>(),
        entry<GoldbachWindow>(), entry<Degree1Window>(),     entry<Degree2Window>(),      entry<GraphWindow>(),
    };
    for (const auto& [formName, make] : factories)
        if (formName == name)
            return make(program);
    return nullptr;
}
