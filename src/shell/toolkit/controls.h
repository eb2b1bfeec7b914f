// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/toolkit/style.h"
#include "shell/toolkit/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

#include <functional>

namespace ui {

// Gives a control its name, parent, place in twips and font.
void setupControl(QWidget* w, QWidget* parent, const QString& name, const TwipsRect& r,
                  const FontSpec& font = {});

// A label: always plain text, so runs of blanks and characters such as '<' are shown as they
// stand (a caption is never taken for rich text).
class Label : public QLabel {
public:
    struct Setup {
        QString name;
        QString caption;
        TwipsRect rect;
        FontSpec font = {};
        bool wordWrap = false;
        // Breaks a word wider than the label (a long number) where the line ends, rather than cut it.
        bool breakLongWords = false;
        QColor foreColor = {}; // invalid: the system text colour
        QColor backColor = {}; // invalid: transparent
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    };

    Label(QWidget* parent, const Setup& setup);
    QString caption() const { return text(); }
    // Writes the caption; a label that holds a result has it announced (see announceAs).
    void setCaption(const QString& c);
    // Writes a caption that is no result (a count set back to 0 before it grows): not announced.
    void setCaptionUnsaid(const QString& c);
    // Makes the label a result: each caption written by code is said by screen readers as the
    // pattern with the caption for %1 ("Discriminant : %1"), which is also the label's name.
    void announceAs(const QString& pattern);
    void setForeColor(const QColor& c);
    void setBackColor(const QColor& c); // an invalid colour makes the label transparent

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    bool m_breakLongWords = false;
    QString m_announceAs;
};

// A single-line text box. textChanged fires on every change of its text, also a change made by
// code, synchronously inside the assignment.
class TextBox : public QLineEdit {
public:
    // The most characters a box keeps (Qt's own default for a line edit); the rest of a longer
    // text, typed, pasted or set by code, is dropped.
    static constexpr int kMaxLength = 32767;

    TextBox(QWidget* parent, const QString& name, const TwipsRect& r, const FontSpec& font = {});
    void setBackColor(const QColor& c);

protected:
    // The paste key pastes only what the box can keep: the line edit's own paste goes through
    // the whole clipboard text first, which takes a noticeable time for megabytes.
    void keyPressEvent(QKeyEvent* e) override;

private:
    void pasteWhatFits();
};

// A multi-line, word-wrapped text box, usually read-only. Tab moves on to the next control, as in
// every other box, rather than type a tab character. Like the single-line box it keeps at
// most TextBox::kMaxLength characters: a longer paste keeps its beginning, and typing stops at the
// limit. A line without a blank is broken anywhere, so that laying it out costs no more than its
// length.
class MultiLineTextBox : public QPlainTextEdit {
public:
    static constexpr int kMaxLength = TextBox::kMaxLength;

    MultiLineTextBox(QWidget* parent, const QString& name, const TwipsRect& r, const FontSpec& font = {},
                     bool readOnly = true);
    QString text() const { return toPlainText(); }
    // Replaces the whole text and leaves the cursor at its end, so that typing appends; a
    // read-only box leaves it at the start, where reading begins.
    void setText(const QString& t);

protected:
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;

private:
    // How many characters may still come in, in place of the selection.
    qsizetype room() const;
    void chooseWrap();
};

// An editable combo box; edited() reports the pupil's edits of its text only, not an item
// picked from the list nor a text set by code.
class ComboBox : public QComboBox {
public:
    ComboBox(QWidget* parent, const QString& name, const TwipsRect& r, const FontSpec& font = {});

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
};

// A picture from the program's resources, stretched to its box.
class Image : public QLabel {
public:
    Image(QWidget* parent, const QString& name, const TwipsRect& r, const QString& resource);
    void setPicture(const QString& resource);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void render();
    QString m_resource;
};

// A repeating timer; an interval of 0 stops it for good, as the windows expect.
class Timer : public QTimer {
public:
    Timer(QObject* parent, const QString& name, int intervalMs);
    void setIntervalMs(int ms);
    // What each tick runs.
    void onTick(std::function<void()> f) { m_onTick = std::move(f); }
    // From now on the timer ticks only when tick() is called, never by the clock: a test that
    // replays a walk exactly decides itself when time passes.
    void tickByHand();
    bool running() const { return m_running; }
    // One tick now, as the clock gives it, when the timer runs.
    void tick();

private:
    std::function<void()> m_onTick;
    bool m_running = false;
    bool m_byHand = false;
};

} // namespace ui
