// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/grid_keys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPointer>

namespace ui {

namespace {

class GridKeys : public QObject {
public:
    GridKeys(const std::vector<QWidget*>& cells, int columns)
        : QObject(cells.front())
        , m_columns(columns) {
        for (QWidget* cell : cells) {
            m_cells.emplace_back(cell);
            cell->setFocusPolicy(Qt::ClickFocus);
            cell->installEventFilter(this);
        }
        cells.front()->setFocusPolicy(Qt::StrongFocus);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const int at = indexOf(watched);
        if (at < 0)
            return false;
        if (event->type() == QEvent::FocusIn) {
            makeTabStop(at);
            return false;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
            return false;
        const int to = gridTarget(key->key(), at, int(m_cells.size()), m_columns);
        if (to < 0)
            return false;
        if (m_cells[std::size_t(to)])
            m_cells[std::size_t(to)]->setFocus(Qt::OtherFocusReason);
        return true;
    }

private:
    int indexOf(QObject* o) const {
        for (std::size_t i = 0; i < m_cells.size(); ++i)
            if (m_cells[i] == o)
                return int(i);
        return -1;
    }

    void makeTabStop(int at) {
        if (at == m_tabStop)
            return;
        if (QWidget* old = m_cells[std::size_t(m_tabStop)])
            old->setFocusPolicy(Qt::ClickFocus);
        m_cells[std::size_t(at)]->setFocusPolicy(Qt::StrongFocus);
        m_tabStop = at;
    }

    std::vector<QPointer<QWidget>> m_cells;
    int m_columns;
    int m_tabStop = 0;
};

} // namespace

int gridTarget(int key, int at, int count, int columns) {
    int to = at;
    switch (key) {
    case Qt::Key_Left:
        to = at - 1;
        break;
    case Qt::Key_Right:
        to = at + 1;
        break;
    case Qt::Key_Up:
        to = at - columns;
        break;
    case Qt::Key_Down:
        to = at + columns;
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = count - 1;
        break;
    default:
        return -1;
    }
    // At an edge the focus stays where it is.
    return to >= 0 && to < count ? to : at;
}

void navigateAsGrid(const std::vector<QWidget*>& cells, int columns) {
    if (cells.empty() || columns <= 0)
        return;
    new GridKeys(cells, columns);
}

} // namespace ui
