// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The input filters: each narrower filter accepts only what the wider ones accept, the empty text
// always passes, and every number the program shows passes the filters of its kind.
#include "shown_numbers.h"

#include "equations/rules/affine.h"
#include "shell/rules/filter_rules.h"

using numbers::NumberFormat;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (char sep : {',', '.'}) {
        const NumberFormat fmt(sep);
        const bool digit = digitFilterAccepts(fmt, text);
        const bool bound = boundFilterAccepts(fmt, text);
        const bool sign = signedFilterAccepts(fmt, text);
        REQUIRE(!digit || bound);
        REQUIRE(!bound || sign);
        if (!text.empty() && text != "-" && sign)
            REQUIRE(fmt.toDouble(text).has_value());
        REQUIRE(digitFilterAccepts(fmt, "") && boundFilterAccepts(fmt, "") && signedFilterAccepts(fmt, "-"));

        // The trim-to-number filter keeps a beginning that it keeps whole when run again.
        const std::string kept = equations::affine::longestNumberPrefix(fmt, text);
        REQUIRE(text.substr(0, kept.size()) == kept);
        REQUIRE(equations::affine::longestNumberPrefix(fmt, kept) == kept);
        if (!kept.empty())
            REQUIRE(fmt.toDouble(kept).has_value());

        if (size >= sizeof(double)) {
            FuzzInput in(data, size);
            const double x = in.value<double>();
            if (std::isfinite(x)) {
                const std::string shown = fmt.numberText(x);
                REQUIRE(signedFilterAccepts(fmt, shown));
                REQUIRE(equations::affine::longestNumberPrefix(fmt, shown) == shown);
                if (x >= 0)
                    REQUIRE(boundFilterAccepts(fmt, shown));
                if (x >= 0 && x == std::trunc(x))
                    REQUIRE(digitFilterAccepts(fmt, shown));
            }
        }
    }
    return 0;
}
