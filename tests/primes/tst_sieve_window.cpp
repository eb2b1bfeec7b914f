// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/reference_primality.h"
#include "test_program.h"

#include "primes/rules/sieve.h"
#include "primes/sieve_window.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

#include <QApplication>
#include <QElapsedTimer>

#include <set>

using namespace ui;

namespace {
using W = SieveWindow;

// The column from top to bottom, the buttons of the numbers 1 to 18: object name and caption.
const std::pair<const char*, const char*> kColumn[] = {
    {"Command1", "1"},
    {"Command2", "Multiples de 2"},
    {"Command3", "Multiples de 3"},
    {"Command4", "Multiples de 4"},
    {"Command5", "Multiples de 5"},
    {"Command9", "Multiples de 6"},
    {"Command8", "Multiples de 7"},
    {"Command7", "Multiples de 8"},
    {"Command6", "Multiples de 9"},
    {"Command11", "Multiples de 10"},
    {"Command10", "Multiples de 11"},
    {"Command15", "Multiples de 12"},
    {"Command14", "Multiples de 13"},
    {"Command13", "Multiples de 14"},
    {"Command12", "Multiples de 15"},
    {"Command18", "Multiples de 16"},
    {"Command17", "Multiples de 17"},
    {"Command16", "Multiples de 18"},
};
// The numbers that are neither 1 nor 2, 3, 5, 7, 11, 13.
const int kInactive[] = {4, 6, 8, 9, 10, 12, 14, 15, 16, 17, 18};

} // namespace

class TestSieveWindow : public QObject {
    Q_OBJECT

    struct Window : ShownForm<SieveWindow> {
        using ShownForm::ShownForm;
        TextBox* cell(int k) { return control(form, W::cells[k]); }
        bool marked(int k) {
            return cell(k)->palette().color(QPalette::Base) ==
                   QApplication::palette().color(QPalette::Highlight);
        }
        // The cells 0 to 250, true where marked.
        std::vector<bool> marks() {
            std::vector<bool> m;
            for (int k = 0; k <= 250; ++k)
                m.push_back(marked(k));
            return m;
        }
        std::set<int> unmarkedVisible() {
            std::set<int> left;
            for (int k = 1; k <= 250; ++k)
                if (!marked(k))
                    left.insert(k);
            return left;
        }
        // The button of the column that stands for that number.
        void press(int number) { QTest::mouseClick(control(form, W::buttonFor(number)), Qt::LeftButton); }
        void correct() { QTest::mouseClick(control(form, W::correctionButton), Qt::LeftButton); }
        MultiLineTextBox* answer(int i) { return control(form, W::answerBoxes[i]); }
    };

