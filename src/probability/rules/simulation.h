// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The rules of the coin and die simulation, free of any window.

namespace probability {

// The two experiments of the simulation: a coin toss, a throw of the die.
enum class Experiment { Coin, Die };

enum class Coin : std::uint8_t { Pile, Face };

// A toss: above one half gives pile, one half itself and below gives face.
Coin coinToss(float r);
// The outcome as the coin and its history show it; pile keeps its leading blank.
std::string_view coinText(Coin outcome);

// A throw: the whole part of r × 6 + 1, a face from 1 to 6.
int dieFace(float r);
// The face as the history shows it: "1" to "6".
std::string_view faceText(int face);

// The seven pips of the die, each a bit of a pip set.
enum Pip : std::uint8_t {
    TopLeft = 1 << 0,
    MiddleLeft = 1 << 1,
    BottomLeft = 1 << 2,
    Centre = 1 << 3,
    TopRight = 1 << 4,
    MiddleRight = 1 << 5,
    BottomRight = 1 << 6,
};
inline constexpr std::uint8_t kAllPips = 0x7f;
// The pips that show a face.
std::uint8_t pipsOf(int face);

// A share of a total, in per cent: part ÷ total × 100 for the coin (dividing first), part × 100 ÷
// total for the die; the two orders round differently in the last digit. Nothing for a total of 0.
// The counts are 64-bit, and their products by 100 exact for every count the program can reach.
std::optional<double> coinPercent(std::int64_t part, std::int64_t total);
std::optional<double> diePercent(std::int64_t part, std::int64_t total);
// A percentage as the tables show it: rounded to two decimals, so that it reads at the table's
// size («18,67»); the whole value goes to the tooltip and the screen reader.
double tablePercent(double percent);

} // namespace probability
