// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "functions/reference_functions_window.h"
#include "shell/toolkit/picture_box.h"

#include <QAccessible>

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <cmath>
#include <functional>
#include <map>

using namespace ui;

namespace {
const QChar kMinus(0x2212);

// A number as the tables write it: two decimals at most, rounded half away from zero, with a
// decimal comma and a true minus sign.
QString tableNumber(double v) {
    const double r = std::round(v * 100) / 100;
    QString s = QString::number(std::abs(r), 'f', 2);
    while (s.endsWith(u'0'))
        s.chop(1);
    if (s.endsWith(u'.'))
        s.chop(1);
    s.replace(u'.', u',');
    return r < 0 ? kMinus + s : s;
}

// The texts of a picture by line from the top, each line by its texts' places from the left.
std::map<double, std::map<double, QString>> textCells(const QString& resource) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::map<double, std::map<double, QString>> byLine;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text")) {
            const double x = xml.attributes().value("x").toDouble();
            const double y = xml.attributes().value("y").toDouble();
            byLine[y][x] = xml.readElementText();
        }
    return byLine;
}

// The texts of a picture, line by line from the top, each line from the left.
std::map<double, QStringList> textLines(const QString& resource) {
    std::map<double, QStringList> lines;
    for (const auto& [y, cells] : textCells(resource))
        for (const auto& [x, t] : cells)
            lines[y] << t;
    return lines;
}

QImage render(const QString& resource, double scale) {
    QSvgRenderer svg(resource);
    QImage img(svg.defaultSize() * scale, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    svg.render(&p, QRectF(QPointF(0, 0), QSizeF(svg.defaultSize()) * scale));
    return img;
}

bool isBlue(QColor c) {
    return c.blue() > 180 && c.red() < 110 && c.green() < 110;
}
bool isMagenta(QColor c) {
    return c.red() > 180 && c.blue() > 180 && c.green() < 110;
}

// A curve as drawn: where its origin is, how many pixels a unit takes on each axis, its colour.
struct Curve {
    const char* resource;
    double ox, oy, ux, uy;
    std::function<double(double)> f;
    bool (*colour)(QColor);
    std::vector<double> xs;
    double xOnAxis, yOnAxis; // a graduation of each axis, away from the curve
};
} // namespace