    static std::set<int> primesUpTo250() {
        std::set<int> primes;
        for (int k = 1; k <= 250; ++k)
            if (reference::isPrime(k))
                primes.insert(k);
        return primes;
    }

private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    void cells_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("1 starts the first row") << 1 << 3120 << 600;
        QTest::newRow("10 ends the first row") << 10 << 7440 << 600;
        QTest::newRow("11 starts the second row") << 11 << 3120 << 960;
        QTest::newRow("125") << 125 << 5040 << 4920;
        QTest::newRow("241 starts the last row") << 241 << 3120 << 9240;
        QTest::newRow("250 ends the last row") << 250 << 7440 << 9240;
        QTest::newRow("0 lies outside") << 0 << 240 << 0;
    }
    void cells() {
        QFETCH(int, k);
        QFETCH(int, left);
        QFETCH(int, top);
        Window w;
        TextBox* c = w.cell(k);
        QCOMPARE(c->text(), QString::number(k));
        QVERIFY(c->isReadOnly());
        QCOMPARE(c->isVisible(), k != 0);
        const twips::Rect r = twips::placeOf(c);
        QCOMPARE(r.left, left);
        QCOMPARE(r.top, top);
        QCOMPARE(r.width, 495);
        QCOMPARE(r.height, 405);
        QVERIFY(!w.marked(k));
    }

    void gridHasTheNumbers0To250() {
        Window w;
        int cells = 0;
        for (TextBox* box : w.form.window().findChildren<TextBox*>()) {
            QVERIFY(box->objectName().startsWith(QStringLiteral("Text1(")));
            ++cells;
        }
        QCOMPARE(cells, 251);
        for (int k = 0; k <= 250; ++k)
            QCOMPARE(w.cell(k)->text(), QString::number(k));
    }

    void columnReadsTopToBottom() {
        Window w;
        int top = 1080;
        int number = 1;
        for (const auto& [name, caption] : kColumn) {
            QCOMPARE(W::buttonFor(number).name, QString::fromLatin1(name));
            auto* b = control(w.form, W::buttonFor(number++));
            QCOMPARE(b->objectName(), QString::fromLatin1(name));
            QCOMPARE(b->caption(), QString::fromUtf8(caption));
            const twips::Rect r = twips::placeOf(b);
            QCOMPARE(r.top, top);
            QCOMPARE(r.left, 600);
            QCOMPARE(r.width, 1215);
            QCOMPARE(r.height, 495);
            top += 480;
        }
        QCOMPARE(top - 480, 9240);
    }

    // "1" and the six acting buttons, in any order and mixed with the others.
    void sieveLeavesExactlyThePrimes_data() {
        QTest::addColumn<QList<int>>("pressed");
        QTest::newRow("top to bottom") << QList<int>{1, 2, 3, 5, 7, 11, 13};
        QTest::newRow("bottom to top") << QList<int>{13, 11, 7, 5, 3, 2, 1};
        QList<int> all;
        for (int number = 18; number >= 1; --number)
            all << number;
        all << 3 << 1;
        QTest::newRow("every button, some twice") << all;
    }
    void sieveLeavesExactlyThePrimes() {
        QFETCH(QList<int>, pressed);
        Window w;
        for (const int number : pressed)
            w.press(number);
        const std::set<int> left = w.unmarkedVisible();
        QCOMPARE(left, primesUpTo250());
        QCOMPARE(int(left.size()), 53);
        QCOMPARE(*left.rbegin(), 241);
        // Marking changes nothing else in a cell.
        for (int k = 0; k <= 250; ++k)
            QCOMPARE(w.cell(k)->text(), QString::number(k));
    }

    void actingButtonSparesItsOwnNumber_data() {
        QTest::addColumn<int>("k");
        for (const int k : {2, 3, 5, 7, 11, 13})
            QTest::newRow(qPrintable(QString::number(k))) << k;
    }
    void actingButtonSparesItsOwnNumber() {
        QFETCH(int, k);
        Window w;
        w.press(k);
        w.press(k);
        for (int i = 1; i <= 250; ++i)
            QVERIFY2(w.marked(i) == (i % k == 0 && i != k), qPrintable(QString::number(i)));
        QVERIFY(w.marked(0));
    }

    void oneMarksOnlyOne() {
        Window w;
        w.press(1);
        QCOMPARE(w.unmarkedVisible().size(), std::size_t(249));
        QVERIFY(w.marked(1));
    }

    void elevenAndThirteen() {
        Window w;
        for (const int number : {1, 2, 3, 5, 7})
            w.press(number);
        const std::set<int> afterSeven = w.unmarkedVisible();
        w.press(11);
        const std::set<int> afterEleven = w.unmarkedVisible();
        w.press(13);
        const std::set<int> afterThirteen = w.unmarkedVisible();
        std::set<int> byEleven;
        std::set<int> byThirteen;
        std::ranges::set_difference(afterSeven, afterEleven, std::inserter(byEleven, byEleven.end()));
        std::ranges::set_difference(afterEleven, afterThirteen, std::inserter(byThirteen, byThirteen.end()));
        QCOMPARE(byEleven, (std::set<int>{121, 143, 187, 209}));
        QCOMPARE(byThirteen, (std::set<int>{169, 221, 247}));
    }

    void inactiveButtonsNeverChangeTheGrid_data() {
        QTest::addColumn<int>("number");
        for (const int number : kInactive)
            QTest::newRow(qPrintable(QString::number(number))) << number;
    }
    void inactiveButtonsNeverChangeTheGrid() {
        QFETCH(int, number);
        Window w;
        // From an unmarked grid, then after each acting button in turn.
        for (const int before : {0, 1, 2, 3, 5, 7, 11, 13}) {
            if (before)
                w.press(before);
            const std::vector<bool> marks = w.marks();
            w.press(number);
            QVERIFY2(w.marks() == marks, qPrintable(QString::number(before)));
        }
    }

    // The colour is the desktop's selection colour, as the pupil sees it.
    void markedCellShowsTheSelectionColour() {
        Window w;
        w.press(2);
        const QColor highlight = QApplication::palette().color(QPalette::Highlight);
        const QColor base = QApplication::palette().color(QPalette::Base);
        QVERIFY(highlight != base);
        for (int k : {4, 3}) {
            TextBox* c = w.cell(k);
            const QImage img = c->grab().toImage();
            // Right of the digits, inside the frame.
            QCOMPARE(img.pixelColor(img.width() - 6, img.height() / 2), k == 4 ? highlight : base);
        }
    }

    void correctionWritesTheModelAnswers() {
        Window w;
        QTest::keyClicks(w.answer(0), QStringLiteral("Parce que"));
        w.answer(2)->setText(QStringLiteral("Je ne sais pas"));
        QCOMPARE(w.answer(0)->text(), QStringLiteral("Parce que"));
        for (int press = 0; press < 2; ++press) {
            w.correct();
            for (int i = 0; i < 3; ++i)
                QCOMPARE(w.answer(i)->text(), Form::fromUtf8(primes::sieve::kModelAnswers[i]));
        }
        QVERIFY(w.answer(1)->text().startsWith(QStringLiteral("Lorsque les muliples à retirer")));
        QVERIFY(w.answer(1)->text().contains(QStringLiteral(
            "Nous savons que tout nombre composé admet un diviseur premier compris entre 2 et son "
            "radical, donc dès que")));
        QVERIFY(!w.answer(0)->isReadOnly());
        QCOMPARE(w.answer(0)->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    }

    void hidingKeepsEverythingClosingStartsAfresh() {
        Window w;
        w.press(2);
        w.correct();
        w.form.hide();
        w.form.show();
        QVERIFY(w.marked(4));
        QVERIFY(!w.answer(0)->text().isEmpty());
        w.form.window().close();
        QVERIFY(!w.form.hasControls());
        w.form.show();
        QCOMPARE(w.marks(), std::vector<bool>(251, false));
        for (int i = 0; i < 3; ++i)
            QVERIFY(w.answer(i)->text().isEmpty());
        QCOMPARE(w.cell(250)->text(), QStringLiteral("250"));
    }

    // The 251 cells are built at the first show; a slow build would be felt at each opening.
    void firstShowIsQuick() {
        TestProgram tp;
        auto& form = tp->get<SieveWindow>();
        QElapsedTimer clock;
        clock.start();
        form.show();
        QApplication::processEvents();
        const qint64 ms = clock.elapsed();
        qInfo("first show of the sieve window: %lld ms", ms);
        QVERIFY2(ms < 2000, qPrintable(QString::number(ms)));
    }
};

QTEST_MAIN(TestSieveWindow)
#include "tst_sieve_window.moc"
