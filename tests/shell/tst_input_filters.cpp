// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "shell/input_filters.h"
#include "shell/toolkit/controls.h"

#include <QPointer>

using namespace ui;

namespace {
const ui::Ref<TextBox> Text1{"Text1"};

// A window with one box wired as the filtered boxes are: on every change, the filter, and the box
// emptied on rejection.
class FilteredBox : public Form {
public:
    FilteredBox(Program& p, boxFilters::Filter f)
        : Form(p, description)
        , filter(f) {}
    void filterText() {
        ++changes;
        boxFilters::apply(*this, Text1, filter);
    }
    TextBox& box() { return get(Text1); }
    boxFilters::Filter filter;
    int changes = 0;

    static const ui::ControlRow controls[];
    static const ui::WindowDescription description;
};
const ui::ControlRow FilteredBox::controls[] = {
    {.control = Text1, .rect = {0, 0, 1500, 300}, .handler = ui::call(&FilteredBox::filterText)}};
const ui::WindowDescription FilteredBox::description{.name = "FilteredBox",
                                                     .border = FormWindow::Border::FixedSingle,
                                                     .width = 1500,
                                                     .height = 300,
                                                     .controls = controls};
} // namespace

class TestFiltersUi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typingIntoFilteredBoxes_data() {
        QTest::addColumn<int>("filter"); // 0 digit, 1 bound, 2 signed
        QTest::addColumn<QChar>("sep");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left");
        QTest::addColumn<int>("messages");
        QTest::newRow("signed -12") << 2 << QChar(',') << "-12"
                                    << "-12" << 0;
        QTest::newRow("digit -12") << 0 << QChar(',') << "-12"
                                   << "12" << 1;
        QTest::newRow("bound 2,5") << 1 << QChar(',') << "2,5"
                                   << "2,5" << 0;
        QTest::newRow("digit 2,5") << 0 << QChar(',') << "2,5"
                                   << "" << 1;
        QTest::newRow("signed -0,25") << 2 << QChar(',') << "-0,25"
                                      << "-0,25" << 0;
        // The point is refused at once, and the digits typed after it start afresh.
        QTest::newRow("signed -0.25 under comma") << 2 << QChar(',') << "-0.25"
                                                  << "25" << 1;
        QTest::newRow("bound 2.5 point") << 1 << QChar('.') << "2.5"
                                         << "2.5" << 0;
        QTest::newRow("digit 2.5 point") << 0 << QChar('.') << "2.5"
                                         << "" << 1;
        QTest::newRow("signed -5.5 point") << 2 << QChar('.') << "-5.5"
                                           << "-5.5" << 0;
        QTest::newRow("digit eleven digits") << 0 << QChar(',') << "12345678901"
                                             << "12345678901" << 0;
        QTest::newRow("digit 007") << 0 << QChar(',') << "007"
                                   << "007" << 0;
        QTest::newRow("signed letter") << 2 << QChar(',') << "5a"
                                       << "" << 1;
    }
    void typingIntoFilteredBoxes() {
        QFETCH(int, filter);
        QFETCH(QChar, sep);
        QFETCH(QString, typed);
        QFETCH(QString, left);
        QFETCH(int, messages);
        const boxFilters::Filter filters[] = {boxFilters::wholeNumbers, boxFilters::nonNegativeNumbers,
                                              boxFilters::signedNumbers};
        TestProgram tp(sep.toLatin1());
        FilteredBox form(*tp, filters[filter]);
        typeInto(&form.box(), typed);
        QCOMPARE(form.box().text(), left);
        QCOMPARE(int(tp.dialogs.shown.size()), messages);
        if (messages) {
            const auto& m = tp.dialogs.shown[0];
            if (filter == 2) {
                QCOMPARE(m.text, QStringLiteral("il est impossible de rentrer ce nombre"));
                QCOMPARE(m.title, QStringLiteral("NON NON NON"));
                QCOMPARE(m.icon, Dialogs::Icon::Critical);
            } else {
                QCOMPARE(m.text, QStringLiteral("Erreur, il est impossible de rentrer ce nombre"));
                QCOMPARE(m.title, QStringLiteral("Korrin1"));
                QCOMPARE(m.icon, Dialogs::Icon::None);
            }
            // The emptying ran the change handler once more, silently.
            QCOMPARE(form.changes, int(typed.size()) + messages);
        }
    }

    void pastedLongTextIsRejectedOnce() {
        TestProgram tp;
        FilteredBox form(*tp, boxFilters::wholeNumbers);
        form.box().setText(QString(100000, QLatin1Char('7')) + QLatin1Char('x'));
        QCOMPARE(form.box().text(), QString());
        QCOMPARE(int(tp.dialogs.shown.size()), 1);
    }

    // The pupil closes the window while the filter's message box is open, and the closed window's
    // widgets are deleted before the box returns: the filter must not write into the deleted box.
    void windowClosedDuringTheMessage() {
        TestProgram tp;
        FilteredBox form(*tp, boxFilters::signedNumbers);
        form.show();
        QPointer<TextBox> typedInto = &form.box();
        tp.dialogs.whileOpen = [&] {
            form.window().close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        // The change handler as the typing runs it; the box's own key handling is left out, since
        // the toolkit never deletes a widget under its own event handler.
        form.box().blockSignals(true);
        form.box().setText(QStringLiteral("5a"));
        form.box().blockSignals(false);
        form.filterText();
        QVERIFY(typedInto.isNull());
        QCOMPARE(int(tp.dialogs.shown.size()), 1);
        // The handler went on in the window rebuilt, hidden, as any access by code does.
        QVERIFY(!form.isShown());
        QCOMPARE(form.box().text(), QString());
    }
};

QTEST_MAIN(TestFiltersUi)
#include "tst_input_filters.moc"
