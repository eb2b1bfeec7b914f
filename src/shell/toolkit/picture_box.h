// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/toolkit/twips.h"

#include <QSvgRenderer>
#include <QWidget>

class MouseTwips;

// A picture box holding one picture of the program's resources at the picture's own size, from
// the top-left corner inside its border: a box smaller than its picture shows only part of it,
// until it is set to size itself to the whole picture. The picture is drawn from its vector form
// at the screen's density, so it stays sharp at any scale.
class PictureBox : public QWidget {
public:
    // Flat: a thin dark line. Raised: a 3-D edge standing out of the window, which marks the box
    // the pupil picked.
    enum class Border { Flat, Raised };

    PictureBox(QWidget* parent, const QString& name, const twips::Rect& r, const QString& resource);

    Border border() const { return m_border; }
    void setBorder(Border b);
    bool autoSize() const { return m_autoSize; }
    // On: the box takes the size of its picture plus its border, now and whenever the border changes.
    void setAutoSize(bool on);
    // The picture's own size, in logical pixels.
    QSize pictureSize() const { return m_renderer.defaultSize(); }
    MouseTwips& mouse() { return *m_mouse; }

    // Border width in logical pixels.
    static int borderWidth(Border b) { return b == Border::Flat ? 1 : 2; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void fitToPicture();

    QSvgRenderer m_renderer;
    Border m_border = Border::Flat;
    bool m_autoSize = false;
    MouseTwips* m_mouse;
};
