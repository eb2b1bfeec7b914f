// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/controls.h"

#include "shell/toolkit/accessibility.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QResource>
#include <QStyleOptionFocusRect>
#include <QSvgRenderer>

#include <algorithm>

namespace ui {

void setupControl(QWidget* w, QWidget* parent, const QString& name, const TwipsRect& r,
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

void Label::setCaption(const QString& c) {
    setText(c);
    if (m_announceAs.isEmpty())
        return;
    const QString phrase = c.trimmed().isEmpty() ? QString() : m_announceAs.arg(c.simplified());
    setAccessibleName(phrase);
    announcerOf(this)->labelWritten(this, phrase);
}

void Label::setCaptionUnsaid(const QString& c) {
    setText(c);
    if (!m_announceAs.isEmpty())
        setAccessibleName(c.trimmed().isEmpty() ? QString() : m_announceAs.arg(c.simplified()));
}

void Label::announceAs(const QString& pattern) {
    m_announceAs = pattern;
    if (!text().trimmed().isEmpty())
        setAccessibleName(pattern.arg(text().simplified()));
}

void Label::paintEvent(QPaintEvent* e) {
    if (!m_breakLongWords) {
        QLabel::paintEvent(e);
    } else {
        QPainter p(this);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        QTextOption option(alignment());
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        p.drawText(QRectF(contentsRect()), text(), option);
    }
    // A text that takes the focus (on a page to read) shows where the focus is.
    if (hasFocus()) {
        QPainter p(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
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

TextBox::TextBox(QWidget* parent, const QString& name, const TwipsRect& r, const FontSpec& font) {
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

MultiLineTextBox::MultiLineTextBox(QWidget* parent, const QString& name, const TwipsRect& r,
                                   const FontSpec& font, bool readOnly) {
    setupControl(this, parent, name, r, font);
    setReadOnly(readOnly);
    // A text to read has a caret too, so that the arrows walk it line by line and screen readers
    // follow; Tab still leaves it.
    if (readOnly)
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { chooseWrap(); });
}

void MultiLineTextBox::chooseWrap() {
    // Breaking at word boundaries looks for the end of the word at every line, which makes a long
    // run without a blank cost the square of its length: such a text is broken anywhere.
    constexpr qsizetype kLongestWord = 200;
    const QString t = toPlainText();
    qsizetype run = 0;
    bool longRun = false;
    for (const QChar c : t) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kLongestWord) {
            longRun = true;
            break;
        }
    }
    const auto wanted = longRun ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (wordWrapMode() != wanted)
        setWordWrapMode(wanted);
}

void MultiLineTextBox::setText(const QString& t) {
    setPlainText(t.left(kMaxLength));
    // A text to read is read from its start; a text to write goes on at its end.
    moveCursor(isReadOnly() ? QTextCursor::Start : QTextCursor::End);
}

qsizetype MultiLineTextBox::room() const {
    const QTextCursor cursor = textCursor();
    const qsizetype kept =
        document()->characterCount() - 1 - (cursor.selectionEnd() - cursor.selectionStart());
    return std::max<qsizetype>(0, kMaxLength - kept);
}

void MultiLineTextBox::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QMimeData kept;
    kept.setText(source->text().left(room()));
    QPlainTextEdit::insertFromMimeData(&kept);
}

void MultiLineTextBox::keyPressEvent(QKeyEvent* e) {
    // A key that would add characters beyond the limit adds nothing; editing keys still work.
    const QString typed = e->text();
    const bool shortcut = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool adds =
        !shortcut && !typed.isEmpty() && (typed.front().isPrint() || typed == u"\r" || typed == u"\t");
    if (adds && !isReadOnly() && room() < typed.size()) {
        e->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void MultiLineTextBox::inputMethodEvent(QInputMethodEvent* e) {
    if (e->commitString().size() > room()) {
        QInputMethodEvent kept(e->preeditString(), e->attributes());
        kept.setCommitString(e->commitString().left(room()), e->replacementStart(), e->replacementLength());
        QPlainTextEdit::inputMethodEvent(&kept);
        return;
    }
    QPlainTextEdit::inputMethodEvent(e);
}

ComboBox::ComboBox(QWidget* parent, const QString& name, const TwipsRect& r, const FontSpec& font) {
    setupControl(this, parent, name, r, font);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->installEventFilter(this);
}

bool ComboBox::eventFilter(QObject* watched, QEvent* e) {
    // As in a text box, the paste key pastes only what the box can keep.
    QLineEdit* edit = lineEdit();
    if (watched == edit && e->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(e)->matches(QKeySequence::Paste)) {
        if (!edit->isReadOnly()) {
            const qsizetype kept = edit->text().size() - edit->selectedText().size();
            edit->insert(
                QGuiApplication::clipboard()->text().left(std::max<qsizetype>(0, edit->maxLength() - kept)));
        }
        return true;
    }
    return QComboBox::eventFilter(watched, e);
}

Image::Image(QWidget* parent, const QString& name, const TwipsRect& r, const QString& resource)
    : m_resource(resource) {
    setupControl(this, parent, name, r);
    render();
}

void Image::setPicture(const QString& resource) {
    m_resource = resource;
    clear();
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
    // Drawn at the screen's density so that the picture stays crisp; drawn again only when the
    // size or the density changed (a window's first show resizes every control to the size it
    // already has, and drawing the picture is a good part of what the splash costs at start).
    const qreal dpr = devicePixelRatioF();
    const QPixmap shown = pixmap();
    if (!shown.isNull() && shown.devicePixelRatio() == dpr && shown.deviceIndependentSize() == QSizeF(size()))
        return;
    const QSize pixels = size() * dpr;
    // The pixels of a picture drawn at build time at this very size
    // (":/rendered/splash-173x179.argb32" for ":/splash.svg"), stored uncompressed, are shown as
    // they are: far cheaper than drawing the SVG, and the splash is the first window.
    const QResource rendered(QStringLiteral(":/rendered/%1-%2x%3.argb32")
                                 .arg(QFileInfo(m_resource).completeBaseName())
                                 .arg(pixels.width())
                                 .arg(pixels.height()));
    QPixmap pm;
    if (rendered.isValid() && rendered.compressionAlgorithm() == QResource::NoCompression &&
        rendered.size() == qint64(pixels.width()) * pixels.height() * 4) {
        pm = QPixmap::fromImage(QImage(rendered.data(), pixels.width(), pixels.height(), pixels.width() * 4,
                                       QImage::Format_ARGB32_Premultiplied));
    } else {
        pm = QPixmap(pixels);
        pm.fill(Qt::transparent);
        QPainter painter(&pm);
        QSvgRenderer(m_resource).render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    }
    pm.setDevicePixelRatio(dpr);
    setPixmap(pm);
}

Timer::Timer(QObject* parent, const QString& name, int intervalMs)
    : QTimer(parent) {
    setObjectName(name);
    connect(this, &QTimer::timeout, this, [this] { tick(); });
    setIntervalMs(intervalMs);
}

void Timer::setIntervalMs(int ms) {
    m_running = ms > 0;
    if (!m_running) {
        stop();
        return;
    }
    setInterval(ms);
    if (!isActive() && !m_byHand)
        start();
}

void Timer::tickByHand() {
    m_byHand = true;
    stop();
}

void Timer::tick() {
    if (m_running && m_onTick)
        m_onTick();
}

} // namespace ui
