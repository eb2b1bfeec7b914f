// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/list_box.h"

#include "shell/toolkit/accessibility.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/list_box_accessible.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QTimer>
#include <QToolTip>

#include <algorithm>

namespace ui {

namespace {
// Room left of a line's text, as the platform's list views leave it.
constexpr int kTextMargin = 3;
// The shortest time between two batches: a screen shows about sixty pictures a second.
constexpr std::chrono::milliseconds kFrame{16};
} // namespace

ListBox::ListBox(QWidget* parent, const QString& name, const TwipsRect& r, const FontSpec& font)
    : m_frame(kFrame) {
    setupControl(this, parent, name, r, font);
    setFocusPolicy(Qt::StrongFocus);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(1);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { measureRowsInView(); });
    installListBoxAccessible();
}

ListBox::~ListBox() {
    forgetAccessibleRows();
}

void ListBox::addItem(const QString& line) {
    m_ownLines.append(std::string_view(line.toUtf8()));
    schedulePublish();
}

void ListBox::addItem(std::string_view utf8) {
    m_ownLines.append(utf8);
    schedulePublish();
}

void ListBox::addNumber(std::int64_t value) {
    m_ownLines.appendNumber(value);
    schedulePublish();
}

void ListBox::clear() {
    m_ownLines.clear();
    linesCleared();
}

void ListBox::showLines(std::unique_ptr<LinesSource> source) {
    linesCleared();
    m_source = std::move(source);
    m_lines = m_source ? m_source.get() : &m_ownLines;
    if (count() > 0)
        linesAdded();
}

void ListBox::linesCleared() {
    // Screen readers hear that the lines went; the bridge to them accepts a removed child, not a
    // reordered list.
    if (m_shown > 0 && screenReaderListening()) {
        QAccessibleEvent removed(accessibleRow(0), QAccessible::ObjectDestroyed);
        notifyScreenReaders(removed);
    }
    forgetAccessibleRows();
    m_shown = 0;
    m_selected = -1;
    m_widest = 0;
    updateScrollBars();
    viewport()->update();
}

void ListBox::selectLast() {
    m_selected = count() - 1;
    schedulePublish();
}

void ListBox::schedulePublish() {
    if (m_publishPending)
        return;
    m_publishPending = true;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(m_lastPublish + m_frame -
                                                                   std::chrono::steady_clock::now());
    QTimer::singleShot(std::max(wait, std::chrono::milliseconds(0)), this, [this] { publish(); });
}

// Shows the lines added since the last batch and the selection: a few steps whatever the length
// of the list, since only the lines in view are drawn.
void ListBox::publish() {
    m_publishPending = false;
    m_lastPublish = std::chrono::steady_clock::now();
    const int before = m_shown;
    m_shown = count();
    if (m_followsEnd && m_shown > before)
        m_selected = m_shown - 1;
    updateScrollBars();
    if (m_selected >= 0 && m_selected < m_shown)
        scrollToRow(m_selected);
    measureRowsInView();
    viewport()->update();
    if (m_shown > before && screenReaderListening()) {
        // One new child per batch is enough for a screen reader to know the list grew: a
        // search that shows thousands of lines at once does not send thousands of events.
        QAccessibleEvent added(accessibleRow(m_shown - 1), QAccessible::ObjectCreated);
        notifyScreenReaders(added);
        announceSelection();
    }
    if (m_whenShown)
        std::exchange(m_whenShown, nullptr)();
}

int ListBox::rowHeight() const {
    return fontMetrics().height() + 2;
}

int ListBox::topRow() const {
    return verticalScrollBar()->value();
}

int ListBox::rowAt(QPoint pos) const {
    if (pos.y() < 0 || pos.x() < 0 || pos.x() >= viewport()->width())
        return -1;
    const qint64 row = qint64(topRow()) + pos.y() / rowHeight();
    return row < m_shown ? int(row) : -1;
}

QRect ListBox::rowRect(int row) const {
    return QRect(-horizontalScrollBar()->value(), (row - topRow()) * rowHeight(),
                 std::max(viewport()->width(), m_widest + 2 * kTextMargin), rowHeight());
}

void ListBox::updateScrollBars() {
    const int visible = std::max(1, viewport()->height() / rowHeight());
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, std::max(0, m_shown - visible));
    v->setPageStep(visible);
    QScrollBar* h = horizontalScrollBar();
    h->setRange(0, std::max(0, m_widest + 2 * kTextMargin - viewport()->width()));
    h->setPageStep(viewport()->width());
    h->setSingleStep(fontMetrics().averageCharWidth() * 2);
}

void ListBox::scrollToRow(int row) {
    const int visible = std::max(1, viewport()->height() / rowHeight());
    QScrollBar* v = verticalScrollBar();
    if (row < v->value())
        v->setValue(row);
    else if (row >= v->value() + visible)
        v->setValue(row - visible + 1);
}

