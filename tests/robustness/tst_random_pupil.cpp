// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A random pupil: acts at random on every window of the registry and on every control found in
// them by type (hostile typing, long pastes, clicks, double clicks, drags, menu entries, closes,
// reopenings), also from inside the long loops and while a message box is open, and checks that
// the program neither crashes nor leaves events waiting.
//
// The suite runs a short walk. A long one: scripts/random-pupil, or the environment variables
// RANDOM_PUPIL_ACTIONS (actions per row), RANDOM_PUPIL_SEED (one seed instead of the rows') and
// RANDOM_PUPIL_STALL_MS (the longest time allowed without events, 5000 ms unless told).
//
// A walk depends on its seed alone: the pupil decides when the windows' timers tick, lists show
// their lines at the next events, the prime search runs on this thread and the pump runs events
// every so many calls. The clock only measures the walk; a seed replays the same actions.

#include "test_program.h"
#include "test_services.h"

#include "app/window_catalog.h"
#include "primes/prime_search_window.h"
#include "shell/form.h"
#include "shell/program.h"
#include "shell/toolkit/controls.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <iterator>
#include <memory>
#include <random>

// The sanitizers' runtime is linked only in the sanitizer build (tests/CMakeLists.txt defines
// NS_SANITIZED_BUILD there), while its header ships with every g++.
#ifdef NS_SANITIZED_BUILD
#include <sanitizer/common_interface_defs.h>

using numbers::NumberFormat;
#endif

using namespace ui;

namespace {

// Actions nest: a long loop lets events run, and the pupil may start another loop from there.
// Beyond this depth the pupil waits for the loops to end.
constexpr int kMaxDepth = 4;
// Ticks spent waiting at the deepest level before the pupil quits the program.
constexpr int kPatience = 3000;
// Ticks a loop may keep running after the program has ended before the walk calls it a hang.
constexpr int kEndGrace = 200000;

int envInt(const char* name, int fallback) {
    const QByteArray v = qgetenv(name);
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok ? n : fallback;
}

// Lets pending events run every few calls, as the program's pump does every few milliseconds,
// but counted rather than timed so that a seed always walks the same way.
class CountingPump : public Pump {
public:
    CountingPump() { m_due = true; }

protected:
    void runPending() override {
        if (++m_calls % 64 != 0)
            return;
        ++m_depth;
        QCoreApplication::processEvents();
        --m_depth;
    }

private:
    unsigned m_calls = 0;
};

// Random draws from the walk's own generator.
class SeededDraws : public Draws {
public:
    explicit SeededDraws(std::uint64_t seed)
        : m_random(seed) {}
    float draw() override { return std::uniform_real_distribution<float>(0.0f, 1.0f)(m_random) * 0.99999f; }

private:
    std::mt19937_64 m_random;
};

// The last actions, printed when the walk fails or a sanitizer stops the process.
std::deque<QString> recentActions;
// Every action of the walk, when asked for.
QStringList* actionLog = nullptr;

void printRecentActions() {
    std::fprintf(stderr, "random pupil: last actions, oldest first:\n");
    for (const QString& a : recentActions)
        std::fprintf(stderr, "  %s\n", qPrintable(a));
}

struct Figures {
    long actions = 0;
    long programs = 0;
    long messages = 0;
    long nestedActions = 0; // taken while a long loop, a message box or a modal window waited
    int deepest = 0;
    long gapsOver100ms = 0;
    long stalls = 0;
    qint64 longestGapMs = 0;
    QString longestGapAfter;
    bool hang = false;
};

class RandomPupil : public QObject {
public:
    RandomPupil(std::uint64_t seed, char separator, long actions, int stallMs)
        : m_random(seed)
        , m_separator(separator)
        , m_target(actions)
        , m_stallMs(stallMs) {}

    Figures walk() {
        recentActions.clear();
        // A paste is always set up by its action; a text left from an earlier walk plays no part.
        QGuiApplication::clipboard()->clear();
        QEventLoop outer;
        m_outer = &outer;
        startProgram();
        m_sinceTick.start();
        scheduleTick();
        outer.exec();
        m_program.reset();
        // Windows closed at the very end are destroyed here.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return m_figures;
    }

private:
    // --- the walk ---

    // Each tick asks for the next one before it acts, as a fresh event: whatever event loop runs
    // during the action (a pump, a message box, a modal window) delivers it, and the pupil acts
    // from there. A repeating timer would not do: Qt does not fire a timer again while its
    // previous tick is still running.
    void scheduleTick() {
        QTimer::singleShot(0, this, [this] { tick(); });
    }

