// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "full_volume.h"

#include "equations/rules/trinomial.h"
#include "help/python_window.h"
#include "primes/rules/primality.h"
#include "probability/rules/combinations.h"
#include "probability/rules/frequencies.h"
#include "shell/main_menu.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/list_box.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

using numbers::NumberFormat;

using namespace ui;

namespace {

using W = PythonWindow;

// Imports a listing and calls its functions on a table of arguments: one JSON result per call.
// Whole numbers come back as their decimal text, so that big ones stay exact; an exception comes
// back as {"exception": its type}.
constexpr const char* kDriver = R"(import decimal, importlib, json, sys

def as_text(value):
    if isinstance(value, decimal.Decimal):
        return {"decimal": str(value)}
    if value is None or isinstance(value, bool):
        return value
    if isinstance(value, (int, float)):
        return repr(value)
    if isinstance(value, (list, tuple)):
        return [as_text(v) for v in value]
    return {"unexpected": type(value).__name__}

module = importlib.import_module(sys.argv[1])
with open(sys.argv[2], encoding="utf-8") as f:
    calls = json.load(f)
results = []
for name, arguments in calls:
    try:
        results.append(as_text(getattr(module, name)(*arguments)))
    except Exception as error:
        results.append({"exception": type(error).__name__})
print(json.dumps(results))
)";

// Whole numbers as the driver writes them.
QJsonValue whole(qint64 n) {
    return QString::number(n);
}
QJsonArray call(const char* function, QJsonArray arguments) {
    return {QString::fromLatin1(function), arguments};
}
QJsonValue exception(const char* type) {
    return QJsonObject{{QStringLiteral("exception"), QString::fromLatin1(type)}};
}
QString asText(const QJsonValue& v) {
    return QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact));
}
qint64 wholeOf(const QJsonValue& v) {
    bool ok = false;
    const qint64 n = v.toString().toLongLong(&ok);
    if (!ok)
        qFatal("not a whole number: %s", qPrintable(asText(v)));
    return n;
}
double numberOf(const QJsonValue& v) {
    bool ok = false;
    const double x = v.toString().toDouble(&ok);
    if (!ok)
        qFatal("not a number: %s", qPrintable(asText(v)));
    return x;
}

// Exact whole numbers in decimal, for the factorials and combinations.
std::string times(const std::string& decimal, int factor) {
    std::string out;
    int carry = 0;
    for (auto it = decimal.rbegin(); it != decimal.rend(); ++it) {
        const int d = (*it - '0') * factor + carry;
        out.push_back(char('0' + d % 10));
        carry = d / 10;
    }
    for (; carry > 0; carry /= 10)
        out.push_back(char('0' + carry % 10));
    while (out.size() > 1 && out.back() == '0')
        out.pop_back();
    return {out.rbegin(), out.rend()};
}
std::string plus(const std::string& x, const std::string& y) {
    std::string out;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(x.size(), y.size()) || carry; ++i) {
        const int d = (i < x.size() ? x[x.size() - 1 - i] - '0' : 0) +
                      (i < y.size() ? y[y.size() - 1 - i] - '0' : 0) + carry;
        out.push_back(char('0' + d % 10));
        carry = d / 10;
    }
    return {out.rbegin(), out.rend()};
}

// The primes from low to high by the program's own primality test.
QJsonArray primesBetween(qint64 low, qint64 high) {
    QJsonArray primes;
    for (qint64 n = std::max<qint64>(low, 0); n <= high; ++n)
        if (primes::isPrime(std::int32_t(n)))
            primes.append(whole(n));
    return primes;
}

} // namespace

class TestPythonWindow : public QObject {
    Q_OBJECT

