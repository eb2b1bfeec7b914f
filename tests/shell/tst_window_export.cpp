// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "full_volume.h"
#include "test_program.h"

#include "app/app_setup.h"
#include "app/window_catalog.h"
#include "equations/degree2_window.h"
#include "graphs/graph_window.h"
#include "shell/main_menu.h"
#include "shell/production_services.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"
#include "shell/toolkit/drawing_surface.h"
#include "shell/toolkit/list_box.h"
#include "shell/toolkit/window_export.h"

#include <QAbstractFileIconProvider>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

using ui::PictureFormat;

using namespace ui;

namespace {

// The window's client area as it paints itself, at a device pixel ratio.
QImage ownRendering(QWidget* area, qreal dpr = 1) {
    QImage image((QSizeF(area->size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    area->render(&image);
    return image.convertToFormat(QImage::Format_RGB32);
}

// The share of pixels of two pictures of one size whose colours differ by more than `step` in a
// channel.
double differingShare(const QImage& a0, const QImage& b0, int step) {
    const QImage a = a0.convertToFormat(QImage::Format_RGB32);
    const QImage b = b0.convertToFormat(QImage::Format_RGB32);
    if (a.size() != b.size())
        return 1.0;
    qint64 differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            differing += std::abs(qRed(p) - qRed(q)) > step || std::abs(qGreen(p) - qGreen(q)) > step ||
                         std::abs(qBlue(p) - qBlue(q)) > step;
        }
    return double(differing) / double(a.width() * a.height());
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

QAction* actionOf(Form& form, const QString& name) {
    return form.window().findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

// The picture menu open at this moment, or null.
QMenu* openMenu() {
    QApplication::processEvents();
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

QStringList namesOf(const QMenu* menu) {
    QStringList names;
    for (const QAction* a : menu->actions())
        names << a->objectName();
    return names;
}

const QStringList kMenuEntries{ui::copyWindowAction, ui::saveWindowAction, ui::printWindowAction};

} // namespace

class TestWindowExport : public QObject {
    Q_OBJECT

    // The degree-2 window's curve in the graph window, with two points read off it.
    struct Plotted : ShownForm<Degree2Window> {
        GraphWindow& graph;
        Plotted()
            : graph(tp->get<GraphWindow>()) {
            QTest::mouseClick(control(form, Degree2Window::plotButton), Qt::LeftButton);
            QTest::mouseClick(control(graph, GraphWindow::drawing), Qt::LeftButton, {}, QPoint(180, 100));
            QTest::mouseClick(control(graph, GraphWindow::drawing), Qt::LeftButton, {}, QPoint(230, 100));
            // The list shows its new lines once events have run, as the pupil sees them.
            QTest::qWait(1);
        }
        QWidget* area() { return graph.window().client(); }
        // Saves the graph window's picture through its action, answering the dialog with this file.
        void save(const QString& path, PictureFormat filter) {
            tp.dialogs.saveAnswers.push_back(ui::ExportDialogs::SaveAnswer{path, int(filter)});
            actionOf(graph, ui::saveWindowAction)->trigger();
        }
    };

    QTemporaryDir m_dir;
    QString file(const QString& name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void initTestCase() {
        setUpTestApplication();
        QVERIFY(m_dir.isValid());
    }

    void everyWindowHasThePictureActions() {
        TestProgram tp;
        const std::pair<QString, QKeySequence> expected[] = {
            {QStringLiteral("Copier l'image"), QKeySequence(QStringLiteral("Ctrl+Shift+C"))},
            {QStringLiteral("Enregistrer l'image…"), QKeySequence(QStringLiteral("Ctrl+Shift+S"))},
            {QStringLiteral("Imprimer…"), QKeySequence(QStringLiteral("Ctrl+P"))},
        };
        for (std::string_view name : windowNames()) {
            Form* form = tp->form(name);
            QVERIFY(form);
            for (int i = 0; i < 3; ++i) {
                const QAction* a = actionOf(*form, kMenuEntries[i]);
                QVERIFY2(a, form->name());
                QCOMPARE(a->text(), expected[i].first);
                QCOMPARE(a->shortcut(), expected[i].second);
                QCOMPARE(a->shortcutContext(), Qt::WindowShortcut);
            }
            // No other action of the window takes these keys.
            for (const QAction* a : form->window().findChildren<QAction*>())
                if (!kMenuEntries.contains(a->objectName()))
                    for (const auto& [text, keys] : expected)
                        QVERIFY2(a->shortcut() != keys, qPrintable(a->objectName()));
        }
    }

    void copiesTheClientAreaByItsShortcut() {
        // The main menu has a menu bar, which is no part of the picture; the shortcut works while
        // a text box has the focus.
        ShownForm<MainMenu> menu;
        QVERIFY(QTest::qWaitForWindowActive(&menu.form.window()));
        QApplication::clipboard()->clear();
        QTest::keyClick(&menu.form.window(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QWidget* area = menu.form.window().client();
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 ownRendering(area, area->devicePixelRatioF()));
        QVERIFY(area->height() < menu.form.window().height());

        Plotted p;
        TextBox* box = control(p.form, Degree2Window::aBox);
        p.graph.show();
        p.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&p.form.window()));
        box->setFocus();
        QApplication::clipboard()->clear();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QImage copied = QApplication::clipboard()->image();
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), ownRendering(p.form.window().client()));
    }

    void savesPngAtOneAndTwiceTheSize() {
        Plotted p;
        const QImage screen = ownRendering(p.area());
        p.save(file(QStringLiteral("graph.png")), PictureFormat::Png);
        p.save(file(QStringLiteral("graph-double")), PictureFormat::PngDouble);
        QCOMPARE(p.tp.dialogs.saveFilters.size(), 4);
        QCOMPARE(p.tp.dialogs.suggestedSavePath, QStringLiteral("Form1.png"));

        const QImage once(file(QStringLiteral("graph.png")));
        QCOMPARE(once.convertToFormat(QImage::Format_RGB32), screen);
        const QImage twice(file(QStringLiteral("graph-double.png")));
        QCOMPARE(twice.size(), screen.size() * 2);
        // The same picture, finer.
        const QImage reduced = twice.scaled(screen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(differingShare(reduced, screen, 64) < 0.03);
    }

    void savesSvgAsVectorsAndTexts() {
        Plotted p;
        p.save(file(QStringLiteral("graph.svg")), PictureFormat::Svg);
        QSvgRenderer svg(file(QStringLiteral("graph.svg")));
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox(), QRect(QPoint(0, 0), p.area()->size()));
        QImage drawn(p.area()->size(), QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        svg.render(&painter);
        painter.end();
        const double share = differingShare(drawn, ownRendering(p.area()), 64);
        QVERIFY2(share < 0.02, qPrintable(QString::number(share)));

        QFile f(file(QStringLiteral("graph.svg")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        // The list's lines are texts, the drawing shapes: no picture of pixels anywhere.
        QVERIFY(text.contains(QStringLiteral("antécédant")));
        QVERIFY(text.contains(QStringLiteral("<text")));
        QVERIFY(text.contains(QStringLiteral("<path")));
        QVERIFY(!text.contains(QStringLiteral("<image")));
    }

    void savesPdfAsOnePageWithTexts() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo (poppler-utils) is not installed");
        Plotted p;
        // The name's extension says the format, whatever the filter.
        p.save(file(QStringLiteral("graph.pdf")), PictureFormat::Png);
        const QString info = run(QStringLiteral("pdfinfo"), {file(QStringLiteral("graph.pdf"))});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
        // The window's size at 96 pixels to the inch, in points.
        const QRegularExpressionMatch page =
            QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts")).match(info);
        QVERIFY2(page.hasMatch(), qPrintable(info));
        QVERIFY(std::abs(page.captured(1).toDouble() - p.area()->width() * 0.75) <= 1);
        QVERIFY(std::abs(page.captured(2).toDouble() - p.area()->height() * 0.75) <= 1);
        if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QVERIFY(run(QStringLiteral("pdftotext"), {file(QStringLiteral("graph.pdf")), QStringLiteral("-")})
                        .contains(QStringLiteral("antécédant")));
        // The drawing is shapes, not a picture of pixels: the page holds no image.
        QFile pdf(file(QStringLiteral("graph.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(!pdf.readAll().contains("/Subtype /Image"));
        if (!QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty()) {
            const QStringList images =
                run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file(QStringLiteral("graph.pdf"))})
                    .split(u'\n', Qt::SkipEmptyParts);
            // Only the two heading lines of the table.
            QCOMPARE(images.size(), 2);
        }
    }

    // The PDF and the SVG, drawn back at 400 dpi and reduced, are the screen's picture: the curve's
    // blue dots stay pure blue (a picture of pixels would blur them).
    void vectorPicturesMatchTheScreen() {
        Plotted p;
        p.save(file(QStringLiteral("match.svg")), PictureFormat::Svg);
        QSvgRenderer svg(file(QStringLiteral("match.svg")));
        const qreal scale = 400.0 / 96;
        QImage fine((QSizeF(p.area()->size()) * scale).toSize(), QImage::Format_RGB32);
        fine.fill(Qt::white);
        QPainter painter(&fine);
        svg.render(&painter);
        painter.end();
        const QImage screen = ownRendering(p.area());
        const QImage back = fine.scaled(screen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double share = differingShare(back, screen, 96);
        QVERIFY2(share < 0.02, qPrintable(QString::number(share)));
        // A blue dot of the curve, drawn at 400 dpi, is pure blue at its centre.
        qint64 pureBlue = 0;
        for (int y = 0; y < fine.height(); ++y)
            for (int x = 0; x < fine.width(); ++x)
                pureBlue += fine.pixel(x, y) == qRgb(0, 0, 255);
        QVERIFY2(pureBlue > 376 * 4, qPrintable(QString::number(pureBlue)));
    }

    void printsTheWindowToThePage() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo (poppler-utils) is not installed");
        Plotted p;
        p.tp.dialogs.printAnswers = {file(QStringLiteral("printed.pdf"))};
        actionOf(p.graph, ui::printWindowAction)->trigger();
        const QString info = run(QStringLiteral("pdfinfo"), {file(QStringLiteral("printed.pdf"))});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Form1\\n"))), qPrintable(info));
        // Cancelled: nothing printed.
        p.tp.dialogs.printAnswers = {QString()};
        actionOf(p.graph, ui::printWindowAction)->trigger();
        QCOMPARE(p.tp.dialogs.shown.back().text, QStringLiteral("<print>"));
    }

    void windowClosedWhileItsDialogIsOpen() {
        Plotted p;
        const QImage screen = ownRendering(p.area());
        p.tp.dialogs.whileOpen = [&] {
            p.graph.closeByPupil();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        QPointer<QWidget> window = &p.graph.window();
        p.save(file(QStringLiteral("closed.png")), PictureFormat::Png);
        QVERIFY(window.isNull());
        QCOMPARE(QImage(file(QStringLiteral("closed.png"))).convertToFormat(QImage::Format_RGB32), screen);

        // Plotted again, and closed while the print dialog is open.
        QTest::mouseClick(control(p.form, Degree2Window::plotButton), Qt::LeftButton);
        p.tp.dialogs.printAnswers = {file(QStringLiteral("closed.pdf"))};
        window = &p.graph.window();
        actionOf(p.graph, ui::printWindowAction)->trigger();
        QVERIFY(window.isNull());
        QVERIFY(QFileInfo(file(QStringLiteral("closed.pdf"))).size() > 0);
    }

    // A full disk: the old file stays whole, and the message says why, for every format and for
    // printing into a PDF file.
    void aFullDiskKeepsTheOldFile_data() {
        QTest::addColumn<int>("format"); // -1: printed
        QTest::newRow("png") << int(PictureFormat::Png);
        QTest::newRow("png, double") << int(PictureFormat::PngDouble);
        QTest::newRow("svg") << int(PictureFormat::Svg);
        QTest::newRow("pdf") << int(PictureFormat::Pdf);
        QTest::newRow("printed") << -1;
    }
    void aFullDiskKeepsTheOldFile() {
        QFETCH(int, format);
        const QByteArray old = QByteArrayLiteral("l'ancien fichier, à garder");
        const QString name = format == -1 || format == int(PictureFormat::Pdf) ? QStringLiteral("ancien.pdf")
                             : format == int(PictureFormat::Svg)               ? QStringLiteral("ancien.svg")
                                                                               : QStringLiteral("ancien.png");
        FullVolume volume(old, name);
        if (!volume.usable())
            QSKIP("a small volume cannot be mounted here");
        Plotted p;
        if (format == -1) {
            p.tp.dialogs.printAnswers = {volume.filePath(name)};
            actionOf(p.graph, ui::printWindowAction)->trigger();
        } else {
            p.save(volume.filePath(name), PictureFormat(format));
        }
        QCOMPARE(volume.contentOf(name), old);
        const auto& said = p.tp.dialogs.shown.back();
        QCOMPARE(said.icon, Dialogs::Icon::Critical);
        QVERIFY2(said.text.contains(QStringLiteral("Le disque est plein.")), qPrintable(said.text));
        QVERIFY2(said.text.contains(QStringLiteral("resté tel qu'il était")), qPrintable(said.text));
        // Nothing left behind beside the old file.
        QCOMPARE(QDir(volume.filePath({})).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void failureIsReported() {
        Plotted p;
        p.save(file(QStringLiteral("no-such-folder/graph.png")), PictureFormat::Png);
        QCOMPARE(p.tp.dialogs.shown.back().icon, Dialogs::Icon::Critical);
        QVERIFY(p.tp.dialogs.shown.back().text.contains(QStringLiteral("no-such-folder")));
        QVERIFY(!QFileInfo::exists(file(QStringLiteral("no-such-folder/graph.png"))));
    }

    void nameAndFilterGiveTheFormat_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("format");
        const auto row = [](const char* what, const char* typed, PictureFormat filter, const char* path,
                            PictureFormat format) {
            QTest::newRow(what) << QString::fromUtf8(typed) << int(filter) << QString::fromUtf8(path)
                                << int(format);
        };
        row("no extension, png", "/d/courbe", PictureFormat::Png, "/d/courbe.png", PictureFormat::Png);
        row("no extension, double", "/d/courbe", PictureFormat::PngDouble, "/d/courbe.png",
            PictureFormat::PngDouble);
        row("no extension, svg", "/d/courbe", PictureFormat::Svg, "/d/courbe.svg", PictureFormat::Svg);
        row("no extension, pdf", "/d/courbe", PictureFormat::Pdf, "/d/courbe.pdf", PictureFormat::Pdf);
        row("png keeps the double size", "/d/a.PNG", PictureFormat::PngDouble, "/d/a.PNG",
            PictureFormat::PngDouble);
        row("svg over png filter", "/d/a.svg", PictureFormat::Png, "/d/a.svg", PictureFormat::Svg);
        row("png over pdf filter", "/d/a.png", PictureFormat::Pdf, "/d/a.png", PictureFormat::Png);
        row("other extension kept", "/d/a.jpg", PictureFormat::Svg, "/d/a.jpg.svg", PictureFormat::Svg);
        row("dot in a folder", "/d.pdf/a", PictureFormat::Png, "/d.pdf/a.png", PictureFormat::Png);
        row("unknown filter", "/d/a", PictureFormat(9), "/d/a.pdf", PictureFormat::Pdf);
    }
    void nameAndFilterGiveTheFormat() {
        QFETCH(QString, typed);
        QFETCH(int, filter);
        QFETCH(QString, path);
        QFETCH(int, format);
        const ui::SaveTarget target = ui::saveTarget(typed, filter);
        QCOMPARE(target.path, path);
        QCOMPARE(int(target.format), format);
    }

    void contextMenuOnBackgroundAndDrawingsOnly() {
        Plotted p;
        QWidget* window = &p.graph.window();
        struct Case {
            const char* what;
            QWidget* target;
            bool pictureMenu;
        };
        TextBox* box = control(p.form, Degree2Window::aBox);
        const Case cases[] = {
            {"background", window->childAt(2, 2), true},
            {"drawing", control(p.graph, GraphWindow::drawing), true},
            {"button", control(p.form, Degree2Window::plotButton), true},
            {"text box", box, false},
            {"list", control(p.graph, GraphWindow::readOuts)->viewport(), false},
        };
        for (const Case& c : cases) {
            QVERIFY2(c.target, c.what);
            const QPoint at(3, 3);
            QContextMenuEvent e(QContextMenuEvent::Mouse, at, c.target->mapToGlobal(at));
            QApplication::sendEvent(c.target, &e);
            QMenu* menu = openMenu();
            if (c.pictureMenu) {
                QVERIFY2(menu, c.what);
                QCOMPARE(namesOf(menu), kMenuEntries);
            } else {
                QVERIFY2(!menu || !namesOf(menu).contains(ui::copyWindowAction), c.what);
            }
            if (menu)
                menu->close();
        }
    }

    // The right button is for the menu: the drawing reads no point and gets no dot.
    void rightClickOnTheDrawingOpensTheMenuAndReadsNothing() {
        Plotted p;
        const int lines = control(p.graph, GraphWindow::readOuts)->count();
        const QImage drawing = control(p.graph, GraphWindow::drawing)->image();
        QWindow* handle = p.graph.window().windowHandle();
        QVERIFY(handle);
        const QPoint at = control(p.graph, GraphWindow::drawing)->mapTo(&p.graph.window(), QPoint(250, 100));
        QTest::mousePress(handle, Qt::RightButton, {}, at);
        QVERIFY(!openMenu());
        QTest::mouseRelease(handle, Qt::RightButton, {}, at);
        QCOMPARE(control(p.graph, GraphWindow::readOuts)->count(), lines);
        QCOMPARE(control(p.graph, GraphWindow::drawing)->image(), drawing);
        QMenu* menu = openMenu();
        QVERIFY(menu);
        QCOMPARE(namesOf(menu), kMenuEntries);
        menu->close();
    }

    // The save dialog tells the kinds of files from their names, never from their content (a
    // special file may never answer), in French; it opens in the folder of the last file saved
    // whole, not in one merely chosen.
    void saveDialogReadsNoFileAndRemembersSavedFolders() {
        QVERIFY(installFrenchTranslations());
        QFile png(file(QStringLiteral("dessin")));
        QVERIFY(png.open(QIODevice::WriteOnly));
        png.write(QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(64, '\0'));
        png.close();
        QtDialogs dialogs;
        QWidget parent;
        // Opens the dialog, notes its folder and the kinds it gives, then answers with `chosen`.
        struct Seen {
            QString folder, folderKind, fileKind;
        };
        const auto open = [&](const QString& chosen) {
            Seen seen;
            QTimer::singleShot(0, [&] {
                auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                if (!d)
                    return;
                seen.folder = d->directory().absolutePath();
                if (const QAbstractFileIconProvider* kinds = d->iconProvider()) {
                    seen.folderKind = kinds->type(QFileInfo(m_dir.path()));
                    seen.fileKind = kinds->type(QFileInfo(png.fileName()));
                }
                if (chosen.isEmpty()) {
                    d->reject();
                } else {
                    d->selectFile(chosen);
                    static_cast<QDialog*>(d)->accept();
                }
            });
            dialogs.askSaveFile(&parent, QStringLiteral("Enregistrer l'image"), ui::pictureFilters(),
                                "a.png");
            return seen;
        };
        const Seen first = open(file(QStringLiteral("choisi.png")));
        QCOMPARE(first.folderKind, QStringLiteral("Dossier"));
        QCOMPARE(first.fileKind, QStringLiteral("Fichier"));
        QVERIFY(first.folder != m_dir.path());
        // Chosen, but the save failed (or was not made): not remembered.
        QCOMPARE(open({}).folder, first.folder);
        dialogs.saved(file(QStringLiteral("choisi.png")));
        QCOMPARE(open({}).folder, m_dir.path());
    }

    // /proc holds files whose reading waits for ever (/proc/kmsg, for its owner): the dialog lists
    // the folder without reading any of them. A watchdog ends the test if the interface freezes.
    void saveDialogOpensProcWithoutFreezing() {
        if (!QFileInfo(QStringLiteral("/proc/kmsg")).isReadable())
            QSKIP("/proc/kmsg cannot be read by this user: nothing there could freeze the dialog");
        std::atomic<bool> done = false;
        std::jthread watchdog([&done](std::stop_token stop) {
            for (int i = 0; i < 300 && !stop.stop_requested(); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (!done && !stop.stop_requested()) {
                std::fputs("FAIL: the save dialog froze on /proc\n", stderr);
                std::_Exit(1);
            }
        });
        QtDialogs dialogs;
        QWidget parent;
        int shown = -1;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!d)
                return;
            d->setDirectory(QStringLiteral("/proc"));
            // Time for the folder to be read and its lines shown.
            QTest::qWait(1500);
            if (auto* view = d->findChild<QAbstractItemView*>(QStringLiteral("treeView"))) {
                view->grab();
                shown = view->model()->rowCount(view->rootIndex());
            }
            d->reject();
        });
        dialogs.askSaveFile(&parent, QStringLiteral("Enregistrer l'image"), ui::pictureFilters(), "a.png");
        done = true;
        QVERIFY(shown > 0);
    }

    // The program's own dialogs: Qt's, in French.
    void productionDialogsSpeakFrench() {
        QVERIFY(installFrenchTranslations());
        QtDialogs dialogs;
        QWidget parent;
        QString title;
        QStringList buttons;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!d)
                return;
            title = d->windowTitle();
            for (const QPushButton* b : d->findChildren<QPushButton*>())
                buttons << b->text();
            // The user picks the SVG filter and types a name without extension.
            auto* types = d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            if (!types)
                return;
            types->setFocus();
            QTest::keyClick(types, Qt::Key_Down);
            QTest::keyClick(types, Qt::Key_Down);
            d->selectFile(file(QStringLiteral("choisi")));
            static_cast<QDialog*>(d)->accept(); // the file dialog's own accept, as its button
        });
        const auto answer = dialogs.askSaveFile(&parent, QStringLiteral("Enregistrer l'image"),
                                                ui::pictureFilters(), "a.png");
        QCOMPARE(title, QStringLiteral("Enregistrer l'image"));
        QVERIFY2(buttons.contains(QStringLiteral("Annuler")), qPrintable(buttons.join(u'|')));
        QVERIFY(answer);
        QCOMPARE(answer->filter, 2);
        QCOMPARE(answer->path, file(QStringLiteral("choisi.svg")));

        QString printTitle;
        QTimer::singleShot(0, [&] {
            if (auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
                printTitle = d->windowTitle();
                d->reject();
            }
        });
        QPrinter printer;
        QVERIFY(!dialogs.askPrinter(&parent, printer));
        QCOMPARE(printTitle, QStringLiteral("Imprimer"));
    }
};

QTEST_MAIN(TestWindowExport)
#include "tst_window_export.moc"
