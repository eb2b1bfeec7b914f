// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/window_registry.h"

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
#include "shell/main_menu.h"
#include "shell/splash.h"

#include <array>
#include <utility>

namespace {

using Factory = std::unique_ptr<Form> (*)(Program&);

template <class F> std::pair<std::string_view, Factory> entry() {
    return {F::description.name, [](Program& p) -> std::unique_ptr<Form> { return std::make_unique<F>(p); }};
}

constexpr std::string_view kWindowNames[] = {
    "Form2",         "aa_Mainform",  "b_Prem_verif", "b_Prem_rech",  "b_Prem_gold", "b_Prem_crible",
    "b_Prem_prog",   "b_Prem_cours", "c_Eq_d1",      "c_Eq_d2",      "c_Eq_dioph",  "c_Eq_cours",
    "Form1",         "Form4",        "Form3",        "d_Proba_alea", "d_Proba_sim", "d_Proba_comb",
    "d_Proba_cours", "Frm_Aide",     "Frm_Lexique",  "Frm_Python",   "d_Proba_freq",
};

} // namespace

std::unique_ptr<Form> makeForm(std::string_view name, Program& program) {
    // Every window built so far, one line each.
    // clang-format off
    static const std::array factories{
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
        entry<GraphWindow>(),
        entry<DiophantineWindow>(),
        entry<EquationsCourseWindow>(),
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
    };
    // clang-format on
    for (const auto& [formName, make] : factories)
        if (formName == name)
            return make(program);
    return nullptr;
}

std::span<const std::string_view> windowNames() {
    return kWindowNames;
}
