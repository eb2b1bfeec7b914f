// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "app/app_setup.h"
#include "shell/production_services.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

// Qt's own dialogs speak French in this French program.
class TestFrenchDialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        setUpTestApplication();
        QVERIFY(installFrenchTranslations());
    }

    void standardButtons() {
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annuler"));
    }

    void colourChooser() {
        QColorDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Sélectionner une couleur"));
        QStringList buttons;
        for (QPushButton* b : dialog.findChildren<QPushButton*>())
            buttons << b->text();
        QVERIFY2(buttons.contains(QStringLiteral("Annuler")), qPrintable(buttons.join(u'|')));
        QVERIFY2(!buttons.contains(QStringLiteral("Cancel")), qPrintable(buttons.join(u'|')));
    }

    // The save dialog is Qt's own, in French; a name typed without a suffix gets the filter's.
    void saveDialog() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QStringList buttons;
        QString title;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            title = dialog->windowTitle();
            for (QPushButton* b : dialog->findChildren<QPushButton*>())
                buttons << b->text().remove(u'&');
            dialog->selectFile(dir.filePath(QStringLiteral("essai")));
            static_cast<QDialog*>(dialog)->accept();
        });
        QtDialogs dialogs;
        const auto target =
            dialogs.askSaveFile(nullptr, QStringLiteral("Enregistrer le programme"),
                                {QStringLiteral("Programme Python (*.py)")}, QStringLiteral("essai.py"));
        QCOMPARE(title, QStringLiteral("Enregistrer le programme"));
        QVERIFY2(buttons.contains(QStringLiteral("Enregistrer")), qPrintable(buttons.join(u'|')));
        QVERIFY2(buttons.contains(QStringLiteral("Annuler")), qPrintable(buttons.join(u'|')));
        QVERIFY(target);
        QCOMPARE(target->path, dir.filePath(QStringLiteral("essai.py")));
        QCOMPARE(target->filter, 0);

        // Asked but not yet written, the folder is not offered; once the file is written there,
        // the next dialog opens in it; cancelled, it gives nothing.
        const auto folderOffered = [&] {
            QString folder;
            QTimer::singleShot(0, [&] {
                if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                    folder = dialog->directory().absolutePath();
                    dialog->reject();
                }
            });
            const bool cancelledGivesNothing =
                !dialogs.askSaveFile(nullptr, QStringLiteral("Enregistrer le programme"),
                                     {QStringLiteral("Programme Python (*.py)")}, QStringLiteral("autre.py"));
            return cancelledGivesNothing ? folder : QString();
        };
        const QString before = folderOffered();
        QVERIFY(!before.isEmpty());
        QVERIFY(before != QDir(dir.path()).absolutePath());
        dialogs.saved(target->path);
        QCOMPARE(folderOffered(), QDir(dir.path()).absolutePath());
    }
};

QTEST_MAIN(TestFrenchDialogs)
#include "tst_french_dialogs.moc"
