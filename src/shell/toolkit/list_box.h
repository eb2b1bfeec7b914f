// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/toolkit/list_lines.h"
#include "shell/toolkit/style.h"
#include "shell/toolkit/twips.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QHash>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

namespace ui {

// A list box: append at the end, clear, select a line (the last one, or the one the pupil picks
// with the mouse or the keyboard). It shows its own lines, or the lines of a model handed to it
// (see LinesSource), which tells it when they grow or go. It draws only the lines in view, all of
// one height, so that appending, selecting and painting cost the same at ten lines and at ten
// million. Appended lines and the selection reach the screen in one batch when events next run,
// at most about sixty times a second (as often as a screen shows anything), so appending stays
// cheap inside long loops. Lines wider than the list are shown whole, with a sideways scroll bar
// as wide as the widest line that has come into view. Screen readers read it as a list of its
// lines.
class ListBox : public QAbstractScrollArea {
    Q_OBJECT
public:
    ListBox(QWidget* parent, const QString& name, const TwipsRect& r, const FontSpec& font = {});
    ~ListBox() override;

    // The list's own lines (see ListLines).
    void addItem(const QString& line);
    // The same for a line already in UTF-8, which long loops can make without allocating.
    void addItem(std::string_view utf8);
    // A whole number as a line: a list of increasing numbers takes about a byte a line.
    void addNumber(std::int64_t value);
    void clear();
    const ListLines& ownLines() const { return m_ownLines; }

    // Shows the lines of a model instead of the list's own; the list keeps the source until it
    // goes. The source tells the list of its changes through the two calls below.
    void showLines(std::unique_ptr<LinesSource> source);
    // Lines were added to the source: they are shown when events next run.
    void linesAdded() { schedulePublish(); }
    // The source was emptied: nothing is shown or selected any more.
    void linesCleared();

    int count() const { return m_lines->count(); }
    QString item(int row) const { return m_lines->at(row); }
    // The selected line, or -1; the value the pupil will see once events have run.
    int listIndex() const { return m_followsEnd && count() > m_shown ? count() - 1 : m_selected; }
    void selectLast();
    // Selects the last line each time new lines are shown, as a history does.
    void followEnd() { m_followsEnd = true; }
    // New lines and the selection are shown the next time events run, however soon, rather than
    // at most once a frame: what the list shows then depends on the events alone, not on the clock.
    void showAtNextEvents() { m_frame = std::chrono::milliseconds(0); }

    // What the screen shows: the lines shown so far, the selected one among them (or -1), and the
    // first line in view.
    int shownCount() const { return m_shown; }
    int shownSelection() const { return m_selected < m_shown ? m_selected : -1; }
    int topRow() const;
    int rowHeight() const;
    // The line under a point of the viewport, or -1.
    int rowAt(QPoint viewportPos) const;
    QRect rowRect(int row) const;

    // Runs `f` once, right after the lines appended so far reach the screen, so that a window can
    // show a figure that goes with them (a count) at the same moment.
    void whenShown(std::function<void()> f) {
        m_whenShown = std::move(f);
        schedulePublish();
    }

    // The accessible interface of a shown line, made when first asked for.
    QAccessibleInterface* accessibleRow(int row) const;

Q_SIGNALS:
    // The pupil picked a line with the mouse or the keyboard (also the line already selected).
    void picked(int row);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool viewportEvent(QEvent* e) override;

private:
    void schedulePublish();
    void publish();
    void updateScrollBars();
    void scrollToRow(int row);
    void measureRowsInView();
    // The pupil picks a line: it becomes the selected one and comes into view.
    void pick(int row);
    void announceSelection();
    void forgetAccessibleRows();

    ListLines m_ownLines;
    std::unique_ptr<LinesSource> m_source;
    const LinesSource* m_lines = &m_ownLines;
    int m_shown = 0;
    int m_selected = -1;
    int m_widest = 0; // the widest line that has come into view, in pixels
    bool m_followsEnd = false;
    bool m_publishPending = false;
    std::chrono::steady_clock::time_point m_lastPublish;
    std::chrono::milliseconds m_frame;
    std::function<void()> m_whenShown;
    mutable QHash<int, QAccessible::Id> m_accessibleRows;
};

} // namespace ui
