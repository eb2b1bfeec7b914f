// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/number_format.h"
#include "numbers/skip_on_error.h"

#include <QTest>

using numbers::need;
using numbers::NumberFormat;
using numbers::SkipOnError;
namespace checked = numbers::checked;

class TestSkipOnError : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void failedStepHasNoEffectAndTheNextRuns() {
        const NumberFormat f(',');
        SkipOnError run;
        double a = 7, b = 0;
        run.step([&] { a = need(f.toDouble("abc")); });
        run.step([&] { b = need(f.toDouble("2,5")); });
        run.step([&] { a = checked::div(b, 0); });
        run.step([&] { a = checked::sqrt(-1); });
        run.step([&] { a = checked::finite(1e308 * 10); });
        QCOMPARE(a, 7.0);
        QCOMPARE(b, 2.5);
        QCOMPARE(run.failures(), 4);
    }

    void failedTestCountsAsPassed() {
        const NumberFormat f(',');
        SkipOnError run;
        QVERIFY(run.test([&] { return need(f.toDouble("")) > 0; }));
        QVERIFY(run.test([&] { return checked::div(1, 0) > 0; }));
        QVERIFY(run.test([] { return true; }));
        QVERIFY(!run.test([] { return false; }));
        QCOMPARE(run.failures(), 2);
    }

    void integerWidthsAreChecked() {
        SkipOnError run;
        std::int16_t small = 1;
        std::int32_t big = 1;
        run.step([&] { small = checked::fit<std::int16_t>(32768); });
        run.step([&] { big = checked::fit<std::int32_t>(-2147483648LL); });
        QCOMPARE(small, std::int16_t(1));
        QCOMPARE(big, std::int32_t(-2147483647 - 1));
        QCOMPARE(run.failures(), 1);
    }
};

QTEST_APPLESS_MAIN(TestSkipOnError)
#include "tst_skip_on_error.moc"
