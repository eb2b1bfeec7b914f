// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/toolkit/style.h"
#include "shell/toolkit/twips.h"

#include <QWidget>

#include <QHash>

#include <functional>

class QMenuBar;

namespace ui {

// The client area of a window: its background colour and its decorations, under the controls.
class ClientArea : public QWidget {
public:
    explicit ClientArea(QWidget* parent);
    void setBackColor(const QColor& c);
    QColor backColor() const { return m_back; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QColor m_back;
};

// The top-level widget of a window: a title, a border style, an optional menu bar and a client
// area of a fixed size in twips where the controls live.
class FormWindow : public QWidget {
    Q_OBJECT
public:
    enum class Border { None, FixedSingle, FixedDialog, Sizable };

    FormWindow(const QString& name, const QString& title, Border border, int clientWidth, int clientHeight);

    ClientArea* client() const { return m_client; }
    // The menu bar, made on first use, above the client area.
    QMenuBar* menuBar();
    void setBackColor(const QColor& c) { m_client->setBackColor(c); }
    int clientWidthTwips() const { return m_clientWidth; }
    // The window's controls by object name, for the handlers' typed access.
    void addControl(const QString& name, QObject* control) { m_controls.insert(name, control); }
    QObject* control(const QString& name) const { return m_controls.value(name); }
    // Gives back what the window system holds for a hidden window (its native window and the
    // picture of its surface) while the controls stay; both are made again if it is shown. Not
    // while an event of this window is being delivered: the native window goes at once.
    void releaseSurface();
    // Runs when the pupil closes the window from its title bar.
    void onCloseByPupil(std::function<void()> f) { m_onClose = std::move(f); }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    ClientArea* m_client;
    QMenuBar* m_menuBar = nullptr;
    Border m_border;
    int m_clientWidth;
    std::function<void()> m_onClose;
    QHash<QString, QObject*> m_controls;
};

} // namespace ui