class TestReferencePictures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    void sizes_data() {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("size");
        const std::pair<const char*, QSize> pictures[] = {
            {"curve_square", {111, 130}},         {"curve_cube", {105, 107}},
            {"curve_square_root", {131, 94}},     {"curve_inverse", {140, 108}},
            {"values_square", {438, 47}},         {"values_cube", {438, 47}},
            {"values_square_root", {472, 89}},    {"values_inverse", {486, 93}},
            {"variation_square", {369, 112}},     {"variation_cube", {378, 98}},
            {"variation_square_root", {378, 98}}, {"variation_inverse", {378, 98}},
        };
        for (const auto& [name, size] : pictures)
            QTest::newRow(name) << QStringLiteral(":/functions/%1.svg").arg(QLatin1String(name)) << size;
    }
    void sizes() {
        QFETCH(QString, resource);
        QFETCH(QSize, size);
        QSvgRenderer svg(resource);
        QVERIFY(svg.isValid());
        QCOMPARE(svg.defaultSize(), size);
    }

    // Each table lists the values of its function at the x of its first row, the forbidden ones
    // crossed out.
    void valueTables_data() {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QString>("name");
        QTest::addColumn<std::vector<double>>("xs");
        QTest::addColumn<int>("function");
        QTest::newRow("x squared") << "values_square"
                                   << "f(x)" << std::vector<double>{-4, -3, -2, -1, -0.5, 0, 0.5, 1, 2, 3, 4}
                                   << 0;
        QTest::newRow("x cubed") << "values_cube"
                                 << "g(x)" << std::vector<double>{-3, -2, -1, -0.5, 0, 0.5, 1, 2, 3} << 1;
        QTest::newRow("square root") << "values_square_root"
                                     << "h(x)" << std::vector<double>{-2.5, -1, 0, 0.25, 1, 4, 9, 16} << 2;
        QTest::newRow("inverse") << "values_inverse"
                                 << "i(x)"
                                 << std::vector<double>{-10, -5, -1, -0.5, -0.25, 0, 0.25, 0.5, 1, 5, 10}
                                 << 3;
    }
    void valueTables() {
        QFETCH(QString, resource);
        QFETCH(QString, name);
        QFETCH(std::vector<double>, xs);
        QFETCH(int, function);
        const std::function<double(double)> fs[] = {
            [](double x) { return x * x; }, [](double x) { return x * x * x; },
            [](double x) { return std::sqrt(x); }, [](double x) { return 1 / x; }};
        QStringList first{"x"};
        QStringList second{name};
        for (double x : xs) {
            first << tableNumber(x);
            const bool defined = function == 2 ? x >= 0 : function == 3 ? x != 0 : true;
            if (defined)
                second << tableNumber(fs[function](x));
        }
        const auto lines = textLines(QStringLiteral(":/functions/%1.svg").arg(resource));
        QVERIFY(lines.size() >= 2);
        auto line = lines.begin();
        QCOMPARE(line->second, first);
        QCOMPARE((++line)->second, second);
    }

    void valueTablesKnownCells() {
        // Values the exercise's pupils check by hand.
        QCOMPARE(textLines(":/functions/values_cube.svg").rbegin()->second.join(u' '),
                 QString("g(x) −27 −8 −1 −0,13 0 0,13 1 8 27"));
        const auto inverse = textLines(":/functions/values_inverse.svg");
        QCOMPARE(std::next(inverse.begin())->second.join(u' '),
                 QString("i(x) −0,1 −0,2 −1 −2 −4 4 2 1 0,2 0,1"));
    }

    // The note under the square-root and inverse tables lies below what their boxes show at first.
    void notesHideBelowTheFirstBox_data() {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<int>("shownAtFirst"); // picture rows inside the box at start, border taken off
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("answer");
        QTest::newRow("square root") << "values_square_root" << 765 / 15 - 2
                                     << ": valeurs interdites. Pourquoi?"
                                     << "On ne peut pas calculer la racine carrée d’un nombre négatif";
        QTest::newRow("inverse") << "values_inverse" << 825 / 15 - 2 << ": valeurs interdites. Pourquoi?"
                                 << "Car on ne sait pas diviser par zéro";
    }
    void notesHideBelowTheFirstBox() {
        QFETCH(QString, resource);
        QFETCH(int, shownAtFirst);
        QFETCH(QString, question);
        QFETCH(QString, answer);
        const QString file = QStringLiteral(":/functions/%1.svg").arg(resource);
        const auto lines = textLines(file);
        QCOMPARE(std::next(lines.begin(), 2)->second, QStringList{question});
        QCOMPARE(lines.rbegin()->second, QStringList{answer});
        // Nothing of the note (its crossed-cell sign, black text, dark blue answer) in the first
        // rows; all of the table there.
        const QImage img = render(file, 1);
        int inkBelow = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                if (c.lightness() > 200)
                    continue;
                if (y >= 44 && y < shownAtFirst)
                    QFAIL(qPrintable(
                        QStringLiteral("ink at %1, %2 between the table and the note").arg(x).arg(y)));
                if (y >= shownAtFirst)
                    ++inkBelow;
            }
        QVERIFY(inkBelow > 500);
    }

    // The frame that marks the picked table covers the outer three pixels of its picture: the
    // value tables leave them blank.
    void valueTablesLeaveRoomForTheFrame() {
        for (const char* name : {"values_square", "values_cube", "values_square_root", "values_inverse"}) {
            const QImage img = render(QStringLiteral(":/functions/%1.svg").arg(QLatin1String(name)), 1);
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const bool margin = x < 3 || y < 3 || x >= img.width() - 3 || y >= img.height() - 3;
                    if (margin && img.pixelColor(x, y).lightness() < 235)
                        QFAIL(qPrintable(
                            QStringLiteral("%1: ink at %2, %3").arg(QLatin1String(name)).arg(x).arg(y)));
                }
        }
    }

    void variationTables_data() {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QStringList>("texts"); // every text, sorted
        QTest::newRow("x squared") << "variation_square"
                                   << QStringList{"x", "f(x) = x²", "−4", "0", "+4", "16", "0", "16"};
        QTest::newRow("x cubed") << "variation_cube"
                                 << QStringList{"x", "g(x) = x³", "−3", "+3", "−27", "+27"};
        QTest::newRow("square root") << "variation_square_root"
                                     << QStringList{"x", "h(x) = √x", "0", "16", "0", "4"};
        QTest::newRow("inverse") << "variation_inverse"
                                 << QStringList{"x",    "i(x) = 1/x", "−10", "0",  "+10",
                                                "−0,1", "−∞",         "+∞",  "0,1"};
    }
    void variationTables() {
        QFETCH(QString, resource);
        QFETCH(QStringList, texts);
        QStringList seen;
        for (const auto& [y, line] : textLines(QStringLiteral(":/functions/%1.svg").arg(resource)))
            seen << line;
        seen.sort();
        texts.sort();
        QCOMPARE(seen, texts);
    }

    // A screen reader reads a table of values as the picture shows it, cell by cell: the x row,
    // then the function's row, a crossed-out cell as forbidden; the note under the table once the
    // match has revealed it.
    void spokenValueTables() {
        ShownForm<ReferenceFunctionsWindow> s;
        const char* resources[] = {"values_square", "values_cube", "values_square_root", "values_inverse"};
        for (int i = 0; i < 4; ++i) {
            const auto cells = textCells(QStringLiteral(":/functions/%1.svg").arg(resources[i]));
            QVERIFY(cells.size() >= 2);
            const auto& xRow = cells.begin()->second;
            const auto& fRow = std::next(cells.begin())->second;
            QStringList xs;
            QStringList fs;
            for (const auto& [x, text] : xRow) {
                if (text == QStringLiteral("x"))
                    continue;
                xs << QString(text).replace(kMinus, u'-');
                fs << (fRow.count(x) ? QString(fRow.at(x)).replace(kMinus, u'-')
                                     : QStringLiteral("interdite"));
            }
            // « ; » between values (the comma is the decimal one), a full stop between the rows.
            const QString values = QStringLiteral("x : ") + xs.join(QStringLiteral(" ; ")) +
                                   QStringLiteral(". ") + fRow.begin()->second + QStringLiteral(" : ") +
                                   fs.join(QStringLiteral(" ; "));
            auto* table = &s.form.get(ReferenceFunctionsWindow::valueTables[i]);
            const auto description = [&] {
                return QAccessible::queryAccessibleInterface(table)->text(QAccessible::Description);
            };
            QCOMPARE(description(), values);
            s.form.selectTable(i);
            s.form.matchCurve(i);
            QStringList note;
            for (auto line = std::next(cells.begin(), 2); line != cells.end(); ++line)
                for (const auto& [x, text] : line->second)
                    note << text;
            QCOMPARE(description(),
                     note.isEmpty() ? values : values + QStringLiteral(". case barrée ") + note.join(u' '));
        }
    }

    // A table of variation is read with every value the picture writes and its arrows.
    void spokenVariationTables() {
        ShownForm<ReferenceFunctionsWindow> s;
        const char* resources[] = {"variation_square", "variation_cube", "variation_square_root",
                                   "variation_inverse"};
        const int arrows[] = {2, 1, 1, 2};
        for (int i = 0; i < 4; ++i) {
            const QString description = QAccessible::queryAccessibleInterface(
                                            &s.form.get(ReferenceFunctionsWindow::variationTables[i]))
                                            ->text(QAccessible::Description);
            QCOMPARE(description.count(QStringLiteral("flèche")), arrows[i]);
            for (const auto& [y, line] : textLines(QStringLiteral(":/functions/%1.svg").arg(resources[i])))
                for (const QString& text : line) {
                    if (!text[0].isDigit() && text[0] != kMinus && text[0] != u'+')
                        continue;
                    const QString spoken = QString(text).replace(kMinus, u'-');
                    QVERIFY2(description.contains(spoken), qPrintable(spoken));
                }
        }
    }

    // The curves pass through the points of their functions, and not beside them.
    void curvesThroughTheirPoints() {
        const Curve curves[] = {
            {"curve_square",
             55.5,
             118,
             20,
             20,
             [](double x) { return x * x; },
             isBlue,
             {-2.2, -1.5, -1, 0, 0.5, 1, 2, 2.2},
             2,
             3},
            {"curve_cube",
             52.5,
             53.5,
             30,
             12,
             [](double x) { return x * x * x; },
             isMagenta,
             {-1.5, -1, -0.5, 0, 0.5, 1, 1.2, 1.5},
             1,
             3},
            {"curve_square_root",
             10,
             82,
             24,
             24,
             [](double x) { return std::sqrt(x); },
             isBlue,
             {0.05, 0.25, 1, 2, 3, 4, 4.5},
             4,
             2},
            {"curve_inverse",
             70,
             54,
             16,
             16,
             [](double x) { return 1 / x; },
             isMagenta,
             {-3.8, -2, -1, -0.5, -0.35, 0.35, 0.5, 1, 2, 3.8},
             2,
             2},
        };
        const double scale = 4;
        for (const Curve& c : curves) {
            const QImage img = render(QStringLiteral(":/functions/%1.svg").arg(c.resource), scale);
            const auto colourAt = [&](double x, double y) {
                return img.pixelColor(int(std::floor((c.ox + c.ux * x) * scale)),
                                      int(std::floor((c.oy - c.uy * y) * scale)));
            };
            for (double x : c.xs) {
                QVERIFY2(c.colour(colourAt(x, c.f(x))),
                         qPrintable(QStringLiteral("%1 at x = %2").arg(c.resource).arg(x)));
                // Two pixels above or below the point, the curve is elsewhere (where it is not too steep).
                const double off = 2.0 / c.uy;
                if (std::abs(c.ux / c.uy * (c.f(x + 0.01) - c.f(x - 0.01)) / 0.02) < 1.5) {
                    QVERIFY2(!c.colour(colourAt(x, c.f(x) + off)),
                             qPrintable(QStringLiteral("%1 above x = %2").arg(c.resource).arg(x)));
                    QVERIFY2(!c.colour(colourAt(x, c.f(x) - off)),
                             qPrintable(QStringLiteral("%1 below x = %2").arg(c.resource).arg(x)));
                }
            }
            // The axes go through the origin, in black.
            QVERIFY(colourAt(c.xOnAxis, 0).lightness() < 80);
            QVERIFY(colourAt(0, c.yOnAxis).lightness() < 80);
        }
    }

    // A picture box draws its picture from the vector form at the device's density: at 1.5 and 2
    // device pixels a pixel, it shows the same pixels as the picture rendered afresh at that scale.
    void sharpAtEveryScale_data() {
        QTest::addColumn<double>("dpr");
        QTest::newRow("1") << 1.0;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
    }
    void sharpAtEveryScale() {
        QFETCH(double, dpr);
        QWidget host;
        const QString resource = QStringLiteral(":/functions/values_inverse.svg");
        PictureBox box(&host, "box", {0, 0, 7320, 825}, resource);
        box.setAutoSize(true);
        QImage shown(box.size() * dpr, QImage::Format_RGB32);
        shown.setDevicePixelRatio(dpr);
        box.render(&shown);
        // The same picture drawn directly at that scale, one logical pixel in from the corner.
        QSvgRenderer svg(resource);
        QImage direct(box.size() * dpr, QImage::Format_RGB32);
        direct.fill(Qt::white);
        direct.setDevicePixelRatio(dpr);
        QPainter p(&direct);
        svg.render(&p, QRectF(QPointF(1, 1), QSizeF(svg.defaultSize())));
        p.end();
        const int edge = int(std::ceil(2 * dpr));
        int differing = 0;
        for (int y = edge; y < shown.height() - edge; ++y)
            for (int x = edge; x < shown.width() - edge; ++x)
                differing += shown.pixel(x, y) != direct.pixel(x, y);
        QCOMPARE(differing, 0);
        QCOMPARE(shown.size(), QSize(488, 95) * dpr);
    }
};

QTEST_MAIN(TestReferencePictures)
#include "tst_reference_pictures.moc"