    void tick() {
        const qint64 gap = m_sinceTick.restart();
        noteGap(gap);
        if (m_depth == 0 && (!m_program || m_program->ended())) {
            m_program.reset();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (m_figures.actions >= m_target || m_figures.hang) {
                m_outer->quit();
                return;
            }
            startProgram();
        }
        scheduleTick();
        if (m_program->ended()) {
            // The loops still on the stack must end now that the program has.
            if (++m_endedTicks > kEndGrace && !m_figures.hang) {
                m_figures.hang = true;
                note(QStringLiteral("a loop keeps running after the end of the program"));
                printRecentActions();
            }
            return;
        }
        if (m_messagesOpen > 0)
            return;
        if (m_depth >= kMaxDepth) {
            if (++m_waiting > kPatience)
                quitProgram(QStringLiteral("quits while loops run at every level"));
            return;
        }
        m_waiting = 0;
        if (m_figures.actions >= m_target || --m_leftInProgram <= 0) {
            quitProgram(QStringLiteral("quits"));
            return;
        }
        ++m_depth;
        ++m_figures.actions;
        if (m_depth > 1)
            ++m_figures.nestedActions;
        m_figures.deepest = std::max(m_figures.deepest, m_depth);
        act();
        --m_depth;
        m_sinceTick.restart();
    }

    void noteGap(qint64 gap) {
        if (gap > 100)
            ++m_figures.gapsOver100ms;
        if (gap > m_stallMs) {
            ++m_figures.stalls;
            std::fprintf(stderr, "random pupil: no events for %lld ms\n", static_cast<long long>(gap));
            printRecentActions();
        }
        if (gap > m_figures.longestGapMs) {
            m_figures.longestGapMs = gap;
            m_figures.longestGapAfter = recentActions.empty() ? QString() : recentActions.back();
        }
    }

    void startProgram() {
        auto dialogs = std::make_unique<ScriptedDialogs>();
        m_dialogs = dialogs.get();
        m_dialogs->whileOpen = [this] { whileMessageOpen(); };
        m_program = std::make_unique<Program>(
            makeWindow, Program::Services{.numbers = NumberFormat(m_separator),
                                          .dialogs = std::move(dialogs),
                                          .pump = std::make_unique<CountingPump>(),
                                          .draws = std::make_unique<SeededDraws>(m_random()),
                                          .endProcess = [] {},
                                          .steppedTime = true});
        // On several threads, the pace of the threads would decide how often events run.
        m_program->get<PrimeSearchWindow>().setSearchThreads(0, 1);
        m_leftInProgram = pick(50, 3000);
        m_endedTicks = 0;
        ++m_figures.programs;
        // Half the programs start as the pupil sees them, with the splash.
        if (chance(0.5))
            m_program->start();
        else
            showSomeWindow();
    }

    void quitProgram(const QString& why) {
        note(why);
        m_program->endProgram();
    }

    // A message box is modal to the whole program: the pupil can only close it, and meanwhile
    // the timers and the deferred deletions run, as in the box's own event loop.
    void whileMessageOpen() {
        ++m_figures.messages;
        m_dialogs->shown.clear();
        ++m_messagesOpen;
        QEventLoop box;
        QTimer::singleShot(0, &box, &QEventLoop::quit);
        box.exec();
        --m_messagesOpen;
    }

    // --- choosing ---

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    template <class T> T* oneOf(const QList<T*>& list) {
        return list.isEmpty() ? nullptr : list.at(pick(0, int(list.size()) - 1));
    }

    void note(const QString& what) {
        recentActions.push_back(QStringLiteral("[%1/%2] ").arg(m_figures.actions).arg(m_depth) + what);
        if (actionLog)
            actionLog->push_back(recentActions.back());
        if (recentActions.size() > 400)
            recentActions.pop_front();
    }

    QList<Form*> forms(bool shownOnly) {
        QList<Form*> list;
        for (std::string_view name : windowNames())
            if (Form* f = m_program->form(name); f && (!shownOnly || f->isShown()))
                list.push_back(f);
        return list;
    }

