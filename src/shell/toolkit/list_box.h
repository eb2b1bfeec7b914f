// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/toolkit/chunked_array.h"
#include "shell/toolkit/twips.h"

#include <QAbstractListModel>
#include <QListView>

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The lines of a list box, where a history may grow to a hundred million lines. A line is either
// text, kept in one UTF-8 buffer with an end offset per line (a dozen bytes a line), or a code, one
// byte a line, that stands for one of a few texts set once: its text is made only when the line is
// shown or read. A list holds one kind or the other. Appended lines reach the views in one batch
// when events next run, so appending stays cheap inside long loops.
class LeanListModel : public QAbstractListModel {
public:
    explicit LeanListModel(QObject* parent = nullptr);

    void append(const QString& line);
    void append(std::string_view utf8);
    void setCodeTexts(QStringList texts) { m_codeTexts = std::move(texts); }
    void appendCode(std::uint8_t code);
    void clear();
    int count() const { return int(m_ends.size() + m_codes.size()); }
    QString at(int row) const;
    std::size_t bytesUsed() const { return m_text.bytesUsed() + m_ends.bytesUsed() + m_codes.bytesUsed(); }
    // Announces the lines appended since the last call to the attached views.
    void publish();

    QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    void codesToText();

    ChunkedArray<char> m_text;
    ChunkedArray<std::uint32_t> m_ends;
    ChunkedArray<std::uint8_t> m_codes;
    QStringList m_codeTexts;
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
    // Coded lines: the texts by code, set once, then one byte a line (see LeanListModel).
    void setCodeTexts(QStringList texts) { m_model->setCodeTexts(std::move(texts)); }
    void addCode(std::uint8_t code);
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
