// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A pupil pastes a megabyte-long text without a blank into every box the pupil can type in, in
// every window: the box keeps a bounded text, the paste answers quickly and so does the next key.

#include "test_program.h"

#include "app/window_catalog.h"
#include "shell/toolkit/controls.h"

#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>

using namespace ui;

namespace {
// The test build runs with sanitizers on a busy machine; a release build answers in well under
// 0.1 s (bench/bench_long_paste.cpp).
constexpr qint64 kPasteLimitMs = 3000;
constexpr qint64 kKeyLimitMs = 1000;

qsizetype textLength(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return line->text().size();
    return static_cast<QPlainTextEdit*>(box)->document()->characterCount() - 1;
}
} // namespace

class TestLongPaste : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    void pasteIntoEveryBox_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("digits") << QString(1'000'000, QLatin1Char('7'));
        QTest::newRow("letters") << QString(1'000'000, QLatin1Char('x'));
    }

    void pasteIntoEveryBox() {
        QFETCH(QString, text);
        QGuiApplication::clipboard()->setText(text);
        int boxes = 0;
        for (std::string_view name : windowNames()) {
            TestProgram tp;
            Form& form = *tp->form(name);
            form.show();
            QList<QWidget*> editable;
            for (QLineEdit* box : form.window().findChildren<QLineEdit*>())
                if (!box->isReadOnly() && box->isVisible())
                    editable.push_back(box);
            for (QPlainTextEdit* box : form.window().findChildren<QPlainTextEdit*>())
                if (!box->isReadOnly() && box->isVisible())
                    editable.push_back(box);
            for (const QPointer<QWidget> box : editable) {
                if (!box) // rebuilt by a handler
                    continue;
                const QString where = QLatin1String(form.name()) + u'.' +
                                      (qobject_cast<QComboBox*>(box->parent()) ? box->parent()->objectName()
                                                                               : box->objectName());
                box->setFocus();
                QElapsedTimer clock;
                clock.start();
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
                const qint64 pasteMs = clock.elapsed();
                QVERIFY2(pasteMs < kPasteLimitMs,
                         qPrintable(where + QStringLiteral(": paste took %1 ms").arg(pasteMs)));
                if (!box)
                    continue;
                QVERIFY2(textLength(box) <= TextBox::kMaxLength,
                         qPrintable(where + QStringLiteral(" keeps %1 characters").arg(textLength(box))));
                clock.restart();
                QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
                if (box)
                    QTest::keyClick(box, Qt::Key_Backspace);
                if (box)
                    QTest::keyClick(box, '5');
                QCoreApplication::processEvents();
                const qint64 keyMs = clock.elapsed();
                QVERIFY2(keyMs < kKeyLimitMs,
                         qPrintable(where + QStringLiteral(": keys took %1 ms").arg(keyMs)));
                ++boxes;
            }
            tp->endProgram();
        }
        // The sieve's three answers and the number boxes of the other windows.
        QVERIFY2(boxes > 20, qPrintable(QString::number(boxes)));
    }

    void multiLineBoxKeepsItsBeginningAndStopsAtTheLimit() {
        QWidget host;
        MultiLineTextBox box(&host, QStringLiteral("Text2"), {0, 0, 3000, 1500}, {}, false);
        host.show();
        QGuiApplication::clipboard()->setText(QStringLiteral("ab") + QString(100'000, QLatin1Char('c')));
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text().size(), MultiLineTextBox::kMaxLength);
        QVERIFY(box.text().startsWith(QStringLiteral("abccc")));
        QTest::keyClick(&box, 'z');
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(box.text().size(), MultiLineTextBox::kMaxLength);
        QVERIFY(!box.text().contains(u'z'));
        // Room made by the pupil is taken again; a selection counts as room.
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClick(&box, 'z');
        QVERIFY(box.text().endsWith(u'z'));
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QGuiApplication::clipboard()->setText(QStringLiteral("court"));
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), QStringLiteral("court"));
        box.setText(QString(40'000, QLatin1Char('d')));
        QCOMPARE(box.text().size(), MultiLineTextBox::kMaxLength);
    }
};

QTEST_MAIN(TestLongPaste)
#include "tst_long_paste.moc"
