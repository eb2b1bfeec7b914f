// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probability/frequency_charts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <vector>

namespace {

const QColor kAxis(40, 40, 40);
const QColor kGrid(225, 225, 225);
const QColor kChance(0, 110, 0);       // the line p
const QColor kBand(200, 90, 0);        // p ± 1/√n
const QColor kBandFill(255, 235, 200); // between them, on the samples chart
const QColor kTrace(0, 70, 200);       // the frequencies
const QColor kOutside(210, 0, 0);      // a sample outside the band

// The axes of a chart: the plotting rectangle and the ranges it shows, with graduations.
struct Axes {
    QRectF plot;
    double xMin = 0, xMax = 1, yMin = 0, yMax = 1;
    double x(double v) const { return plot.left() + (v - xMin) / (xMax - xMin) * plot.width(); }
    double y(double v) const { return plot.bottom() - (v - yMin) / (yMax - yMin) * plot.height(); }
    QPointF at(double vx, double vy) const { return {x(vx), y(vy)}; }
};

// The part of the line from a to b inside r (Liang and Barsky), or nothing.
std::optional<QLineF> clippedSegment(QPointF a, QPointF b, const QRectF& r) {
    double t0 = 0;
    double t1 = 1;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return std::nullopt;
    }
    return QLineF(a + t0 * QPointF(dx, dy), a + t1 * QPointF(dx, dy));
}

// A polyline cut to the rectangle by its own geometry: SVG files ignore the painter's clipping, and
// the chart must not run over the window's other controls there.
QPainterPath clippedPath(const QPolygonF& line, const QRectF& r) {
    QPainterPath path;
    bool open = false;
    for (qsizetype i = 1; i < line.size(); ++i) {
        const auto part = clippedSegment(line[i - 1], line[i], r);
        if (!part) {
            open = false;
            continue;
        }
        if (!open || path.currentPosition() != part->p1())
            path.moveTo(part->p1());
        path.lineTo(part->p2());
        // The path goes on only if the segment left the rectangle nowhere.
        open = part->p2() == line[i];
    }
    return path;
}

// A round step (1, 2 or 5 times a power of ten) that cuts the span into at most `most` parts.
double niceStep(double span, int most) {
    const double raw = span / std::max(most, 1);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw)
            return m * power;
    return 10 * power;
}

int decimalsOf(double step) {
    return std::max(0, int(-std::floor(std::log10(step) + 1e-9)));
}

QFont chartFont(qreal points) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    return font;
}

// Paints the frame, graduations with their numbers and the axes' names; returns the axes with the
// plotting rectangle placed inside the size, room left for the numbers.
Axes paintAxes(QPainter& painter, const QSizeF& size, double xMin, double xMax, double yMin, double yMax,
               const QString& xName, const QString& yName, char separator) {
    const QFont font = chartFont(8);
    const QFontMetricsF metrics(font, painter.device());
    const double yStep = niceStep(yMax - yMin, 6);
    const int yDecimals = decimalsOf(yStep);
    double widest = 0;
    for (double v = std::ceil(yMin / yStep - 1e-9) * yStep; v <= yMax + yStep * 1e-9; v += yStep)
        widest = std::max(widest, metrics.horizontalAdvance(decimalText(v, yDecimals, separator)));
    Axes axes;
    axes.xMin = xMin;
    axes.xMax = xMax;
    axes.yMin = yMin;
    axes.yMax = yMax;
    const double line = metrics.height();
    axes.plot =
        QRectF(QPointF(widest + 10, line + 4), QPointF(size.width() - 24, size.height() - 2 * line - 8));
    if (axes.plot.width() < 10 || axes.plot.height() < 10)
        return axes;

    painter.setFont(font);
    const QRectF& r = axes.plot;
    // Graduations of y, with a light grid across.
    for (double v = std::ceil(yMin / yStep - 1e-9) * yStep; v <= yMax + yStep * 1e-9; v += yStep) {
        const double py = axes.y(v);
        painter.setPen(QPen(kGrid, 1));
        painter.drawLine(QPointF(r.left(), py), QPointF(r.right(), py));
        painter.setPen(QPen(kAxis, 1));
        painter.drawLine(QPointF(r.left() - 4, py), QPointF(r.left(), py));
        painter.drawText(QRectF(0, py - line / 2, r.left() - 6, line), Qt::AlignRight | Qt::AlignVCenter,
                         decimalText(v, yDecimals, separator));
    }
    // Graduations of x: as many as their numbers leave room for.
    const double xLabelWidth = metrics.horizontalAdvance(groupedText(std::int64_t(xMax))) + 16;
    const double xStep = std::max(1.0, niceStep(xMax - xMin, std::max(1, int(r.width() / xLabelWidth))));
    for (double v = std::ceil(xMin / xStep - 1e-9) * xStep; v <= xMax + xStep * 1e-9; v += xStep) {
        const double px = axes.x(v);
        painter.setPen(QPen(kGrid, 1));
        painter.drawLine(QPointF(px, r.top()), QPointF(px, r.bottom()));
        painter.setPen(QPen(kAxis, 1));
        painter.drawLine(QPointF(px, r.bottom()), QPointF(px, r.bottom() + 4));
        painter.drawText(QRectF(px - xLabelWidth / 2, r.bottom() + 5, xLabelWidth, line), Qt::AlignCenter,
                         groupedText(std::llround(v)));
    }
    painter.setPen(QPen(kAxis, 1));
    painter.drawRect(r);
    painter.drawText(QRectF(r.left(), r.bottom() + line + 6, r.width(), line),
                     Qt::AlignRight | Qt::AlignVCenter, xName);
    painter.drawText(QRectF(r.left(), 0, r.width(), line + 2), Qt::AlignLeft | Qt::AlignVCenter, yName);
    return axes;
}

