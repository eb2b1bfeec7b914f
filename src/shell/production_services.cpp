// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/production_services.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QStandardPaths>

#include <chrono>

void QtDialogs::message(const QString& text, const QString& title, Icon icon) {
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, title, text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString QtDialogs::input(const QString& prompt, const QString& title, const QString& defaultText) {
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal,
                                               defaultText, &ok);
    return ok ? text : QString();
}

std::optional<QColor> QtDialogs::chooseColor(const QColor& initial) {
    const QColor c = QColorDialog::getColor(initial, QApplication::activeWindow());
    if (!c.isValid())
        return std::nullopt;
    return c;
}

std::optional<Dialogs::SaveTarget> QtDialogs::saveFile(const QString& title, const QString& suggestedName,
                                                       const QStringList& filters) {
    QFileDialog dialog(QApplication::activeWindow(), title);
    dialog.setObjectName(QStringLiteral("fileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    if (m_saveFolder.isEmpty()) {
        m_saveFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (m_saveFolder.isEmpty() || !QDir(m_saveFolder).exists())
            m_saveFolder = QDir::homePath();
    }
    dialog.setDirectory(m_saveFolder);
    dialog.selectFile(suggestedName);
    // The suffix follows the type picked: "Programme Python (*.py)" gives "py".
    const auto suffixOf = [](const QString& filter) {
        const qsizetype star = filter.indexOf(QLatin1String("*."));
        if (star < 0)
            return QString();
        qsizetype end = star + 2;
        while (end < filter.size() && filter[end].isLetterOrNumber())
            ++end;
        return filter.mid(star + 2, end - star - 2);
    };
    if (!filters.isEmpty())
        dialog.setDefaultSuffix(suffixOf(filters.first()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().first();
    m_saveFolder = QFileInfo(path).absolutePath();
    return SaveTarget{path, dialog.selectedNameFilter()};
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
