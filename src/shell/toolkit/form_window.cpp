// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/form_window.h"

#include "shell/toolkit/accessibility.h"
#include "shell/toolkit/decorations.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>

namespace ui {

ClientArea::ClientArea(QWidget* parent)
    : QWidget(parent)
    , m_back(palette().color(QPalette::Window)) {
    setObjectName(QStringLiteral("client"));
}

void ClientArea::setBackColor(const QColor& c) {
    m_back = c;
    update();
}

void ClientArea::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_back);
    paintDecorations(this, p);
}

FormWindow::FormWindow(const QString& name, const QString& title, Border border, int clientWidth,
                       int clientHeight)
    : m_client(new ClientArea(this))
    , m_border(border)
    , m_clientWidth(clientWidth) {
    installAccessibleFactories();
    setObjectName(name);
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_client);
    // Made now, hidden until it first has something to say: shown empty with the window, it would
    // be said as an empty notification each time the window opens.
    (new Announcer(this))->hide();
    const QSize client(twips::toPx(clientWidth), twips::toPx(clientHeight));
    switch (border) {
    case Border::None:
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        m_client->setFixedSize(client);
        break;
    case Border::FixedSingle:
    case Border::FixedDialog:
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint);
        m_client->setFixedSize(client);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        break;
    case Border::Sizable:
        m_client->setMinimumSize(1, 1);
        resize(client);
        break;
    }
}

QMenuBar* FormWindow::menuBar() {
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(this);
        m_menuBar->setObjectName(QStringLiteral("menuBar"));
        m_menuBar->setNativeMenuBar(false);
        static_cast<QVBoxLayout*>(layout())->setMenuBar(m_menuBar);
    }
    return m_menuBar;
}

void FormWindow::releaseSurface() {
    if (!isVisible())
        destroy();
}

void FormWindow::closeEvent(QCloseEvent* e) {
    e->accept();
    if (m_onClose)
        m_onClose();
}

} // namespace ui