    QString hostileText() {
        static const char* const fixed[] = {"",
                                            "-",
                                            "+",
                                            "0",
                                            "-0",
                                            "00",
                                            "007",
                                            " 12 ",
                                            "1,5",
                                            "1.5",
                                            "-1,5",
                                            "5,",
                                            ",5",
                                            "1e3",
                                            "1E-2",
                                            "1e",
                                            "1e308",
                                            "1e309",
                                            "-1e400",
                                            "1e-400",
                                            "4,9E-324",
                                            "1,79769313486232E+308",
                                            "-1,79769313486232E+308",
                                            "2147483647",
                                            "2147483648",
                                            "-2147483648",
                                            "32767",
                                            "32768",
                                            "170",
                                            "171",
                                            "250",
                                            "251",
                                            "9999999999",
                                            "99999999999999999999",
                                            "13407807929942596E+138",
                                            "abc",
                                            "5a",
                                            "--5",
                                            "+-5",
                                            "1 2",
                                            "nan",
                                            "inf",
                                            "0x10",
                                            "1d3",
                                            "∞",
                                            "½",
                                            "٣",
                                            "𝟙𝟚",
                                            "é",
                                            "\t",
                                            "  ",
                                            "1e2e3",
                                            ",",
                                            ".",
                                            "e",
                                            "E5"};
        const int kind = pick(0, 9);
        if (kind < 5)
            return QString::fromUtf8(fixed[pick(0, int(std::size(fixed)) - 1)]);
        if (kind < 8) {
            static const QString alphabet = QStringLiteral("0123456789-+,.eE \tx");
            QString s;
            for (int i = pick(1, 20); i > 0; --i)
                s += alphabet.at(pick(0, int(alphabet.size()) - 1));
            return s;
        }
        if (kind < 9) {
            QString s;
            for (int i = pick(1, 8); i > 0; --i)
                s += QChar(char16_t(pick(0x20, 0xFFFD)));
            return s;
        }
        return QString(pick(20, 400), QLatin1Char('9'));
    }

    QString longText() {
        static const int sizes[] = {1000, 20000, 32766, 32767, 32768, 50000, 200000};
        const int size = chance(0.01) ? 2'000'000 : sizes[pick(0, int(std::size(sizes)) - 1)];
        QString s(size, QLatin1Char(chance(0.5) ? '1' : '0'));
        switch (pick(0, 3)) {
        case 0:
            s[0] = QLatin1Char('-');
            break;
        case 1:
            s[size / 2] = QLatin1Char(m_separator);
            break;
        case 2:
            s[size - 1] = QLatin1Char('x');
            break;
        default:
            break;
        }
        return s;
    }

    // --- acting ---

    void act() {
        m_dialogs->inputAnswers = {hostileText()};
        m_dialogs->colorAnswers = {
            chance(0.5) ? std::optional<QColor>(QColor::fromRgb(QRgb(pick(0, 0xFFFFFF)))) : std::nullopt};
        const int kind = pick(0, 99);
        if (kind >= 96)
            return letTimePass();
        // A modal window takes all the input until it is closed.
        if (Form* modal = modalForm())
            return kind < 10   ? closeForm(*modal)
                   : kind < 20 ? triggerMenuEntry(*modal)
                               : actOnControl(*modal);
        if (kind < 8)
            return showSomeWindow();
        QList<Form*> shown = forms(true);
        Form* form = oneOf(shown);
        if (!form)
            return showSomeWindow();
        if (kind < 10) {
            note(QStringLiteral("hides %1").arg(QLatin1String(form->name())));
            return form->hide();
        }
        if (kind < 15)
            return closeForm(*form);
        if (kind < 25)
            return triggerMenuEntry(*form);
        actOnControl(*form);
    }

    Form* modalForm() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return nullptr;
        for (Form* f : forms(true))
            if (&f->window() == modal)
                return f;
        return nullptr;
    }

    // Half a second passes: every running timer of the windows ticks once.
    void letTimePass() {
        note(QStringLiteral("lets time pass"));
        QList<QPointer<Timer>> timers;
        for (Form* f : forms(false))
            if (f->hasControls())
                for (QTimer* t : f->window().findChildren<QTimer*>())
                    if (auto* own = dynamic_cast<Timer*>(t))
                        timers.push_back(own);
        for (const QPointer<Timer>& t : timers)
            if (t && t->running() && !m_program->ended())
                t->tick();
    }

    void closeForm(Form& form) {
        note(QStringLiteral("closes %1").arg(QLatin1String(form.name())));
        form.window().close();
    }

    void showSomeWindow() {
        Form* form = oneOf(forms(false));
        note(QStringLiteral("shows %1").arg(QLatin1String(form->name())));
        form->show();
    }

