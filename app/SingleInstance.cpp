#include "SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace vozavero {

SingleInstance::SingleInstance(const QString& lockPath)
    : lock_(std::make_unique<QLockFile>(lockPath.isEmpty() ? defaultLockPath() : lockPath)) {
    // A live holder keeps the lock however old it is; the lock of a holder whose process no
    // longer exists counts as stale and tryLock() takes it over.
    lock_->setStaleLockTime(0);
    acquired_ = lock_->tryLock(0);
}

QString SingleInstance::defaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(QStringLiteral("vozavero.lock"));
}

} // namespace vozavero
