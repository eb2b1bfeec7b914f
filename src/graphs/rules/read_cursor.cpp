// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/rules/read_cursor.h"

#include <algorithm>
#include <cmath>

namespace graphs {

std::optional<ReadCursor> ReadCursor::on(const Scales& s, double width) {
    if (!std::isfinite(s.xScale) || !(s.xScale > 0) || !std::isfinite(s.originX) || !(width > 0))
        return std::nullopt;
    // The smallest round step at least minStepTwips wide.
    const double least = minStepTwips / s.xScale;
    double power = std::pow(10.0, std::floor(std::log10(least)));
    double units = 0;
    for (int tries = 0; tries < 4 && units == 0; ++tries, power *= 10)
        for (double m : {1.0, 2.0, 5.0})
            if (units == 0 && m * power * s.xScale >= minStepTwips * (1 - 1e-12))
                units = m * power;
    if (!(units > 0) || !std::isfinite(units))
        return std::nullopt;
    ReadCursor c;
    c.m_origin = s.originX;
    c.m_stepUnits = units;
    c.m_step = units * s.xScale;
    c.m_width = width;
    // The stops counted from x = 0; far from it, the stops land where the doubles allow, always
    // on the surface.
    c.m_first = std::clamp(c.m_origin + std::ceil(-c.m_origin / c.m_step - 1e-9) * c.m_step, 0.0, width);
    c.m_last =
        std::clamp(c.m_origin + std::floor((width - c.m_origin) / c.m_step + 1e-9) * c.m_step, 0.0, width);
    if (!std::isfinite(c.m_first) || !std::isfinite(c.m_last) || c.m_first > c.m_last)
        return std::nullopt;
    return c;
}

double ReadCursor::stopNear(double X, double step) const {
    return m_origin + std::round((X - m_origin) / step) * step;
}

double ReadCursor::start() const {
    if (m_origin >= m_first && m_origin <= m_last)
        return m_origin;
    return std::clamp(stopNear(m_width / 2, m_step), m_first, m_last);
}

double ReadCursor::next(double X, int direction, bool fine) const {
    const double step = fine ? m_step / 4 : m_step;
    // The first stop beyond X that way; a cursor between stops goes to the neighbouring one.
    const double k = (X - m_origin) / step;
    constexpr double tolerance = 1e-6;
    const double n = direction > 0 ? std::floor(k + tolerance) + 1 : std::ceil(k - tolerance) - 1;
    const double to = m_origin + n * step;
    if (!std::isfinite(to) || to < -tolerance || to > m_width + tolerance)
        return X;
    return std::clamp(to, 0.0, m_width);
}

} // namespace graphs
