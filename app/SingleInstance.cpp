// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Registration of a running instance through a lock file of its own, and the look for others.
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
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

SingleInstance::SingleInstance(const QString& folder)
    : folder_(folder.isEmpty() ? defaultFolder() : folder) {
    const QDir dir(folder_);
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
    name_ = QStringLiteral("%1%2-%3-%4")
                .arg(kPrefix)
                .arg(QCoreApplication::applicationPid())
                .arg(sequence++)
                .arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
    lock_ = lockFile(dir.filePath(name_ + kSuffix));
    lock_->tryLock(0);
    if (guarded) {
        guard->unlock();
    }
}

bool SingleInstance::isRunning(const QString& instance) const {
    if (instance == name_) {
        return true;
    }
    const QString path = QDir(folder_).filePath(instance + kSuffix);
    if (!instance.startsWith(kPrefix) || !QFileInfo::exists(path)) {
        return false;
    }
    const auto probe = lockFile(path);
    if (probe->tryLock(0)) {
        probe->unlock(); // stale: removed, as at the start of an instance
        return false;
    }
    // A lock that cannot be looked at is taken as alive: its files are left alone.
    return true;
}

QString SingleInstance::defaultFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder;
}

} // namespace vozavero
