// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/tab_control.h"

#include "shell/toolkit/controls.h"
#include "shell/toolkit/decorations.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace ui {

TabPage::TabPage(QWidget* parent, const QString& name, const QString& caption)
    : QWidget(parent) {
    setObjectName(name);
    setAccessibleName(caption);
}

void TabPage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintDecorations(this, p);
}

TabControl::TabControl(QWidget* parent, const QString& name, const TwipsRect& r, const FontSpec& font)
    : m_bar(new QTabBar(this)) {
    setupControl(this, parent, name, r, font);
    m_bar->setObjectName(name + QStringLiteral("_tabs"));
    m_bar->setExpanding(true);
    m_bar->setDrawBase(false);
    connect(m_bar, &QTabBar::currentChanged, this, [this] { showCurrentPage(); });
    placeHeaders();
}

TabPage* TabControl::addPage(const QString& name, const QString& caption) {
    auto* page = new TabPage(this, name, caption);
    page->setGeometry(rect());
    m_pages.append(page);
    m_bar->addTab(caption);
    // The headers stay over the pages, which cover the whole control.
    m_bar->raise();
    showCurrentPage();
    return page;
}

int TabControl::currentIndex() const {
    return m_bar->currentIndex();
}

void TabControl::setCurrentIndex(int index) {
    m_bar->setCurrentIndex(index);
}

void TabControl::showCurrentPage() {
    const int current = m_bar->currentIndex();
    for (int i = 0; i < m_pages.size(); ++i)
        m_pages[i]->setVisible(i == current);
}

void TabControl::placeHeaders() {
    m_bar->setGeometry(0, 0, width(), m_bar->sizeHint().height());
}

void TabControl::resizeEvent(QResizeEvent*) {
    placeHeaders();
    for (TabPage* page : m_pages)
        page->setGeometry(rect());
}

void TabControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionTabWidgetFrame panel;
    panel.initFrom(this);
    const int headers = m_bar->sizeHint().height();
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    panel.rect = QRect(0, headers - overlap, width(), height() - headers + overlap);
    panel.shape = QTabBar::RoundedNorth;
    panel.tabBarSize = m_bar->sizeHint();
    panel.tabBarRect = m_bar->geometry();
    panel.selectedTabRect = m_bar->tabRect(m_bar->currentIndex());
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &panel, &p, this);
}

} // namespace ui
