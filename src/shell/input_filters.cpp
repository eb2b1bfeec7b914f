// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/input_filters.h"

#include "shell/program.h"
#include "shell/rules/filter_rules.h"

#include "shell/form.h"
#include "shell/toolkit/controls.h"

namespace boxFilters {

bool wholeNumbers(Program& program, const QString& text) {
    if (digitFilterAccepts(program.numbers(), text.toStdString()))
        return true;
    program.message(QString::fromUtf8(kDigitFilterMessage));
    return false;
}

bool nonNegativeNumbers(Program& program, const QString& text) {
    if (boundFilterAccepts(program.numbers(), text.toStdString()))
        return true;
    program.message(QString::fromUtf8(kDigitFilterMessage));
    return false;
}

bool signedNumbers(Program& program, const QString& text) {
    if (signedFilterAccepts(program.numbers(), text.toStdString()))
        return true;
    program.dialogs().message(QString::fromUtf8(kSignedFilterMessage), QString::fromUtf8(kSignedFilterTitle),
                              Dialogs::Icon::Critical);
    return false;
}

void apply(Form& form, const ui::Ref<ui::TextBox>& box, Filter filter) {
    if (!filter(form.program(), form.get(box).text()))
        form.get(box).setText(QString());
}

} // namespace boxFilters
