// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/production_services.h"

#include "shell/program.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QStandardPaths>

#include <chrono>

namespace {
// The window in front, over which a dialog opens, and which gets the keyboard back when the dialog
// closes: a desktop's window manager does that by itself, but without one (a kiosk session) the
// keys would go nowhere and a pupil using the keyboard alone would be stuck.
class WindowInFront {
public:
    WindowInFront()
        : m_window(QApplication::activeWindow()) {}
    ~WindowInFront() {
        if (m_window && m_window->isVisible())
            m_window->activateWindow();
    }
    WindowInFront(const WindowInFront&) = delete;
    WindowInFront& operator=(const WindowInFront&) = delete;
    QWidget* get() const { return m_window; }

private:
    QPointer<QWidget> m_window;
};
} // namespace

void QtDialogs::message(const QString& text, const QString& title, Icon icon) {
    const WindowInFront front;
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, title, text,
                    QMessageBox::Ok, front.get());
    box.setObjectName(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString QtDialogs::input(const QString& prompt, const QString& title, const QString& defaultText) {
    const WindowInFront front;
    bool ok = false;
    const QString text =
        QInputDialog::getText(front.get(), title, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

std::optional<QColor> QtDialogs::chooseColor(const QColor& initial) {
    const WindowInFront front;
    const QColor c = QColorDialog::getColor(initial, front.get());
    if (!c.isValid())
        return std::nullopt;
    return c;
}

namespace {
// The extension a filter such as "Image PNG (*.png)" gives a name typed without one.
QString suffixOf(const QString& filter) {
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral(R"(\*\.(\w+))")).match(filter);
    return m.hasMatch() ? m.captured(1) : QString();
}
} // namespace

std::optional<Dialogs::SaveAnswer> QtDialogs::askSaveFile(QWidget* parent, const QString& title,
                                                          const QStringList& filters,
                                                          const QString& suggestedPath) {
    if (m_saveFolder.isEmpty())
        m_saveFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (m_saveFolder.isEmpty() || !QDir(m_saveFolder).exists())
        m_saveFolder = QDir::homePath();
    // Qt's own dialog, not the desktop's: it speaks French whatever the desktop's language. Made
    // here rather than on the stack, since its parent may be destroyed while it is open.
    QPointer<QFileDialog> dialog = new QFileDialog(parent, title, QDir(m_saveFolder).filePath(suggestedPath));
    dialog->setObjectName(QStringLiteral("saveDialog"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    // Kinds and icons from the names alone: reading a special file could freeze the program.
    dialog->setIconProvider(&m_fileIcons);
    dialog->setOption(QFileDialog::DontUseCustomDirectoryIcons);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters(filters);
    dialog->setDefaultSuffix(suffixOf(filters.value(0)));
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog,
                     [d = dialog.data()](const QString& filter) { d->setDefaultSuffix(suffixOf(filter)); });
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!dialog)
        return std::nullopt;
    std::optional<SaveAnswer> answer;
    if (accepted && !dialog->selectedFiles().isEmpty()) {
        answer = SaveAnswer{dialog->selectedFiles().constFirst(),
                            std::max(0, int(filters.indexOf(dialog->selectedNameFilter())))};
    }
    delete dialog.data();
    return answer;
}

bool QtDialogs::askPrinter(QWidget* parent, QPrinter& printer) {
    QPointer<QPrintDialog> dialog = new QPrintDialog(&printer, parent);
    dialog->setObjectName(QStringLiteral("printDialog"));
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!dialog)
        return false;
    delete dialog.data();
    return accepted;
}

// A folder is remembered only once a file was written there: a folder that refused a file
// (or one that cannot hold files at all) is not offered again.
void QtDialogs::saved(const QString& path) {
    m_saveFolder = QFileInfo(path).absolutePath();
}

void QtDialogs::exportFailed(QWidget* parent, const QString& text) {
    // The title of all the program's own messages.
    QPointer<QMessageBox> box =
        new QMessageBox(QMessageBox::Critical, Program::applicationTitle, text, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("messageBox"));
    box->setTextFormat(Qt::PlainText);
    box->exec();
    delete box.data();
}

EventPump::EventPump()
    : m_ticker([this](std::stop_token stop) {
        while (!stop.stop_requested()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(4));
            m_due.store(true, std::memory_order_relaxed);
        }
    }) {}

EventPump::~EventPump() {
    m_ticker.request_stop();
    m_ticker.join();
}

void EventPump::runPending() {
    m_due.store(false, std::memory_order_relaxed);
    ++m_depth;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    --m_depth;
}

namespace {
std::mt19937_64 seededFromEntropy() {
    std::random_device entropy;
    std::seed_seq seed{entropy(), entropy(), entropy(), entropy(),
                       entropy(), entropy(), entropy(), entropy()};
    return std::mt19937_64(seed);
}

// Spreads the clock's few changing low bits over the whole word (the finaliser of SplitMix64).
std::uint64_t spread(std::uint64_t x) {
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ULL;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}
} // namespace

ClockDraws::ClockDraws()
    : m_generator(seededFromEntropy()) {}

float ClockDraws::draw() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    const std::uint64_t bits = m_generator() ^ spread(std::uint64_t(now));
    // The 24 high bits: every single-precision value k / 2^24, 0 included and 1 excluded.
    return float(bits >> 40) * 0x1p-24f;
}
