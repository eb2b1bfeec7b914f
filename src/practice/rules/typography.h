// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace practice {

// French typography: a no-break space before «:», a narrow no-break space before «;» and «?», so
// that a line never breaks before them. Spaces already there become no-break ones. «!» is left
// alone: here it is mostly a factorial.
std::string frenchSpacing(std::string_view text);

} // namespace practice
