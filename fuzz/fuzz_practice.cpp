// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Practice: any text as a pupil's answer to an exercise of any kind, level and series, and as a
// series code. An answer is right, wrong, or told what to write; the exercise's own exact answer,
// written as the corrections write it, is right.
#include "fuzz_input.h"

#include "practice/rules/exercise.h"
#include "practice/rules/exercise_text.h"
#include "practice/rules/series_code.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    const int kind = data[0] % practice::kKindCount;
    const int level = data[1] % practice::kLevelCount + 1;
    FuzzInput in(data + 2, size - 2);
    const auto code = in.value<std::uint16_t>();
    const numbers::NumberFormat fmt(code & 1 ? '.' : ',');
    const practice::Exercise e = practice::makeExercise(fmt, practice::Kind(kind), level, code, code % 10);
    REQUIRE(!e.question.empty() && !e.answer.empty() && !e.correction.empty());
    const std::string_view answer = in.rest();
    const practice::Check c = practice::check(e.expected, answer);
    REQUIRE(c.verdict != practice::Verdict::Unreadable || !c.message.empty());
    if (e.expected.shape == practice::Expected::Shape::Number)
        REQUIRE(practice::check(e.expected, practice::surdText(fmt, e.expected.values.at(0))).verdict ==
                practice::Verdict::Right);
    if (const auto typed = practice::readCode(answer))
        REQUIRE(*typed >= practice::kFirstCode && *typed <= practice::kLastCode);
    return 0;
}
