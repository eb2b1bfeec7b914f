// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/production_services.h"

#include <QApplication>
#include <QColorDialog>
#include <QInputDialog>
#include <QMessageBox>

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

float ClockDraws::draw() {
    // The clock alone could give two draws made within one tick the same seed; the counter
    // keeps every seed distinct.
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    ++m_count;
    std::seed_seq seed{std::uint32_t(now), std::uint32_t(std::uint64_t(now) >> 32), std::uint32_t(m_count),
                       std::uint32_t(m_count >> 32)};
    std::mt19937 gen(seed);
    return float(gen() >> 8) * (1.0f / 16777216.0f);
}
