// SPDX-FileCopyrightText: 2026 Niveau Seconde developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_program.h"

#include "shell/app_setup.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QPushButton>

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
};

QTEST_MAIN(TestFrenchDialogs)
#include "tst_french_dialogs.moc"
