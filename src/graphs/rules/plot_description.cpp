// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/rules/plot_description.h"

#include <cmath>

namespace graphs {

std::string equationText(const Function& f, const NumberText& number) {
    struct Term {
        double coefficient;
        const char* variable;
    };
    const Term terms[] = {{f.ofXSquared(), "x²"}, {f.ofX(), "x"}, {f.constant(), ""}};
    std::string text;
    for (const Term& t : terms) {
        if (t.coefficient == 0)
            continue;
        const bool negative = std::signbit(t.coefficient);
        const double size = std::fabs(t.coefficient);
        if (text.empty())
            text = negative ? "-" : "";
        else
            text += negative ? " - " : " + ";
        // «x», not «1x»; the constant keeps its 1.
        if (size != 1 || *t.variable == '\0')
            text += number(size);
        text += t.variable;
    }
    return "f(x) = " + (text.empty() ? std::string("0") : text);
}

std::string plotDescription(const PlotNumbers& numbers, bool drawn, const NumberText& number) {
    const std::optional<Ranges> r = numbers.ranges();
    if (!r || !drawn)
        return "Aucun dessin : les bornes de x et de y ne permettent pas de tracer.";
    const std::string range = "x de " + number(r->xmin) + " à " + number(r->xmax) + ", y de " +
                              number(r->ymin) + " à " + number(r->ymax);
    if (const std::optional<Function> f = numbers.function())
        return "Courbe de " + equationText(*f, number) + " ; " + range + ".";
    return "Axes sans courbe, les coefficients ne sont pas tous des nombres ; " + range + ".";
}

} // namespace graphs