void paintChanceLine(QPainter& painter, const Axes& axes, double p) {
    QPen pen(kChance, 1.5);
    painter.setPen(pen);
    painter.drawLine(axes.at(axes.xMin, p), axes.at(axes.xMax, p));
    // In the margin at the right, clear of the band's curves that close in on p: outside the
    // plot's clipping.
    painter.save();
    painter.setClipping(false);
    painter.drawText(QRectF(axes.plot.right() + 3, axes.y(p) - 8, 20, 16), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("p"));
    painter.restore();
}

// One entry of a chart's legend: a sample of the mark, then its meaning.
struct LegendEntry {
    enum Mark { Line, Dashed, Dot } mark;
    QColor colour;
    QString text;
};

// The legend on the line above the plot, right-aligned with it, beside the name of the y axis.
void paintLegend(QPainter& painter, const Axes& axes, std::initializer_list<LegendEntry> entries) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double line = metrics.height();
    const double middle = (line + 2) / 2;
    constexpr double kSample = 18;
    double right = axes.plot.right();
    // From the right: the last entry first.
    for (auto it = std::rbegin(entries); it != std::rend(entries); ++it) {
        const double textWidth = metrics.horizontalAdvance(it->text);
        const double left = right - textWidth;
        painter.setPen(QPen(kAxis, 1));
        painter.drawText(QRectF(left, 0, textWidth + 1, line + 2), Qt::AlignLeft | Qt::AlignVCenter,
                         it->text);
        const double sampleLeft = left - 4 - kSample;
        switch (it->mark) {
        case LegendEntry::Line:
        case LegendEntry::Dashed:
            painter.setPen(
                QPen(it->colour, 1.5, it->mark == LegendEntry::Dashed ? Qt::DashLine : Qt::SolidLine));
            painter.drawLine(QPointF(sampleLeft, middle), QPointF(sampleLeft + kSample, middle));
            break;
        case LegendEntry::Dot:
            painter.setPen(Qt::NoPen);
            painter.setBrush(it->colour);
            painter.drawEllipse(QPointF(sampleLeft + kSample - 4, middle), 2.5, 2.5);
            painter.setBrush(Qt::NoBrush);
            break;
        }
        right = sampleLeft - 12;
    }
}

} // namespace

