// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A list box filled to 10 000 000 lines the way the windows fill theirs: one line appended and
// the last one selected at a time, the production event pump called after each, while a 5 ms
// timer runs. For each stretch of the list (up to 10^5, 10^6 and 10^7 lines) it reports the
// largest gap of the timer and the time the pump took to show a batch, which should not grow
// with the length of the list.
#include "shell/production_services.h"
#include "shell/toolkit/list_box.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string_view>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

long residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * 4;
}

// The production pump, timing each time it runs the pending events (a batch of lines shown).
class TimedPump : public EventPump {
public:
    Clock::duration last{};

protected:
    void runPending() override {
        const auto start = Clock::now();
        EventPump::runPending();
        last = Clock::now() - start;
    }
};

struct Stretch {
    int upTo;
    Clock::duration largestGap{};
    Clock::duration largestBatch{};
    Clock::duration batchTotal{};
    int batches = 0;
    Clock::duration total{};
};

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QWidget window;
    window.resize(460, 340);
    ListBox list(&window, QStringLiteral("List1"), {240, 120, 2655, 2985});
    window.show();
    QCoreApplication::processEvents();

    TimedPump pump;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    Clock::time_point lastTick = Clock::now();
    Clock::duration gap{};
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const auto now = Clock::now();
        gap = std::max(gap, now - lastTick);
        lastTick = now;
    });
    ticker.start(5);

    std::vector<Stretch> stretches{{100'000}, {1'000'000}, {10'000'000}};
    const long before = residentKiB();
    int line = 0;
    for (Stretch& s : stretches) {
        const auto start = Clock::now();
        lastTick = start;
        gap = {};
        for (; line < s.upTo; ++line) {
            char text[16];
            const auto end = std::to_chars(text, text + sizeof text, 1'000'000'007LL + line).ptr;
            list.addItem(std::string_view(text, std::size_t(end - text)));
            list.selectLast();
            pump.last = {};
            pump();
            if (pump.last != Clock::duration{}) {
                ++s.batches;
                s.batchTotal += pump.last;
                s.largestBatch = std::max(s.largestBatch, pump.last);
            }
        }
        s.total = Clock::now() - start;
        s.largestGap = gap;
    }
    QCoreApplication::processEvents();
    const long added = residentKiB() - before;

    bool met = list.count() == 10'000'000 && list.shownSelection() == 10'000'000 - 1 &&
               list.item(9'999'999) == QStringLiteral("1010000006");
    std::printf("%-22s %10s %9s %12s %12s %14s\n", "lines", "fill s", "batches", "batch mean", "batch max",
                "largest gap");
    int from = 0;
    for (const Stretch& s : stretches) {
        std::printf("%9d .. %-9d %10.2f %9d %9.3f ms %9.3f ms %11.1f ms\n", from, s.upTo, ms(s.total) / 1000,
                    s.batches, s.batches ? ms(s.batchTotal) / s.batches : 0.0, ms(s.largestBatch),
                    ms(s.largestGap));
        met = met && s.largestGap <= std::chrono::milliseconds(20);
        from = s.upTo;
    }
    std::printf("list storage: %.1f bytes a line; resident memory added: %.1f bytes a line\n",
                double(list.model().bytesUsed()) / list.count(), added * 1024.0 / list.count());
    std::printf("%s\n", met ? "all targets met (largest gap <= 20 ms at every size)" : "TARGET MISSED");
    return met ? 0 : 2;
}
