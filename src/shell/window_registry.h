// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <span>
#include <string_view>

class Form;
class Program;

// Makes the window of that name, or returns nullptr when the program has none by that name yet.
std::unique_ptr<Form> makeForm(std::string_view name, Program& program);
// The names of all the program's windows, those still to be built included.
std::span<const std::string_view> windowNames();
