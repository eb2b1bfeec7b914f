// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard.h"

#include "shell/form.h"
#include "shell/toolkit/accessibility.h"

#include <utility>

Heard& Heard::now() {
    static Heard heard;
    return heard;
}

void Heard::listen() {
    ui::observeScreenReaderEvents([](QAccessibleEvent& event) {
        Heard& h = now();
        ++h.counts[event.type()];
        QAccessibleInterface* iface = event.accessibleInterface();
        if (!iface)
            return;
        switch (event.type()) {
        case QAccessible::ObjectShow:
            if (iface->role() == QAccessible::Notification)
                h.announcements << iface->text(QAccessible::Name);
            break;
        case QAccessible::ObjectCreated:
            if (iface->role() == QAccessible::ListItem) {
                h.addedLines << iface->text(QAccessible::Name);
                QAccessibleInterface* parent = iface->parent();
                h.addedLinesBelong &= parent && parent->role() == QAccessible::List &&
                                      parent->child(parent->indexOfChild(iface)) == iface;
            }
            break;
        default:
            break;
        }
    });
}

QStringList heardFrom(Form& form) {
    ui::announcerOf(&form.window())->flush();
    return std::exchange(Heard::now().announcements, {});
}
