// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace primes {

// Finds the primes from `lower` to `upper` on several threads, each sieving a block of the range
// (see PrimeSegments), and hands them back block by block, strictly in increasing order. The
// threads take blocks in turn and stay at most a few blocks each ahead of the reader, so a search
// of the whole 32-bit range holds only a few blocks at a time. Stopping (or destroying the search)
// lets every thread finish the segment it is sieving and waits for it: no work is left running.
class ParallelPrimeSearch {
public:
    ParallelPrimeSearch(std::int64_t lower, std::int64_t upper, int threads, int blockSize = 1 << 20);
    ~ParallelPrimeSearch();
    ParallelPrimeSearch(const ParallelPrimeSearch&) = delete;
    ParallelPrimeSearch& operator=(const ParallelPrimeSearch&) = delete;

    enum class Next {
        Block,   // `primes` holds the primes of the next block (possibly none)
        Waiting, // the next block was not ready within the time given
        Done,    // every block has been handed back
    };
    // Waits at most `wait` for the next block in order, sleeping meanwhile.
    Next next(std::vector<std::int32_t>& primes, std::chrono::microseconds wait);
    void stop();

private:
    void work();

    const std::int64_t m_lower;
    const std::int64_t m_upper;
    const std::int64_t m_blockSize;
    const std::int64_t m_blocks;
    const std::int64_t m_ahead; // how many blocks the threads may run ahead of the reader

    std::mutex m_mutex;
    std::condition_variable m_blockDone; // a block is finished, or the search stops
    std::condition_variable m_room;      // the reader took a block, or the search stops
    std::int64_t m_handedOut = 0;        // blocks given to the threads
    std::int64_t m_taken = 0;            // blocks handed back to the reader
    std::deque<std::optional<std::vector<std::int32_t>>> m_pending; // blocks m_taken, m_taken + 1...
    bool m_stopped = false;
    std::atomic<bool> m_stopping{false}; // m_stopped, for the threads to read between candidates
    std::vector<std::thread> m_threads;
};

} // namespace primes
