// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/frame.h"

#include "shell/toolkit/accessibility.h"
#include "shell/toolkit/controls.h"

#include <QPainter>

namespace ui {

Frame::Frame(QWidget* parent, const QString& name, const QString& caption, const TwipsRect& r,
             const FontSpec& font)
    : m_caption(caption)
    , m_fore(colours::systemWindowText()) {
    // Screen readers see a frame as a group named by its caption, holding its controls; the
    // factory must be there before the first name given makes Qt remember a plain widget.
    installAccessibleFactories();
    setupControl(this, parent, name, r, font);
    setAccessibleName(caption);
}

void Frame::setBackColor(const QColor& c) {
    m_back = c;
    update();
}

void Frame::setForeColor(const QColor& c) {
    m_fore = c;
    update();
}

void Frame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (m_back.isValid())
        p.fillRect(rect(), m_back);
    const QFontMetrics fm(font());
    const int top = fm.height() / 2;
    // Etched border: a dark line with a light one beside it.
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(QRect(0, top, width() - 2, height() - top - 2));
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(QRect(1, top + 1, width() - 2, height() - top - 2));
    if (m_caption.isEmpty())
        return;
    const int textWidth = fm.horizontalAdvance(m_caption);
    const QRect textRect(7, 0, qMin(textWidth + 4, width() - 9), fm.height());
    if (m_back.isValid())
        p.fillRect(textRect, m_back);
    p.setPen(m_fore);
    p.drawText(textRect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, m_caption);
}

} // namespace ui
