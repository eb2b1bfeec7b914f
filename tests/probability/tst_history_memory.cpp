// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// "Effacer" after a long series gives the history's memory back to the system, even when
// something allocated after the history would keep the C library from shrinking its heap. The
// very long series (2 147 483 647 tosses) is measured in bench/bench_history_memory.cpp.

#include "test_program.h"

#include "probability/simulation_window.h"

#include <fstream>
#include <memory>

using namespace ui;

namespace {
long residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * 4;
}
} // namespace

class TestHistoryMemory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    void clearGivesTheHistoryBack() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the address sanitizer keeps freed memory in quarantine: run this test in a release build");
#endif
        ShownForm<SimulationWindow> f;
        f.tp.pump.setDue(false);
        const long before = residentKiB();
        f.form.throwDie(10'000'000);
        // Made after the history, as the labels of the window are: it sits above the history's
        // blocks in the heap.
        const auto pinned = std::make_unique<char[]>(96 * 1024);
        pinned[0] = 1;
        const long afterSeries = residentKiB();
        f.form.clearDie();
        const long afterClear = residentKiB();
        const QString figures = QStringLiteral("%1 KiB, %2 KiB after the series, %3 KiB after Effacer")
                                    .arg(before)
                                    .arg(afterSeries)
                                    .arg(afterClear);
        qInfo("%s", qPrintable(figures));
        QVERIFY2(afterSeries - before > 8 * 1024, qPrintable(figures));
        QVERIFY2(afterClear - before < (afterSeries - before) / 4, qPrintable(figures));
    }
};

QTEST_MAIN(TestHistoryMemory)
#include "tst_history_memory.moc"
