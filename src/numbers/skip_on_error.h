// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <exception>
#include <limits>
#include <optional>

namespace numbers {

// Some handlers run their statements as steps that may fail: a text that does not convert, a
// division by zero, the square root of a negative number, a result out of range. A failed step
// has no effect and the handler goes on with the next one; a test that fails counts as passed.
// A step computes into locals and assigns its result last, so that a failure leaves no trace.
struct StepFailed : std::exception {
    const char* what() const noexcept override { return "step failed"; }
};

// The value of a conversion, or the failure of the step.
template <class T> T need(const std::optional<T>& v) {
    if (!v)
        throw StepFailed{};
    return *v;
}

// Arithmetic on doubles that fails the step instead of producing infinities or NaN.
namespace checked {
inline double finite(double v) {
    if (!std::isfinite(v))
        throw StepFailed{};
    return v;
}
inline double div(double a, double b) {
    if (b == 0)
        throw StepFailed{};
    return finite(a / b);
}
inline double sqrt(double v) {
    if (v < 0 || std::isnan(v))
        throw StepFailed{};
    return std::sqrt(v);
}
// A whole number that must fit in the width of T (16 or 32 bits).
template <class T> T fit(std::int64_t v) {
    if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max())
        throw StepFailed{};
    return T(v);
}
} // namespace checked

class SkipOnError {
public:
    template <class F> void step(F&& f) {
        try {
            f();
        } catch (const StepFailed&) {
            ++m_failures;
        }
    }

    // The predicate's value; true when evaluating it fails.
    template <class P> bool test(P&& pred) {
        try {
            return bool(pred());
        } catch (const StepFailed&) {
            ++m_failures;
            return true;
        }
    }

    // How many steps and tests failed so far.
    int failures() const { return m_failures; }

private:
    int m_failures = 0;
};

} // namespace numbers
