// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace ui {

// The platform's own style, whose standard icons are read only when first drawn. Every menu bar
// asks for the icon of a button it shows only when its menus do not fit, and reading any picture
// file makes Qt load all its image-format plug-ins: a quarter of a megabyte for an icon that the
// program's windows, which do not grow, never show.
class LazyIconsStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace ui
