// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/worksheet_document.h"

#include "practice/rules/typography.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QTextDocument>

namespace worksheetDocument {

namespace {

QString html(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())).toHtmlEscaped();
}

// Lines of dots to answer on, more for the exercises that ask for working.
int answerLines(practice::Kind kind) {
    using practice::Kind;
    switch (kind) {
    case Kind::Trinomial:
    case Kind::Vertex:
    case Kind::Diophantine:
    case Kind::PrimeTest:
        return 4;
    default:
        return 3;
    }
}

QString header(const practice::Worksheet& sheet, const QString& title) {
    return QStringLiteral("<h2 style=\"margin-bottom:2px\">%1</h2><p style=\"color:#444\">%2</p>")
        .arg(title, html(sheet.subtitle));
}

QString sheetHtml(const practice::Worksheet& sheet) {
    QString s = header(sheet, html(sheet.title));
    s += QStringLiteral("<p>%1</p>")
             .arg(html(
                 practice::frenchSpacing("Nom : ………………   Prénom : ………………   Classe : ……   Date : ……………")));
    int number = 0;
    for (const practice::Exercise& e : sheet.exercises) {
        s += QStringLiteral("<p style=\"margin-top:14px\"><b>Exercice %1.</b> %2</p>")
                 .arg(++number)
                 .arg(html(e.question));
        for (int line = 0; line < answerLines(e.kind); ++line)
            s += QStringLiteral("<p>&nbsp;</p><hr style=\"color:#999\"/>"); // a ruled line to write on
    }
    return s;
}

QString keyHtml(const practice::Worksheet& sheet, bool newPage) {
    QString s = newPage ? QStringLiteral("<div style=\"page-break-before:always\"></div>") : QString();
    s += header(sheet, QStringLiteral("Corrigé — ") + html(sheet.title));
    int number = 0;
    for (const practice::Exercise& e : sheet.exercises) {
        s += QStringLiteral("<p style=\"margin-top:14px\"><b>Exercice %1.</b> %2</p>")
                 .arg(++number)
                 .arg(html(e.question));
        s += QStringLiteral("<p><b>%1</b></p>").arg(html(practice::frenchSpacing("Réponse : ") + e.answer));
        s += QStringLiteral("<p style=\"margin-left:18px; color:#333\">");
        bool first = true;
        for (const numbers::Line& line : e.correction) {
            if (!first)
                s += QStringLiteral("<br/>");
            first = false;
            const QString text = html(practice::frenchSpacing(numbers::plainText(line)));
            s += line.kind == numbers::Line::Kind::Heading ? QStringLiteral("<i>%1</i>").arg(text) : text;
        }
        s += QStringLiteral("</p>");
    }
    return s;
}

} // namespace

void paint(const practice::Worksheet& sheet, Part part, QPagedPaintDevice& device) {
    QString body;
    if (part != Part::Key)
        body += sheetHtml(sheet);
    if (part != Part::Sheet)
        body += keyHtml(sheet, part == Part::Both);
    QTextDocument document;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(11);
    document.setDefaultFont(font);
    document.setHtml(QStringLiteral("<html><body>%1</body></html>").arg(body));
    document.print(&device);
}

bool writePdf(const practice::Worksheet& sheet, Part part, const QString& path) {
    {
        // QPdfWriter says nothing when it cannot write: try the file first.
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
    }
    {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setTitle(QString::fromStdString(part == Part::Key ? "Corrigé — " + sheet.title : sheet.title));
        pdf.setCreator(QStringLiteral("Niveau Seconde"));
        paint(sheet, part, pdf);
    }
    return QFileInfo(path).size() > 0;
}

} // namespace worksheetDocument
