// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/list_box.h"

#include "shell/toolkit/controls.h"

#include <QTimer>

#include <algorithm>
#include <climits>
#include <cstdint>

LeanListModel::LeanListModel(QObject* parent)
    : QAbstractListModel(parent) {}

void LeanListModel::append(const QString& line) {
    append(std::string_view(line.toUtf8()));
}

void LeanListModel::append(std::string_view utf8) {
    if (!m_codes.empty())
        codesToText();
    // Offsets are 32-bit: lines beyond 4 GB of text are not kept.
    if (m_text.size() + utf8.size() > UINT32_MAX || count() == INT_MAX)
        return;
    m_text.append(utf8.data(), utf8.size());
    m_ends.push_back(std::uint32_t(m_text.size()));
}

void LeanListModel::appendCode(std::uint8_t code) {
    if (!m_ends.empty()) {
        append(std::string_view(m_codeTexts.value(code).toUtf8()));
        return;
    }
    if (count() == INT_MAX)
        return;
    m_codes.push_back(code);
}

void LeanListModel::codesToText() {
    ChunkedArray<std::uint8_t> codes;
    std::swap(codes, m_codes);
    for (std::size_t i = 0; i < codes.size(); ++i)
        append(std::string_view(m_codeTexts.value(codes[i]).toUtf8()));
}

void LeanListModel::clear() {
    beginResetModel();
    // Give the memory back: a cleared list may have held a very long search.
    m_text.clear();
    m_ends.clear();
    m_codes.clear();
    m_published = 0;
    endResetModel();
}

QString LeanListModel::at(int row) const {
    if (row < 0 || row >= count())
        return {};
    if (!m_codes.empty())
        return m_codeTexts.value(m_codes[std::size_t(row)]);
    const std::size_t begin = row == 0 ? 0 : m_ends[std::size_t(row) - 1];
    const std::size_t end = m_ends[std::size_t(row)];
    QByteArray utf8(qsizetype(end - begin), Qt::Uninitialized);
    m_text.copy(begin, end, utf8.data());
    return QString::fromUtf8(utf8);
}

void LeanListModel::publish() {
    if (m_published == count())
        return;
    beginInsertRows({}, m_published, count() - 1);
    m_published = count();
    endInsertRows();
}

QModelIndex LeanListModel::index(int row, int column, const QModelIndex& parent) const {
    // The view asks for every row each time it lays the list out: answer without the
    // generic checks, which cost three virtual calls a row.
    if (row < 0 || row >= m_published || column != 0 || parent.isValid())
        return {};
    return createIndex(row, column);
}

int LeanListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_published;
}

QVariant LeanListModel::data(const QModelIndex& index, int role) const {
    // A line is also its own tooltip, so a line cut by a narrow list can still be read whole.
    if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || !index.isValid() ||
        index.row() >= m_published)
        return {};
    return at(index.row());
}

ListBox::ListBox(QWidget* parent, const QString& name, const twips::Rect& r, const FontSpec& font)
    : m_model(new LeanListModel(this)) {
    setupControl(this, parent, name, r, font);
    setModel(m_model);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // A line picked by the pupil becomes the selected one.
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { m_selected = current.row(); });
}

void ListBox::showWholeLines() {
    setUniformItemSizes(false);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void ListBox::addItem(const QString& line) {
    m_model->append(line);
    schedulePublish();
}

void ListBox::addItem(std::string_view utf8) {
    m_model->append(utf8);
    schedulePublish();
}

void ListBox::addCode(std::uint8_t code) {
    m_model->appendCode(code);
    schedulePublish();
}

void ListBox::clear() {
    m_model->clear();
    m_selected = -1;
}

void ListBox::selectLast() {
    m_selected = count() - 1;
    schedulePublish();
}

void ListBox::schedulePublish() {
    if (m_publishPending)
        return;
    m_publishPending = true;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(m_nextPublish - Clock::now());
    QTimer::singleShot(std::max(wait, std::chrono::milliseconds(0)), this, [this] { publish(); });
}

void ListBox::publish() {
    const auto start = Clock::now();
    m_publishPending = false;
    m_model->publish();
    if (m_selected >= 0 && m_selected < m_model->rowCount()) {
        const QModelIndex index = m_model->index(m_selected);
        setCurrentIndex(index);
        scrollTo(index);
    }
    // The view lays out every line again when lines are added: nothing for a short list, about
    // 2 ms for one of two hundred thousand lines. The next batch waits so that showing lines
    // never takes more than a twentieth of the time; a list of that length growing quickly is
    // still redrawn some twenty-five times a second.
    const auto now = Clock::now();
    m_nextPublish = now + 20 * (now - start);
}
