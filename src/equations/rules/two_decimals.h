// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The equation windows show their solutions rounded to two decimal places. The rounding works on
// the exact value of the double, and a value exactly halfway between two hundredths (0,125)
// goes to the one whose last digit is even (0,12).
double roundToTwoDecimals(double value);
