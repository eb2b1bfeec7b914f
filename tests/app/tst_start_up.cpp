// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_setup.h"
#include "shell/main_menu.h"
#include "shell/program.h"
#include "shell/splash.h"
#include "shell/toolkit/controls.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>
#include <QTest>

// The start loads only the fonts the splash shows; the others come with the first window after it.
class TestStartUp : public QObject {
    Q_OBJECT

    // The families and styles of the fonts the program has loaded so far (numbered from 0 in a
    // fresh process), whatever fonts the system has.
    static QStringList loadedFonts() {
        QStringList loaded;
        for (int id = 0; !QFontDatabase::applicationFontFamilies(id).isEmpty(); ++id)
            for (const QString& family : QFontDatabase::applicationFontFamilies(id))
                loaded << family;
        return loaded;
    }

private Q_SLOTS:
    void laterFontsComeWithTheFirstWindowAfterTheSplash() {
        const std::unique_ptr<Program> program = startProgram();
        QVERIFY(program->get<Splash>().isShown());
        QCOMPARE(loadedFonts(), (QStringList{"Liberation Sans", "Comic Neue"}));
        QCOMPARE(QApplication::font().family(), QStringLiteral("Liberation Sans"));

        program->get<MainMenu>();
        QCOMPARE(loadedFonts().size(), 6);
        program->get<Splash>();
        QCOMPARE(loadedFonts().size(), 6);
    }

    // The splash's picture is shown from pixels drawn at build time: they must be the SVG's.
    // At a size drawn at build time none is, and the SVG is drawn then.
    void splashPictureIsItsSvg_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("as on the splash") << 173 << 179;
        QTest::newRow("another size") << 100 << 90;
    }
    void splashPictureIsItsSvg() {
        QFETCH(int, width);
        QFETCH(int, height);
        const bool drawnAtBuildTime = width == 173;
        QCOMPARE(QResource(QStringLiteral(":/rendered/splash-%1x%2.argb32").arg(width).arg(height)).isValid(),
                 drawnAtBuildTime);
        ui::Image image(nullptr, QStringLiteral("Image1"), {0, 0, width * 15, height * 15},
                        QStringLiteral(":/splash.svg"));
        QImage expected(width, height, QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer(QStringLiteral(":/splash.svg")).render(&painter, QRectF(0, 0, width, height));
        painter.end();
        const QImage shown = image.pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(shown.size(), QSize(width, height));
        QCOMPARE(shown, expected);
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_start_up.moc"
