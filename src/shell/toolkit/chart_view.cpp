// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/chart_view.h"

#include "shell/toolkit/controls.h"

#include <QAccessible>
#include <QPainter>
#include <QTimer>

namespace ui {

ChartView::ChartView(QWidget* parent, const QString& name, const TwipsRect& r) {
    setupControl(this, parent, name, r);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::setPicture(const ChartPicture* picture) {
    m_picture = picture;
    refresh();
}

void ChartView::refresh() {
    update();
    if (m_describePending)
        return;
    m_describePending = true;
    QTimer::singleShot(0, this, [this] {
        m_describePending = false;
        const QString said = m_picture ? m_picture->description() : QString();
        if (said != accessibleDescription()) {
            setAccessibleDescription(said);
            QAccessibleEvent event(this, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&event);
        }
    });
}

QImage ChartView::toImage(qreal scale) const {
    QImage image((QSizeF(size()) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    paintOnto(painter);
    return image;
}

void ChartView::paintOnto(QPainter& painter) const {
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(size())), Qt::white);
    if (m_picture)
        m_picture->paint(painter, QSizeF(size()));
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintOnto(painter);
}

} // namespace ui
