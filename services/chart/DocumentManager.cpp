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
    return (doc.name().isEmpty() ? QStringLiteral("Messreihe") : doc.name()) +
           QStringLiteral(".kpx");
}

} // namespace

DocumentManager::DocumentManager(QWidget* parent)
    : parent_(parent)
    , lastFolder_(startFolder()) {
    chooser_ = [this](const QString& suggestedPath) {
        return QFileDialog::getSaveFileName(parent_, QStringLiteral("Messreihe speichern"),
                                            suggestedPath,
                                            QStringLiteral("Messreihen (*.kpx);;Alle Dateien (*)"));
    };
    reporter_ = [this](const QString& text) {
        QMessageBox::warning(parent_, QStringLiteral("Messreihe speichern"), text);
    };
}

bool DocumentManager::save(ChartDocument& doc, const QString& path, bool askAlways, int format,
                           bool reportErrors) {
    const auto report = [&](const QString& text) {
        if (reportErrors && reporter_) {
            reporter_(text);
        }
        return false;
    };
    if (format != 0) {
        return report(QStringLiteral("Das Dateiformat %1 wird nicht unterstützt.").arg(format));
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
