// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>

// Start-up as the user meets it: with NS_REPORT_FIRST_PAINT set in the environment, the process
// writes "first-paint <nanoseconds> <processor nanoseconds>" (the monotonic clock, and the
// processor time of the process so far) on its error output once its first window has been
// painted and handed to the screen, so that a driver that noted the clock before
// starting it knows how long the user waited (bench/bench_first_paint.cpp). Unset, it costs one
// look at the environment. Header only, so that a bare Qt program can report the same way.
class FirstPaintReport : public QObject {
public:
    static void installIfAsked() {
        if (std::getenv("NS_REPORT_FIRST_PAINT"))
            QCoreApplication::instance()->installEventFilter(
                new FirstPaintReport(QCoreApplication::instance()));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool drawing = event->type() == QEvent::Expose || event->type() == QEvent::UpdateRequest;
        if (!drawing || !watched->isWindowType() || !static_cast<QWindow*>(watched)->isExposed())
            return false;
        QCoreApplication::instance()->removeEventFilter(this);
        // A window paints its widgets and hands the picture over while it handles this event.
        watched->event(event);
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        timespec used{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
        std::fprintf(stderr, "first-paint %lld %lld\n",
                     static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec,
                     static_cast<long long>(used.tv_sec) * 1'000'000'000LL + used.tv_nsec);
        std::fflush(stderr);
        deleteLater();
        return true;
    }

private:
    using QObject::QObject;
};