    void triggerMenuEntry(Form& form) {
        QList<QAction*> entries;
        for (QAction* a : form.window().findChildren<QAction*>())
            if (!a->isSeparator() && !a->menu() && a->isEnabled() && a->isVisible() &&
                !a->objectName().isEmpty())
                entries.push_back(a);
        QAction* entry = oneOf(entries);
        if (!entry)
            return actOnControl(form);
        note(QStringLiteral("%1: menu %2").arg(QLatin1String(form.name()), entry->objectName()));
        entry->trigger();
    }

    void actOnControl(Form& form) {
        QList<QWidget*> controls;
        for (QWidget* w : form.window().findChildren<QWidget*>())
            if (w->isVisible() && !qobject_cast<QMenu*>(w))
                controls.push_back(w);
        QWidget* w = oneOf(controls);
        if (!w)
            return;
        const QString where = QStringLiteral("%1.%2").arg(QLatin1String(form.name()), w->objectName());
        if (auto* box = qobject_cast<QLineEdit*>(w); box && !box->isReadOnly())
            return actOnBox(box, where);
        if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit())
            return actOnBox(combo->lineEdit(), where);
        if (auto* text = qobject_cast<QPlainTextEdit*>(w); text && !text->isReadOnly()) {
            const QString typed = hostileText();
            note(QStringLiteral("%1: types «%2»").arg(where, typed.left(40)));
            text->setFocus();
            return typeText(text, typed);
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            const bool twice = chance(0.15);
            note(QStringLiteral("%1: %2").arg(where, twice ? QStringLiteral("double click")
                                                           : QStringLiteral("click")));
            if (twice)
                QTest::mouseDClick(button, Qt::LeftButton);
            else
                QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
        if (auto* view = qobject_cast<QAbstractItemView*>(w))
            w = view->viewport();
        mouseOn(w, where);
    }

    void actOnBox(QLineEdit* box, const QString& where) {
        box->setFocus();
        const int kind = pick(0, 9);
        if (kind < 4) {
            const QString typed = hostileText();
            note(QStringLiteral("%1: types «%2»").arg(where, typed.left(40)));
            if (chance(0.5))
                box->end(false);
            else
                box->setCursorPosition(pick(0, int(box->text().size())));
            return typeText(box, typed);
        }
        if (kind < 6) {
            const QString pasted = chance(0.3) ? hostileText() : longText();
            note(QStringLiteral("%1: pastes %2 characters «%3…»")
                     .arg(where)
                     .arg(pasted.size())
                     .arg(pasted.left(12)));
            QGuiApplication::clipboard()->setText(pasted);
            if (chance(0.5))
                box->selectAll();
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            return;
        }
        if (kind < 8) {
            note(QStringLiteral("%1: empties").arg(where));
            const QPointer<QLineEdit> guard(box);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            if (guard)
                QTest::keyClick(box, Qt::Key_Backspace);
            return;
        }
        static const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
            {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Delete, Qt::NoModifier},
            {Qt::Key_Home, Qt::NoModifier},      {Qt::Key_Return, Qt::NoModifier},
            {Qt::Key_Z, Qt::ControlModifier},    {Qt::Key_Y, Qt::ControlModifier},
            {Qt::Key_X, Qt::ControlModifier},    {Qt::Key_Tab, Qt::NoModifier},
            {Qt::Key_Escape, Qt::NoModifier}};
        const auto [key, modifiers] = keys[pick(0, int(std::size(keys)) - 1)];
        note(QStringLiteral("%1: key %2 (modifiers %3)").arg(where).arg(int(key)).arg(int(modifiers)));
        QTest::keyClick(box, key, modifiers);
    }

    // Types key by key; characters without a key of their own arrive as an input method would
    // send them.
    void typeText(QWidget* widget, const QString& text) {
        const QPointer<QWidget> target(widget);
        for (QChar c : text) {
            if (!target) // the window was closed by events run during the typing
                return;
            if (c.unicode() < 0x7F && c.isPrint()) {
                QTest::keyClick(target.data(), char(c.unicode()));
            } else {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QCoreApplication::sendEvent(target.data(), &press);
            }
        }
    }

    void mouseOn(QWidget* w, const QString& where) {
        const QPoint at(pick(0, qMax(0, w->width() - 1)), pick(0, qMax(0, w->height() - 1)));
        const int kind = pick(0, 9);
        if (kind < 5) {
            note(QStringLiteral("%1: click at %2,%3").arg(where).arg(at.x()).arg(at.y()));
            QTest::mouseClick(w, Qt::LeftButton, {}, at);
        } else if (kind < 7) {
            note(QStringLiteral("%1: double click at %2,%3").arg(where).arg(at.x()).arg(at.y()));
            QTest::mouseDClick(w, Qt::LeftButton, {}, at);
        } else {
            const QPoint to(pick(-50, w->width() + 50), pick(-50, w->height() + 50));
            note(QStringLiteral("%1: drags from %2,%3 to %4,%5")
                     .arg(where)
                     .arg(at.x())
                     .arg(at.y())
                     .arg(to.x())
                     .arg(to.y()));
            QPointer<QWidget> guard(w);
            QTest::mousePress(w, Qt::LeftButton, {}, at);
            if (guard)
                QTest::mouseMove(w, (at + to) / 2);
            if (guard)
                QTest::mouseMove(w, to);
            if (guard)
                QTest::mouseRelease(w, Qt::LeftButton, {}, to);
        }
    }

    std::mt19937_64 m_random;
    char m_separator;
    long m_target;
    int m_stallMs;
    std::unique_ptr<Program> m_program;
    ScriptedDialogs* m_dialogs = nullptr;
    QEventLoop* m_outer = nullptr;
    QElapsedTimer m_sinceTick;
    int m_depth = 0;
    int m_messagesOpen = 0;
    int m_waiting = 0;
    int m_endedTicks = 0;
    long m_leftInProgram = 0;
    Figures m_figures;
};

} // namespace

