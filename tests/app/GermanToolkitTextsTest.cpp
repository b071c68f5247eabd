// The toolkit's own texts (standard buttons, the save dialog) read German after start, whatever
// the system language, and a missing catalogue leaves the program running.
#include "GermanToolkitTexts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>

namespace vozavero {
namespace {

TEST(GermanToolkitTexts, StandardButtonsAndTheSaveDialogReadGerman) {
    ASSERT_TRUE(GermanToolkitTexts::install(*qApp))
        << "German catalogues missing in " << GermanToolkitTexts::folder().toStdString();
    {
        QMessageBox box(QMessageBox::Question, QString(), QStringLiteral("Frage"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
        EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("&Nein"));
        EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Abbrechen"));

        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.labelText(QFileDialog::LookIn), QStringLiteral("Suchen in:"));
        EXPECT_EQ(dialog.labelText(QFileDialog::Accept), QStringLiteral("S&peichern"));
        EXPECT_EQ(dialog.labelText(QFileDialog::Reject), QStringLiteral("Abbrechen"));
    }
    // Other tests expect the toolkit's own English texts.
    qDeleteAll(qApp->findChildren<QTranslator*>());
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Yes"));

    EXPECT_FALSE(GermanToolkitTexts::install(*qApp, QStringLiteral("/kein/solcher/ordner")));
    EXPECT_TRUE(qApp->findChildren<QTranslator*>().isEmpty());
}

} // namespace
} // namespace vozavero
