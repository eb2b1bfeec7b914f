// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "heard.h"
#include "test_program.h"

#include "functions/introduction_window.h"
#include "functions/reference_functions_window.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/keyboard_access.h"
#include "shell/toolkit/picture_box.h"

#include <QAccessible>
#include <QMouseEvent>

using namespace ui;

namespace {
const QString kWellDone = QStringLiteral("THAT'S RIGHT !!! LET'S GO NEXT EXERCICE (without value tabs)");
const QString kMatchingHelp =
    QStringLiteral("AIDE: Cliquer sur un tableau puis sur la courbe correspondante");
const QString kDraggingHelp = QStringLiteral("AIDE: Faire glisser les fonctions sous les courbes");

// Where the layout puts each item, by function: value table, curve and label.
const TwipsRect kTables[] = {
    {6840, 1440, 6600, 735}, {0, 1440, 6600, 735}, {0, 480, 6615, 765}, {6840, 480, 7320, 825}};
const TwipsRect kCurves[] = {
    {240, 2400, 1935, 2055}, {360, 4680, 1695, 1815}, {240, 6720, 2055, 1455}, {240, 8400, 2175, 1695}};
const TwipsRect kLabels[] = {
    {4200, 1200, 1500, 495}, {3120, 480, 1500, 495}, {1920, 1200, 1500, 495}, {3120, 1920, 1500, 495}};

} // namespace

namespace QTest {
template <> char* toString(const TwipsRect& r) {
    return qstrdup(QByteArray::number(r.left) + ", " + QByteArray::number(r.top) + ", " +
                   QByteArray::number(r.width) + ", " + QByteArray::number(r.height));
}
} // namespace QTest

class TestReferenceFunctionsWindow : public QObject {
    Q_OBJECT

    struct Exercise : ShownForm<ReferenceFunctionsWindow> {
        using ShownForm::ShownForm;
        using W = ReferenceFunctionsWindow;
        PictureBox* table(int i) { return control(form, W::valueTables[i]); }
        PictureBox* curve(int i) { return control(form, W::curves[i]); }
        PictureBox* variation(int i) { return control(form, W::variationTables[i]); }
        Label* label(int i) { return control(form, W::functionLabels[i]); }
        QString help() { return control(form, W::helpBox)->text(); }
        static TwipsRect at(QWidget* w) { return twips::placeOf(w); }

        void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, 4)); }
        void match(int i) {
            click(table(i));
            click(curve(i));
        }
        void toDragStage() {
            for (int i : {2, 0, 3, 1})
                match(i);
        }

        // One mouse event on a control, the pointer at `px` logical pixels inside it.
        static void send(QWidget* w, QEvent::Type type, QPointF px, Qt::MouseButton button,
                         Qt::MouseButtons held) {
            QMouseEvent e(type, px, w->mapTo(w->window(), px), w->mapToGlobal(px), button, held,
                          Qt::NoModifier);
            QCoreApplication::sendEvent(w, &e);
        }
        // Grabs label i, carries it so that its top-left corner stands at (left, top) twips, and
        // lets it go there unless told otherwise.
        void dragTo(int i, double left, double top, bool release = true) {
            const QPointF grab(20, 10);
            Label* l = label(i);
            const TwipsRect from = at(l);
            send(l, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
            const QPointF by((left - from.left) / 15.0, (top - from.top) / 15.0);
            send(l, QEvent::MouseMove, grab + by, Qt::NoButton, Qt::LeftButton);
            if (release)
                send(l, QEvent::MouseButtonRelease, grab, Qt::LeftButton, Qt::NoButton);
        }

        // The keyboard: the window in front, then keys to whatever has the focus.
        void activate() {
            form.window().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&form.window()));
        }
        static void press(Qt::Key key) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            QTest::keyClick(focus, key);
        }
        // Tab until w has the focus; fails when Tab never gets there.
        static void tabTo(QWidget* w) {
            for (int i = 0; i < 40 && QApplication::focusWidget() != w; ++i)
                press(Qt::Key_Tab);
            QVERIFY2(QApplication::focusWidget() == w, qPrintable(w->objectName()));
            if (KeyboardAccess* keys = KeyboardAccess::of(w))
                QVERIFY(keys->ringShown());
        }

        // However the pupil handled them, the four labels are all there, once each, and inside the window.
        void checkLabelsKept() {
            const QRect client = form.window().client()->rect();
            QCOMPARE(form.window().findChildren<Label*>(QRegularExpression("^Label_ft_ref")).size(), 4);
            for (int i = 0; i < 4; ++i) {
                QVERIFY2(client.contains(label(i)->geometry()), qPrintable(label(i)->objectName()));
                QCOMPARE(twips::toPx(at(label(i))), label(i)->geometry());
            }
            QVERIFY(!form.drag().dragging());
        }
    };

