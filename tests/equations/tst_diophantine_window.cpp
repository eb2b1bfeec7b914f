// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "equations/diophantine_window.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

#include <QFontMetricsF>

#include <array>
#include <vector>

using namespace ui;

using namespace ui;

namespace {

using W = DiophantineWindow;

const QString kNoSolution = QStringLiteral("L'équation n'admet pas de solutions");
const QString kEveryPair =
    QStringLiteral("Tous les couples d'entiers (x ; y) sont solutions : 0x + 0y = 0 quels que soient x et y");

// The captions of the two general lines: x = b *k + x0, y = -a *k + y0.
const ui::Ref<Label> kGeneralLabels[] = {W::generalBLabel, W::xMultiplierLabel, W::generalX0Label,
                                         W::minusALabel,   W::yMultiplierLabel, W::generalY0Label};

} // namespace

class TestEqDioph : public QObject {
    Q_OBJECT

    struct Window : ShownForm<DiophantineWindow> {
        QLineEdit* box(const ui::Ref<TextBox>& ref) { return control(form, ref); }
        QString caption(const ui::Ref<Label>& ref) { return control(form, ref)->caption(); }
        bool shown(const QWidget* w) { return w->isVisibleTo(&form.window()); }
        template <class T> bool shown(const ui::Ref<T>& ref) { return shown(control(form, ref)); }
        // Replaces a box's text as the pupil would: empties it, then types key by key.
        void type(const ui::Ref<TextBox>& ref, const QString& text) {
            box(ref)->clear();
            typeInto(box(ref), text);
        }
        // The controls whose visibility marks the stage, in the order the stages reveal them.
        std::vector<QWidget*> stageControls() {
            return {control(form, W::particularButton), control(form, W::linePrefixes[0]),
                    control(form, W::linePrefixes[1]),  control(form, W::generalButton),
                    control(form, W::linePrefixes[3]),  control(form, W::linePrefixes[2]),
                    control(form, W::xMultiplierLabel), control(form, W::yMultiplierLabel)};
        }
        void equation(const QStringList& abc) {
            type(W::aBox, abc[0]);
            type(W::bBox, abc[1]);
            type(W::cBox, abc[2]);
        }
        QStringList boxes() { return {box(W::aBox)->text(), box(W::bBox)->text(), box(W::cBox)->text()}; }
        QStringList pair() { return {caption(W::x0Label), caption(W::y0Label)}; }
        QStringList general() {
            QStringList captions;
            for (const ui::Ref<Label>& ref : kGeneralLabels)
                captions << caption(ref);
            return captions;
        }
        // Only a visible button can be pressed.
        void press(const ui::Ref<Button>& ref) {
            if (shown(ref))
                QTest::mouseClick(control(form, ref), Qt::LeftButton);
        }
        void solve(const QStringList& abc) {
            equation(abc);
            press(W::simplifyButton);
            press(W::particularButton);
            press(W::generalButton);
        }
        // The stage the visible controls show, or the list of them when they match no stage.
        QString stage() {
            int count = 0;
            QStringList visible;
            const std::vector<QWidget*> controls = stageControls();
            for (const QWidget* c : controls)
                if (shown(c)) {
                    visible << c->objectName();
                    ++count;
                }
            // Each stage shows a leading run of the controls above, and nothing else.
            const bool leadingRun =
                count == 0 || visible.last() == controls[std::size_t(count - 1)]->objectName();
            if (leadingRun && count == 0)
                return QStringLiteral("coefficients");
            if (leadingRun && count == 1)
                return QStringLiteral("simplified");
            if (leadingRun && count == 4)
                return QStringLiteral("particular");
            if (leadingRun && count == 8)
                return QStringLiteral("general");
            return visible.join(u' ');
        }
        // The results are empty: what the reset on edit leaves.
        bool resultsCleared() {
            for (const auto* ref : {&W::x0Label, &W::y0Label, &W::generalBLabel, &W::minusALabel,
                                    &W::generalX0Label, &W::generalY0Label})
                if (!caption(*ref).isEmpty())
                    return false;
            return true;
        }
    };

private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    void startsAtTheCoefficients() {
        Window w;
        QCOMPARE(w.form.window().windowTitle(), QStringLiteral("Eq_dioph"));
        QCOMPARE(w.form.window().client()->size(), QSize(374, 309));
        QCOMPARE(w.stage(), QStringLiteral("coefficients"));
        QCOMPARE(w.caption(W::equationLabel), QStringLiteral("x +              y = "));
        QCOMPARE(w.boxes(), QStringList({"", "", ""}));
        QVERIFY(w.resultsCleared());
        QCOMPARE(w.caption(W::xMultiplierLabel), QStringLiteral("*k"));
        QCOMPARE(w.caption(W::yMultiplierLabel), QStringLiteral("*k"));
        const QStringList prefixes{w.caption(W::linePrefixes[0]), w.caption(W::linePrefixes[1]),
                                   w.caption(W::linePrefixes[2]), w.caption(W::linePrefixes[3])};
        QCOMPARE(prefixes, QStringList({"x =", "y =", "y =", "x ="}));
        QCOMPARE(control(w.form, W::simplifyButton)->caption(), QStringLiteral("Simplifier(éventuellement)"));
        QCOMPARE(control(w.form, W::particularButton)->caption(), QStringLiteral("Solutions particulieres"));
        QCOMPARE(control(w.form, W::generalButton)->caption(), QStringLiteral("Solution générale"));
    }

