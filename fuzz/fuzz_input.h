// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

// Stops the run, with the broken invariant, so that libFuzzer keeps the input that broke it.
#define REQUIRE(cond)                                                                                        \
    do {                                                                                                     \
        if (!(cond)) {                                                                                       \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #cond);                \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)

// Takes typed values off the front of a fuzzer's input. Texts are separated by line feeds, so
// that the seeds are readable: «1\n-3\n2\n0» is four texts.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : m_rest(reinterpret_cast<const char*>(data), size) {}

    std::string_view text() {
        const std::size_t end = m_rest.find('\n');
        const std::string_view t = m_rest.substr(0, end);
        m_rest.remove_prefix(end == std::string_view::npos ? m_rest.size() : end + 1);
        return t;
    }
    template <class T> T value() {
        T v{};
        const std::size_t n = m_rest.size() < sizeof(T) ? m_rest.size() : sizeof(T);
        std::memcpy(&v, m_rest.data(), n);
        m_rest.remove_prefix(n);
        return v;
    }
    bool empty() const { return m_rest.empty(); }
    std::string_view rest() const { return m_rest; }

private:
    std::string_view m_rest;
};
