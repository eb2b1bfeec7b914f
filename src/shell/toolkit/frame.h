// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/toolkit/style.h"
#include "shell/toolkit/twips.h"

#include <QWidget>

namespace ui {

// A frame: a coloured panel with an etched border and a caption on its top edge. Controls placed
// in it are positioned relative to it.
class Frame : public QWidget {
    Q_OBJECT
public:
    Frame(QWidget* parent, const QString& name, const QString& caption, const TwipsRect& r,
          const FontSpec& font = {});
    QString caption() const { return m_caption; }
    void setBackColor(const QColor& c);
    void setForeColor(const QColor& c);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QString m_caption;
    QColor m_back;
    QColor m_fore;
};

} // namespace ui
