// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_services.h"

#include <QCoreApplication>
#include <QPrinter>

void ScriptedDialogs::message(const QString& text, const QString& title, Icon icon) {
    shown.push_back({text, title, icon});
    if (whileOpen)
        whileOpen();
}

QString ScriptedDialogs::input(const QString& prompt, const QString& title, const QString&) {
    shown.push_back({prompt, title, Icon::None});
    if (inputAnswers.empty())
        return {};
    QString a = inputAnswers.front();
    inputAnswers.pop_front();
    return a;
}

std::optional<QColor> ScriptedDialogs::chooseColor(const QColor&) {
    shown.push_back({QStringLiteral("<colour>"), QString(), Icon::None});
    if (colorAnswers.empty())
        return std::nullopt;
    auto a = colorAnswers.front();
    colorAnswers.pop_front();
    return a;
}

std::optional<Dialogs::SaveAnswer> ScriptedDialogs::askSaveFile(QWidget*, const QString& title,
                                                                const QStringList& filters,
                                                                const QString& suggestedPath) {
    shown.push_back({suggestedPath, title, Icon::None});
    saveFilters = filters;
    suggestedSavePath = suggestedPath;
    if (whileOpen)
        whileOpen();
    if (saveAnswers.empty())
        return std::nullopt;
    auto a = saveAnswers.front();
    saveAnswers.pop_front();
    return a;
}

bool ScriptedDialogs::askPrinter(QWidget*, QPrinter& printer) {
    shown.push_back({QStringLiteral("<print>"), QString(), Icon::None});
    if (whileOpen)
        whileOpen();
    if (printAnswers.empty())
        return false;
    const QString file = printAnswers.front();
    printAnswers.pop_front();
    if (file.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    return true;
}

void ScriptedDialogs::exportFailed(QWidget*, const QString& text) {
    shown.push_back({text, QString(), Icon::Critical});
}

void TestPump::runPending() {
    ++m_depth;
    ++calls;
    QCoreApplication::processEvents();
    if (onPump)
        onPump(calls);
    --m_depth;
}

float SequenceDraws::draw() {
    if (values.empty())
        return 0.0f;
    const float v = values.front();
    values.pop_front();
    return v;
}
