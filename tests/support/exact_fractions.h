// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The tests' own exact arithmetic, written apart from the program's: fractions of 128-bit integers
// and random decimals of 0 to 3 places, to check the exact results of the equation windows.
#include <QRandomGenerator>
#include <QString>

#include <cstdint>

namespace exactcheck {

using Int = __int128;

inline Int gcdOf(Int a, Int b) {
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b != 0) {
        const Int r = a % b;
        a = b;
        b = r;
    }
    return a;
}

// num / den, reduced, den > 0.
struct Fraction {
    Int num = 0;
    Int den = 1;
};

inline Fraction fraction(Int num, Int den) {
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const Int g = gcdOf(num, den);
    return g == 0 ? Fraction{0, 1} : Fraction{num / g, den / g};
}
inline Fraction operator+(Fraction x, Fraction y) {
    return fraction(x.num * y.den + y.num * x.den, x.den * y.den);
}
inline Fraction operator-(Fraction x, Fraction y) {
    return fraction(x.num * y.den - y.num * x.den, x.den * y.den);
}
inline Fraction operator*(Fraction x, Fraction y) {
    return fraction(x.num * y.num, x.den * y.den);
}
inline Fraction operator/(Fraction x, Fraction y) {
    return fraction(x.num * y.den, x.den * y.num);
}
inline int sign(Fraction x) {
    return x.num > 0 ? 1 : x.num < 0 ? -1 : 0;
}
inline bool operator<(Fraction x, Fraction y) {
    return sign(x - y) < 0;
}

inline QString integerText(Int v) {
    if (v == 0)
        return "0";
    const bool negative = v < 0;
    QString digits;
    for (Int m = negative ? -v : v; m > 0; m /= 10)
        digits.prepend(QChar('0' + int(m % 10)));
    return negative ? '-' + digits : digits;
}

// The value rounded to hundredths, halves to the even digit.
inline Int hundredths(Fraction f) {
    const Int scaled = f.num * 100;
    Int q = scaled / f.den;
    Int r = scaled % f.den;
    if (r < 0) {
        q -= 1;
        r += f.den;
    }
    if (2 * r > f.den || (2 * r == f.den && q % 2 != 0))
        q += 1;
    return q;
}

// The text of a number of hundredths, with a comma and no trailing zero («-1,5», «0,05», «3»).
inline QString hundredthsText(Int q) {
    const bool negative = q < 0;
    const Int magnitude = negative ? -q : q;
    QString text = integerText(magnitude / 100);
    const int cents = int(magnitude % 100);
    if (cents != 0) {
        text += ',' + QString::number(cents / 10);
        if (cents % 10 != 0)
            text += QString::number(cents % 10);
    }
    return negative ? '-' + text : text;
}

// The text of a fraction whose denominator divides a power of ten, written with a comma.
inline QString decimalText(Fraction f) {
    int places = 0;
    Int power = 1;
    while (fraction(f.num * power, f.den).den != 1) {
        power *= 10;
        ++places;
    }
    const Int scaled = fraction(f.num * power, f.den).num;
    const bool negative = scaled < 0;
    QString digits = integerText(negative ? -scaled : scaled).rightJustified(places + 1, '0');
    if (places > 0)
        digits.insert(digits.size() - places, ',');
    return negative ? '-' + digits : digits;
}

// A decimal with 0 to 3 places, as its fraction and as a typed text with a comma.
struct Typed {
    Fraction value;
    QString text;
};

inline Typed randomDecimal(QRandomGenerator& random, bool nonZero) {
    for (;;) {
        const int places = random.bounded(4);
        const int scale = places == 0 ? 1 : places == 1 ? 10 : places == 2 ? 100 : 1000;
        const int units = random.bounded(-99999, 100000);
        if (nonZero && units == 0)
            continue;
        QString digits = QString::number(units < 0 ? -units : units).rightJustified(places + 1, '0');
        if (places > 0)
            digits.insert(digits.size() - places, ',');
        return {fraction(units, scale), (units < 0 ? "-" : "") + digits};
    }
}

} // namespace exactcheck
