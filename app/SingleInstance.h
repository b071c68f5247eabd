#pragma once
// Tells whether another instance of the program is running. Every instance, also one that was
// allowed to start beside another, registers itself for its whole life with a lock file of its
// own in a shared folder (the user's runtime folder); another instance runs while any other lock
// file there is held by a live process. A lock left by an instance that crashed is recognised as
// stale (its process is gone) and removed, so it never blocks a start.
#include <QLockFile>
#include <QString>
#include <memory>

namespace vozavero {

class SingleInstance {
public:
    /// folder: where the instances keep their lock files; empty = the runtime (or temp) folder.
    explicit SingleInstance(const QString& folder = {});
    /// True when another live instance had registered before this one.
    bool otherRunning() const { return otherRunning_; }
    static QString defaultFolder();

private:
    std::unique_ptr<QLockFile> lock_;
    bool otherRunning_ = false;
};

} // namespace vozavero
