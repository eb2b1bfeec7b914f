// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/prime_search_window.h"

#include "numbers/skip_on_error.h"
#include "primes/prime_input.h"
#include "primes/rules/parallel_search.h"
#include "primes/rules/prime_segments.h"
#include "primes/rules/prime_steps.h"
#include "shell/program.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/fit_text.h"
#include "shell/toolkit/list_box.h"

#include <span>
#include <thread>
#include <vector>

using numbers::need;
using numbers::NumberFormat;
using numbers::SkipOnError;
namespace checked = numbers::checked;

namespace {
using namespace ui;
using W = PrimeSearchWindow;

const ControlRow kControls[] = {
    {.control = label("Label4"),
     .caption = "Recherche des nombres premiers",
     .rect = {1080, 120, 4815, 375},
     .font = {.points = 13.5}},
    // The two boxes sit over the run of blanks and after "et".
    {.control = W::sentenceLabel,
     .caption = "Chercher les nombres premiers entre                      et",
     .rect = {240, 720, 6015, 375},
     .font = {.points = 12}},
    {.control = W::lowerBox,
     .rect = {4320, 720, 1095, 375},
     .accessibleName = "Chercher les nombres premiers entre",
     .handler = call(&W::lowerBoundEdited)},
    {.control = W::upperBox,
     .rect = {5760, 720, 1095, 375},
     .accessibleName = "et",
     .handler = call(&W::upperBoundEdited)},
    {.control = W::startButton,
     .caption = "Commencer",
     .rect = {840, 1440, 1815, 495},
     .handler = call(&W::searchPrimes)},
    {.control = W::primesList,
     .rect = {3840, 1800, 2655, 2985},
     .accessibleName = "Nombres premiers trouvés"},
    {.control = W::countCaption,
     .caption = "Nombre de nombres premiers de la liste",
     .rect = {480, 4200, 2895, 255}},
    {.control = W::countLabel,
     .rect = {480, 4680, 2775, 255},
     .announceAs = "Nombre de nombres premiers de la liste : %1"},
    {.control = W::detailButton,
     .caption = "Détail",
     .rect = {840, 2280, 1095, 495},
     .accessibleName = "Détail du calcul",
     .handler = call(&W::showDetails)},
};

} // namespace

const WindowDescription PrimeSearchWindow::description{
    .name = "b_Prem_rech",
    .title = "Prem_rech",
    .border = FormWindow::Border::FixedSingle,
    .width = 6840,
    .height = 5115,
    .backColor = colours::silver,
    .accessibleName = "Nombres premiers : recherche",
    .mainButton = W::startButton,
    .f1Presses = W::detailButton,
    .controls = kControls,
};

void PrimeSearchWindow::arrange() {
    placeSentenceAroundBoxes(get(sentenceLabel), get(lowerBox), get(upperBox));
    tightenToFit(get(countCaption));
}

PrimeSearchWindow::PrimeSearchWindow(Program& program)
    : Form(program, description) {
    const int cores = int(std::thread::hardware_concurrency());
    m_threads = cores >= 2 ? cores : 0;
}

void PrimeSearchWindow::setSearchThreads(int threads, int blockSize) {
    m_threads = std::max(0, threads);
    m_blockSize = std::max(1, blockSize);
}

bool PrimeSearchWindow::searchStopped(std::uint64_t search) const {
    return search != m_search || program().ended();
}

void PrimeSearchWindow::searchPrimes() {
    const std::uint64_t search = ++m_search;
    const NumberFormat& numbers = program().numbers();
    SkipOnError run;
    run.step([&] { startCount(); });
    // The filter lets only whole numbers in, so a bound that does not convert is beyond 32 bits:
    // the pupil is told, as in the other prime windows, and nothing is searched.
    for (const Ref<TextBox>* bound : {&upperBox, &lowerBox}) {
        const std::string digits = textOf(*bound);
        if (!digits.empty() && !wholeNumberOrWarn(program(), digits)) {
            showCount();
            return;
        }
    }
    // An empty bound stays 0: an empty upper bound finds nothing, an empty lower bound starts
    // the search at 0.
    std::int32_t upper = 0;
    std::int32_t lower = 0;
    run.step([&] { upper = need(numbers.toInt32(textOf(upperBox))); });
    run.step([&] { lower = need(numbers.toInt32(textOf(lowerBox))); });
    // Lists a run of primes found one after the other. The primes are handed over in runs, always
    // before events run, so that whatever the pupil can see (list, selection, count) is what
    // listing them one at a time would show.
    std::int64_t total = 0;
    auto found = [&](std::span<const std::int32_t> primes) {
        if (primes.empty())
            return;
        total += std::int64_t(primes.size());
        ListBox& list = get(primesList);
        for (const std::int32_t prime : primes)
            list.addNumber(prime);
        // The newest prime stays in view, however long the list grows.
        list.selectLast();
        run.step([&] { countMore(list, std::int64_t(primes.size())); });
    };
    // Counted in 64 bits, so that a search up to 2147483647 ends after its last candidate.
    if (m_threads > 0 && std::int64_t(upper) - lower >= m_blockSize)
        searchOnThreads(lower, upper, search, found);
    else
        searchHere(lower, upper, search, found);
    if (!searchStopped(search)) {
        showCount();
        explain(primes::searchSteps(lower, upper, total));
    }
}

