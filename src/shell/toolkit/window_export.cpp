// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit/window_export.h"

#include "shell/toolkit/export_dialogs.h"
#include "shell/toolkit/file_writing.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPointer>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QTimer>

#include <algorithm>
#include <array>

namespace ui {

namespace {

struct FormatInfo {
    const char* filter;
    const char* suffix;
};
// In the order of PictureFormat.
constexpr std::array<FormatInfo, 4> kFormats{{
    {"Image PNG (*.png)", "png"},
    {"Image PNG, double taille (*.png)", "png"},
    {"Image vectorielle SVG (*.svg)", "svg"},
    {"Document PDF (*.pdf)", "pdf"},
}};

const QString kCreator = QStringLiteral("Niveau Seconde");

// What the area showed when the user asked, kept as the painting commands of its widgets: a window
// closed while a dialog is open loses nothing. The commands keep the screen's resolution, and every
// device below is set to it, so that texts keep their size against the drawing.
struct Snapshot {
    QPicture picture;
    QSize size;
    QString title;
    int dpi = 96;
};

Snapshot snapshot(QWidget& area) {
    Snapshot s;
    s.size = area.size();
    s.title = area.window()->windowTitle();
    QPainter painter(&s.picture);
    area.render(&painter);
    painter.end();
    s.dpi = s.picture.logicalDpiY();
    return s;
}

QImage raster(const Snapshot& s, int scale) {
    QImage image(s.size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawPicture(0, 0, s.picture);
    painter.end();
    // The file says its size on paper, the screen's; set only now, since the image's resolution
    // would otherwise scale the texts while painting.
    const int dotsPerMetre = qRound(s.dpi * scale / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

// Encoded in memory first: the encoder stops short on a write error of its own, while the bytes
// written here are checked like any others.
bool writePng(const Snapshot& s, int scale, QIODevice& out) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return raster(s, scale).save(&buffer, "PNG") && out.write(bytes) == bytes.size();
}

bool writeSvg(const Snapshot& s, QIODevice* out) {
    QSvgGenerator svg;
    svg.setOutputDevice(out);
    svg.setSize(s.size);
    svg.setViewBox(QRect(QPoint(0, 0), s.size));
    svg.setResolution(s.dpi);
    svg.setTitle(s.title);
    svg.setDescription(kCreator);
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    painter.drawPicture(0, 0, s.picture);
    return painter.end();
}

// One page the size of the window.
bool writePdf(const Snapshot& s, QIODevice* out) {
    QPdfWriter pdf(out);
    pdf.setResolution(s.dpi);
    pdf.setTitle(s.title);
    pdf.setCreator(kCreator);
    pdf.setPageLayout(
        QPageLayout(QPageSize(QSizeF(s.size) / s.dpi, QPageSize::Inch, QString(), QPageSize::ExactMatch),
                    QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    painter.drawPicture(0, 0, s.picture);
    return painter.end();
}

bool write(const Snapshot& s, const SaveTarget& target, QString* why) {
    return writeWholeFile(
        target.path,
        [&s, &target](QIODevice& file) {
            switch (target.format) {
            case PictureFormat::Png:
            case PictureFormat::PngDouble:
                return writePng(s, target.format == PictureFormat::PngDouble ? 2 : 1, file);
            case PictureFormat::Svg:
                return writeSvg(s, &file);
            case PictureFormat::Pdf:
                return writePdf(s, &file);
            }
            return false;
        },
        why);
}

// The window's title as a file name, without the characters file systems refuse.
QString suggestedName(const QString& title) {
    QString name = title;
    name.replace(QRegularExpression(QStringLiteral(R"([/\\:*?"<>|\x00-\x1f])")), QStringLiteral(" "));
    name = name.simplified();
    if (name.isEmpty() || name.startsWith(u'.'))
        name = QStringLiteral("image");
    return name + QStringLiteral(".png");
}

void copyPicture(QWidget& area) {
    QApplication::clipboard()->setImage(area.grab().toImage());
}

// Everything below the dialog lives on the stack: the window and this code's objects may be
// destroyed while the dialog is open.
void savePicture(QPointer<QWidget> area, ExportDialogs& dialogs) {
    if (!area)
        return;
    const Snapshot s = snapshot(*area);
    const std::optional<ExportDialogs::SaveAnswer> answer = dialogs.askSaveFile(
        area->window(), QStringLiteral("Enregistrer l'image"), pictureFilters(), suggestedName(s.title));
    if (!answer || answer->path.isEmpty())
        return;
    const SaveTarget target = saveTarget(answer->path, answer->filter);
    QString why;
    if (write(s, target, &why))
        dialogs.saved(target.path);
    else
        dialogs.exportFailed(
            area ? area->window() : nullptr,
            writeFailureMessage(QStringLiteral("L'image n'a pas pu être enregistrée dans le fichier\n%1."),
                                target.path, why));
}

// Paints the picture scaled to the printer's page; false when the printer failed.
bool printOnto(QPrinter& printer, const Snapshot& s) {
    // The drawing's own resolution, scaled to the page: vector stays vector.
    printer.setResolution(s.dpi);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printer.pageLayout().paintRectPixels(s.dpi);
    const qreal scale = std::min(page.width() / s.size.width(), page.height() / s.size.height());
    painter.translate((page.width() - s.size.width() * scale) / 2, 0);
    painter.scale(scale, scale);
    painter.drawPicture(0, 0, s.picture);
    return painter.end();
}

// Printing into a PDF file: the printer writes a file beside it, which replaces the old one only
// once it holds the whole document; the printer itself does not see a disk that fills up.
bool printIntoFile(QPrinter& printer, const Snapshot& s, QString* why) {
    FileReplacement file(printer.outputFileName());
    if (!file.ready(why))
        return false;
    printer.setOutputFileName(file.temporaryPath());
    const bool printed = printOnto(printer, s);
    printer.setOutputFileName(file.target());
    if (!printed || !isWholePdf(file.temporaryPath())) {
        *why = writeFailureReason(file.target(), QString());
        return false;
    }
    return file.replace(why);
}

void printPicture(QPointer<QWidget> area, ExportDialogs& dialogs) {
    if (!area)
        return;
    const Snapshot s = snapshot(*area);
    QPrinter printer;
    printer.setDocName(s.title);
    printer.setCreator(kCreator);
    printer.setPageOrientation(s.size.width() > s.size.height() ? QPageLayout::Landscape
                                                                : QPageLayout::Portrait);
    if (!dialogs.askPrinter(area->window(), printer))
        return;
    const auto failed = [&](const QString& text) {
        dialogs.exportFailed(area ? area->window() : nullptr, text);
    };
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        QString why;
        if (!printIntoFile(printer, s, &why))
            failed(writeFailureMessage(QStringLiteral("L'impression dans le fichier\n%1\na échoué."),
                                       printer.outputFileName(), why));
        return;
    }
    if (!printOnto(printer, s))
        failed(QStringLiteral("L'impression a échoué."));
}

// Whether a right-click on this widget is for the window's picture: not on a text box, a list
// or the menu bar, which have menus of their own or none.
bool offersPictureMenu(QWidget* under, QWidget* window) {
    for (QWidget* w = under; w && w != window; w = w->parentWidget())
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractScrollArea*>(w) ||
            qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QMenuBar*>(w))
            return false;
    return true;
}

// The picture menu of one window, opened from its context-menu events.
class PictureMenu : public QObject {
public:
    PictureMenu(QWidget* window, QList<QAction*> actions)
        : QObject(window)
        , m_window(window)
        , m_actions(std::move(actions)) {
        window->installEventFilter(this);
    }

    void popUp(const QPoint& global) {
        auto* menu = new QMenu(m_window);
        menu->setObjectName(QStringLiteral("pictureMenu"));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addActions(m_actions);
        menu->popup(global);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QList<QAction*> m_actions;
};

// Opens the picture menu once the right button is released: the control under the pointer gets
// the press and the release as it would without the menu.
class MenuAtRelease : public QObject {
public:
    explicit MenuAtRelease(PictureMenu* menu)
        : QObject(menu)
        , m_menu(menu) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            // After the release has reached its control.
            QTimer::singleShot(0, m_menu, [menu = m_menu, at] { menu->popUp(at); });
            qApp->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    PictureMenu* m_menu;
};

bool PictureMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_window || event->type() != QEvent::ContextMenu)
        return false;
    auto* e = static_cast<QContextMenuEvent*>(event);
    QWidget* under = e->reason() == QContextMenuEvent::Keyboard ? QApplication::focusWidget()
                                                                : m_window->childAt(e->pos());
    if (!offersPictureMenu(under, m_window))
        return false;
    if (e->reason() == QContextMenuEvent::Mouse && (QGuiApplication::mouseButtons() & Qt::RightButton))
        new MenuAtRelease(this);
    else
        popUp(e->globalPos());
    return true;
}

QAction* addAction(QWidget* window, const QString& name, const QString& text, const QKeySequence& keys) {
    auto* action = new QAction(text, window);
    action->setObjectName(name);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    window->addAction(action);
    return action;
}

} // namespace

QStringList pictureFilters() {
    QStringList filters;
    for (const FormatInfo& f : kFormats)
        filters << QString::fromUtf8(f.filter);
    return filters;
}

SaveTarget saveTarget(const QString& typedPath, int filter) {
    const auto chosen = static_cast<PictureFormat>(std::clamp(filter, 0, int(kFormats.size()) - 1));
    const QString suffix = QFileInfo(typedPath).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return {typedPath,
                chosen == PictureFormat::PngDouble ? PictureFormat::PngDouble : PictureFormat::Png};
    if (suffix == QLatin1String("svg"))
        return {typedPath, PictureFormat::Svg};
    if (suffix == QLatin1String("pdf"))
        return {typedPath, PictureFormat::Pdf};
    return {typedPath + u'.' + QString::fromLatin1(kFormats[size_t(chosen)].suffix), chosen};
}

void addWindowExport(QWidget* window, QWidget* area, ExportDialogs& dialogs) {
    QPointer<QWidget> picture = area;
    QAction* copy = addAction(window, copyWindowAction, QStringLiteral("Copier l'image"),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QAction* save = addAction(window, saveWindowAction, QStringLiteral("Enregistrer l'image…"),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QAction* print =
        addAction(window, printWindowAction, QStringLiteral("Imprimer…"), QKeySequence(Qt::CTRL | Qt::Key_P));
    QObject::connect(copy, &QAction::triggered, area, [area] { copyPicture(*area); });
    QObject::connect(save, &QAction::triggered, area, [picture, &dialogs] { savePicture(picture, dialogs); });
    QObject::connect(print, &QAction::triggered, area,
                     [picture, &dialogs] { printPicture(picture, dialogs); });
    new PictureMenu(window, {copy, save, print});
}

} // namespace ui