QString decimalText(double value, int decimals, char separator) {
    QString text = QString::number(value, 'f', decimals);
    if (text.startsWith(u'-') && text.count(u'0') == text.size() - 1 - (decimals > 0 ? 1 : 0))
        text.remove(0, 1); // no «-0,0»
    // The minus sign of the texts around, not a hyphen.
    return text.replace(u'-', QChar(0x2212)).replace(u'.', QChar::fromLatin1(separator));
}

QString groupedText(std::int64_t value) {
    QString digits = QString::number(value < 0 ? -value : value);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QChar(0x00A0));
    return value < 0 ? QChar(0x2212) + digits : digits;
}

void LawOfLargeNumbersChart::paint(QPainter& painter, const QSizeF& size) const {
    const auto start = std::chrono::steady_clock::now();
    paintChart(painter, size);
    paintCost = std::chrono::steady_clock::now() - start;
}

void LawOfLargeNumbersChart::paintChart(QPainter& painter, const QSizeF& size) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const std::int64_t throws = trace ? trace->throws() : 0;
    const double xMax = double(std::max<std::int64_t>(throws, 10));
    const Axes axes = paintAxes(painter, size, 0, xMax, 0, 1, QStringLiteral("nombre de lancers n"),
                                QStringLiteral("fréquence"), decimalSeparator);
    if (axes.plot.width() < 10 || axes.plot.height() < 10) {
        painter.restore();
        return;
    }
    paintLegend(painter, axes,
                {{LegendEntry::Line, kTrace, QStringLiteral("fréquence après n lancers")},
                 {LegendEntry::Line, kChance, QStringLiteral("probabilité p")},
                 {LegendEntry::Dashed, kBand, QStringLiteral("p − 1/√n et p + 1/√n")}});
    painter.setClipRect(axes.plot.adjusted(-1, -1, 1, 1));
    // The curves p − 1/√n and p + 1/√n: one point a pixel across where they bend at the start,
    // then further apart as they flatten (a dashed line costs by its points).
    QPolygonF low;
    QPolygonF high;
    const double width = axes.plot.width();
    for (double px = 0;; px = std::min(width, px + std::clamp(std::floor(px / 4), 1.0, 8.0))) {
        const double n = std::max(1.0, px / width * xMax);
        low << axes.at(n, probability::bandLow(p, n));
        high << axes.at(n, probability::bandHigh(p, n));
        if (px >= width)
            break;
    }
    painter.setPen(QPen(kBand, 1.5, Qt::DashLine));
    painter.drawPath(clippedPath(low, axes.plot));
    painter.drawPath(clippedPath(high, axes.plot));
    paintChanceLine(painter, axes, p);

    if (trace && throws > 0) {
        painter.setPen(QPen(kTrace, 1.5));
        const auto columns = trace->columns();
        // Each column: the range of frequencies its throws reached, then a line from end to end.
        if (trace->throwsPerColumn() > 1) {
            QList<QLineF> ranges;
            ranges.reserve(qsizetype(columns.size()));
            for (const auto& c : columns)
                if (c.high > c.low)
                    ranges.append({axes.at(double(c.throws), c.low), axes.at(double(c.throws), c.high)});
            painter.drawLines(ranges);
        }
        // The line through the columns' ends, a point at most every pixel across: the ranges above
        // already show how far the frequency went in between.
        QPainterPath path;
        path.moveTo(axes.at(double(columns.front().throws), columns.front().last));
        for (std::size_t i = 1; i < columns.size(); ++i) {
            const QPointF at = axes.at(double(columns[i].throws), columns[i].last);
            if (at.x() - path.currentPosition().x() >= 1 || i + 1 == columns.size())
                path.lineTo(at);
        }
        painter.drawPath(path);
        const QPointF end = axes.at(double(columns.back().throws), columns.back().last);
        painter.setBrush(kTrace);
        painter.drawEllipse(end, 2.5, 2.5);
    }
    painter.restore();
}

