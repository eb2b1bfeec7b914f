// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "probability/combinations_window.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

#include <QElapsedTimer>

#include <cmath>

using namespace ui;

namespace {

using W = CombinationsWindow;

const ui::Ref<Button> kExplanationButtons[] = {W::factorialExplanationButton, W::combinationExplanationButton,
                                               W::fillInHelpButton};
const QString kTitle = QStringLiteral("Korrin1");
const QString kSwap = QStringLiteral("Vous vous etes trompés de sens, ceci a été rectifié automatiquement");

// The contrast of two colours as legibility guidelines measure it, from 1 (same luminance) to 21.
double contrastRatio(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A text the window may show: never an infinity, a NaN or a negative zero.
bool plain(const QString& text) {
    for (const char* bad : {"inf", "nan", "-0"})
        if (text.contains(QLatin1String(bad), Qt::CaseInsensitive))
            return false;
    return true;
}

} // namespace

class TestCombinationsWindow : public QObject {
    Q_OBJECT

    struct Window : ShownForm<CombinationsWindow> {
        using ShownForm::ShownForm;
        QLineEdit* box(const ui::Ref<TextBox>& name) { return control(form, name); }
        QString label(const ui::Ref<Label>& name) { return control(form, name)->caption(); }
        void press(const ui::Ref<Button>& name) { QTest::mouseClick(control(form, name), Qt::LeftButton); }
        // Empties a box and types the text into it, key by key.
        void retype(const ui::Ref<TextBox>& name, const QString& text) {
            box(name)->clear();
            typeInto(box(name), text);
        }
    };

private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    // "Calculer" of the factorial tidies the box, then writes n! =value, the exact factorial rounded to
    // 15 significant digits; a factorial beyond the doubles leaves the label as the typing left it: empty.
    void factorial_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("label");
        QTest::newRow("20") << "20"
                            << "20"
                            << "20! =2,43290200817664E+18";
        QTest::newRow("30") << "30"
                            << "30"
                            << "30! =2,65252859812191E+32";
        QTest::newRow("170") << "170"
                             << "170"
                             << "170! =7,257415615308E+306";
        QTest::newRow("171 is beyond the doubles") << "171"
                                                   << "171"
                                                   << "Nombre trop grand";
        QTest::newRow("32-bit maximum") << "2147483647"
                                        << "2147483647"
                                        << "Nombre trop grand";
        QTest::newRow("beyond the doubles keeps the box") << "1e999"
                                                          << "1e999"
                                                          << "Nombre trop grand";
        QTest::newRow("empty") << ""
                               << "0"
                               << "0! =1";
        QTest::newRow("negative") << "-4"
                                  << "4"
                                  << "4! =24";
        QTest::newRow("decimal point") << "3.9"
                                       << "3"
                                       << "3! =6";
        QTest::newRow("decimal comma") << "3,5"
                                       << "3"
                                       << "3! =6";
        QTest::newRow("letters") << "abc"
                                 << "0"
                                 << "0! =1";
        QTest::newRow("negative below one") << "-0.5"
                                            << "0"
                                            << "0! =1";
        QTest::newRow("negative zero") << "-0"
                                       << "0"
                                       << "0! =1";
    }
    void factorial() {
        QFETCH(QString, typed);
        QFETCH(QString, box);
        QFETCH(QString, label);
        Window w;
        typeInto(w.box(W::numberBox), typed);
        w.press(W::factorialButton);
        QCOMPARE(w.box(W::numberBox)->text(), box);
        QCOMPARE(w.label(W::factorialLabel), label);
        QVERIFY(plain(w.box(W::numberBox)->text()));
        QVERIFY(plain(w.label(W::factorialLabel)));
        QVERIFY(w.tp.dialogs.shown.empty());
        // A second press finds a tidy box and gives the same answer.
        w.press(W::factorialButton);
        QCOMPARE(w.box(W::numberBox)->text(), box);
        QCOMPARE(w.label(W::factorialLabel), label);
    }

    // Any edit of the number, by the pupil or by the tidying, empties the result.
    void editingTheNumberEmptiesTheResult() {
        Window w;
        typeInto(w.box(W::numberBox), QStringLiteral("5"));
        w.press(W::factorialButton);
        QCOMPARE(w.label(W::factorialLabel), QStringLiteral("5! =120"));
        typeInto(w.box(W::numberBox), QStringLiteral("x"));
        QCOMPARE(w.label(W::factorialLabel), QString());
        w.press(W::factorialButton);
        QCOMPARE(w.box(W::numberBox)->text(), QStringLiteral("5"));
        QCOMPARE(w.label(W::factorialLabel), QStringLiteral("5! =120"));
        w.box(W::numberBox)->setText(QStringLiteral("6"));
        QCOMPARE(w.label(W::factorialLabel), QString());
    }

