// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace storage {

// An array that grows by fixed blocks. Appending never moves what is already stored, so a list of
// a hundred million entries neither copies itself nor holds twice its size while it grows, and the
// cost of an append is the same at every length.
template <typename T, std::size_t BlockSize = 16384> class ChunkedArray {
public:
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }

    void push_back(T value) {
        if (m_size == m_blocks.size() * BlockSize)
            m_blocks.push_back(std::make_unique_for_overwrite<T[]>(BlockSize));
        m_blocks.back()[m_size % BlockSize] = value;
        ++m_size;
    }

    // Appends n values, crossing into new blocks as needed.
    void append(const T* values, std::size_t n) {
        while (n > 0) {
            if (m_size == m_blocks.size() * BlockSize)
                m_blocks.push_back(std::make_unique_for_overwrite<T[]>(BlockSize));
            const std::size_t at = m_size % BlockSize;
            const std::size_t take = std::min(n, BlockSize - at);
            std::copy(values, values + take, m_blocks.back().get() + at);
            values += take;
            n -= take;
            m_size += take;
        }
    }

    T operator[](std::size_t i) const { return m_blocks[i / BlockSize][i % BlockSize]; }

    // Copies the values [begin, end) to out.
    template <typename Out> void copy(std::size_t begin, std::size_t end, Out out) const {
        while (begin < end) {
            const std::size_t at = begin % BlockSize;
            const std::size_t take = std::min(end - begin, BlockSize - at);
            const T* block = m_blocks[begin / BlockSize].get() + at;
            out = std::copy(block, block + take, out);
            begin += take;
        }
    }

    void clear() {
        std::vector<std::unique_ptr<T[]>>().swap(m_blocks);
        m_size = 0;
    }

    std::size_t bytesUsed() const {
        return m_blocks.size() * BlockSize * sizeof(T) + m_blocks.capacity() * sizeof(void*);
    }

private:
    std::vector<std::unique_ptr<T[]>> m_blocks;
    std::size_t m_size = 0;
};

// Blocks are small enough for the C library to keep them in its heap once freed, where anything
// allocated after them pins them: after clearing a long list (at least this much), the free pages
// go back to the system.
inline constexpr std::size_t kGiveBackAbove = std::size_t(8) << 20;
inline void giveBackFreedMemory(std::size_t heldBytes) {
#ifdef __GLIBC__
    if (heldBytes >= kGiveBackAbove)
        malloc_trim(0);
#else
    (void)heldBytes;
#endif
}

} // namespace storage
