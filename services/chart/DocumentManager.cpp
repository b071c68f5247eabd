// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Saving a chart document for the user: choosing the file (a save dialog unless a test replaces
// it), writing it and telling the user about a failure (a message box unless replaced).
#include "DocumentManager.h"

#include "ChartFile.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace vozavero::chart {

namespace {

/// Folder offered by the first save: the user's documents folder, else the home folder.
QString startFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

/// File name offered for doc when it names none itself.
QString suggestedName(const ChartDocument& doc) {
    if (!doc.defaultFileName().isEmpty()) {
        return doc.defaultFileName();
    }
    return (doc.name().isEmpty() ? DocumentManager::tr("Messreihe") : doc.name()) +
           QStringLiteral(".kpx");
}

} // namespace

DocumentManager::DocumentManager(QWidget* parent)
    : parent_(parent)
    , lastFolder_(startFolder()) {
    chooser_ = [this](const QString& suggestedPath) {
        // The toolkit's own dialog, not the desktop's: its texts follow the program's
        // language whatever the desktop's. With the default suffix it adds ".kpx"
        // before its own question about replacing a file.
        QFileDialog dialog(parent_, tr("Messreihe speichern"),
                           QFileInfo(suggestedPath).absolutePath(),
                           tr("Messreihen (*.kpx);;Alle Dateien (*)"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QStringLiteral("kpx"));
        dialog.selectFile(QFileInfo(suggestedPath).fileName());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return QString();
        }
        return dialog.selectedFiles().constFirst();
    };
    replaceQuestion_ = [this](const QString& path) {
        return QMessageBox::question(parent_, tr("Messreihe speichern"),
                                     tr("Die Datei „%1“ gibt es schon.\nSoll sie ersetzt werden?")
                                         .arg(QDir::toNativeSeparators(path)),
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    reporter_ = [this](const QString& text) {
        QMessageBox::warning(parent_, tr("Messreihe speichern"), text);
    };
}

bool DocumentManager::save(const ChartDocument& doc, const QString& path, bool askAlways,
                           int format, bool reportErrors) {
    const auto report = [&](const QString& text) {
        if (reportErrors && reporter_) {
            reporter_(text);
        }
        return false;
    };
    if (format != 0) {
        return report(tr("Das Dateiformat %1 wird nicht unterstützt.").arg(format));
    }

    // A given path is written directly unless the caller wants the user to confirm it; without
    // a path the user is always asked.
    QString target = path;
    if (target.isEmpty() || askAlways) {
        const QString suggested =
            target.isEmpty() ? QDir(lastFolder_).filePath(suggestedName(doc)) : target;
        target = chooser_ ? chooser_(suggested) : QString();
        if (target.isEmpty()) {
            return false;
        }
        if (QFileInfo(target).suffix().isEmpty()) {
            target += QStringLiteral(".kpx");
            if (QFileInfo::exists(target) && !(replaceQuestion_ && replaceQuestion_(target))) {
                return false;
            }
        }
    }

    QString error;
    if (!ChartFile::save(doc, target, &error)) {
        return report(error);
    }
    lastFolder_ = QFileInfo(target).absolutePath();
    return true;
}

} // namespace vozavero::chart