template <class Found>
void PrimeSearchWindow::searchHere(std::int64_t lower, std::int64_t upper, std::uint64_t search,
                                   Found found) {
    Pump& pump = program().pump();
    std::vector<std::int32_t> primes;
    primes.reserve(kRun);
    // The primes found wait here until events are about to run (or the run is long), and are
    // listed then: the list is reached once per run, not once per prime.
    auto listFound = [&] {
        found(primes);
        primes.clear();
    };
    for (primes::PrimeSegments segments(lower, upper); !segments.done();) {
        for (const std::uint64_t prime : segments.next()) {
            primes.push_back(std::int32_t(prime));
            if (primes.size() == kRun)
                listFound();
            if (pump.due()) [[unlikely]] {
                listFound();
                pump();
                // The events may have closed and rebuilt the window, started a new search or
                // ended the program.
                if (searchStopped(search))
                    return;
            }
        }
    }
    listFound();
}

// The threads sieve the range; this thread lists the primes in order as their blocks come
// back, and lets events run at least every few milliseconds meanwhile, as the search on this
// thread does. Between two runs of events the list, the count and the selection agree, as they
// do when the candidates are tested here.
template <class Found>
void PrimeSearchWindow::searchOnThreads(std::int64_t lower, std::int64_t upper, std::uint64_t search,
                                        Found found) {
    // A search started from the events run below stops this one at once.
    if (m_running)
        m_running->stop();
    primes::ParallelPrimeSearch job(lower, upper, m_threads, m_blockSize);
    m_running = &job;
    struct Forget {
        primes::ParallelPrimeSearch*& running;
        primes::ParallelPrimeSearch* job;
        ~Forget() {
            if (running == job)
                running = nullptr;
        }
    } forget{m_running, &job};
    Pump& pump = program().pump();
    std::vector<std::int32_t> primes;
    for (;;) {
        const auto next = job.next(primes, std::chrono::milliseconds(2));
        pump();
        if (searchStopped(search) || next == primes::ParallelPrimeSearch::Next::Done)
            return;
        if (next == primes::ParallelPrimeSearch::Next::Block)
            found(primes);
    }
}

void PrimeSearchWindow::startCount() {
    m_countLabel = &get(countLabel);
    m_countList = &get(primesList);
    // The count starts again from 0 unsaid: only the count found is heard.
    get(countLabel).setCaptionUnsaid(QStringLiteral("0"));
    m_count = 0.0;
}

void PrimeSearchWindow::countMore(ListBox& list, std::int64_t found) {
    // A window closed during the search was rebuilt with its initial caption: count from there.
    // The list, reached afresh for each run of primes, tells when that happened.
    if (m_countList != &list) {
        m_countList = &list;
        Label* label = &get(countLabel);
        if (label != m_countLabel) {
            m_countLabel = label;
            m_count = program().numbers().toDouble(textOf(countLabel));
        }
    }
    const double next = checked::finite(need(m_count) + double(found));
    m_count = next;
    // Shown with the primes it counts, when they reach the screen.
    list.whenShown([this] { showCount(); });
}

void PrimeSearchWindow::showCount() {
    if (m_countLabel && m_count)
        m_countLabel->setCaption(fromUtf8(program().numbers().numberText(*m_count)));
}

void PrimeSearchWindow::lowerBoundEdited() {
    boundEdited(lowerBox);
}

void PrimeSearchWindow::upperBoundEdited() {
    boundEdited(upperBox);
}

void PrimeSearchWindow::boundEdited(const Ref<TextBox>& box) {
    get(primesList).clear();
    filterWholeNumber(*this, box);
}