    struct Window : ShownForm<W> {
        Window() {
            // The list shows its lines once events have run.
            if (!QTest::qWaitFor([&] { return list()->shownCount() == list()->count(); }, 2000))
                qFatal("the list of listings is not shown");
        }
        ListBox* list() { return control(form, W::listingList); }
        QString program() { return control(form, W::programBox)->text(); }
        int rowOf(const QString& title) {
            for (int row = 0; row < list()->count(); ++row)
                if (list()->item(row) == title)
                    return row;
            qFatal("no listing %s", qPrintable(title));
        }
        // Clicks the listing's line, as the pupil does.
        void choose(const QString& title) {
            const int row = rowOf(title);
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->rowRect(row).center());
        }
    };

    QTemporaryDir m_dir;
    QString m_python;

    // Chooses the listing in the window, writes the text the window shows to <module>.py, and
    // calls its functions through the driver.
    QJsonArray runListing(const QString& title, const QString& module, const QJsonArray& calls) {
        Window w;
        w.choose(title);
        const QString source = w.program();
        if (source.isEmpty()) {
            QTest::qFail("the window shows no program", __FILE__, __LINE__);
            return {};
        }
        writeFile(module + QStringLiteral(".py"), source.toUtf8());
        writeFile(QStringLiteral("calls.json"), QJsonDocument(calls).toJson());
        const auto [status, out, err] =
            python({QStringLiteral("driver.py"), module, QStringLiteral("calls.json")});
        if (status != 0 || !err.isEmpty()) {
            QTest::qFail(qPrintable(QStringLiteral("python3 failed (%1): %2").arg(status).arg(err)), __FILE__,
                         __LINE__);
            return {};
        }
        const QJsonArray results = QJsonDocument::fromJson(out.toUtf8()).array();
        if (results.size() != calls.size())
            QTest::qFail("the driver did not answer every call", __FILE__, __LINE__);
        return results;
    }

    struct Run {
        int status;
        QString out;
        QString err;
    };
    Run python(const QStringList& arguments) {
        QProcess p;
        p.setWorkingDirectory(m_dir.path());
        // Warnings are failures: a listing must run cleanly as the pupil types it.
        p.start(m_python, QStringList{QStringLiteral("-W"), QStringLiteral("error")} + arguments);
        if (!p.waitForFinished(120000))
            return {-1, {}, QStringLiteral("timed out")};
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }

    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile f(m_dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bytes), bytes.size());
    }

    // Compares every result with the expected one and names the first call that differs.
    static void compareAll(const QJsonArray& calls, const QJsonArray& results, const QJsonArray& expected) {
        QCOMPARE(results.size(), expected.size());
        for (qsizetype i = 0; i < results.size(); ++i)
            QVERIFY2(results[i] == expected[i],
                     qPrintable(QStringLiteral("%1 gave %2, expected %3")
                                    .arg(asText(calls[i]), asText(results[i]), asText(expected[i]))));
    }

