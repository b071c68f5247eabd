// Reasons for failed saves, by the system's error number, and the look at the target path
// that finds the common causes before a byte is written.
#include "SaveFailure.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

namespace vozavero::chart {

int SaveFailure::checkPath(const QString& path) {
    const QFileInfo target(path);
    if (target.isDir()) {
        return EISDIR;
    }
    // Walk up to the nearest part of the folder path that exists: it must be a folder, and the
    // target's own folder must exist.
    QFileInfo folder(target.absolutePath());
    if (folder.isDir()) {
        return 0;
    }
    while (!folder.exists()) {
        const QString parent = folder.absolutePath();
        if (parent == folder.absoluteFilePath()) {
            return ENOENT;
        }
        folder = QFileInfo(parent);
    }
    return folder.isDir() ? ENOENT : ENOTDIR;
}

QString SaveFailure::reason(int errorNumber, const QString& path) {
    const QFileInfo target(path);
    const QString folder = QDir::toNativeSeparators(target.absolutePath());
    switch (errorNumber) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return tr("Auf dem Datenträger ist nicht mehr genug Platz frei. Bitte Platz "
                  "schaffen oder einen anderen Speicherort wählen.");
    case EACCES:
    case EPERM:
        return tr("Sie haben keine Berechtigung, im Ordner „%1“ zu speichern. Bitte "
                  "einen anderen Speicherort wählen.")
            .arg(folder);
    case EROFS:
        return tr("Der Datenträger ist schreibgeschützt. Bitte einen anderen "
                  "Speicherort wählen.");
    case ENOENT:
    case ENOTDIR:
        return tr("Den Ordner „%1“ gibt es nicht.").arg(folder);
    case EISDIR:
        return tr("„%1“ ist ein Ordner, keine Datei. Bitte einen anderen Dateinamen "
                  "wählen.")
            .arg(QDir::toNativeSeparators(target.absoluteFilePath()));
    case ENAMETOOLONG:
        return tr("Der Dateiname ist zu lang.");
    default:
        return tr("Beim Schreiben ist ein Fehler aufgetreten.");
    }
}

} // namespace vozavero::chart
