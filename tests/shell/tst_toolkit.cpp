// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "shell/toolkit/accessibility.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/decorations.h"
#include "shell/toolkit/drawing_surface.h"
#include "shell/toolkit/list_box.h"
#include "shell/toolkit/mouse_twips.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QTextBlock>

using namespace ui;

class TestToolkit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    void labelsKeepRunsOfBlanksAndMarkup() {
        QWidget host;
        Label label(&host, {QStringLiteral("Label1"), QStringLiteral("a  <b>x</b>   b"), {0, 0, 3000, 300}});
        QCOMPARE(label.textFormat(), Qt::PlainText);
        QCOMPARE(label.caption(), QStringLiteral("a  <b>x</b>   b"));
        QCOMPARE(label.property("Width").toInt(), 3000);
        QCOMPARE(label.width(), 200);
    }

    void listBoxAppendsInBatchesAndSelectsTheLast() {
        QWidget host;
        ListBox list(&host, QStringLiteral("List1"), {0, 0, 3000, 3000});
        host.show();
        for (int i = 0; i < 40000; ++i) {
            list.addItem(QString::number(i));
            list.selectLast();
        }
        QCOMPARE(list.count(), 40000);
        QCOMPARE(list.item(32768), QStringLiteral("32768"));
        QCOMPARE(list.listIndex(), 39999);
        QCOMPARE(list.shownCount(), 0); // not yet shown
        QTest::qWait(1);
        QCOMPARE(list.shownCount(), 40000);
        QCOMPARE(list.shownSelection(), 39999);
        // The newest line is in view, at the bottom.
        const int lastInView = list.rowAt(QPoint(5, list.viewport()->height() - 1));
        QVERIFY2(lastInView == 39999 || lastInView == -1, qPrintable(QString::number(lastInView)));
        QCOMPARE(list.rowAt(list.rowRect(39999).center()), 39999);
        QVERIFY(list.viewport()->rect().contains(list.rowRect(39999)));
        QVERIFY(list.ownLines().bytesUsed() < 40000 * 16);
        QCOMPARE(list.item(39999), QStringLiteral("39999"));
        list.clear();
        QCOMPARE(list.count(), 0);
        QCOMPARE(list.listIndex(), -1);
        list.addItem(QStringLiteral("é"));
        QCOMPARE(list.item(0), QStringLiteral("é"));
    }

    void listBoxTakesTheKeyboardTheMouseAndScreenReaders() {
        QWidget host;
        ListBox list(&host, QStringLiteral("List1"), {0, 0, 3000, 1500});
        host.show();
        for (int i = 0; i < 100; ++i)
            list.addItem(QStringLiteral("ligne %1").arg(i));
        list.selectLast();
        QTRY_COMPARE(list.shownSelection(), 99);
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_Up);
        QCOMPARE(list.listIndex(), 98);
        QTest::keyClick(&list, Qt::Key_Home);
        QCOMPARE(list.listIndex(), 0);
        QCOMPARE(list.topRow(), 0);
        QTest::keyClick(&list, Qt::Key_PageDown);
        QVERIFY(list.listIndex() > 1);
        QTest::keyClick(&list, Qt::Key_End);
        QCOMPARE(list.listIndex(), 99);
        QVERIFY(list.viewport()->rect().contains(list.rowRect(99)));
        // A click picks the line under the pointer; a click below the lines picks nothing.
        const int second = list.topRow() + 1;
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.rowRect(second).center());
        QCOMPARE(list.listIndex(), second);

        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&list);
        QVERIFY(a);
        QCOMPARE(a->role(), QAccessible::List);
        QCOMPARE(a->childCount(), 100);
        QAccessibleInterface* row = a->child(second);
        QVERIFY(row);
        QCOMPARE(row->role(), QAccessible::ListItem);
        QCOMPARE(row->text(QAccessible::Name), QStringLiteral("ligne %1").arg(second));
        QVERIFY(row->state().selected);
        QCOMPARE(a->indexOfChild(row), second);
        QCOMPARE(row->parent(), a);
        QVERIFY(!a->child(0)->state().selected);
        QCOMPARE(a->child(100), nullptr);
        list.clear();
        QCOMPARE(a->childCount(), 0);
        QCOMPARE(a->child(0), nullptr);
    }

    // A list box shows a model's lines as they grow and go, and can follow the last one.
    void listBoxShowsTheLinesOfASource() {
        struct Squares : LinesSource {
            int n = 0;
            int count() const override { return n; }
            QString at(int row) const override { return QString::number(qint64(row) * row); }
        };
        QWidget host;
        ListBox list(&host, QStringLiteral("List1"), {0, 0, 3000, 3000});
        host.show();
        list.addItem(QStringLiteral("propre ligne"));
        auto owned = std::make_unique<Squares>();
        Squares& squares = *owned;
        squares.n = 3;
        list.followEnd();
        list.showLines(std::move(owned));
        QCOMPARE(list.count(), 3);
        QCOMPARE(list.item(2), QStringLiteral("4"));
        QTRY_COMPARE(list.shownCount(), 3);
        QCOMPARE(list.shownSelection(), 2);
        // Lines added to the source reach the screen once the list is told, the last selected.
        squares.n = 1'000'000;
        QCOMPARE(list.listIndex(), 999'999);
        QCOMPARE(list.shownCount(), 3);
        list.linesAdded();
        QTRY_COMPARE(list.shownCount(), 1'000'000);
        QCOMPARE(list.shownSelection(), 999'999);
        QVERIFY(list.viewport()->rect().contains(list.rowRect(999'999)));
        QCOMPARE(QAccessible::queryAccessibleInterface(&list)->child(999'999)->text(QAccessible::Name),
                 QStringLiteral("999998000001"));
        // The pupil's pick holds until more lines come.
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_Home);
        QCOMPARE(list.listIndex(), 0);
        squares.n = 0;
        list.linesCleared();
        QCOMPARE(list.shownCount(), 0);
        QCOMPARE(list.listIndex(), -1);
        QCOMPARE(QAccessible::queryAccessibleInterface(&list)->childCount(), 0);
        // The list's own lines were kept apart all along.
        list.showLines(nullptr);
        QCOMPARE(list.count(), 1);
        QCOMPARE(list.item(0), QStringLiteral("propre ligne"));
    }

    void drawingSurfaceSetsDotsInTwips() {
        QWidget host;
        DrawingSurface s(&host, QStringLiteral("Picture1"), {0, 0, 1500, 1500});
        s.setBackColor(Qt::white);
        s.pset(150, 300, Qt::red);
        QCOMPARE(s.point(150, 300), QColor(Qt::red));
        QCOMPARE(s.point(300, 300), QColor(Qt::white));
        s.setDrawWidth(3);
        s.pset(750, 750, Qt::blue);
        QCOMPARE(s.point(750 - 15, 750 + 15), QColor(Qt::blue));
        s.pset(1e300, -5, Qt::blue); // off the surface: nothing
        s.pset(std::nan(""), 0, Qt::blue);
        s.cls();
        QCOMPARE(s.point(150, 300), QColor(Qt::white));
    }

    void mouseReportsTwips() {
        QWidget host;
        DrawingSurface s(&host, QStringLiteral("Picture1"), {0, 0, 3000, 3000});
        host.show();
        QSignalSpy down(&s.mouse(), &MouseTwips::mouseDown);
        QSignalSpy click(&s.mouse(), &MouseTwips::click);
        QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(10, 20));
        QCOMPARE(down.count(), 1);
        QCOMPARE(down[0][0].toInt(), 1);
        QCOMPARE(down[0][2].toDouble(), 150.0);
        QCOMPARE(down[0][3].toDouble(), 300.0);
        QCOMPARE(click.count(), 1);
    }

    void decorationsMoveInTwips() {
        QWidget host;
        Line line(&host, QStringLiteral("Line9"), 0, 0, 100, 100);
        line.setProperty("X1", 1500);
        QCOMPARE(line.x1(), 1500);
        QCOMPARE(host.findChild<Line*>(QStringLiteral("Line9")), &line);
    }

    // A text box keeps the beginning of a text longer than any number, however the text comes.
    void textBoxKeepsTheBeginningOfALongText() {
        QWidget host;
        TextBox box(&host, QStringLiteral("Text1"), {0, 0, 3000, 300});
        host.show();
        QSignalSpy changes(&box, &QLineEdit::textChanged);
        const QString huge = QStringLiteral("12") + QString(10'000'000, QLatin1Char('3'));

        box.setText(huge);
        QCOMPARE(box.text().size(), TextBox::kMaxLength);
        QVERIFY(huge.startsWith(box.text()));
        QCOMPARE(changes.size(), 1);

        box.clear();
        QGuiApplication::clipboard()->setText(huge);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text().size(), TextBox::kMaxLength);
        QVERIFY(huge.startsWith(box.text()));

        QTest::keyClick(&box, Qt::Key_9);
        QCOMPARE(box.text().size(), TextBox::kMaxLength);
        QVERIFY(!box.text().contains(u'9'));
    }

    void multiLineBoxKeepsTheCursorAtTheEnd() {
        MultiLineTextBox box(nullptr, QStringLiteral("Text1"), {0, 0, 3000, 1500}, {}, false);
        box.setText(QStringLiteral("abc"));
        QTest::keyClicks(&box, QStringLiteral("d"));
        QCOMPARE(box.text(), QStringLiteral("abcd"));
    }

    // A window's announcer shows (which screen readers present) only once it has something to say:
    // a window that opens is not heard as an empty notification.
    void announcerShowsOnlyWithAPhrase() {
        QWidget top;
        top.show();
        Announcer* announcer = announcerOf(&top);
        top.hide();
        top.show();
        QVERIFY(announcer->isHidden());
        announcer->say(QStringLiteral("Le nombre est premier"));
        announcer->flush();
        QVERIFY(announcer->isVisible());
        QCOMPARE(QAccessible::queryAccessibleInterface(announcer)->text(QAccessible::Name),
                 QStringLiteral("Le nombre est premier"));
    }

    // A text to read starts at its top and the arrows move its caret line by line, which screen
    // readers follow; Tab still leaves it.
    void readOnlyMultiLineBoxIsWalkedByCaret() {
        MultiLineTextBox box(nullptr, QStringLiteral("Text1"), {0, 0, 3000, 1500}, {}, true);
        box.setText(QStringLiteral("premier\ndeuxième\ntroisième"));
        QCOMPARE(box.textCursor().position(), 0);
        QTest::keyClick(&box, Qt::Key_Down);
        QCOMPARE(box.textCursor().blockNumber(), 1);
        QTest::keyClick(&box, Qt::Key_Down);
        QCOMPARE(box.textCursor().block().text(), QStringLiteral("troisième"));
        QCOMPARE(box.text(), QStringLiteral("premier\ndeuxième\ntroisième"));
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&box);
        QCOMPARE(a->textInterface()->cursorPosition(), box.textCursor().position());
        QVERIFY(box.tabChangesFocus());
    }

    // The program's style reads its standard icons when they are first drawn; they are the
    // platform style's own, for a menu bar's overflow button as for Qt's message boxes.
    void standardIconsAreThePlatformStyles_data() {
        QTest::addColumn<int>("icon");
        QTest::newRow("menu bar overflow") << int(QStyle::SP_ToolBarHorizontalExtensionButton);
        QTest::newRow("critical message") << int(QStyle::SP_MessageBoxCritical);
    }
    void standardIconsAreThePlatformStyles() {
        QFETCH(int, icon);
        const auto which = QStyle::StandardPixmap(icon);
        auto* style = qobject_cast<QProxyStyle*>(QApplication::style());
        QVERIFY(style);
        QMenuBar bar;
        const QIcon lazy = style->standardIcon(which, nullptr, &bar);
        const QIcon direct = style->baseStyle()->standardIcon(which, nullptr, &bar);
        QVERIFY(!direct.isNull());
        QVERIFY(!lazy.isNull());
        QCOMPARE(lazy.availableSizes(), direct.availableSizes());
        QCOMPARE(lazy.pixmap(32).toImage(), direct.pixmap(32).toImage());
    }
};

QTEST_MAIN(TestToolkit)
#include "tst_toolkit.moc"