    // The three buttons pressed in turn on a freshly typed equation.
    void stages_data() {
        QTest::addColumn<QStringList>("typed");      // a, b, c
        QTest::addColumn<QStringList>("simplified"); // the boxes after "Simplifier(éventuellement)"
        QTest::addColumn<QString>("outcome");        // of "Solutions particulieres": pair, message, nothing
        QTest::addColumn<QStringList>("pair");       // x0, y0
        QTest::addColumn<QStringList>("general");    // Label5 Label7 Label9, Label6 Label8 Label10
        const auto row = [](const char* name, const QStringList& typed, const QStringList& simplified,
                            const char* outcome, const QStringList& pair = {},
                            const QStringList& general = {}) {
            QTest::newRow(name) << typed << simplified << QString::fromLatin1(outcome) << pair << general;
        };
        row("4 6 2", {"4", "6", "2"}, {"-2", "-3", "-1"}, "pair", {"98", "-65"},
            {"-3", "*k +", "98", "2", "*k", "-65"});
        row("6 4 2", {"6", "4", "2"}, {"-3", "-2", "-1"}, "pair", {"67", "-100"},
            {"-2", "*k +", "67", "3", "*k", "-100"});
        row("2 3 7", {"2", "3", "7"}, {"-2", "-3", "-7"}, "pair", {"98", "-63"},
            {"-3", "*k +", "98", "2", "*k", "-63"});
        row("12 18 30", {"12", "18", "30"}, {"-2", "-3", "-5"}, "pair", {"100", "-65"},
            {"-3", "*k +", "100", "2", "*k", "-65"});
        row("0 -3 6", {"0", "-3", "6"}, {"0", "1", "-2"}, "pair", {"1", "-2"},
            {"1", "*k +", "1", "0", "*k", "-2"});
        row("5 0 10", {"5", "0", "10"}, {"1", "0", "2"}, "pair", {"2", "1"},
            {"0", "*k +", "2", "-1", "*k +", "1"});
        // No pair in the search square: Bézout's coefficients.
        row("1 1 500", {"1", "1", "500"}, {"1", "1", "500"}, "pair", {"0", "500"},
            {"1", "*k", "", "-1", "*k +", "500"});
        row("0 0 0: every pair", {"0", "0", "0"}, {"0", "0", "0"}, "every pair");
        // "+5" sorts before "3" by character code; rewriting it resets the window before the
        // particular-solution button is shown, which it then stays.
        row("+5 3 1", {"+5", "3", "1"}, {"5", "3", "1"}, "pair", {"59", "-98"},
            {"3", "*k +", "59", "-5", "*k", "-98"});
        row("1 1 -200: negative x0", {"1", "1", "-200"}, {"1", "1", "-200"}, "pair", {"-100", "-100"},
            {"1", "*k", "-100", "-1", "*k", "-100"});
        // A zero coefficient whose partner does not divide c: no pair of the rule solves it.
        row("0 3 5", {"0", "3", "5"}, {"0", "3", "5"}, "message");
        // Texts that are not whole numbers: nothing is rewritten, nothing is found and nothing is said.
        row("letters", {"abc", "6", "12"}, {"abc", "6", "12"}, "nothing");
        row("1,5 2 3: b/d not whole", {"1,5", "2", "3"}, {"1,5", "2", "3"}, "nothing");
        row("beyond 16 bits", {"40000", "1", "1"}, {"40000", "1", "1"}, "pair", {"0", "1"},
            {"1", "*k", "", "-40000", "*k +", "1"});
    }
    void stages() {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, simplified);
        QFETCH(QString, outcome);
        QFETCH(QStringList, pair);
        QFETCH(QStringList, general);
        Window w;
        w.equation(typed);
        QCOMPARE(w.boxes(), typed);
        QCOMPARE(w.stage(), QStringLiteral("coefficients"));

