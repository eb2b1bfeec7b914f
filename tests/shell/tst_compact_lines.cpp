// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/list_lines.h"

#include <QTest>

#include <climits>
#include <string>
#include <vector>

using namespace ui;

namespace {

std::vector<std::int64_t> primesBelow(std::int64_t limit) {
    std::vector<bool> composite(std::size_t(limit), false);
    std::vector<std::int64_t> primes;
    for (std::int64_t i = 2; i < limit; ++i) {
        if (composite[std::size_t(i)])
            continue;
        primes.push_back(i);
        for (std::int64_t j = i * i; j < limit; j += i)
            composite[std::size_t(j)] = true;
    }
    return primes;
}

} // namespace

class TestCompactLines : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsBackEveryLine_data() {
        QTest::addColumn<std::vector<std::int64_t>>("numbers");
        QTest::newRow("primes below 300000") << primesBelow(300'000);
        std::vector<std::int64_t> top;
        for (std::int64_t n = 2147483647 - 1000; n <= 2147483647; n += 3)
            top.push_back(n);
        top.push_back(4294967295);
        top.push_back(4294967296);
        QTest::newRow("end of the 32-bit range") << top;
        // Gaps on both sides of a byte, and gaps across the whole 64-bit range.
        std::vector<std::int64_t> gaps{LLONG_MIN, -1'000'000, -1, 0, 255, 511, 767, 768, 1024};
        for (int i = 0; i < 300; ++i)
            gaps.push_back(gaps.back() + 1 + (i * 37) % 300);
        gaps.push_back(LLONG_MAX);
        QTest::newRow("large gaps") << gaps;
        QTest::newRow("one line") << std::vector<std::int64_t>{7};
        std::vector<std::int64_t> marks;
        for (std::int64_t n = 1; n <= 129; ++n)
            marks.push_back(n * 1000);
        QTest::newRow("one past a whole number") << marks;
    }
    void readsBackEveryLine() {
        QFETCH(std::vector<std::int64_t>, numbers);
        ListLines lines;
        for (const std::int64_t n : numbers)
            lines.appendNumber(n);
        QCOMPARE(lines.count(), int(numbers.size()));
        for (std::size_t row = 0; row < numbers.size(); ++row)
            if (lines.at(int(row)) != QString::number(numbers[row]))
                QFAIL(qPrintable(QStringLiteral("line %1: %2 instead of %3")
                                     .arg(row)
                                     .arg(lines.at(int(row)))
                                     .arg(numbers[row])));
        QCOMPARE(lines.at(-1), QString());
        QCOMPARE(lines.at(int(numbers.size())), QString());
    }

    void primesTakeAboutAByteALine() {
        const auto primes = primesBelow(3'000'000);
        ListLines lines;
        for (const std::int64_t p : primes)
            lines.appendNumber(p);
        QVERIFY2(double(lines.bytesUsed()) / double(primes.size()) < 1.3,
                 qPrintable(QString::number(lines.bytesUsed())));
        QCOMPARE(lines.at(int(primes.size()) - 1), QStringLiteral("2999999"));
        lines.clear();
        QCOMPARE(lines.count(), 0);
        QVERIFY(lines.bytesUsed() < 1024);
        lines.appendNumber(5);
        QCOMPARE(lines.at(0), QStringLiteral("5"));
    }

    // A line that does not continue the increasing numbers turns the list into text, in order.
    void otherLinesTurnTheNumbersIntoText() {
        ListLines lines;
        for (const std::int64_t n : {2, 3, 5, 7})
            lines.appendNumber(n);
        lines.appendNumber(2); // a second search listed after the first
        lines.appendNumber(300);
        lines.append("fin");
        lines.appendNumber(1000);
        QStringList all;
        for (int row = 0; row < lines.count(); ++row)
            all << lines.at(row);
        QCOMPARE(all, (QStringList{"2", "3", "5", "7", "2", "300", "fin", "1000"}));
    }
};

QTEST_APPLESS_MAIN(TestCompactLines)
#include "tst_compact_lines.moc"