    // "Calculer" of the combinations tidies both boxes, swaps them when the lower one holds more, then
    // writes the exact count; a count beyond the doubles says so instead of leaving the previous one.
    void combinations_data() {
        QTest::addColumn<QString>("typedN");
        QTest::addColumn<QString>("typedK");
        QTest::addColumn<QString>("n");
        QTest::addColumn<QString>("k");
        QTest::addColumn<bool>("swapped");
        QTest::addColumn<QString>("label");
        QTest::newRow("52 and 5") << "52"
                                  << "5"
                                  << "52"
                                  << "5" << false << "2598960";
        QTest::newRow("200 and 2") << "200"
                                   << "2"
                                   << "200"
                                   << "2" << false << "19900";
        QTest::newRow("1000 and 500") << "1000"
                                      << "500"
                                      << "1000"
                                      << "500" << false << "2,70288240945437E+299";
        QTest::newRow("too large, never the previous count") << "1030"
                                                             << "500"
                                                             << "1030"
                                                             << "500" << false << "Nombre trop grand";
        QTest::newRow("1000 and 999 need no factorial") << "1000"
                                                        << "999"
                                                        << "1000"
                                                        << "999" << false << "1000";
        QTest::newRow("5 and 2") << "5"
                                 << "2"
                                 << "5"
                                 << "2" << false << "10";
        QTest::newRow("2 and 5 are swapped") << "2"
                                             << "5"
                                             << "5"
                                             << "2" << true << "10";
        QTest::newRow("equal") << "7"
                               << "7"
                               << "7"
                               << "7" << false << "1";
        QTest::newRow("both empty") << ""
                                    << ""
                                    << "0"
                                    << "0" << false << "1";
        QTest::newRow("negative and decimal") << "-5"
                                              << "2.7"
                                              << "5"
                                              << "2" << false << "10";
        QTest::newRow("letters above are 0, then swapped") << "abc"
                                                           << "3"
                                                           << "3"
                                                           << "0" << true << "1";
        QTest::newRow("negative zero below") << "4"
                                             << "-0.2"
                                             << "4"
                                             << "0" << false << "1";
    }
    void combinations() {
        QFETCH(QString, typedN);
        QFETCH(QString, typedK);
        QFETCH(QString, n);
        QFETCH(QString, k);
        QFETCH(bool, swapped);
        QFETCH(QString, label);
        Window w;
        typeInto(w.box(W::setSizeBox), QStringLiteral("6"));
        typeInto(w.box(W::chosenCountBox), QStringLiteral("2"));
        w.press(W::combinationsButton);
        QCOMPARE(w.label(W::combinationsLabel), QStringLiteral("15"));
        w.retype(W::setSizeBox, typedN);
        w.retype(W::chosenCountBox, typedK);
        // While the swap message is open, the boxes are already swapped and the count not yet written.
        QStringList seenWhileOpen;
        w.tp.dialogs.whileOpen = [&] {
            seenWhileOpen = {w.box(W::setSizeBox)->text(), w.box(W::chosenCountBox)->text(),
                             w.label(W::combinationsLabel)};
        };
        w.press(W::combinationsButton);
        QCOMPARE(w.box(W::setSizeBox)->text(), n);
        QCOMPARE(w.box(W::chosenCountBox)->text(), k);
        QCOMPARE(w.label(W::combinationsLabel), label);
        QVERIFY(plain(w.label(W::combinationsLabel)));
        if (swapped) {
            QCOMPARE(int(w.tp.dialogs.shown.size()), 1);
            QCOMPARE(w.tp.dialogs.shown[0].text, kSwap);
            QCOMPARE(w.tp.dialogs.shown[0].title, kTitle);
            QCOMPARE(w.tp.dialogs.shown[0].icon, Dialogs::Icon::None);
            QCOMPARE(seenWhileOpen, (QStringList{n, k, QStringLiteral("15")}));
        } else {
            QVERIFY(w.tp.dialogs.shown.empty());
        }
    }

    // Under a point as decimal separator the count is written with a point.
    void countWithAPoint() {
        Window w('.');
        typeInto(w.box(W::setSizeBox), QStringLiteral("1000"));
        typeInto(w.box(W::chosenCountBox), QStringLiteral("500,9"));
        w.press(W::combinationsButton);
        QCOMPARE(w.box(W::chosenCountBox)->text(), QStringLiteral("500"));
        QCOMPARE(w.label(W::combinationsLabel), QStringLiteral("2.70288240945437E+299"));
    }

    // Editing n or k leaves the count as it was until the next press.
    void editingTheBoxesKeepsTheCount() {
        Window w;
        typeInto(w.box(W::setSizeBox), QStringLiteral("5"));
        typeInto(w.box(W::chosenCountBox), QStringLiteral("2"));
        w.press(W::combinationsButton);
        typeInto(w.box(W::setSizeBox), QStringLiteral("0"));
        w.retype(W::chosenCountBox, QStringLiteral("abc"));
        QCOMPARE(w.label(W::combinationsLabel), QStringLiteral("10"));
        w.press(W::combinationsButton);
        QCOMPARE(w.label(W::combinationsLabel), QStringLiteral("1"));
    }

