// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/list_box_accessible.h"

#include "shell/toolkit/list_box.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>

namespace ui {

namespace {

class RowAccessible : public QAccessibleInterface {
public:
    RowAccessible(ListBox* list, int row)
        : m_list(list)
        , m_row(row) {}

    ListBox* list() const { return m_list; }
    int row() const { return m_row; }
    bool isValid() const override { return m_list && m_row < m_list->shownCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_list ? m_list->window()->windowHandle() : nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_list); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return isValid() && t == QAccessible::Name ? m_list->item(m_row) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect r = m_list->rowRect(m_row);
        return QRect(m_list->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.selectable = true;
        s.focusable = true;
        s.selected = m_row == m_list->shownSelection();
        s.focused = s.selected && m_list->hasFocus();
        const int top = m_list->topRow();
        const int visible = m_list->viewport()->height() / m_list->rowHeight();
        s.invisible = !m_list->isVisible();
        s.offscreen = m_row < top || m_row > top + visible;
        return s;
    }

private:
    QPointer<ListBox> m_list;
    int m_row;
};

class ListAccessible : public QAccessibleWidget {
public:
    explicit ListAccessible(ListBox* list)
        : QAccessibleWidget(list, QAccessible::List) {}

    int childCount() const override { return list()->shownCount(); }
    QAccessibleInterface* child(int index) const override { return list()->accessibleRow(index); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* row = dynamic_cast<const RowAccessible*>(child);
        return row && row->isValid() && row->list() == list() ? row->row() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint pos = list()->viewport()->mapFromGlobal(QPoint(x, y));
        return list()->accessibleRow(list()->rowAt(pos));
    }

private:
    ListBox* list() const { return static_cast<ListBox*>(widget()); }
};

QAccessibleInterface* listBoxAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(ListBox::staticMetaObject.className()))
        return new ListAccessible(static_cast<ListBox*>(object));
    return nullptr;
}

} // namespace

void installListBoxAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(listBoxAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

QAccessibleInterface* makeListRowAccessible(ListBox* list, int row) {
    return new RowAccessible(list, row);
}

} // namespace ui
