// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "practice/rules/worksheet.h"
#include "practice/worksheet_window.h"
#include "shell/toolkit/button.h"
#include "shell/toolkit/controls.h"

#include <QComboBox>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using numbers::NumberFormat;

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(30'000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// pdftotext's text of a file, its no-break spaces kept.
QString textOf(const QString& pdf) {
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
}

// Two exercises of three kinds, level 2, series 4271.
struct SheetFixture {
    ShownForm<WorksheetWindow> f;
    QTemporaryDir dir;
    practice::Worksheet expected;
    SheetFixture() {
        practice::WorksheetRequest request{.level = 2, .code = 4271};
        for (int kind = 0; kind < practice::kKindCount; ++kind) {
            const int count = kind == 0 || kind == 3 || kind == 4 ? 2 : 0;
            request.counts[std::size_t(kind)] = count;
            f.form.get(WorksheetWindow::countBoxes[kind]).setText(QString::number(count));
        }
        f.form.get(WorksheetWindow::levelBox).setCurrentIndex(1);
        f.form.setTextOf(WorksheetWindow::codeBox, "4271");
        expected = practice::makeWorksheet(NumberFormat(','), request);
    }
    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

// Runs of blanks and line ends as one blank, no-break ones included: the text of a page as read.
QString flattened(QString text) {
    return text.replace(QRegularExpression(QStringLiteral("[\\s\\x{00A0}\\x{202F}]+")), QStringLiteral(" "));
}

} // namespace

class WorksheetWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setUpTestApplication(); }

    // The sheet and its key saved for one code: two A4 files of vector text, the sheet with its
    // title, the line for the name and the date and the numbered questions; the key with the
    // questions, their answers and the corrections; French spaces before «?» and «:».
    void savesSheetAndKey() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        SheetFixture s;
        s.f.tp.dialogs.saveAnswers = {ui::ExportDialogs::SaveAnswer{s.file("fiche-4271"), 0}};
        s.f.form.get(WorksheetWindow::saveButton).click();
        QVERIFY2(s.f.form.textOf(WorksheetWindow::statusLabel).starts_with("Fiche enregistrée"),
                 s.f.form.textOf(WorksheetWindow::statusLabel).c_str());

        const QString sheet = textOf(s.file("fiche-4271.pdf"));
        const QString key = textOf(s.file("fiche-4271-corrige.pdf"));
        QVERIFY2(sheet.contains(QStringLiteral("Fiche d'exercices — série 4271")), qPrintable(sheet));
        QVERIFY(sheet.contains(QStringLiteral("Nom : ")) && sheet.contains(QStringLiteral("Date : ")));
        // pdftotext writes no-break spaces as blanks; that they hold shows in the lines: none
        // starts with «:», «;» or «?».
        const QRegularExpression brokenBefore(QStringLiteral("(^|\\n)\\s*[:;?]"));
        QVERIFY(!sheet.contains(brokenBefore));
        QVERIFY(!key.contains(brokenBefore));
        QCOMPARE(s.expected.exercises.size(), std::size_t(6));
        for (std::size_t i = 0; i < s.expected.exercises.size(); ++i) {
            const practice::Exercise& e = s.expected.exercises[i];
            const QString question = flattened(Form::fromUtf8(e.question));
            const QString numbered = QStringLiteral("Exercice %1. ").arg(i + 1) + question.left(30);
            QVERIFY2(flattened(sheet).contains(numbered), qPrintable(numbered));
            QVERIFY2(flattened(key).contains(flattened(Form::fromUtf8("Réponse : " + e.answer))),
                     e.answer.c_str());
            QVERIFY(!sheet.contains(Form::fromUtf8(e.answer.substr(0, 12)), Qt::CaseSensitive) ||
                    e.answer.size() < 12);
        }
        QVERIFY(sheet.contains(QStringLiteral("premier ?")));
        QVERIFY(key.contains(QStringLiteral("Corrigé")));
        QVERIFY(key.contains(QStringLiteral("Δ = b² − 4ac")));
        if (!QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) {
            const QString info = run(QStringLiteral("pdfinfo"), {s.file("fiche-4271.pdf")});
            QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+595(\\.\\d+)? x 842"))),
                     qPrintable(info));
        }
        // The same code makes the same sheet.
        SheetFixture again;
        again.f.tp.dialogs.saveAnswers = {ui::ExportDialogs::SaveAnswer{again.file("bis.pdf"), 0}};
        again.f.form.get(WorksheetWindow::saveButton).click();
        QCOMPARE(textOf(again.file("bis.pdf")), sheet);
    }

    // Printing sends the sheet and then the key, from a new page, through the print dialog.
    void printsSheetThenKey() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        SheetFixture s;
        s.f.tp.dialogs.printAnswers = {s.file("printed.pdf")};
        s.f.form.get(WorksheetWindow::printButton).click();
        const QString text = textOf(s.file("printed.pdf"));
        const auto sheetAt = text.indexOf(QStringLiteral("Exercice 1."));
        const auto keyAt = text.indexOf(QStringLiteral("Corrigé"));
        QVERIFY2(sheetAt >= 0 && keyAt > sheetAt, qPrintable(text));
        // The key's page starts with it: a form feed just before.
        QVERIFY(text.lastIndexOf(QChar(u'\f'), keyAt) > sheetAt);
    }

    // Counts that are not counts, no exercise at all, a code that is not one: said, no dialog.
    void refusesWhatIsNoSheet_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("said");
        QTest::newRow("letters") << "deux"
                                 << "4271"
                                 << "Écrivez un nombre d'exercices";
        QTest::newRow("too many") << "21"
                                  << "4271"
                                  << "Écrivez un nombre d'exercices";
        QTest::newRow("none") << "0"
                              << "4271"
                              << "Choisissez au moins un exercice.";
        QTest::newRow("code") << "1"
                              << "42"
                              << "Le code d'une série";
    }
    void refusesWhatIsNoSheet() {
        QFETCH(QString, count);
        QFETCH(QString, code);
        QFETCH(QString, said);
        ShownForm<WorksheetWindow> f;
        for (int kind = 0; kind < practice::kKindCount; ++kind)
            f.form.get(WorksheetWindow::countBoxes[kind]).setText(kind == 2 ? count : QStringLiteral("0"));
        f.form.setTextOf(WorksheetWindow::codeBox, code.toStdString());
        f.form.save();
        QVERIFY(Form::fromUtf8(f.form.textOf(WorksheetWindow::statusLabel)).startsWith(said));
        QVERIFY(f.tp.dialogs.shown.empty());
    }
};

QTEST_MAIN(WorksheetWindowTest)
#include "tst_worksheet_window.moc"