    // The explanation buttons show their messages, in order, with the application title and no icon.
    void explanations_data() {
        QTest::addColumn<int>("button"); // in kExplanationButtons
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("factorials")
            << 0
            << QStringList{"Les factoriels sont des outils de simplifications utilisés surtout "
                           "avec les combinaisons, factoriel n se note n! et n!=1*2*3*...*(n-1)*n "
                           "[Explications factoriels]"};
        QTest::newRow("combinations")
            << 1
            << QStringList{"La combinaison de k parmi n et le nombre de facons de "
                           "choisir k elements de n. La combnaison de k parmi n est "
                           "égale à n!/(k!(n-k)!)"};
        QTest::newRow("how to fill the boxes")
            << 2
            << QStringList{"entrez au dessus le nombre d'elements de l'enssemble et en dessous le nombre "
                           "d'elements choisis parmi l'enssemble",
                           "EXEMPLE choisir k element parmi n mettre n au dessus et k en desous"};
    }
    void explanations() {
        QFETCH(int, button);
        QFETCH(QStringList, messages);
        Window w;
        w.press(kExplanationButtons[button]);
        QStringList shown;
        for (const auto& m : w.tp.dialogs.shown) {
            shown << m.text;
            QCOMPARE(m.title, kTitle);
            QCOMPARE(m.icon, Dialogs::Icon::None);
        }
        QCOMPARE(shown, messages);
    }

    // The two results keep the look of highlighted text, and read well: the theme's highlighted text on
    // its highlight colour, or on a shade of that colour where the theme's pair has too little contrast.
    void resultsReadOnTheHighlight_data() {
        QTest::addColumn<QColor>("highlight");
        QTest::addColumn<QColor>("highlightedText");
        QTest::addColumn<bool>("kept"); // the theme's pair reads well as it is
        const QPalette standard = QApplication::palette();
        QTest::newRow("this platform's theme")
            << standard.color(QPalette::Highlight) << standard.color(QPalette::HighlightedText)
            << (contrastRatio(standard.color(QPalette::Highlight),
                              standard.color(QPalette::HighlightedText)) >= 4.5);
        QTest::newRow("light blue under white") << QColor(48, 140, 198) << QColor(Qt::white) << false;
        QTest::newRow("navy under white") << QColor(0, 0, 128) << QColor(Qt::white) << true;
        QTest::newRow("mid blue under black") << QColor(48, 112, 192) << QColor(Qt::black) << false;
        QTest::newRow("pale yellow under black") << QColor(255, 255, 160) << QColor(Qt::black) << true;
    }
    void resultsReadOnTheHighlight() {
        QFETCH(QColor, highlight);
        QFETCH(QColor, highlightedText);
        QFETCH(bool, kept);
        const QPalette standard = QApplication::palette();
        QPalette theme = standard;
        theme.setColor(QPalette::Highlight, highlight);
        theme.setColor(QPalette::HighlightedText, highlightedText);
        QApplication::setPalette(theme);
        {
            Window w;
            typeInto(w.box(W::numberBox), QStringLiteral("30"));
            w.press(W::factorialButton);
            typeInto(w.box(W::setSizeBox), QStringLiteral("1000"));
            typeInto(w.box(W::chosenCountBox), QStringLiteral("500"));
            w.press(W::combinationsButton);
            for (const auto& result : {W::factorialLabel, W::combinationsLabel}) {
                Label* label = control(w.form, result);
                const QColor text = label->palette().color(QPalette::WindowText);
                const QColor background = label->palette().color(QPalette::Window);
                QVERIFY(label->autoFillBackground());
                QCOMPARE(text, highlightedText);
                QVERIFY2(contrastRatio(text, background) >= 4.5,
                         qPrintable(QString::number(contrastRatio(text, background))));
                if (kept)
                    QCOMPARE(background, highlight);
                else
                    QVERIFY(std::abs(background.hsvHue() - highlight.hsvHue()) <= 3);
                // The painted label shows its background behind the text.
                const QImage shot = label->grab().toImage();
                QCOMPARE(shot.pixelColor(2, shot.height() - 3).rgb(), background.rgb());
            }
        }
        QApplication::setPalette(standard);
    }

    // However large the numbers, the answers come at once and with no deep recursion (the test build
    // stops on a stack overflow).
    void largeNumbersAnswerAtOnce() {
        Window w;
        w.box(W::numberBox)->setText(QStringLiteral("2147483647"));
        w.box(W::setSizeBox)->setText(QStringLiteral("2147483647"));
        w.box(W::chosenCountBox)->setText(QStringLiteral("1073741823"));
        QElapsedTimer timer;
        timer.start();
        w.press(W::factorialButton);
        w.press(W::combinationsButton);
        QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(w.label(W::factorialLabel), QStringLiteral("Nombre trop grand"));
        QCOMPARE(w.label(W::combinationsLabel), QStringLiteral("Nombre trop grand"));
    }
};

QTEST_MAIN(TestCombinationsWindow)
#include "tst_combinations_window.moc"