class TestRandomPupil : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        setUpTestApplication();
#ifdef NS_SANITIZED_BUILD
        __sanitizer_set_death_callback(printRecentActions);
#endif
    }

    void walk_data() {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<char>("separator");
        const int chosen = envInt("RANDOM_PUPIL_SEED", -1);
        const QList<quint64> seeds = chosen >= 0 ? QList<quint64>{quint64(chosen)} : QList<quint64>{1, 2};
        for (quint64 seed : seeds) {
            QTest::addRow("seed %llu, comma", seed) << seed << ',';
            QTest::addRow("seed %llu, point", seed) << seed << '.';
        }
    }

    void walk() {
        QFETCH(quint64, seed);
        QFETCH(char, separator);
        const long actions = envInt("RANDOM_PUPIL_ACTIONS", 600);
        // The suite runs its tests side by side on a busy machine: a generous bound there; the long
        // walk of scripts/random-pupil holds to 2 s.
        const int stallMs = envInt("RANDOM_PUPIL_STALL_MS", 5000);
        QElapsedTimer clock;
        clock.start();
        RandomPupil pupil(seed, separator, actions, stallMs);
        const Figures f = pupil.walk();
        std::printf(
            "random pupil, seed %llu, separator '%c': %ld actions in %lld ms (%ld nested, %d deep at "
            "most), %ld programs, %ld message boxes; longest time without events %lld ms (after: %s); %ld "
            "gaps over 100 ms, %ld over %d ms\n",
            static_cast<unsigned long long>(seed), separator, f.actions,
            static_cast<long long>(clock.elapsed()), f.nestedActions, f.deepest, f.programs, f.messages,
            static_cast<long long>(f.longestGapMs), qPrintable(f.longestGapAfter), f.gapsOver100ms, f.stalls,
            stallMs);
        std::printf(
            "random pupil, replay: RANDOM_PUPIL_SEED=%llu RANDOM_PUPIL_ACTIONS=%ld %s 'walk:seed %llu, "
            "%s'\n",
            static_cast<unsigned long long>(seed), actions,
            qPrintable(QCoreApplication::applicationFilePath()), static_cast<unsigned long long>(seed),
            separator == ',' ? "comma" : "point");
        std::fflush(stdout);
        QVERIFY2(!f.hang, "a loop kept running after the end of the program");
        QCOMPARE(f.stalls, 0L);
        QVERIFY(f.actions >= actions);
    }

    // The same seed walks the same way, action for action, whatever the pace of the machine.
    void seedReplaysItsWalk() {
        QStringList first;
        QStringList second;
        for (QStringList* log : {&first, &second}) {
            actionLog = log;
            RandomPupil(112, ',', 300, 1'000'000).walk();
            actionLog = nullptr;
        }
        QVERIFY(first.size() >= 300);
        for (qsizetype i = 0; i < std::min(first.size(), second.size()); ++i)
            QVERIFY2(first.at(i) == second.at(i),
                     qPrintable(QStringLiteral("action %1: %2 / %3").arg(i).arg(first.at(i), second.at(i))));
        QCOMPARE(second.size(), first.size());
    }
};

QTEST_MAIN(TestRandomPupil)
#include "tst_random_pupil.moc"
