// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class PlotSource;
class Program;

// Draws the function of an equation window in the graph window, and shows that window: the
// affine function of the degree-1 window or the trinomial of the degree-2 window, with the ranges
// of its boxes.
void plot(Program& program, PlotSource& source);
