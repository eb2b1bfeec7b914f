// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "primes/rules/divisor_table.h"

#include <algorithm>
#include <atomic>
#include <cstddef>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define NS_X86_VECTORS 1
#include <immintrin.h>
#endif

namespace primes {
namespace {

// Entry 2(i - 1) is the divisor 6i - 1 of pass i, entry 2(i - 1) + 1 the divisor 6i + 1. The
// vector paths read whole vectors past the last pass asked for: the table ends with a vector's
// worth of entries no number from 1 up is a multiple of (inverse 1, bound 0).
constexpr std::size_t kDivisors = 2 * std::size_t(kLastPass);
constexpr std::size_t kEntries = kDivisors + 32;

struct DivisorTable {
    alignas(64) std::uint32_t inverse[kEntries];
    alignas(64) std::uint32_t bound[kEntries];
};

constexpr DivisorTable makeTable() {
    DivisorTable t{};
    for (std::size_t k = 0; k < kEntries; ++k) {
        if (k >= kDivisors) {
            t.inverse[k] = 1;
            t.bound[k] = 0;
            continue;
        }
        const std::uint32_t d = std::uint32_t(6 * (k / 2 + 1)) + (k % 2 == 0 ? -1u : 1u);
        // Newton's step doubles the correct low bits; an odd d is its own inverse to 3 bits.
        std::uint32_t x = d;
        for (int step = 0; step < 4; ++step)
            x *= 2u - d * x;
        t.inverse[k] = x;
        t.bound[k] = UINT32_MAX / d;
    }
    return t;
}

constexpr DivisorTable kTable = makeTable();
static_assert(kTable.inverse[0] * 5u == 1u && kTable.inverse[1] * 7u == 1u);
static_assert(kTable.inverse[kDivisors - 1] * std::uint32_t(6 * kLastPass + 1) == 1u);

// The pass of the entry found dividing, `offset` entries after the first one of pass `first`;
// last + 1 when it lies past the last pass asked for.
inline int passOf(int first, std::size_t offset, int last) {
    return std::min(first + int(offset / 2), last + 1);
}

int plainFirstDividingPass(std::uint32_t n, int first, int last) {
    const std::uint32_t* inverse = kTable.inverse;
    const std::uint32_t* bound = kTable.bound;
    for (int i = first; i <= last; ++i) {
        const std::size_t k = 2 * std::size_t(i - 1);
        if (n * inverse[k] <= bound[k] || n * inverse[k + 1] <= bound[k + 1])
            return i;
    }
    return last + 1;
}

#ifdef NS_X86_VECTORS

// The vector paths go through the table in blocks of 32 entries (16 passes), aligned as the table
// is; in the first block the entries before pass `first` are left out of the answer. Most numbers
// that reach them have a divisor in their first block.
constexpr std::size_t kBlock = 32;

inline int firstFound(std::uint32_t lanes, std::size_t at, std::size_t begin, int first, int last) {
    return passOf(first, at + std::size_t(__builtin_ctz(lanes)) - begin, last);
}

// Eight divisors per instruction. Unsigned x <= b is min(x, b) == x.
__attribute__((target("avx2"))) int avx2FirstDividingPass(std::uint32_t n, int first, int last) {
    const __m256i times = _mm256_set1_epi32(int(n));
    const std::size_t begin = 2 * std::size_t(first - 1);
    const std::size_t end = 2 * std::size_t(last);
    std::size_t at = begin & ~(kBlock - 1);
    std::uint32_t keep = ~0u << (begin - at);
    for (; at < end; at += kBlock) {
        __m256i divides[4];
        for (int v = 0; v < 4; ++v) {
            const auto* inverse = reinterpret_cast<const __m256i*>(kTable.inverse + at) + v;
            const auto* bound = reinterpret_cast<const __m256i*>(kTable.bound + at) + v;
            const __m256i product = _mm256_mullo_epi32(times, _mm256_load_si256(inverse));
            divides[v] = _mm256_cmpeq_epi32(_mm256_min_epu32(product, _mm256_load_si256(bound)), product);
        }
        const __m256i any =
            _mm256_or_si256(_mm256_or_si256(divides[0], divides[1]), _mm256_or_si256(divides[2], divides[3]));
        if (!_mm256_testz_si256(any, any)) {
            std::uint32_t lanes = 0;
            for (int v = 0; v < 4; ++v)
                lanes |= std::uint32_t(_mm256_movemask_ps(_mm256_castsi256_ps(divides[v]))) << (8 * v);
            lanes &= keep;
            if (lanes != 0)
                return firstFound(lanes, at, begin, first, last);
        }
        keep = ~0u;
    }
    return last + 1;
}

// Sixteen divisors per instruction.
__attribute__((target("avx512f"))) int avx512FirstDividingPass(std::uint32_t n, int first, int last) {
    const __m512i times = _mm512_set1_epi32(int(n));
    const std::size_t begin = 2 * std::size_t(first - 1);
    const std::size_t end = 2 * std::size_t(last);
    std::size_t at = begin & ~(kBlock - 1);
    std::uint32_t keep = ~0u << (begin - at);
    for (; at < end; at += kBlock) {
        const __m512i low = _mm512_mullo_epi32(times, _mm512_load_si512(kTable.inverse + at));
        const __m512i high = _mm512_mullo_epi32(times, _mm512_load_si512(kTable.inverse + at + 16));
        const std::uint32_t lanes =
            (std::uint32_t(_mm512_cmple_epu32_mask(low, _mm512_load_si512(kTable.bound + at))) |
             std::uint32_t(_mm512_cmple_epu32_mask(high, _mm512_load_si512(kTable.bound + at + 16))) << 16) &
            keep;
        if (lanes != 0)
            return firstFound(lanes, at, begin, first, last);
        keep = ~0u;
    }
    return last + 1;
}

bool hasAvx2() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}

bool hasAvx512() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f");
}

