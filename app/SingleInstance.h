#pragma once
// Tells whether another instance of the program is running, through a lock file in the user's
// runtime folder. The lock is held for the life of this object; a lock left by an instance that
// crashed is recognised as stale (its process is gone) and taken over, so it never blocks a start.
#include <QLockFile>
#include <QString>
#include <memory>

namespace vozavero {

class SingleInstance {
public:
    /// lockPath: the lock file; empty = "vozavero.lock" in the runtime (or temp) folder.
    explicit SingleInstance(const QString& lockPath = {});
    /// True when this instance holds the lock; false when another live instance holds it.
    bool acquired() const { return acquired_; }
    static QString defaultLockPath();

private:
    std::unique_ptr<QLockFile> lock_;
    bool acquired_ = false;
};

} // namespace vozavero
