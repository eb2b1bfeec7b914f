// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Renders an SVG picture at build time: render_icon <picture.svg> <size or WIDTHxHEIGHT> <out>,
// as PNG, or as bare pixels when <out> ends in ".argb32". The program's icon at the icon themes'
// fixed sizes (some menus and docks read PNG icons only), and the splash's picture at the pixel
// sizes it is shown at, so that the first window neither draws an SVG nor decodes a picture.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fputs("usage: render_icon <picture.svg> <size or WIDTHxHEIGHT> <out.png>\n", stderr);
        return 2;
    }
    // Rendering needs no display: the image is drawn in memory.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QList<QByteArray> sides = QByteArray(argv[2]).split('x');
    const int width = sides.value(0).toInt();
    const int height = sides.size() > 1 ? sides.value(1).toInt() : width;
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid() || width <= 0 || height <= 0 || sides.size() > 2) {
        std::fprintf(stderr, "render_icon: cannot render %s at %s pixels\n", argv[1], argv[2]);
        return 1;
    }
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, width, height));
    painter.end();
    const QString out = QString::fromLocal8Bit(argv[3]);
    if (!out.endsWith(QLatin1String(".argb32")))
        return image.save(out, "PNG") ? 0 : 1;
    // The pixels themselves (premultiplied, in this machine's byte order), for a picture that the
    // program shows without decoding anything.
    QFile raw(out);
    const auto bytes = qsizetype(image.sizeInBytes());
    return raw.open(QIODevice::WriteOnly) &&
                   raw.write(reinterpret_cast<const char*>(image.constBits()), bytes) == bytes
               ? 0
               : 1;
}