#endif

using Kernel = int (*)(std::uint32_t, int, int);

struct Choice {
    Kernel kernel;
    DivisionPath path;
};

Choice choose(DivisionPath wanted) {
#ifdef NS_X86_VECTORS
    // Sixteen divisors per instruction went 1.5 to 2 times as fast as eight on the processor
    // the program was measured on.
    if (wanted == DivisionPath::Best)
        wanted = DivisionPath::Avx512;
    if (wanted == DivisionPath::Avx512 && hasAvx512())
        return {avx512FirstDividingPass, DivisionPath::Avx512};
    if (wanted != DivisionPath::Plain && hasAvx2())
        return {avx2FirstDividingPass, DivisionPath::Avx2};
#else
    (void)wanted;
#endif
    return {plainFirstDividingPass, DivisionPath::Plain};
}

int firstCall(std::uint32_t n, int first, int last);

// The way chosen; the first call chooses the best one.
constinit std::atomic<Kernel> g_kernel{firstCall};
constinit std::atomic<DivisionPath> g_path{DivisionPath::Best};

int firstCall(std::uint32_t n, int first, int last) {
    useDivisionPath(DivisionPath::Best);
    return firstDividingPass(n, first, last);
}

} // namespace

int firstDividingPass(std::uint32_t n, int first, int last) {
    last = std::min(last, kLastPass);
    if (first > last)
        return last + 1;
    return g_kernel.load(std::memory_order_relaxed)(n, first, last);
}

DivisionPath useDivisionPath(DivisionPath path) {
    const Choice choice = choose(path);
    g_path.store(choice.path, std::memory_order_relaxed);
    g_kernel.store(choice.kernel, std::memory_order_relaxed);
    return choice.path;
}

DivisionPath divisionPath() {
    if (g_path.load(std::memory_order_relaxed) == DivisionPath::Best)
        useDivisionPath(DivisionPath::Best);
    return g_path.load(std::memory_order_relaxed);
}

} // namespace primes
