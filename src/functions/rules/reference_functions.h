// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numbers/rect.h"

#include <array>
#include <cstdint>
#include <optional>

// The rules of the reference functions exercise: matching each value table to the curve of its
// function, then dragging each function's label next to its curve. Positions are in twips.
namespace functions {

// The four functions, in the order every control array of the exercise follows.
enum Function : int { Square = 0, Cube = 1, SquareRoot = 2, Inverse = 3 };
inline constexpr int kFunctionCount = 4;

constexpr bool isFunction(int i) {
    return i >= 0 && i < kFunctionCount;
}

struct Point {
    float left = 0;
    float top = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Where a matched table or a placed label goes: just right of its curve, top edges aligned.
Point besideCurve(const numbers::TwipsRect& curve);

// Whether a label dropped with its top-left corner at `label` lands on `curve`. The bounds are
// strict, and only the corner counts: a label may stick out of the curve's box.
bool dropAccepted(const numbers::TwipsRect& curve, Point label);

// The first stage: the pupil clicks a value table, then the curve of the same function. Each
// table counts once; the fourth table matched ends the stage, and from then on curve clicks count
// for nothing.
class Matching {
public:
    struct Outcome {
        bool matched = false;   // the clicked curve is the selected table's, matched just now
        bool stageOver = false; // that match was the fourth
    };

    void selectTable(int i);
    Outcome clickCurve(int i);

    std::optional<int> selected() const { return m_selected; }
    std::int16_t matchCount() const { return m_count; }
    bool isMatched(int i) const { return isFunction(i) && m_matched[std::size_t(i)]; }
    bool inDragStage() const { return m_dragStage; }

private:
    std::optional<int> m_selected;
    std::int16_t m_count = 0;
    std::array<bool, kFunctionCount> m_matched{};
    bool m_dragStage = false;
};

// The second stage: one label at a time follows the pointer while the button that picked it up
// is held; dropped on its own curve it snaps beside it, anywhere else it goes back to where the
// drag began. Mouse buttons: 1 left, 2 right, 4 middle, as the toolkit reports them.
class LabelDrag {
public:
    struct Drop {
        int item = 0;
        Point position;
        bool placed = false; // on its curve: its table of variation is revealed
    };

    // A button goes down on label `item` standing at `at`, the pointer at (x, y) inside it. A
    // second press while a label is being dragged changes nothing: the drag keeps its start.
    void press(int item, int button, Point at, float x, float y);
    // The pointer moves over label `item` standing at `at`, at (x, y) inside it, with `buttons`
    // held: the label's new place, or nothing when no drag of that label is under way.
    std::optional<Point> move(int item, int buttons, Point at, float x, float y) const;
    // A button comes up over label `item` standing at `at`: where the label ends, or nothing when
    // that button does not end a drag of that label.
    std::optional<Drop> release(int item, int button, Point at, const numbers::TwipsRect& curve);
    // Ends the drag under way without a drop: the label goes back to where the drag began.
    std::optional<Drop> cancel();

    bool dragging() const { return m_item.has_value(); }
    std::optional<int> item() const { return m_item; }

private:
    std::optional<int> m_item;
    int m_button = 0;
    Point m_start;     // the label's place when the button went down
    float m_grabX = 0; // where the pointer held it
    float m_grabY = 0;
};

} // namespace functions
