// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/rules/parallel_search.h"

#include "primes/rules/prime_segments.h"

#include <algorithm>

#ifdef __linux__
#include <pthread.h>
#include <sched.h>
#endif

namespace primes {

ParallelPrimeSearch::ParallelPrimeSearch(std::int64_t lower, std::int64_t upper, int threads, int blockSize)
    : m_lower(lower)
    , m_upper(upper)
    , m_blockSize(std::max(1, blockSize))
    , m_blocks(upper < lower ? 0 : (upper - lower) / m_blockSize + 1)
    , m_ahead(4 * std::int64_t(std::max(1, threads))) {
    const int count = int(std::min<std::int64_t>(std::max(1, threads), m_blocks));
    m_threads.reserve(std::size_t(count));
    for (int t = 0; t < count; ++t)
        m_threads.emplace_back([this] { work(); });
}

ParallelPrimeSearch::~ParallelPrimeSearch() {
    stop();
}

void ParallelPrimeSearch::stop() {
    {
        std::lock_guard lock(m_mutex);
        m_stopped = true;
    }
    m_stopping.store(true, std::memory_order_relaxed);
    m_room.notify_all();
    m_blockDone.notify_all();
    for (std::thread& t : m_threads)
        if (t.joinable())
            t.join();
}

void ParallelPrimeSearch::work() {
#ifdef __linux__
    // Plain computation: the scheduler lets the user-interface thread in first when it wakes, so
    // the window answers at once however busy the cores are, and the share of time is unchanged.
    const sched_param batch{};
    pthread_setschedparam(pthread_self(), SCHED_BATCH, &batch);
#endif
    std::vector<std::int32_t> primes;
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_room.wait(lock,
                    [this] { return m_stopped || m_handedOut < std::min(m_blocks, m_taken + m_ahead); });
        if (m_stopped || m_handedOut == m_blocks)
            return;
        const std::int64_t block = m_handedOut++;
        m_pending.emplace_back();
        lock.unlock();

        const std::int64_t first = m_lower + block * m_blockSize;
        const std::int64_t last = std::min(m_upper, first + m_blockSize - 1);
        primes.clear();
        // The stop flag is read between segments: a stopped search ends within one of them.
        for (PrimeSegments segments(first, last);
             !segments.done() && !m_stopping.load(std::memory_order_relaxed);)
            for (const std::uint64_t prime : segments.next())
                primes.push_back(std::int32_t(prime));

        lock.lock();
        if (m_stopped)
            return;
        m_pending[std::size_t(block - m_taken)] = std::move(primes);
        primes = {};
        if (block == m_taken)
            m_blockDone.notify_one();
    }
}

ParallelPrimeSearch::Next ParallelPrimeSearch::next(std::vector<std::int32_t>& primes,
                                                    std::chrono::microseconds wait) {
    std::unique_lock lock(m_mutex);
    if (m_taken == m_blocks || m_stopped)
        return Next::Done;
    if (!m_blockDone.wait_for(lock, wait,
                              [this] { return m_stopped || (!m_pending.empty() && m_pending.front()); }))
        return Next::Waiting;
    if (m_stopped)
        return Next::Done;
    primes = std::move(*m_pending.front());
    m_pending.pop_front();
    ++m_taken;
    lock.unlock();
    m_room.notify_all();
    return Next::Block;
}

} // namespace primes
