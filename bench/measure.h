// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The few measures every benchmark takes: wall and processor time, medians, resident memory.
#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <vector>

namespace measure {

using Clock = std::chrono::steady_clock;

inline double seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

inline double ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// Processor time of the calling thread: the same measure without the time other programs on the
// machine took from it.
inline double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

inline double threadMs() {
    return threadSeconds() * 1e3;
}

inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Resident memory of this process, in KiB.
inline long residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * 4;
}

} // namespace measure