private Q_SLOTS:
    void initTestCase() {
        setUpTestApplication();
        Heard::listen();
    }

    void introduction() {
        ShownForm<IntroductionWindow> s;
        FormWindow& w = s.form.window();
        QCOMPARE(w.windowTitle(), QStringLiteral("Form4"));
        QCOMPARE(w.client()->size(), QSize(757, 177));
        auto* first = control(s.form, IntroductionWindow::firstParagraph);
        auto* second = control(s.form, IntroductionWindow::secondParagraph);
        QCOMPARE(
            first->text(),
            QStringLiteral("Nous avons étudié les fonctions linéaires et affines. Mais il existe une "
                           "infinité d'autres fonctions. Certaines se retrouvent beaucoup plus souvent."));
        QCOMPARE(second->text(),
                 QStringLiteral("On les appelle fonctions de référence car elles permettent de gagner du "
                                "temps lorsqu'on les reconnaît dans un problème."));
        // Side by side, each half the window wide, both inside it.
        const TwipsRect a = twips::placeOf(first);
        const TwipsRect b = twips::placeOf(second);
        QCOMPARE(a.width, 11355 / 2 - 120);
        QCOMPARE(b.width, a.width);
        QCOMPARE(b.left, a.left + a.width + 60);
        QVERIFY(w.client()->rect().contains(second->geometry()));
        // Each paragraph shows whole, without scrolling.
        for (auto* box : {first, second})
            QVERIFY(box->document()->size().height() * box->fontMetrics().lineSpacing() <=
                    box->viewport()->height());
        QCOMPARE(control<QLabel>(s.form, "Label1")->text(), QStringLiteral("INTRODUCTION:"));
        // OK: the introduction goes, the exercise comes.
        QTest::mouseClick(control(s.form, IntroductionWindow::okButton), Qt::LeftButton);
        QVERIFY(!s.form.isShown());
        auto& exercise = s.tp->get<ReferenceFunctionsWindow>();
        QVERIFY(exercise.isShown());
        QCOMPARE(control(exercise, ReferenceFunctionsWindow::helpBox)->text(), kMatchingHelp);
    }

    void layoutAtStart() {
        Exercise e;
        FormWindow& w = e.form.window();
        QCOMPARE(w.windowTitle(), QStringLiteral("Form3"));
        QCOMPARE(w.client()->size(), QSize(959, 680));
        QCOMPARE(e.help(), kMatchingHelp);
        QCOMPARE(Exercise::at(control(e.form, ReferenceFunctionsWindow::helpBox)).width, 14385);
        const QString captions[] = {" f(x) = x2", " f(x) = x3", " f(x) = Vx", " f(x) = 1/x"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(Exercise::at(e.table(i)), kTables[i]);
            QCOMPARE(Exercise::at(e.curve(i)), kCurves[i]);
            QCOMPARE(Exercise::at(e.label(i)), kLabels[i]);
            QVERIFY(e.table(i)->isVisible() && e.curve(i)->isVisible());
            QVERIFY(e.variation(i)->isHidden() && e.label(i)->isHidden());
            QCOMPARE(e.label(i)->text(), captions[i]);
            QVERIFY(e.label(i)->fontMetrics().horizontalAdvance(captions[i]) <= e.label(i)->width());
            QCOMPARE(e.table(i)->border(), PictureBox::Border::Flat);
            // Every picture box has a name a screen reader can say.
            for (QWidget* p : {(QWidget*)e.table(i), (QWidget*)e.curve(i), (QWidget*)e.variation(i)})
                QVERIFY(!p->accessibleName().isEmpty());
        }
        // The square-root and inverse tables are cut above their note; the other two show whole.
        QVERIFY(e.table(2)->height() < e.table(2)->pictureSize().height());
        QVERIFY(e.table(3)->height() < e.table(3)->pictureSize().height());
        QCOMPARE(e.table(0)->size(), e.table(0)->pictureSize() + QSize(2, 2));
    }

    void matchingStage() {
        Exercise e;
        // A curve click before any table is picked does nothing.
        e.click(e.curve(0));
        QCOMPARE(Exercise::at(e.table(0)), kTables[0]);
        // The picked table stands out; picking another flattens it again.
        e.click(e.table(1));
        e.click(e.table(2));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(e.table(i)->border(), i == 2 ? PictureBox::Border::Raised : PictureBox::Border::Flat);
        // Another function's curve: nothing moves, the table stays picked.
        e.click(e.curve(3));
        QCOMPARE(Exercise::at(e.table(2)), kTables[2]);
        QCOMPARE(e.form.matching().selected(), std::optional<int>(2));
        // Its own curve: the table goes just right of it, grown to show its note.
        e.click(e.curve(2));
        const TwipsRect placed = Exercise::at(e.table(2));
        QCOMPARE(placed.left, 240 + 2055 + 50);
        QCOMPARE(placed.top, 6720);
        QCOMPARE(e.table(2)->size(), e.table(2)->pictureSize() + QSize(2, 2));
        QCOMPARE(placed.height, (89 + 2) * 15);
        QCOMPARE(e.table(2)->border(), PictureBox::Border::Raised);
        QCOMPARE(e.form.matching().matchCount(), std::int16_t(1));
        // Picking another table flattens the placed one, which keeps the whole picture.
        e.click(e.table(3));
        QCOMPARE(e.table(2)->border(), PictureBox::Border::Flat);
        QCOMPARE(e.table(2)->size(), e.table(2)->pictureSize() + QSize(2, 2));
        e.click(e.curve(3));
        QCOMPARE(Exercise::at(e.table(3)), (TwipsRect{2465, 8400, (486 + 2) * 15, (93 + 2) * 15}));
        // A placed table counts once.
        e.click(e.curve(3));
        QCOMPARE(e.form.matching().matchCount(), std::int16_t(2));
        QVERIFY(e.tp.dialogs.shown.empty());
        // The tables beside their curves stay inside the window.
        for (int i : {2, 3})
            QVERIFY(e.form.window().client()->rect().contains(e.table(i)->geometry()));
    }

    void fourthMatchEndsTheStage() {
        Exercise e;
        QStringList helpWhileOpen;
        e.tp.dialogs.whileOpen = [&] { helpWhileOpen << e.help(); };
        for (int i : {0, 1, 2}) {
            e.match(i);
            QVERIFY(e.tp.dialogs.shown.empty());
        }
        e.match(3);
        QCOMPARE(e.tp.dialogs.shown.size(), size_t(1));
        QCOMPARE(e.tp.dialogs.shown[0].text, kWellDone);
        QCOMPARE(e.tp.dialogs.shown[0].title, QStringLiteral("Korrin1"));
        // The tables stay until the pupil has read the message.
        QCOMPARE(helpWhileOpen, QStringList{kMatchingHelp});
        QCOMPARE(e.help(), kDraggingHelp);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(e.table(i)->isHidden());
            QVERIFY(e.label(i)->isVisible());
            QVERIFY(e.variation(i)->isHidden());
            QCOMPARE(Exercise::at(e.label(i)), kLabels[i]);
        }
        QCOMPARE(e.form.matching().matchCount(), std::int16_t(0));
        // Curve clicks count for nothing any more.
        e.click(e.curve(3));
        QCOMPARE(e.tp.dialogs.shown.size(), size_t(1));
        e.checkLabelsKept();
    }

    void dropBounds_data() {
        QTest::addColumn<int>("i");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::addColumn<bool>("placed");
        QTest::newRow("150 twips left of its curve") << 0 << 240.0 - 150 << 2400.0 << true;
        QTest::newRow("200 twips left") << 0 << 240.0 - 200 << 2400.0 << false;
        QTest::newRow("exactly Top + Height + 100 below") << 0 << 600.0 << 2400.0 + 2055 + 100 << false;
        QTest::newRow("one twip less") << 0 << 600.0 << 2400.0 + 2055 + 99 << true;
        QTest::newRow("100 above") << 0 << 600.0 << 2300.0 << false;
        QTest::newRow("at its right edge") << 0 << 240.0 + 1935 << 3000.0 << false;
        QTest::newRow("x squared on the x cubed curve") << 0 << 600.0 << 5000.0 << false;
        QTest::newRow("1/x on the square root curve") << 3 << 600.0 << 7000.0 << false;
        QTest::newRow("1/x on its own curve") << 3 << 600.0 << 9000.0 << true;
        QTest::newRow("square root just below its curve") << 2 << 600.0 << 8250.0 << true;
    }
    void dropBounds() {
        QFETCH(int, i);
        QFETCH(double, left);
        QFETCH(double, top);
        QFETCH(bool, placed);
        Exercise e;
        e.toDragStage();
        e.dragTo(i, left, top, false);
        QCOMPARE(Exercise::at(e.label(i)).left, int(left)); // it followed the pointer
        QCOMPARE(Exercise::at(e.label(i)).top, int(top));
        Exercise::send(e.label(i), QEvent::MouseButtonRelease, {20, 10}, Qt::LeftButton, Qt::NoButton);
        const TwipsRect c = kCurves[i];
        const TwipsRect expected = placed ? TwipsRect{c.left + c.width + 50, c.top, 1500, 495} : kLabels[i];
        QCOMPARE(Exercise::at(e.label(i)), expected);
        for (int k = 0; k < 4; ++k)
            QCOMPARE(e.variation(k)->isVisible(), placed && k == i);
        e.checkLabelsKept();
    }

    // The whole exercise with the keyboard alone: Enter on a table then on a curve matches them,
    // Enter on a label then on a curve drops the label there, with the rules of the mouse.
    void wholeExerciseFromTheKeyboard() {
        Exercise e;
        e.activate();
        // A curve before any table: nothing.
        e.tabTo(e.curve(0));
        e.press(Qt::Key_Return);
        QCOMPARE(Exercise::at(e.table(0)), kTables[0]);
        // The tables come first in reading order, the top band from the left.
        e.tabTo(control(e.form, ReferenceFunctionsWindow::helpBox));
        const int tableOrder[] = {2, 3, 1, 0};
        for (int i : tableOrder) {
            e.press(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), e.table(i));
        }
        for (int i : {2, 0, 3, 1}) {
            e.tabTo(e.table(i));
            e.press(Qt::Key_Space);
            QCOMPARE(e.table(i)->border(), PictureBox::Border::Raised);
            // Another function's curve: nothing moves.
            e.tabTo(e.curve((i + 1) % 4));
            e.press(Qt::Key_Return);
            QCOMPARE(Exercise::at(e.table(i)), kTables[i]);
            e.tabTo(e.curve(i));
            e.press(Qt::Key_Return);
            if (i == 1)
                break; // the fourth match
            // Matched: beside its curve, whole, and where the focus went.
            QCOMPARE(Exercise::at(e.table(i)).left, kCurves[i].left + kCurves[i].width + 50);
            QCOMPARE(Exercise::at(e.table(i)).top, kCurves[i].top);
            QCOMPARE(e.table(i)->size(), e.table(i)->pictureSize() + QSize(2, 2));
            QCOMPARE(QApplication::focusWidget(), e.table(i));
        }
        QCOMPARE(e.tp.dialogs.shown.size(), size_t(1));
        QCOMPARE(e.tp.dialogs.shown[0].text, kWellDone);
        QCOMPARE(e.help(), kDraggingHelp);
        // The labels have come, the first in reading order holding the focus.
        QCOMPARE(QApplication::focusWidget(), e.label(1));

        // A label onto another function's curve: it stays where it was, the focus back on it.
        e.tabTo(e.label(0));
        e.press(Qt::Key_Return);
        QCOMPARE(e.form.chosenLabel(), std::optional<int>(0));
        QVERIFY(KeyboardAccess::of(e.label(0))->isChosen());
        e.tabTo(e.curve(1));
        e.press(Qt::Key_Return);
        QCOMPARE(Exercise::at(e.label(0)), kLabels[0]);
        QCOMPARE(QApplication::focusWidget(), e.label(0));
        QVERIFY(!e.form.chosenLabel());
        QVERIFY(!KeyboardAccess::of(e.label(0))->isChosen());
        QVERIFY(e.variation(0)->isHidden());
        // Escape lets go of a chosen label; a curve then does nothing.
        e.press(Qt::Key_Return);
        e.press(Qt::Key_Escape);
        QVERIFY(!e.form.chosenLabel());
        e.tabTo(e.curve(0));
        e.press(Qt::Key_Return);
        QCOMPARE(Exercise::at(e.label(0)), kLabels[0]);
        // Each label onto its own curve: it snaps beside it and its table of variation shows.
        for (int i : {0, 3, 1, 2}) {
            e.tabTo(e.label(i));
            e.press(Qt::Key_Space);
            e.tabTo(e.curve(i));
            e.press(Qt::Key_Return);
            QCOMPARE(Exercise::at(e.label(i)),
                     (TwipsRect{kCurves[i].left + kCurves[i].width + 50, kCurves[i].top, 1500, 495}));
            QVERIFY(e.variation(i)->isVisible());
            QCOMPARE(QApplication::focusWidget(), e.variation(i));
        }
        // A placed label taken to another curve goes back beside its own.
        e.tabTo(e.label(2));
        e.press(Qt::Key_Return);
        e.tabTo(e.curve(3));
        e.press(Qt::Key_Return);
        QCOMPARE(Exercise::at(e.label(2)).left, kCurves[2].left + kCurves[2].width + 50);
        QCOMPARE(e.tp.dialogs.shown.size(), size_t(1));
        e.checkLabelsKept();
    }

    // What a screen reader says of the pictures: each has a name and a description; a label's
    // description says its function in words.
    void picturesAreDescribed() {
        Exercise e;
        for (int i = 0; i < 4; ++i)
            for (QWidget* w : {(QWidget*)e.table(i), (QWidget*)e.curve(i), (QWidget*)e.variation(i),
                               (QWidget*)e.label(i)}) {
                QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
                QVERIFY2(!a->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(w->objectName()));
                QVERIFY2(a->text(QAccessible::Description).size() > 10, qPrintable(w->objectName()));
            }
        // Tables and curves are buttons whose press action is Enter's; a table of variation is a picture.
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(e.table(3));
        QCOMPARE(table->role(), QAccessible::Button);
        QCOMPARE(QAccessible::queryAccessibleInterface(e.curve(3))->role(), QAccessible::Button);
        QCOMPARE(QAccessible::queryAccessibleInterface(e.variation(3))->role(), QAccessible::Graphic);
        QVERIFY(!table->state().selected);
        heardFrom(e.form);
        table->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(e.form.matching().selected(), std::optional<int>(3));
        QCOMPARE(e.table(3)->border(), PictureBox::Border::Raised);
        // The choice is said and shown as the selected state; a wrong curve is said, the right
        // one too, and the table placed is no longer selected.
        QVERIFY(table->state().selected);
        QCOMPARE(heardFrom(e.form), QStringList{"Tableau de valeurs de i(x) choisi"});
        QAccessible::queryAccessibleInterface(e.curve(0))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(heardFrom(e.form),
                 QStringList{"Courbe 1 : ce n'est pas la courbe du tableau de valeurs de i(x)"});
        QAccessible::queryAccessibleInterface(e.curve(3))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(heardFrom(e.form), QStringList{"Tableau de valeurs de i(x) placé à côté de la courbe 4"});
        QVERIFY(!table->state().selected);
        // The values are read one by one: « ; » between them, the decimal comma inside them.
        QVERIFY(QAccessible::queryAccessibleInterface(e.table(0))
                    ->text(QAccessible::Description)
                    .startsWith(QStringLiteral("x : -4 ; -3 ; -2 ; -1 ; -0,5 ; 0 ; 0,5 ;")));
        // The curves' names do not give the matches away.
        for (int i = 0; i < 4; ++i)
            QVERIFY(!QAccessible::queryAccessibleInterface(e.curve(i))
                         ->text(QAccessible::Name)
                         .contains(QStringLiteral("carré")));
        // The labels' formulas are read in words.
        const QStringList spoken{"f(x) = x au carré", "f(x) = x au cube", "f(x) = racine carrée de x",
                                 "f(x) = 1 sur x"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(QAccessible::queryAccessibleInterface(e.label(i))->text(QAccessible::Name), spoken[i]);
    }

    void placedLabelDraggedAwayAndBack() {
        Exercise e;
        e.toDragStage();
        e.dragTo(1, 500, 5000);
        const TwipsRect placed{360 + 1695 + 50, 4680, 1500, 495};
        QCOMPARE(Exercise::at(e.label(1)), placed);
        // Away onto the wrong curve: back beside its own, its table of variation still shown.
        e.dragTo(1, 500, 2600);
        QCOMPARE(Exercise::at(e.label(1)), placed);
        QVERIFY(e.variation(1)->isVisible());
        // Away and back onto its curve: placed again.
        e.dragTo(1, 900, 5500);
        QCOMPARE(Exercise::at(e.label(1)), placed);
        // All four placed: nothing more happens.
        for (int i : {0, 2, 3})
            e.dragTo(i, kCurves[i].left, kCurves[i].top);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(e.variation(i)->isVisible());
            QCOMPARE(Exercise::at(e.label(i)).left, kCurves[i].left + kCurves[i].width + 50);
        }
        QCOMPARE(e.tp.dialogs.shown.size(), size_t(1));
        e.checkLabelsKept();
    }

    // The same drag, through the toolkit's mouse routing as a pupil's hand makes it.
    void dragWithRealMouseEvents() {
        Exercise e;
        e.toDragStage();
        Label* l = e.label(3);
        QTest::mousePress(l, Qt::LeftButton, {}, QPoint(10, 10));
        // From (3120, 1920) to (300, 9000): 188 pixels left, 472 down.
        QTest::mouseMove(l, QPoint(10 - 188, 10 + 472));
        QTest::mouseRelease(l, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(Exercise::at(e.label(3)), (TwipsRect{240 + 2175 + 50, 8400, 1500, 495}));
        QVERIFY(e.variation(3)->isVisible());
        e.checkLabelsKept();
    }

    void strayDragsLoseNoLabel() {
        Exercise e;
        e.toDragStage();
        // A drag that ends outside the window: back where it began.
        e.dragTo(0, -30000, 40000);
        QCOMPARE(Exercise::at(e.label(0)), kLabels[0]);
        e.dragTo(0, 90000, -5000);
        QCOMPARE(Exercise::at(e.label(0)), kLabels[0]);
        e.checkLabelsKept();

        // The same label picked up twice: the second press (same button, or another) keeps the first start.
        e.dragTo(2, 7000, 7000, false);
        Label* l = e.label(2);
        Exercise::send(l, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
        Exercise::send(l, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton,
                       Qt::LeftButton | Qt::RightButton);
        Exercise::send(l, QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton, Qt::LeftButton);
        QVERIFY(e.form.drag().dragging());
        Exercise::send(l, QEvent::MouseMove, {5 + 100, 5}, Qt::NoButton, Qt::LeftButton);
        Exercise::send(l, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(Exercise::at(e.label(2)), kLabels[2]);
        // A release that never came: the label does not stick to the pointer, and the next press
        // and release finish the drag.
        e.dragTo(2, 600, 7000, false);
        Exercise::send(l, QEvent::MouseMove, {300, 300}, Qt::NoButton, Qt::NoButton);
        QCOMPARE(Exercise::at(e.label(2)).left, 600);
        Exercise::send(l, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
        Exercise::send(l, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(Exercise::at(e.label(2)), (TwipsRect{240 + 2055 + 50, 6720, 1500, 495}));
        // Moves and releases over another label during a drag leave both alone.
        e.dragTo(1, 5000, 5000, false);
        e.dragTo(3, 600, 9000);
        QCOMPARE(Exercise::at(e.label(3)), kLabels[3]);
        Exercise::send(e.label(1), QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(Exercise::at(e.label(1)), kLabels[1]);
        e.checkLabelsKept();

        // The window hidden in the middle of a drag (the menu's "Tout effacer"): the label goes back.
        e.dragTo(0, 10000, 9000, false);
        e.form.hide();
        e.form.show();
        QCOMPARE(Exercise::at(e.label(0)), kLabels[0]);
        Exercise::send(e.label(0), QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(Exercise::at(e.label(0)), kLabels[0]);
        e.checkLabelsKept();
    }

    // The message box that ends the first stage is modal: whatever reaches the labels meanwhile
    // moves none of them.
    void dropDuringTheMessageBox() {
        Exercise e;
        e.tp.dialogs.whileOpen = [&] {
            for (int i = 0; i < 4; ++i) {
                Label* l = e.label(i);
                Exercise::send(l, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
                Exercise::send(l, QEvent::MouseMove, {-200, 100}, Qt::NoButton, Qt::LeftButton);
                Exercise::send(l, QEvent::MouseButtonRelease, {-200, 100}, Qt::LeftButton, Qt::NoButton);
                Exercise::send(l, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
            }
        };
        e.toDragStage();
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(Exercise::at(e.label(i)), kLabels[i]);
            QVERIFY(e.variation(i)->isHidden());
        }
        e.checkLabelsKept();
        // The labels answer normally afterwards.
        e.dragTo(0, 300, 2500);
        QVERIFY(e.variation(0)->isVisible());
    }

    // Closing the window from its title bar and opening it again starts the exercise afresh.
    void closingStartsAfresh() {
        Exercise e;
        e.match(0);
        e.click(e.table(1));
        e.form.closeByPupil();
        e.form.show();
        QCOMPARE(e.help(), kMatchingHelp);
        QCOMPARE(e.form.matching().matchCount(), std::int16_t(0));
        QVERIFY(!e.form.matching().selected());
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(Exercise::at(e.table(i)), kTables[i]);
            QCOMPARE(e.table(i)->border(), PictureBox::Border::Flat);
        }
        // A remembered pick would match without any table standing out.
        e.click(e.curve(1));
        QCOMPARE(Exercise::at(e.table(1)), kTables[1]);
        // Four fresh matches end the stage, not two.
        for (int i : {0, 1, 2})
            e.match(i);
        QVERIFY(e.tp.dialogs.shown.empty());
        e.match(3);
        QCOMPARE(e.tp.dialogs.shown.size(), size_t(1));
        // The second stage, closed and opened again, is the first stage again.
        e.dragTo(0, 300, 2500, false);
        e.form.closeByPupil();
        e.form.show();
        QVERIFY(e.label(0)->isHidden());
        QVERIFY(e.table(0)->isVisible());
        QVERIFY(!e.form.drag().dragging());
    }

    // Closed while the message box is open, the window comes back in the first stage.
    void closedDuringTheMessageBox() {
        Exercise e;
        e.tp.dialogs.whileOpen = [&] { e.form.closeByPupil(); };
        e.toDragStage();
        QVERIFY(!e.form.isShown());
        e.form.show();
        QCOMPARE(e.help(), kMatchingHelp);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(e.table(i)->isVisible());
            QVERIFY(e.label(i)->isHidden());
        }
    }
};

QTEST_MAIN(TestReferenceFunctionsWindow)
#include "tst_reference_functions_window.moc"
