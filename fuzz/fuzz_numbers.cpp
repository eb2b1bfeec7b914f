// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The conversions between texts and numbers, under both separators.
#include "shown_numbers.h"

#include <cstdint>
#include <cstring>

using numbers::NumberFormat;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (char sep : {',', '.'}) {
        const NumberFormat fmt(sep);
        const auto d = fmt.toDouble(text);
        const std::size_t prefix = fmt.longestDoublePrefix(text);
        if (d) {
            REQUIRE(std::isfinite(*d));
            REQUIRE(prefix == text.size());
            requireShownNumberReadsBack(fmt, *d);
        }
        if (prefix > 0)
            REQUIRE(fmt.toDouble(text.substr(0, prefix)).has_value());
        if (size <= 48)
            for (std::size_t n = prefix + 1; n <= size; ++n)
                REQUIRE(!fmt.toDouble(text.substr(0, n)).has_value());

        const auto i32 = fmt.toInt32(text);
        if (i32) {
            REQUIRE(d.has_value());
            REQUIRE(std::fabs(double(*i32) - *d) <= 0.5 + 1e-9 * std::fabs(*d));
            REQUIRE(fmt.toInt32(NumberFormat::integerText(*i32)) == i32);
        }
        const auto i16 = fmt.toInt16(text);
        if (i16)
            REQUIRE(i32 && *i32 == *i16);
        else if (i32)
            REQUIRE(*i32 < -32768 || *i32 > 32767);

        const double lead = NumberFormat::leadingNumber(text, sep);
        REQUIRE(!std::isnan(lead));
        if (d)
            REQUIRE(lead == *d);
    }
    if (size >= sizeof(double)) {
        FuzzInput in(data, size);
        const double x = in.value<double>();
        for (char sep : {',', '.'}) {
            const NumberFormat fmt(sep);
            requireShownNumberReadsBack(fmt, x);
            if (const auto n = NumberFormat::roundToInt32(x)) {
                REQUIRE(std::fabs(double(*n) - x) <= 0.5);
                REQUIRE(fmt.toInt32(fmt.numberText(double(*n))) == n);
            }
        }
    }
    return 0;
}
