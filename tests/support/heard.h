// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QHash>
#include <QStringList>

class Form;

// What the program tells screen readers, recorded from the toolkit's events once `listen()` has
// been called: the announcements, the lines lists say were added, the events of every kind.
struct Heard {
    QStringList announcements;
    // The names of the lines a list said were added, and whether each was a line of that list.
    QStringList addedLines;
    bool addedLinesBelong = true;
    // How many events of each type were sent.
    QHash<QAccessible::Event, int> counts;

    static Heard& now();
    static void listen();
    // Forgets what was heard so far.
    static void clear() { now() = {}; }
};

// What a window has announced since last asked, including what waits in its announcer.
QStringList heardFrom(Form& form);
