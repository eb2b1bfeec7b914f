# SPDX-FileCopyrightText: 2026 Niveau Seconde developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Waiting on the accessibility bus, shared by the screen-reader checks: events are delivered
only while the GLib main context runs."""
import time

from gi.repository import GLib


def pump(seconds):
    """Lets the bus deliver events for a while."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(condition, seconds=10.0):
    """The condition's first true value within the time, or its last value."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        pump(0.1)
    return condition()