// Only the lines in view are measured, so that a long list costs no more than a short one.
void ListBox::measureRowsInView() {
    const QFontMetrics fm(font());
    const int last = std::min(m_shown - 1, topRow() + viewport()->height() / rowHeight());
    int widest = m_widest;
    for (int row = topRow(); row <= last; ++row)
        widest = std::max(widest, fm.horizontalAdvance(item(row)));
    if (widest != m_widest) {
        m_widest = widest;
        updateScrollBars();
    }
}

void ListBox::paintEvent(QPaintEvent* e) {
    QPainter p(viewport());
    const int h = rowHeight();
    const int first = topRow() + e->rect().top() / h;
    const int last = std::min(m_shown - 1, topRow() + e->rect().bottom() / h);
    const bool active = hasFocus() || isActiveWindow();
    const QPalette::ColorGroup group = active ? QPalette::Active : QPalette::Inactive;
    for (int row = first; row <= last; ++row) {
        const QRect r = rowRect(row);
        const bool selected = row == m_selected;
        if (selected)
            p.fillRect(r, palette().brush(group, QPalette::Highlight));
        p.setPen(palette().color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        const QRect textRect = r.adjusted(kTextMargin, 0, -kTextMargin, 0);
        p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, item(row));
        if (selected && hasFocus()) {
            QStyleOptionFocusRect o;
            o.initFrom(this);
            o.rect = r.adjusted(0, 0, std::min(0, viewport()->width() - r.right() - 1), 0);
            o.backgroundColor = palette().color(group, QPalette::Highlight);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, this);
        }
    }
}

void ListBox::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    updateScrollBars();
    measureRowsInView();
}

void ListBox::pick(int row) {
    if (row < 0 || row >= m_shown)
        return;
    m_selected = row;
    scrollToRow(row);
    viewport()->update();
    announceSelection();
    Q_EMIT picked(row);
}

void ListBox::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        pick(rowAt(e->position().toPoint()));
    e->accept();
}

void ListBox::mouseMoveEvent(QMouseEvent* e) {
    if (e->buttons() & Qt::LeftButton)
        pick(rowAt(e->position().toPoint()));
    e->accept();
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* e) {
    // A double-click is the list's own: the window under it does not see it.
    mousePressEvent(e);
}

void ListBox::keyPressEvent(QKeyEvent* e) {
    const int page = std::max(1, viewport()->height() / rowHeight());
    const int current = m_selected >= 0 && m_selected < m_shown ? m_selected : -1;
    int row = -2;
    switch (e->key()) {
    case Qt::Key_Up:
        row = current < 0 ? 0 : current - 1;
        break;
    case Qt::Key_Down:
        row = current + 1;
        break;
    case Qt::Key_PageUp:
        row = std::max(0, current - page);
        break;
    case Qt::Key_PageDown:
        row = std::min(m_shown - 1, current + page);
        break;
    case Qt::Key_Home:
        row = 0;
        break;
    case Qt::Key_End:
        row = m_shown - 1;
        break;
    default:
        QAbstractScrollArea::keyPressEvent(e);
        return;
    }
    if (row >= 0 && row < m_shown)
        pick(row);
    e->accept();
}

void ListBox::focusInEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusInEvent(e);
    viewport()->update();
    announceSelection();
}

void ListBox::focusOutEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusOutEvent(e);
    viewport()->update();
}

bool ListBox::viewportEvent(QEvent* e) {
    // A line is also its own tooltip, so a line wider than the list can be read without scrolling.
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const int row = rowAt(help->pos());
        if (row >= 0)
            QToolTip::showText(help->globalPos(), item(row), viewport(), rowRect(row));
        else
            QToolTip::hideText();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(e);
}

void ListBox::announceSelection() {
    if (!screenReaderListening())
        return;
    const int row = shownSelection();
    if (row < 0)
        return;
    QAccessibleEvent selection(this, QAccessible::Selection);
    selection.setChild(row);
    notifyScreenReaders(selection);
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(row);
        notifyScreenReaders(focus);
    }
}

QAccessibleInterface* ListBox::accessibleRow(int row) const {
    if (row < 0 || row >= m_shown)
        return nullptr;
    if (const auto found = m_accessibleRows.constFind(row); found != m_accessibleRows.constEnd())
        return QAccessible::accessibleInterface(*found);
    auto* iface = makeListRowAccessible(const_cast<ListBox*>(this), row);
    m_accessibleRows.insert(row, QAccessible::registerAccessibleInterface(iface));
    return iface;
}

void ListBox::forgetAccessibleRows() {
    for (const QAccessible::Id id : std::as_const(m_accessibleRows))
        QAccessible::deleteAccessibleInterface(id);
    m_accessibleRows.clear();
}

} // namespace ui
