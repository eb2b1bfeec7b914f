// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace ui {

// A font as a layout names it: size in points, optional face (empty means the program's
// ordinary sans-serif face).
struct FontSpec {
    double points = 8.25;
    bool bold = false;
    bool underline = false;
    bool italic = false;
    QString family;

    QFont toFont() const;
};

// The program's palette: every fixed colour of its windows, each under one name. Colours that
// follow the desktop's theme are named by their role instead (see ui::Colour::system).
namespace colours {

inline constexpr QColor black{0, 0, 0};
inline constexpr QColor white{255, 255, 255};
inline constexpr QColor darkGrey{64, 64, 64};
inline constexpr QColor midGrey{128, 128, 128};
inline constexpr QColor silver{192, 192, 192};

inline constexpr QColor red{255, 0, 0};
inline constexpr QColor darkRed{192, 0, 0};
inline constexpr QColor yellow{255, 255, 0};
inline constexpr QColor lightYellow{255, 255, 140};
inline constexpr QColor lightGreen{128, 255, 128};
inline constexpr QColor lightCyan{192, 255, 255};

inline constexpr QColor blue{0, 0, 255};
inline constexpr QColor brightBlue{45, 45, 255};
inline constexpr QColor periwinkle{128, 128, 255};
inline constexpr QColor skyBlue{114, 172, 231};

// The golden frame of a picked picture: its face, lit and shaded.
inline constexpr QColor amber{255, 176, 0};
inline constexpr QColor paleAmber{255, 232, 160};
inline constexpr QColor darkAmber{150, 95, 0};
inline constexpr QColor brown{70, 45, 0};

// The desktop's colours for the inside of a text box and for ordinary text.
QColor systemWindow();
QColor systemWindowText();

} // namespace colours

} // namespace ui
