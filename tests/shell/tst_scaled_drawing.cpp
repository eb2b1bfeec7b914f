// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "shell/toolkit/button.h"

#include <QApplication>
#include <QTest>

#include <set>

using namespace ui;

// On a screen scaled by 1.5 a logical pixel is a pixel and a half: drawings must still fall on
// whole device pixels, or their edges come out blurred.
class TestScaledDrawing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        setUpTestApplication();
        QCOMPARE(qApp->devicePixelRatio(), 1.5);
    }

    // A flat coloured button shows only its face and border colours, at every place in the window
    // and pressed or not, and its border is as wide on every side.
    void flatButtonEdgesAreWholePixels() {
        const QColor face(255, 255, 140);
        const QColor border(0x40, 0x40, 0x40);
        for (int left : {0, 15, 30, 45}) {
            QWidget host;
            host.resize(200, 100);
            Button button(&host, QStringLiteral("Command1"), QString(), {left, 15, 1815, 735});
            button.setFocusPolicy(Qt::NoFocus);
            button.setFaceColor(face);
            host.show();
            const QImage shot = host.grab().toImage();
            // The button's device pixels, with a pixel of the window around them.
            const QRect r = QRectF(QPointF(button.geometry().topLeft()) * 1.5, QSizeF(button.size()) * 1.5)
                                .toAlignedRect()
                                .adjusted(-1, -1, 1, 1)
                                .intersected(QRect(QPoint(0, 0), shot.size()));
            std::set<QRgb> colours;
            int leftWidth = 0, rightWidth = 0;
            const int midY = r.center().y();
            for (int x = r.left(); x <= r.right(); ++x) {
                for (int y = r.top(); y <= r.bottom(); ++y)
                    colours.insert(shot.pixel(x, y));
                if (shot.pixel(x, midY) == border.rgb())
                    (x < r.center().x() ? leftWidth : rightWidth)++;
            }
            colours.erase(host.palette().color(QPalette::Window).rgb());
            QStringList seen;
            for (QRgb c : colours)
                seen << QColor(c).name();
            QVERIFY2(colours == (std::set<QRgb>{face.rgb(), border.rgb()}),
                     qPrintable(QStringLiteral("left %1: %2").arg(left).arg(seen.join(u' '))));
            QCOMPARE(leftWidth, 2);
            QCOMPARE(rightWidth, 2);
        }
    }
};

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication app(argc, argv);
    TestScaledDrawing test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_scaled_drawing.moc"
