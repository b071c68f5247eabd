// Registration of a running instance through a lock file of its own, and the look for others.
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <atomic>

namespace vozavero {

namespace {

const QString kPrefix = QStringLiteral("vozavero-");
const QString kSuffix = QStringLiteral(".lock");
/// Milliseconds to wait for another instance that is registering at the same moment.
constexpr int kGuardWaitMs = 2000;

/// A lock file that counts as stale as soon as its process is gone, however young it is.
std::unique_ptr<QLockFile> lockFile(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

SingleInstance::SingleInstance(const QString& folder) {
    const QDir dir(folder.isEmpty() ? defaultFolder() : folder);
    // Two instances starting at once take turns, so that each sees the other.
    const auto guard = lockFile(dir.filePath(QStringLiteral("vozavero.guard")));
    const bool guarded = guard->tryLock(kGuardWaitMs);

    const QStringList others =
        dir.entryList({kPrefix + QLatin1Char('*') + kSuffix}, QDir::Files | QDir::Hidden);
    for (const QString& name : others) {
        const auto probe = lockFile(dir.filePath(name));
        if (probe->tryLock(0)) {
            probe->unlock(); // stale: its instance has gone; unlocking removes the file
        } else if (probe->error() == QLockFile::LockFailedError) {
            otherRunning_ = true;
        }
    }

    // Several objects in one process (tests) each need a file of their own.
    static std::atomic<int> sequence{0};
    const QString own = QStringLiteral("%1%2-%3%4")
                            .arg(kPrefix)
                            .arg(QCoreApplication::applicationPid())
                            .arg(sequence++)
                            .arg(kSuffix);
    lock_ = lockFile(dir.filePath(own));
    lock_->tryLock(0);
    if (guarded) {
        guard->unlock();
    }
}

QString SingleInstance::defaultFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder;
}

} // namespace vozavero
