// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/toolkit/style.h"
#include "shell/toolkit/twips.h"

#include <QPushButton>

namespace ui {

// A push button whose caption wraps over several lines when it is wider than the button, with
// an optional flat coloured face or a picture instead of a caption. A '&' in the caption marks
// the access key (Alt + letter). Enter presses a focused button, as Space does.
class Button : public QPushButton {
public:
    Button(QWidget* parent, const QString& name, const QString& caption, const TwipsRect& r,
           const FontSpec& font = {});
    void setFaceColor(const QColor& c);
    // Shows the picture (a resource) instead of a caption.
    void setPicture(const QString& resource);
    QString caption() const { return text(); }

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void paintFlatFace(QPainter& p) const;

    QString m_picture;
    QColor m_face; // invalid: the style's own face
};

} // namespace ui
