// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/toolkit/style.h"
#include "shell/toolkit/twips.h"

#include <QWidget>

class QTabBar;

namespace ui {

// One page of a tabbed control: it holds controls and decorations, placed from the top-left corner
// of the whole tabbed control, as its layout gives them.
class TabPage : public QWidget {
public:
    TabPage(QWidget* parent, const QString& name, const QString& caption);

protected:
    void paintEvent(QPaintEvent* e) override;
};

// A tabbed control: a row of tab headers over a panel, and one page per tab. Only the page of the
// tab in front shows; the pupil brings a tab to the front by clicking its header (or with the arrow
// keys once the headers have the focus).
class TabControl : public QWidget {
public:
    TabControl(QWidget* parent, const QString& name, const TwipsRect& r, const FontSpec& font = {});

    // Adds a page with its tab at the end of the row.
    TabPage* addPage(const QString& name, const QString& caption);
    int count() const { return int(m_pages.size()); }
    TabPage* page(int index) const { return m_pages.value(index); }
    int currentIndex() const;
    void setCurrentIndex(int index);
    QTabBar* tabBar() const { return m_bar; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void showCurrentPage();
    void placeHeaders();

    QTabBar* m_bar;
    QList<TabPage*> m_pages;
};

} // namespace ui