private Q_SLOTS:
    void initTestCase() {
        setUpTestApplication();
        QVERIFY(m_dir.isValid());
        // Debian's interpreter, which the set-up installs, before any other on the path.
        m_python = QStandardPaths::findExecutable(QStringLiteral("python3"), {QStringLiteral("/usr/bin")});
        if (m_python.isEmpty())
            m_python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        QVERIFY2(!m_python.isEmpty(), "python3 is needed (scripts/setup installs it)");
        writeFile(QStringLiteral("driver.py"), kDriver);
    }

    void theMainMenuShowsOneWindowThatResetHides() {
        TestProgram tp;
        auto& menu = tp->get<MainMenu>();
        menu.show();
        auto* entry = control<QAction>(menu, "Python");
        QCOMPARE(entry->text(), QStringLiteral("Algorithmes en Python"));
        QVERIFY(control<QMenu>(menu, "mnuAide")->actions().contains(entry));
        entry->trigger();
        auto& python = tp->get<W>();
        QVERIFY(python.isShown());
        QCOMPARE(python.window().objectName(), QStringLiteral("Frm_Python"));
        QCOMPARE(python.window().windowTitle(), QStringLiteral("Algorithmes en Python"));
        // Modeless: the main menu still takes the pupil's input.
        QVERIFY(!python.window().isModal());
        entry->trigger();
        QCOMPARE(tp->form("Frm_Python"), static_cast<Form*>(&python));
        QCOMPARE(menu.window().findChildren<QAction*>(QStringLiteral("Python")).size(), 1);

        QTRY_COMPARE(control(python, W::listingList)->shownCount(), 6);
        control(python, W::listingList)->setFocus();
        QTest::keyClick(control(python, W::listingList), Qt::Key_Down);
        const QString shown = control(python, W::programBox)->text();
        QVERIFY(!shown.isEmpty());
        control<QAction>(menu, "fic_reset")->trigger();
        QVERIFY(!python.isShown());
        QVERIFY(menu.isShown());
        entry->trigger();
        QCOMPARE(control(python, W::programBox)->text(), shown);
    }

    // Each listing is shown exactly as stored, whole lines in a fixed-width face, with its own
    // explanation; the mouse and the arrow keys choose alike.
    void listingsAreShownAsStored() {
        Window w;
        auto* box = control(w.form, W::programBox);
        auto* explanation = control(w.form, W::explanationLabel);
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->lineWrapMode(), QPlainTextEdit::NoWrap);
        // The bundled monospaced face, whatever the machine has.
        QCOMPARE(QFontInfo(box->font()).family(), QStringLiteral("Liberation Mono"));
        QVERIFY(QFontInfo(box->font()).fixedPitch());
        QVERIFY(box->text().isEmpty());
        QVERIFY(!control(w.form, W::copyButton)->isEnabled());
        QVERIFY(!control(w.form, W::saveButton)->isEnabled());
        const QString invitation = explanation->caption();

        QCOMPARE(w.list()->count(), 6);
        QStringList explanations{invitation};
        QSet<QString> programs;
        for (int row = 0; row < w.list()->count(); ++row) {
            QTest::mouseClick(w.list()->viewport(), Qt::LeftButton, {}, w.list()->rowRect(row).center());
            QCOMPARE(w.list()->listIndex(), row);
            const QString text = box->text();
            QVERIFY(text.startsWith(u'#'));
            QVERIFY2(text.contains(QStringLiteral("def ")), qPrintable(text.left(80)));
            programs.insert(text);
            // Each listing has its own explanation.
            QVERIFY2(!explanations.contains(explanation->caption()), qPrintable(explanation->caption()));
            explanations << explanation->caption();
            QVERIFY(explanation->wordWrap());
            QVERIFY(control(w.form, W::copyButton)->isEnabled());
            QVERIFY(control(w.form, W::saveButton)->isEnabled());
            // The longest line fits the box's width: nothing to scroll sideways.
            int widest = 0;
            for (const QString& line : text.split(u'\n'))
                widest = std::max(widest, box->fontMetrics().horizontalAdvance(line));
            QVERIFY2(widest <= box->viewport()->width() - 2 * int(box->document()->documentMargin()),
                     qPrintable(QStringLiteral("%1 > %2").arg(widest).arg(box->viewport()->width())));
        }
        QCOMPARE(programs.size(), 6);

        // The keyboard chooses as the mouse does.
        w.list()->setFocus();
        QTest::keyClick(w.list(), Qt::Key_Home);
        const QString first = box->text();
        QTest::keyClick(w.list(), Qt::Key_Down);
        QCOMPARE(w.list()->listIndex(), 1);
        QVERIFY(box->text() != first);
        QTest::keyClick(w.list(), Qt::Key_Up);
        QCOMPARE(box->text(), first);
    }

    // Every listing runs on its own as a script, its demonstration included, without a warning.
    void listingsRunAsScripts() {
        Window w;
        for (int row = 0; row < w.list()->count(); ++row) {
            QTest::mouseClick(w.list()->viewport(), Qt::LeftButton, {}, w.list()->rowRect(row).center());
            const QString name = QStringLiteral("listing%1.py").arg(row);
            writeFile(name, w.program().toUtf8());
            const auto [status, out, err] = python({name});
            QVERIFY2(status == 0 && err.isEmpty(), qPrintable(w.list()->item(row) + u'\n' + err));
            QVERIFY(!out.isEmpty());
        }
    }

    void primeNumbers() {
        QJsonArray calls;
        QJsonArray expected;
        std::vector<std::int32_t> numbers;
        for (std::int32_t n = -10; n <= 5000; ++n)
            numbers.push_back(n);
        // Squares and products of primes of the forms 6k - 1 and 6k + 1, and the largest int32 values.
        for (std::int32_t n : {25 * 25, 29 * 29, 31 * 31, 37 * 37, 97 * 101, 10007 * 10009, 65521 * 32749,
                               1000003, 999999937, 2147483629, 2147483646, 2147483647})
            numbers.push_back(n);
        for (std::int32_t n : numbers) {
            calls.append(call("est_premier", {n}));
            expected.append(primes::isPrime(n));
        }
        for (auto [low, high] : std::vector<std::pair<qint64, qint64>>{
                 {0, 100}, {-20, 10}, {90, 96}, {97, 97}, {100, 50}, {1000000, 1001000}}) {
            calls.append(call("premiers_entre", {low, high}));
            expected.append(primesBetween(low, high));
        }
        for (int n : {-5, 0, 1, 2, 3, 4, 10, 100, 1000, 100000}) {
            calls.append(call("crible", {n}));
            expected.append(primesBetween(2, n));
        }
        std::vector<qint64> evens = {-4, -1, 0, 1, 2, 3, 5, 7, 99, 1000001, 2147483646};
        for (qint64 n = 4; n <= 3000; ++n)
            evens.push_back(n);
        for (qint64 n : evens) {
            calls.append(call("goldbach", {n}));
            QJsonValue pair = QJsonValue::Null;
            if (n >= 4 && n % 2 == 0)
                for (qint64 p = 2; p <= n / 2; ++p)
                    if (primes::isPrime(std::int32_t(p)) && primes::isPrime(std::int32_t(n - p))) {
                        pair = QJsonArray{whole(p), whole(n - p)};
                        break;
                    }
            expected.append(pair);
        }
        const QJsonArray results =
            runListing(QStringLiteral("Nombres premiers"), QStringLiteral("nombres_premiers"), calls);
        if (QTest::currentTestFailed())
            return;
        compareAll(calls, results, expected);
    }

    // The gcd against the standard library; a particular solution by substitution, and none
    // exactly when the gcd does not divide c.
    void gcdAndParticularSolutions() {
        const std::vector<qint64> coefficients = {-84, -36, -7, -1, 0,   1,    2,
                                                  7,   12,  36, 84, 462, 1071, 2147483647};
        const std::vector<qint64> constants = {0, 1, -1, 6, 10, 24, -24, 35, 2147483647};
        QJsonArray calls;
        for (qint64 a : coefficients)
            for (qint64 b : coefficients) {
                calls.append(call("pgcd", {a, b}));
                for (qint64 c : constants)
                    calls.append(call("solution_particuliere", {a, b, c}));
            }
        const QJsonArray results = runListing(QStringLiteral("PGCD et équations diophantiennes"),
                                              QStringLiteral("diophantiennes"), calls);
        if (QTest::currentTestFailed())
            return;
        for (qsizetype i = 0; i < calls.size(); ++i) {
            const QJsonArray args = calls[i].toArray()[1].toArray();
            const auto a = qint64(args[0].toDouble());
            const auto b = qint64(args[1].toDouble());
            const qint64 g = std::gcd(a, b);
            const QString what = asText(calls[i]) + QStringLiteral(" gave ") + asText(results[i]);
            if (args.size() == 2) {
                QVERIFY2(results[i] == whole(g), qPrintable(what));
                continue;
            }
            const auto c = qint64(args[2].toDouble());
            const bool solvable = g == 0 ? c == 0 : c % g == 0;
            QVERIFY2(results[i].isNull() == !solvable, qPrintable(what));
            if (!solvable)
                continue;
            const QJsonArray xy = results[i].toArray();
            QVERIFY2(xy.size() == 2, qPrintable(what));
            const __int128 sum = __int128(a) * wholeOf(xy[0]) + __int128(b) * wholeOf(xy[1]);
            QVERIFY2(sum == c, qPrintable(what));
        }
    }

    // The discriminant and the real solutions against the degree-2 solver of the program, which
    // shows them rounded to two decimals; each solution is also put back into the equation.
    void quadraticEquations() {
        const NumberFormat fmt('.');
        struct Case {
            int a, b, c;
        };
        std::vector<Case> cases;
        for (int a : {-3, -1, 1, 2, 5})
            for (int b : {-7, -4, 0, 3, 6})
                for (int c : {-6, -1, 0, 1, 4, 9})
                    cases.push_back({a, b, c});
        QJsonArray calls;
        for (const Case& k : cases) {
            calls.append(call("discriminant", {k.a, k.b, k.c}));
            calls.append(call("solutions", {k.a, k.b, k.c}));
        }
        calls.append(call("solutions", {0, 2, 1}));
        const QJsonArray results =
            runListing(QStringLiteral("Équations du second degré"), QStringLiteral("second_degre"), calls);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(results.last(), exception("ValueError"));
        for (std::size_t i = 0; i < cases.size(); ++i) {
            const Case& k = cases[i];
            namespace trinomial = equations::trinomial;
            const trinomial::Boxes boxes{std::to_string(k.a), std::to_string(k.b), std::to_string(k.c), "0"};
            trinomial::Memory memory;
            trinomial::View view;
            trinomial::discriminant(fmt, boxes, memory, view);
            trinomial::solutions(fmt, boxes, memory, view);
            const QJsonValue delta = results[qsizetype(2 * i)];
            const QJsonArray roots = results[qsizetype(2 * i + 1)].toArray();
            const QString what = asText(calls[qsizetype(2 * i + 1)]) + QStringLiteral(" gave ") +
                                 asText(delta) + u' ' + asText(roots);
            QVERIFY2(double(wholeOf(delta)) == *fmt.toDouble(view.discriminant), qPrintable(what));
            if (!fmt.toDouble(view.first)) {
                // Complex solutions: no real one.
                QVERIFY2(roots.isEmpty(), qPrintable(what));
                continue;
            }
            std::vector<double> shown = {*fmt.toDouble(view.first)};
            if (view.secondShown)
                shown.push_back(*fmt.toDouble(view.second));
            std::sort(shown.begin(), shown.end());
            QVERIFY2(roots.size() == qsizetype(shown.size()), qPrintable(what));
            for (std::size_t r = 0; r < shown.size(); ++r) {
                const double x = numberOf(roots[qsizetype(r)]);
                QVERIFY2(std::abs(x - shown[r]) <= 0.005 + 1e-9, qPrintable(what));
                QVERIFY2(std::abs((k.a * x + k.b) * x + k.c) <= 1e-9, qPrintable(what));
            }
        }
    }

    // Exact factorials and combinations against values computed here digit by digit, and against
    // the combinations window's rules where its doubles are exact.
    void factorialsAndCombinations() {
        QJsonArray calls;
        QJsonArray expected;
        std::vector<std::string> factorials = {"1"};
        for (int n = 1; n <= 200; ++n)
            factorials.push_back(times(factorials.back(), n));
        for (int n : {0, 1, 2, 5, 10, 17, 20, 21, 25, 50, 100, 170, 171, 200}) {
            calls.append(call("factorielle", {n}));
            expected.append(QString::fromStdString(factorials[std::size_t(n)]));
        }
        calls.append(call("factorielle", {-1}));
        expected.append(exception("ValueError"));
        std::vector<std::vector<std::string>> pascal = {{"1"}};
        for (int n = 1; n <= 200; ++n) {
            std::vector<std::string> row(std::size_t(n + 1), "1");
            for (int k = 1; k < n; ++k)
                row[std::size_t(k)] = plus(pascal.back()[std::size_t(k - 1)], pascal.back()[std::size_t(k)]);
            pascal.push_back(row);
        }
        for (int n : {0, 1, 5, 10, 32, 52, 100, 200})
            for (int k : {-1, 0, 1, 2, n / 2, n - 1, n, n + 1}) {
                calls.append(call("combinaisons", {n, k}));
                expected.append(k < 0 || k > n
                                    ? QStringLiteral("0")
                                    : QString::fromStdString(pascal[std::size_t(n)][std::size_t(k)]));
            }
        const QJsonArray results =
            runListing(QStringLiteral("Factorielles et combinaisons"), QStringLiteral("combinaisons"), calls);
        if (QTest::currentTestFailed())
            return;
        compareAll(calls, results, expected);

        const NumberFormat fmt('.');
        for (int n = 0; n <= 17; ++n)
            QCOMPARE(*probability::factorial(fmt, std::to_string(n)), factorials[std::size_t(n)]);
        for (int n = 0; n <= 17; ++n)
            for (int k = 0; k <= n; ++k)
                QCOMPARE(*probability::combinations(fmt, std::to_string(n), std::to_string(k)),
                         pascal[std::size_t(n)][std::size_t(k)]);
    }

    // The random ones within bounds that a fair draw misses with a probability below one in a
    // million.
    void simulations() {
        QJsonArray calls;
        calls.append(call("frequence_pile", {10000}));
        for (int i = 0; i < 5; ++i)
            calls.append(call("frequence_pile", {1000}));
        calls.append(call("frequence_pile", {1}));
        calls.append(call("echantillons", {1000, 100, 0.5}));
        calls.append(call("echantillons", {500, 50, 0.3}));
        calls.append(call("echantillons", {100, 20, 0}));
        calls.append(call("echantillons", {100, 20, 1}));
        // Frequencies on the band's edges count inside, as in the program: for n = 36 the coin's
        // band is [1/3 ; 2/3] and the die's [0 ; 1/3].
        struct Edge {
            int k;
            int n;
            const char* p;
        };
        const Edge edges[] = {{11, 36, "0.5"}, {12, 36, "0.5"}, {24, 36, "0.5"}, {25, 36, "0.5"},
                              {0, 36, "1/6"},  {12, 36, "1/6"}, {13, 36, "1/6"}, {7, 25, "0.3"}};
        for (const Edge& e : edges)
            calls.append(call("dans_l_intervalle", {e.k, e.n, QString::fromLatin1(e.p)}));
        calls.append(call("echantillons", {20000, 36, 0.5}));
        const QJsonArray results =
            runListing(QStringLiteral("Pile ou face et échantillons"), QStringLiteral("probabilites"), calls);
        if (QTest::currentTestFailed())
            return;
        const double heads = numberOf(results[0]);
        QVERIFY2(std::abs(heads - 0.5) <= 0.03, qPrintable(asText(results[0])));
        QSet<double> series;
        for (int i = 1; i <= 5; ++i)
            series.insert(numberOf(results[i]));
        // Draws that differ from one call to the next.
        QVERIFY(series.size() > 1);
        const double single = numberOf(results[6]);
        QVERIFY(single == 0.0 || single == 1.0);
        for (int i = 7; i <= 8; ++i) {
            const double share = numberOf(results[i]);
            QVERIFY2(share >= 0.9 && share <= 1.0, qPrintable(asText(calls[i]) + asText(results[i])));
        }
        // A sure event or an impossible one: every sample has exactly p as its frequency.
        QCOMPARE(numberOf(results[9]), 1.0);
        QCOMPARE(numberOf(results[10]), 1.0);
        qsizetype at = 11;
        for (const Edge& e : edges) {
            const probability::Chance chance = QByteArray(e.p) == "1/6"   ? probability::Chance{1, 6}
                                               : QByteArray(e.p) == "0.5" ? probability::Chance{1, 2}
                                                                          : probability::Chance{3, 10};
            QVERIFY2(results[at] == QJsonValue(probability::insideBand(e.k, e.n, chance)),
                     qPrintable(asText(calls[at]) + asText(results[at])));
            ++at;
        }
        // The share the program's exact rule gives for the coin and n = 36 is 97,1 % (the 13 counts
        // from 12 to 24); counting the edges outside would give 93,5 %. 20 000 samples: within 0,6 %.
        const double share = numberOf(results[at]);
        QVERIFY2(std::abs(share - 0.9712) <= 0.006, qPrintable(asText(results[at])));
    }

    // Exact decimals at every k, far past the 16 digits of a float (where a scan by floats never
    // ends), each bound written with exactly k decimals.
    void scanningForTheSquareRootOfTwo() {
        // The decimals of √2.
        const std::string root = "141421356237309504880168872420969807856967187537694";
        const auto decimalText = [](const std::string& digits) {
            return digits.size() == 1 ? digits : digits.substr(0, 1) + "." + digits.substr(1);
        };
        QJsonArray calls;
        const int most = 40;
        for (int k = 0; k <= most; ++k)
            calls.append(call("balayage_racine2", {k}));
        const QJsonArray results =
            runListing(QStringLiteral("Balayage : encadrer √2"), QStringLiteral("balayage"), calls);
        if (QTest::currentTestFailed())
            return;
        for (int k = 0; k <= most; ++k) {
            const std::string a = root.substr(0, std::size_t(k) + 1);
            const QJsonArray expected{
                QJsonObject{{QStringLiteral("decimal"), QString::fromStdString(decimalText(a))}},
                QJsonObject{{QStringLiteral("decimal"), QString::fromStdString(decimalText(plus(a, "1")))}}};
            QVERIFY2(results[k].toArray() == expected,
                     qPrintable(QStringLiteral("k = %1: %2").arg(k).arg(asText(results[k]))));
        }
    }

    void copyPutsTheProgramOnTheClipboard() {
        Window w;
        QGuiApplication::clipboard()->setText(QStringLiteral("avant"));
        w.choose(QStringLiteral("Équations du second degré"));
        QTest::mouseClick(control(w.form, W::copyButton), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), w.program());
        QVERIFY(w.program().contains(QStringLiteral("def discriminant(a, b, c):")));
    }

    void saveWritesTheProgram() {
        Window w;
        w.choose(QStringLiteral("Nombres premiers"));
        auto& dialogs = w.tp.dialogs;
        const QString path = m_dir.filePath(QStringLiteral("enregistre.py"));

        // Cancelled: nothing written, nothing said.
        QTest::mouseClick(control(w.form, W::saveButton), Qt::LeftButton);
        QCOMPARE(dialogs.shown.size(), std::size_t(1));
        QCOMPARE(dialogs.shown[0].text, QStringLiteral("nombres_premiers.py"));
        QCOMPARE(dialogs.saveFilters, QStringList{QStringLiteral("Programme Python (*.py)")});
        QVERIFY(!QFile::exists(path));

        dialogs.saveAnswers.push_back(Dialogs::SaveAnswer{path, 0});
        QTest::mouseClick(control(w.form, W::saveButton), Qt::LeftButton);
        QCOMPARE(dialogs.shown.size(), std::size_t(2));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), w.program().toUtf8());
    }

    void aFailedWriteIsReported_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing folder") << m_dir.filePath(QStringLiteral("absent/programme.py"));
        QTest::newRow("a folder") << m_dir.path();
    }
    void aFailedWriteIsReported() {
        QFETCH(QString, path);
        Window w;
        w.choose(QStringLiteral("Balayage : encadrer √2"));
        auto& dialogs = w.tp.dialogs;
        dialogs.saveAnswers.push_back(Dialogs::SaveAnswer{path, 0});
        QTest::mouseClick(control(w.form, W::saveButton), Qt::LeftButton);
        QCOMPARE(dialogs.shown.size(), std::size_t(2));
        const auto& message = dialogs.shown[1];
        QCOMPARE(message.icon, Dialogs::Icon::Critical);
        // The program's failure box, titled as all its messages.
        QVERIFY(message.title.isEmpty());
        QVERIFY2(message.text.startsWith(QStringLiteral("Le programme n'a pas pu être enregistré")),
                 qPrintable(message.text));
        QVERIFY(message.text.contains(path));
        QVERIFY(w.form.isShown());
    }

    // Saved over an old listing on a full volume: the old file stays whole and the pupil is told
    // the disk is full.
    void aFullDiskKeepsTheOldListing() {
        const QByteArray old("print('ancien programme')\n");
        FullVolume volume(old, QStringLiteral("ancien.py"));
        if (!volume.usable())
            QSKIP("no small volume can be mounted here");
        Window w;
        w.choose(QStringLiteral("Nombres premiers"));
        auto& dialogs = w.tp.dialogs;
        dialogs.saveAnswers.push_back(Dialogs::SaveAnswer{volume.filePath(QStringLiteral("ancien.py")), 0});
        QTest::mouseClick(control(w.form, W::saveButton), Qt::LeftButton);
        QCOMPARE(dialogs.shown.size(), std::size_t(2));
        QCOMPARE(dialogs.shown[1].icon, Dialogs::Icon::Critical);
        QVERIFY2(dialogs.shown[1].text.contains(QStringLiteral("Le disque est plein")),
                 qPrintable(dialogs.shown[1].text));
        QCOMPARE(volume.contentOf(QStringLiteral("ancien.py")), old);
    }
};

QTEST_MAIN(TestPythonWindow)
#include "tst_python_window.moc"