        w.press(W::simplifyButton);
        QCOMPARE(w.boxes(), simplified);
        QCOMPARE(w.stage(), QStringLiteral("simplified"));

        w.press(W::particularButton);
        if (outcome != QLatin1String("pair")) {
            QCOMPARE(w.stage(), QStringLiteral("simplified"));
            QVERIFY(w.resultsCleared());
            if (outcome != QLatin1String("nothing")) {
                QCOMPARE(w.tp.dialogs.shown.size(), size_t(1));
                QCOMPARE(w.tp.dialogs.shown[0].text,
                         outcome == QLatin1String("message") ? kNoSolution : kEveryPair);
                QCOMPARE(w.tp.dialogs.shown[0].title, QStringLiteral("Korrin1"));
                QCOMPARE(w.tp.dialogs.shown[0].icon, Dialogs::Icon::None);
            } else {
                QVERIFY(w.tp.dialogs.shown.empty());
            }
            return;
        }
        QCOMPARE(w.pair(), pair);
        QCOMPARE(w.stage(), QStringLiteral("particular"));

        w.press(W::generalButton);
        QCOMPARE(w.general(), general);
        QCOMPARE(w.stage(), QStringLiteral("general"));
        QCOMPARE(w.pair(), pair);
        QCOMPARE(w.boxes(), simplified);
        QVERIFY(w.tp.dialogs.shown.empty());
    }

    // A press of "Simplifier(éventuellement)" that changes no box keeps the results on screen; one
    // that rewrites a box clears them and goes back to the simplified stage.
    void simplifyingAgain() {
        Window w;
        w.solve({"4", "6", "2"});
        QCOMPARE(w.stage(), QStringLiteral("general"));
        w.press(W::simplifyButton);
        QCOMPARE(w.boxes(), QStringList({"-2", "-3", "-1"}));
        QCOMPARE(w.stage(), QStringLiteral("general"));
        QCOMPARE(w.general(), QStringList({"-3", "*k +", "98", "2", "*k", "-65"}));

        // "+5" 3 1 is divided by 1 into 5 3 1, whose divisor then comes out as -1: every sign flips.
        w.solve({"+5", "3", "1"});
        QCOMPARE(w.boxes(), QStringList({"5", "3", "1"}));
        QCOMPARE(w.stage(), QStringLiteral("general"));
        w.press(W::simplifyButton);
        QCOMPARE(w.boxes(), QStringList({"-5", "-3", "-1"}));
        QCOMPARE(w.stage(), QStringLiteral("simplified"));
        QVERIFY(w.resultsCleared());
    }

    // Any edit of any box, from the last stage, clears the results and hides everything the
    // stages showed; the multipliers keep their captions.
    void editResets_data() {
        QTest::addColumn<int>("box"); // 0 a, 1 b, 2 c
        QTest::addColumn<QString>("keys");
        QTest::newRow("a typed into") << 0 << "0";
        QTest::newRow("b typed into") << 1 << "7";
        QTest::newRow("c typed into") << 2 << "x";
        QTest::newRow("c emptied") << 2 << "";
    }
    void editResets() {
        QFETCH(int, box);
        QFETCH(QString, keys);
        Window w;
        w.solve({"4", "6", "2"});
        QCOMPARE(w.stage(), QStringLiteral("general"));
        QLineEdit* edited = w.box(std::array{W::aBox, W::bBox, W::cBox}[std::size_t(box)]);
        if (keys.isEmpty())
            edited->clear();
        else
            typeInto(edited, keys);
        QCOMPARE(w.stage(), QStringLiteral("coefficients"));
        QVERIFY(w.resultsCleared());
        QCOMPARE(w.caption(W::xMultiplierLabel), QStringLiteral("*k +"));
        QCOMPARE(w.caption(W::yMultiplierLabel), QStringLiteral("*k"));
    }

    // After an answer with a positive x0, an edit and an equation whose x0 (or y0) is not positive
    // bring back "*k" without "+".
    void multiplierFollowsTheNewAnswer_data() {
        QTest::addColumn<QStringList>("second");
        QTest::addColumn<QStringList>("general");
        QTest::newRow("negative x0") << QStringList{"1", "1", "-200"}
                                     << QStringList{"1", "*k", "-100", "-1", "*k", "-100"};
        QTest::newRow("zero x0 and y0")
            << QStringList{"2", "3", "0"} << QStringList{"-3", "*k", "", "2", "*k", ""};
    }
    void multiplierFollowsTheNewAnswer() {
        QFETCH(QStringList, second);
        QFETCH(QStringList, general);
        Window w;
        w.solve({"5", "0", "10"});
        QCOMPARE(w.caption(W::xMultiplierLabel), QStringLiteral("*k +"));
        QCOMPARE(w.caption(W::yMultiplierLabel), QStringLiteral("*k +"));
        w.solve(second);
        QCOMPARE(w.stage(), QStringLiteral("general"));
        QCOMPARE(w.general(), general);
    }

    // A box left empty: the simplification does nothing and the window stays at its first stage.
    void emptyBoxStopsTheSimplification_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::newRow("a empty") << QStringList{"", "6", "2"};
        QTest::newRow("b empty") << QStringList{"4", "", "2"};
        QTest::newRow("c empty") << QStringList{"4", "6", ""};
    }
    void emptyBoxStopsTheSimplification() {
        QFETCH(QStringList, typed);
        Window w;
        w.equation(typed);
        w.press(W::simplifyButton);
        QCOMPARE(w.boxes(), typed);
        QCOMPARE(w.stage(), QStringLiteral("coefficients"));
    }

    // The pupil closes the window while the no-solution message is open: nothing is written
    // afterwards, and the next show starts from the layout.
    void closedWhileTheMessageIsOpen() {
        Window w;
        w.equation({"0", "3", "5"});
        w.press(W::simplifyButton);
        w.tp.dialogs.whileOpen = [&] { w.form.window().close(); };
        w.press(W::particularButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(w.tp.dialogs.shown.size(), size_t(1));
        w.tp.dialogs.whileOpen = nullptr;
        w.form.show();
        QCOMPARE(w.boxes(), QStringList({"", "", ""}));
        QCOMPARE(w.stage(), QStringLiteral("coefficients"));
    }

    // The equation reads a, "x +", b, "y =", c: the box of b covers only blanks of the caption
    // and "y =" stands between the boxes of b and c.
    void equationRowReadsInOrder() {
        Window w;
        Label* sentence = control(w.form, W::equationLabel);
        const QString text = sentence->caption();
        const QFontMetricsF metrics(sentence->font());
        const auto at = [&](qsizetype chars) {
            return sentence->x() + metrics.horizontalAdvance(text.left(chars));
        };
        const QRect a = w.box(W::aBox)->geometry();
        const QRect b = w.box(W::bBox)->geometry();
        const QRect c = w.box(W::cBox)->geometry();
        const qsizetype y = text.indexOf(u'y');
        QVERIFY(a.right() < sentence->x());
        QVERIFY(at(3) < b.left()); // "x +"
        QVERIFY(b.right() < at(y));
        QVERIFY(at(y + 3) < c.left()); // "y ="
        for (const QRect& r : {a, b, c})
            QCOMPARE(r.top(), a.top());
    }

    // Every caption of a fully solved equation fits its label, for the widest values a 16-bit
    // equation gives.
    void captionsFit_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("general");
        QTest::newRow("wide coefficients") << QStringList{"-32767", "-32766", "1"}
                                           << QStringList{"32766", "*k", "-1", "-32767", "*k +", "1"};
        QTest::newRow("wide x0") << QStringList{"1", "0", "-32768"}
                                 << QStringList{"0", "*k", "-32768", "-1", "*k +", "1"};
    }
    void captionsFit() {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, general);
        Window w;
        w.solve(typed);
        QCOMPARE(w.stage(), QStringLiteral("general"));
        QCOMPARE(w.general(), general);
        for (Label* l : w.form.window().findChildren<Label*>()) {
            const QRect need = l->fontMetrics().boundingRect(l->caption());
            QVERIFY2(need.width() <= l->width() && l->fontMetrics().height() <= l->height(),
                     qPrintable(l->objectName() + u' ' + l->caption()));
        }
    }
};

QTEST_MAIN(TestEqDioph)
#include "tst_diophantine_window.moc"
