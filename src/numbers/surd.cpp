// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/surd.h"

#include "numbers/exact.h"

namespace numbers {

namespace {

int signOf(const mpq_class& q) {
    return sgn(q);
}

// n = outside² × inside. Trial division by the numbers up to the cube root of n (and at most to
// 2·10^4): what is left then has at most two prime factors, so it is a square or has no square
// factor. Only beyond 8·10^12 can the square of a large prime stay inside.
void splitSquares(mpz_class n, mpz_class& outside, mpz_class& inside) {
    outside = 1;
    inside = 1;
    constexpr unsigned long kTrialLimit = 20'000;
    mpz_class cubeRoot;
    mpz_root(cubeRoot.get_mpz_t(), n.get_mpz_t(), 3);
    const unsigned long limit = cubeRoot < kTrialLimit ? cubeRoot.get_ui() : kTrialLimit;
    for (unsigned long p = 2; p <= limit; p += (p == 2 ? 1 : 2)) {
        while (mpz_divisible_ui_p(n.get_mpz_t(), p * p)) {
            n /= p * p;
            outside *= p;
        }
        if (mpz_divisible_ui_p(n.get_mpz_t(), p)) {
            n /= p;
            inside *= p;
        }
    }
    if (mpz_perfect_square_p(n.get_mpz_t())) {
        outside *= sqrt(n);
    } else {
        inside *= n;
    }
}

// The sign of a + b√r.
int signOf(const mpq_class& a, const mpq_class& b, const mpz_class& r) {
    const int sa = signOf(a);
    const int sb = signOf(b);
    if (sb == 0 || sa == sb)
        return sa != 0 ? sa : sb;
    if (sa == 0)
        return sb;
    // Opposite signs: the larger square wins; they are never equal, √r being irrational.
    return cmp(a * a, b * b * r) > 0 ? sa : sb;
}

// The whole number below s or equal to it.
mpz_class floorOf(const Surd& s) {
    mpz_class m;
    mpz_fdiv_q(m.get_mpz_t(), s.rational.get_num_mpz_t(), s.rational.get_den_mpz_t());
    if (!s.isRational()) {
        // ⌊√(b²r)⌋ is the square root of ⌊b²r⌋: a first guess within two of the answer.
        const mpq_class square = s.coefficient * s.coefficient * s.radicand;
        mpz_class whole;
        mpz_fdiv_q(whole.get_mpz_t(), square.get_num_mpz_t(), square.get_den_mpz_t());
        const mpz_class root = sqrt(whole);
        m += s.coefficient > 0 ? root : mpz_class(-root - 1);
    }
    while (compare(s, mpq_class(m)) < 0)
        --m;
    while (compare(s, mpq_class(m + 1)) >= 0)
        ++m;
    return m;
}

} // namespace

Surd squareRoot(const mpq_class& q) {
    Surd s;
    if (q <= 0)
        return s;
    mpz_class outside;
    mpz_class inside;
    splitSquares(mpz_class(q.get_num() * q.get_den()), outside, inside);
    const mpq_class factor = mpq_class(outside, q.get_den());
    if (inside == 1) {
        s.rational = factor;
        s.rational.canonicalize();
    } else {
        s.coefficient = factor;
        s.coefficient.canonicalize();
        s.radicand = inside;
    }
    return s;
}

Surd operator+(const Surd& s, const mpq_class& q) {
    Surd sum = s;
    sum.rational += q;
    return sum;
}

Surd operator-(const Surd& s) {
    return s * mpq_class(-1);
}

Surd operator*(const Surd& s, const mpq_class& q) {
    Surd product = s;
    product.rational *= q;
    product.coefficient *= q;
    if (product.coefficient == 0)
        product.radicand = 1;
    return product;
}

Surd operator/(const Surd& s, const mpq_class& q) {
    return s * mpq_class(1 / q);
}

int compare(const Surd& s, const mpq_class& q) {
    return signOf(mpq_class(s.rational - q), s.coefficient, s.radicand);
}

mpq_class roundToDecimals(const Surd& s, int decimals) {
    if (s.isRational())
        return numbers::roundToDecimals(s.rational, decimals);
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, static_cast<unsigned long>(decimals));
    const Surd scaled = s * mpq_class(scale);
    // Irrational: never halfway between two whole numbers.
    mpz_class m = floorOf(scaled);
    if (compare(scaled, mpq_class(m) + mpq_class(1, 2)) > 0)
        ++m;
    mpq_class rounded(m, scale);
    rounded.canonicalize();
    return rounded;
}

} // namespace numbers
