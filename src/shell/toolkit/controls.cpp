// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/controls.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

namespace ui {

void setupControl(QWidget* w, QWidget* parent, const QString& name, const twips::Rect& r,
                  const FontSpec& font) {
    w->setParent(parent);
    w->setObjectName(name);
    w->setFont(font.toFont());
    twips::place(w, r);
}

Label::Label(QWidget* parent, const Setup& setup)
    : m_breakLongWords(setup.breakLongWords) {
    setupControl(this, parent, setup.name, setup.rect, setup.font);
    setTextFormat(Qt::PlainText);
    setWordWrap(setup.wordWrap);
    setAlignment(setup.alignment);
    setText(setup.caption);
    if (setup.foreColor.isValid())
        setForeColor(setup.foreColor);
    setBackColor(setup.backColor);
}

void Label::paintEvent(QPaintEvent* e) {
    if (!m_breakLongWords) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    QTextOption option(alignment());
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    p.drawText(QRectF(contentsRect()), text(), option);
}

void Label::setForeColor(const QColor& c) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, c);
    setPalette(p);
}

void Label::setBackColor(const QColor& c) {
    setAutoFillBackground(c.isValid());
    if (c.isValid()) {
        QPalette p = palette();
        p.setColor(QPalette::Window, c);
        setPalette(p);
    }
}

TextBox::TextBox(QWidget* parent, const QString& name, const twips::Rect& r, const FontSpec& font) {
    setupControl(this, parent, name, r, font);
    // A paste longer than any number keeps its beginning, which the box's own rules then judge;
    // a whole paste of megabytes would freeze every handler that reads the box.
    setMaxLength(kMaxLength);
}

void TextBox::pasteWhatFits() {
    if (isReadOnly())
        return;
    const QString clip = QGuiApplication::clipboard()->text();
    if (clip.isEmpty() && !hasSelectedText())
        return;
    const qsizetype kept = text().size() - selectedText().size();
    insert(clip.left(std::max<qsizetype>(0, kMaxLength - kept)));
}

void TextBox::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Paste)) {
        pasteWhatFits();
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void TextBox::setBackColor(const QColor& c) {
    QPalette p = palette();
    p.setColor(QPalette::Base, c);
    setPalette(p);
}

MultiLineTextBox::MultiLineTextBox(QWidget* parent, const QString& name, const twips::Rect& r,
                                   const FontSpec& font, bool readOnly) {
    setupControl(this, parent, name, r, font);
    setReadOnly(readOnly);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void MultiLineTextBox::setText(const QString& t) {
    setPlainText(t);
    moveCursor(QTextCursor::End);
}

ComboBox::ComboBox(QWidget* parent, const QString& name, const twips::Rect& r, const FontSpec& font) {
    setupControl(this, parent, name, r, font);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

Image::Image(QWidget* parent, const QString& name, const twips::Rect& r, const QString& resource)
    : m_resource(resource) {
    setupControl(this, parent, name, r);
    render();
}

void Image::setPicture(const QString& resource) {
    m_resource = resource;
    render();
}

void Image::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    render();
}

void Image::render() {
    if (size().isEmpty() || m_resource.isEmpty()) {
        clear();
        return;
    }
    // Drawn at the screen's density so that the picture stays crisp.
    const qreal dpr = devicePixelRatioF();
    QPixmap pm(size() * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter painter(&pm);
    QSvgRenderer(m_resource).render(&painter, QRectF(QPointF(0, 0), QSizeF(size())));
    painter.end();
    setPixmap(pm);
}

Timer::Timer(QObject* parent, const QString& name, int intervalMs)
    : QTimer(parent) {
    setObjectName(name);
    setIntervalMs(intervalMs);
}

void Timer::setIntervalMs(int ms) {
    if (ms <= 0) {
        stop();
        return;
    }
    setInterval(ms);
    if (!isActive())
        start();
}

} // namespace ui
