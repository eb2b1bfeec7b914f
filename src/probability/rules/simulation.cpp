// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/rules/simulation.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace probability {

Coin coinToss(float r) {
    return r > 0.5f ? Coin::Pile : Coin::Face;
}

std::string_view coinText(Coin outcome) {
    return outcome == Coin::Pile ? " PILE" : "FACE";
}

int dieFace(float r) {
    // A draw is below 1, so the face is at most 6; the clamp keeps a faulty draw on the die.
    return std::clamp(int(std::floor(double(r) * 6.0 + 1.0)), 1, 6);
}

std::string_view faceText(int face) {
    static constexpr std::array<std::string_view, 6> texts{"1", "2", "3", "4", "5", "6"};
    return texts[std::size_t(std::clamp(face, 1, 6) - 1)];
}

std::uint8_t pipsOf(int face) {
    constexpr std::uint8_t corners = TopLeft | TopRight | BottomLeft | BottomRight;
    switch (face) {
    case 1:
        return Centre;
    case 2:
        return TopRight | BottomLeft;
    case 3:
        return Centre | TopRight | BottomLeft;
    case 4:
        return corners;
    case 5:
        return corners | Centre;
    case 6:
        return corners | MiddleLeft | MiddleRight;
    default:
        return kAllPips;
    }
}

std::optional<double> coinPercent(std::int64_t part, std::int64_t total) {
    if (total == 0)
        return std::nullopt;
    return double(part) / double(total) * 100.0;
}

std::optional<double> diePercent(std::int64_t part, std::int64_t total) {
    if (total == 0)
        return std::nullopt;
    // Below 2^53 the product is exact, as the 32-bit product it stands for was.
    return double(part) * 100.0 / double(total);
}

double tablePercent(double percent) {
    return std::round(percent * 100.0) / 100.0;
}

} // namespace probability
