// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/toolkit/style.h"
#include "shell/toolkit/twips.h"

#include <QSvgRenderer>
#include <QWidget>

namespace ui {

class MouseTwips;

// A picture box holding one picture of the program's resources at the picture's own size, from
// the top-left corner inside its one-pixel border: a box smaller than its picture shows only part
// of it, until it is set to size itself to the whole picture. The picture is drawn from its vector
// form at the screen's density, so it stays sharp at any scale.
class PictureBox : public QWidget {
public:
    // Flat: a thin dark line. Raised: a broad 3-D frame standing out of the window, which marks
    // the box the pupil picked; it covers the outer three pixels of the picture, which pictures
    // meant for it leave blank, and changes neither the box's size nor the picture's place.
    enum class Border { Flat, Raised };

    PictureBox(QWidget* parent, const QString& name, const TwipsRect& r, const QString& resource);

    Border border() const { return m_border; }
    void setBorder(Border b);
    bool autoSize() const { return m_autoSize; }
    // On: the box takes the size of its picture plus its border.
    void setAutoSize(bool on);
    // The picture's own size, in logical pixels.
    QSize pictureSize() const { return m_renderer.defaultSize(); }
    MouseTwips& mouse() { return *m_mouse; }

    // The border's width around the picture, in logical pixels.
    static constexpr int kBorder = 1;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QSvgRenderer m_renderer;
    Border m_border = Border::Flat;
    bool m_autoSize = false;
    MouseTwips* m_mouse;
};

} // namespace ui
