// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <span>
#include <string_view>

class Form;
class Program;

// The program's windows: the only place that knows them all. Program makes each from here on its
// first use; a new window is its own two files and one line of the catalogue.

// Makes the window of that name, or returns nullptr when the program has none by that name.
std::unique_ptr<Form> makeWindow(std::string_view name, Program& program);
// The names of all the program's windows, in the catalogue's order.
std::span<const std::string_view> windowNames();