void SamplesChart::paint(QPainter& painter, const QSizeF& size) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const std::int64_t count = samples ? samples->count() : 0;
    const double p = samples ? samples->chance.value() : 0.5;
    const double n = samples && samples->size > 0 ? double(samples->size) : 1.0;
    // The frequencies shown: the band and every sample, with a margin, within [0, 1].
    double lo = probability::bandLow(p, n);
    double hi = probability::bandHigh(p, n);
    for (std::int64_t i = 0; i < count; ++i) {
        const double f = samples->frequency(std::size_t(i));
        lo = std::min(lo, f);
        hi = std::max(hi, f);
    }
    const double margin = (hi - lo) * 0.08;
    lo = std::max(0.0, lo - margin);
    hi = std::min(1.0, hi + margin);
    const double step = niceStep(hi - lo, 6);
    lo = std::max(0.0, std::floor(lo / step) * step);
    hi = std::min(1.0, std::ceil(hi / step) * step);
    const double xMax = double(std::max<std::int64_t>(count, 10));
    const Axes axes = paintAxes(painter, size, 0, xMax, lo, hi, QStringLiteral("numéro de l'échantillon"),
                                QStringLiteral("fréquence"), decimalSeparator);
    if (axes.plot.width() < 10 || axes.plot.height() < 10) {
        painter.restore();
        return;
    }
    paintLegend(painter, axes,
                {{LegendEntry::Dot, kTrace, QStringLiteral("dans l'intervalle")},
                 {LegendEntry::Dot, kOutside, QStringLiteral("hors de l'intervalle")},
                 {LegendEntry::Line, kChance, QStringLiteral("p")},
                 {LegendEntry::Dashed, kBand, QStringLiteral("p ± 1/√n")}});
    painter.setClipRect(axes.plot.adjusted(-1, -1, 1, 1));
    if (samples && samples->size > 0) {
        const QPointF a = axes.at(axes.xMin, probability::bandHigh(p, n));
        const QPointF b = axes.at(axes.xMax, probability::bandLow(p, n));
        painter.fillRect(QRectF(a, b).intersected(axes.plot), kBandFill);
        painter.setPen(QPen(kBand, 1.5, Qt::DashLine));
        for (const QLineF& edge : {QLineF(axes.at(axes.xMin, probability::bandLow(p, n)), b),
                                   QLineF(a, axes.at(axes.xMax, probability::bandHigh(p, n)))})
            if (const auto inside = clippedSegment(edge.p1(), edge.p2(), axes.plot))
                painter.drawLine(*inside);
        paintChanceLine(painter, axes, p);
    }
    if (count > 0) {
        painter.setPen(Qt::NoPen);
        if (count <= std::int64_t(axes.plot.width() / 2)) {
            // Few samples: a dot each.
            for (std::int64_t i = 0; i < count; ++i) {
                const auto k = std::size_t(i);
                painter.setBrush(
                    probability::insideBand(samples->successes[k], samples->size, samples->chance)
                        ? kTrace
                        : kOutside);
                painter.drawEllipse(axes.at(double(i + 1), samples->frequency(k)), 2.2, 2.2);
            }
        } else {
            // Many samples: one small square per cell of the plot that holds any, each colour on
            // its own, so a million samples paint as fast as a few thousand.
            const int columns = std::max(1, int(axes.plot.width()));
            const int rows = std::max(1, int(axes.plot.height()));
            std::vector<std::uint8_t> cells(std::size_t(columns) * std::size_t(rows), 0);
            for (std::int64_t i = 0; i < count; ++i) {
                const auto k = std::size_t(i);
                const int cx = std::clamp(int(axes.x(double(i + 1)) - axes.plot.left()), 0, columns - 1);
                const int cy = std::clamp(int(axes.y(samples->frequency(k)) - axes.plot.top()), 0, rows - 1);
                const bool inside =
                    probability::insideBand(samples->successes[k], samples->size, samples->chance);
                cells[std::size_t(cy) * std::size_t(columns) + std::size_t(cx)] |= inside ? 1 : 2;
            }
            painter.setRenderHint(QPainter::Antialiasing, false);
            for (int cy = 0; cy < rows; ++cy)
                for (int cx = 0; cx < columns; ++cx)
                    if (const std::uint8_t c =
                            cells[std::size_t(cy) * std::size_t(columns) + std::size_t(cx)])
                        painter.fillRect(QRectF(axes.plot.left() + cx, axes.plot.top() + cy, 1.5, 1.5),
                                         (c & 2) ? kOutside : kTrace);
        }
    }
    painter.restore();
}
