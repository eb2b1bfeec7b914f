// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_catalog.h"

#include "equations/degree1_window.h"
#include "equations/degree2_window.h"
#include "equations/diophantine_window.h"
#include "equations/equations_course_window.h"
#include "functions/introduction_window.h"
#include "functions/reference_functions_window.h"
#include "graphs/graph_window.h"
#include "help/glossary_window.h"
#include "help/help_window.h"
#include "help/python_window.h"
#include "practice/practice_window.h"
#include "practice/worksheet_window.h"
#include "primes/goldbach_window.h"
#include "primes/prime_check_window.h"
#include "primes/prime_course_window.h"
#include "primes/prime_search_window.h"
#include "primes/program_listing_window.h"
#include "primes/sieve_window.h"
#include "probability/combinations_window.h"
#include "probability/frequencies_window.h"
#include "probability/probability_course_window.h"
#include "probability/random_numbers_window.h"
#include "probability/simulation_window.h"
#include "shell/detail_window.h"
#include "shell/main_menu.h"
#include "shell/splash.h"

#include <array>
#include <type_traits>

namespace {

struct Entry {
    std::string_view name;
    std::unique_ptr<Form> (*make)(Program&);
};

template <class F> Entry entry() {
    return {F::description.name, [](Program& p) -> std::unique_ptr<Form> { return std::make_unique<F>(p); }};
}

// Every window of the program, one line each, in the order of the main menu. Made at first use,
// once every window's description exists.
const auto& catalog() {
    // clang-format off
    static const std::array entries{
        entry<Splash>(),
        entry<MainMenu>(),
        entry<PrimeCheckWindow>(),
        entry<PrimeSearchWindow>(),
        entry<GoldbachWindow>(),
        entry<SieveWindow>(),
        entry<ProgramListingWindow>(),
        entry<PrimeCourseWindow>(),
        entry<Degree1Window>(),
        entry<Degree2Window>(),
        entry<DiophantineWindow>(),
        entry<EquationsCourseWindow>(),
        entry<GraphWindow>(),
        entry<IntroductionWindow>(),
        entry<ReferenceFunctionsWindow>(),
        entry<RandomNumbersWindow>(),
        entry<SimulationWindow>(),
        entry<CombinationsWindow>(),
        entry<ProbabilityCourseWindow>(),
        entry<HelpWindow>(),
        entry<GlossaryWindow>(),
        entry<PythonWindow>(),
        entry<FrequenciesWindow>(),
        entry<DetailWindow>(),
        entry<PracticeWindow>(),
        entry<WorksheetWindow>(),
    };
    // clang-format on
    return entries;
}

} // namespace

std::unique_ptr<Form> makeWindow(std::string_view name, Program& program) {
    for (const Entry& e : catalog())
        if (e.name == name)
            return e.make(program);
    return nullptr;
}

std::span<const std::string_view> windowNames() {
    static const auto names = [] {
        std::array<std::string_view, std::tuple_size_v<std::decay_t<decltype(catalog())>>> n;
        for (std::size_t i = 0; i < n.size(); ++i)
            n[i] = catalog()[i].name;
        return n;
    }();
    return names;
}
