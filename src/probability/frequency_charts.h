// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "probability/rules/frequencies.h"
#include "shell/toolkit/chart_view.h"

#include <QString>

#include <chrono>

// The frequency of the success after each throw of the history, against the number of throws,
// with the probability p and the curves p − 1/√n and p + 1/√n.
class LawOfLargeNumbersChart : public ui::ChartPicture {
public:
    const probability::FrequencyTrace* trace = nullptr;
    double p = 0.5;
    char decimalSeparator = ',';
    QString said; // what a screen reader hears
    // How long the last painting took: a live chart is repainted no more often than its cost allows.
    mutable std::chrono::steady_clock::duration paintCost{};

    void paint(QPainter& painter, const QSizeF& size) const override;
    QString description() const override { return said; }

private:
    void paintChart(QPainter& painter, const QSizeF& size) const;
};

// The frequency of each sample against its number, with p and the band p ± 1/√n: the samples
// inside the band in one colour, the others in another.
class SamplesChart : public ui::ChartPicture {
public:
    const probability::Samples* samples = nullptr;
    char decimalSeparator = ',';
    QString said;

    void paint(QPainter& painter, const QSizeF& size) const override;
    QString description() const override { return said; }
};

// A decimal with the given number of decimals and the user's separator: «0,5133», «−0,5000».
QString decimalText(double value, int decimals, char separator);
// A whole number with its digits grouped by three: «1 000 000».
QString groupedText(std::int64_t value);
