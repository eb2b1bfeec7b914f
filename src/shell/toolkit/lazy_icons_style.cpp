// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/lazy_icons_style.h"

#include <QIconEngine>
#include <QPointer>
#include <QWidget>

#include <optional>

namespace ui {

namespace {

// Stands for one standard icon of a style, asked of the style on first use.
class LazyIconEngine : public QIconEngine {
public:
    LazyIconEngine(QStyle* style, QStyle::StandardPixmap icon, const QWidget* widget)
        : m_style(style)
        , m_icon(icon)
        , m_widget(widget) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return loaded().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loaded().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return loaded().availableSizes(mode, state);
    }
    bool isNull() override { return loaded().isNull(); }
    QString key() const override { return QStringLiteral("LazyIconEngine"); }
    QIconEngine* clone() const override { return new LazyIconEngine(m_style, m_icon, m_widget); }

private:
    QIcon& loaded() {
        if (!m_loaded)
            m_loaded = m_style ? m_style->standardIcon(m_icon, nullptr, m_widget) : QIcon();
        return *m_loaded;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_icon;
    QPointer<const QWidget> m_widget;
    std::optional<QIcon> m_loaded;
};

} // namespace

QIcon LazyIconsStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                   const QWidget* widget) const {
    // An option is only valid during the call: such icons are asked for at once.
    if (option)
        return QProxyStyle::standardIcon(icon, option, widget);
    return QIcon(new LazyIconEngine(baseStyle(), icon, widget));
}

} // namespace ui
