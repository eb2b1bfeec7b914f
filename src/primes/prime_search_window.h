// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/form.h"

#include <QPointer>

#include <cstdint>
#include <optional>

namespace primes {
class ParallelPrimeSearch;
}

// Lists and counts the prime numbers between two bounds.
class PrimeSearchWindow : public Form {
public:
    static inline const ui::Ref<Label> sentenceLabel{"Label1"}; // the sentence around the two bounds
    static inline const ui::Ref<TextBox> lowerBox{"Text1"};
    static inline const ui::Ref<TextBox> upperBox{"Text2"};
    static inline const ui::Ref<Button> startButton{"Command1"}; // "Commencer"
    static inline const ui::Ref<ListBox> primesList{"List1"};
    static inline const ui::Ref<Label> countCaption{"Label2"};
    static inline const ui::Ref<Label> countLabel{"Label3"};
    static inline const ui::Ref<Button> detailButton{"showDetail"};

    static const ui::WindowDescription description;
    explicit PrimeSearchWindow(Program& program);

    // Searches from the lower to the upper bound. A press while a search is running stops that
    // search and starts the new one.
    void searchPrimes();
    // Editing a bound empties the list, and nothing else.
    void lowerBoundEdited();
    void upperBoundEdited();

    // How many threads sieve the range of a search, in blocks of `blockSize` numbers; 0 sieves
    // it on the user-interface thread. At first, one per core when there are several.
    void setSearchThreads(int threads, int blockSize = kBlockSize);
    static constexpr int kBlockSize = 1 << 20;
    // The most primes found on this thread that wait to be listed together.
    static constexpr std::size_t kRun = 1024;

protected:
    void arrange() override;

private:
    void boundEdited(const ui::Ref<TextBox>& box);
    bool searchStopped(std::uint64_t search) const;
    // The two ways of going through the range; both hand every prime to found(), in order.
    template <class Found>
    void searchHere(std::int64_t lower, std::int64_t upper, std::uint64_t search, Found found);
    template <class Found>
    void searchOnThreads(std::int64_t lower, std::int64_t upper, std::uint64_t search, Found found);
    // The count is kept as the caption of countLabel. A search may count hundreds of thousands of
    // primes, far more often than the pupil can see the label change, so the caption is written
    // when the primes it counts reach the screen and when the search ends, always with the value
    // it would have.
    void startCount();
    void countMore(ListBox& list, std::int64_t found);
    void showCount();

    std::uint64_t m_search = 0;
    int m_threads;
    int m_blockSize = kBlockSize;
    // The search running on threads, stopped at once when a new search starts.
    primes::ParallelPrimeSearch* m_running = nullptr;
    QPointer<Label> m_countLabel;
    QPointer<ListBox> m_countList;
    std::optional<double> m_count;
};
