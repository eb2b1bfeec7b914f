// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/toolkit/twips.h"

#include <QAbstractListModel>
#include <QListView>

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The lines of a list box, kept as one UTF-8 buffer with an end offset per line: a few bytes a
// line, where a history may grow to millions of lines. Appended lines reach the views in one
// batch when events next run, so appending stays cheap inside long loops.
class LeanListModel : public QAbstractListModel {
public:
    explicit LeanListModel(QObject* parent = nullptr);

    void append(const QString& line);
    void append(std::string_view utf8);
    void clear();
    int count() const { return int(m_ends.size()); }
    QString at(int row) const;
    std::size_t bytesUsed() const { return m_text.capacity() + m_ends.capacity() * sizeof(std::uint32_t); }
    // Announces the lines appended since the last call to the attached views.
    void publish();

    QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::string m_text;
    std::vector<std::uint32_t> m_ends;
    int m_published = 0;
};

// A list box: append at the end, clear, select the last line. The selection and the scrolling
// that follow appends are applied once per batch, not once per line, and batches of a very long
// list are spaced so that showing them stays a small part of the time.
class ListBox : public QListView {
public:
    ListBox(QWidget* parent, const QString& name, const twips::Rect& r, const FontSpec& font = {});

    void addItem(const QString& line);
    // The same for a line already in UTF-8, which long loops can make without allocating.
    void addItem(std::string_view utf8);
    void clear();
    int count() const { return m_model->count(); }
    QString item(int row) const { return m_model->at(row); }
    // The selected line, or -1; the value the pupil will see once events have run.
    int listIndex() const { return m_selected; }
    void selectLast();
    const LeanListModel& model() const { return *m_model; }
    // Lines wider than the list are shown whole, with a sideways scroll bar, rather than cut. Each
    // line is then measured, so this suits short lists only.
    void showWholeLines();

private:
    void schedulePublish();
    void publish();

    using Clock = std::chrono::steady_clock;

    LeanListModel* m_model;
    Clock::time_point m_nextPublish;
    int m_selected = -1;
    bool m_publishPending = false;
};
