// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "functions/rules/reference_functions.h"

namespace functions {

namespace {
// Room left between a curve and what snaps beside it.
constexpr float kGapBesideCurve = 50;
// How far a dropped label's corner may stand left of or above its curve's box and still count,
// and how far below it.
constexpr float kSlackLeft = 200;
constexpr float kSlackAbove = 100;
constexpr float kSlackBelow = 100;
} // namespace

Point besideCurve(const numbers::TwipsRect& curve) {
    return {.left = float(curve.right()) + kGapBesideCurve, .top = float(curve.top)};
}

bool dropAccepted(const numbers::TwipsRect& curve, Point label) {
    return float(curve.left) - kSlackLeft < label.left && label.left < float(curve.right()) &&
           float(curve.top) - kSlackAbove < label.top && label.top < float(curve.bottom()) + kSlackBelow;
}

void Matching::selectTable(int i) {
    if (isFunction(i))
        m_selected = i;
}

Matching::Outcome Matching::clickCurve(int i) {
    Outcome outcome;
    if (m_dragStage || !isFunction(i) || m_selected != i || m_matched[std::size_t(i)])
        return outcome;
    m_matched[std::size_t(i)] = true;
    ++m_count;
    outcome.matched = true;
    if (m_count > 3) {
        outcome.stageOver = true;
        m_count = 0;
        m_dragStage = true;
    }
    return outcome;
}

void LabelDrag::press(int item, int button, Point at, float x, float y) {
    if (m_item || !isFunction(item) || button == 0)
        return;
    m_item = item;
    m_button = button;
    m_start = at;
    m_grabX = x;
    m_grabY = y;
}

std::optional<Point> LabelDrag::move(int item, int buttons, Point at, float x, float y) const {
    // Without the button held the pointer merely passes over: a release that never arrived must
    // not leave the label stuck to the pointer.
    if (m_item != item || (buttons & m_button) == 0)
        return std::nullopt;
    return Point{.left = at.left + x - m_grabX, .top = at.top + y - m_grabY};
}

std::optional<LabelDrag::Drop> LabelDrag::release(int item, int button, Point at,
                                                  const numbers::TwipsRect& curve) {
    if (m_item != item || button != m_button)
        return std::nullopt;
    m_item.reset();
    if (dropAccepted(curve, at))
        return Drop{.item = item, .position = besideCurve(curve), .placed = true};
    return Drop{.item = item, .position = m_start, .placed = false};
}

std::optional<LabelDrag::Drop> LabelDrag::cancel() {
    if (!m_item)
        return std::nullopt;
    const Drop back{.item = *m_item, .position = m_start, .placed = false};
    m_item.reset();
    return back;
}

} // namespace functions
