// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <chrono>
#include <functional>
#include <vector>

class QAccessibleEvent;
class QLabel;

namespace ui {

// How screen readers see the toolkit's own widgets: windows as windows, frames as groups, the
// announcer as a notification. Installed once, before the first widget asks.
void installAccessibleFactories();

// Whether a screen reader (or an observer of the events) listens, so that work done only for it
// can be skipped otherwise.
bool screenReaderListening();

// Tells screen readers of a change, and the observer, if one is installed. Qt passes events to
// screen readers only while one is active; the observer sees the toolkit's events in any case.
void notifyScreenReaders(QAccessibleEvent& event);
// Watches what the toolkit tells screen readers (a test); an empty function stops watching.
void observeScreenReaderEvents(std::function<void(QAccessibleEvent&)> observer);

// While it lives, Qt's own messages to screen readers are held back: a change made to many
// controls at once (a grid filled, a hundred cells crossed out) is said once by its window rather
// than as a flood of events, which screen readers drop whole. Nests.
class QuietForScreenReaders {
public:
    QuietForScreenReaders();
    ~QuietForScreenReaders();
    QuietForScreenReaders(const QuietForScreenReaders&) = delete;
    QuietForScreenReaders& operator=(const QuietForScreenReaders&) = delete;

private:
    QAccessible::UpdateHandler m_previous;
};

// Speaks the results a window writes, politely: the phrases written during one turn of events
// are said together, at most once a second however often a long loop rewrites them. A window's
// announcer is an invisible notification that screen readers present when it is shown again
// with a new text.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    // A label's caption has been written: its spoken phrase (empty when the caption is) is said
    // at the next turn. When one turn rewrites several labels and some change, only the changed
    // ones are said; when none changes (the same button pressed again), all are said again.
    void labelWritten(const QLabel* label, const QString& phrase);
    // A phrase of its own, said at the next turn whatever else is said, before the captions.
    void say(const QString& phrase);
    // What was said last, for screen readers that read the notification again.
    QString lastSaid() const { return m_said; }
    // Says now what waits.
    void flush();

private:
    void schedule();

    struct Written {
        QPointer<const QLabel> label;
        QString phrase;
    };
    std::vector<Written> m_written;
    QStringList m_phrases;
    QHash<const QLabel*, QString> m_lastPhrase;
    QString m_said;
    bool m_pending = false;
    std::chrono::steady_clock::time_point m_lastFlush{};
};

// The announcer of the window a widget stands in, made on first use.
Announcer* announcerOf(QWidget* w);

} // namespace ui
