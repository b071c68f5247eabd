// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Tells whether another instance of the program is running. Every instance, also one that was
// allowed to start beside another, registers itself for its whole life with a lock file of its
// own in a shared folder (the user's runtime folder); another instance runs while any other lock
// file there is held by a live process. A lock left by an instance that crashed is recognised as
// stale (its process is gone) and removed, so it never blocks a start. The lock's name names the
// instance (pid, sequence and a random part, so that a process id used again after a restart of
// the computer never names an earlier instance); files of the instance, such as its recovery
// copy, carry the same name, and whether that instance still runs is told by its lock.
#pragma once
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
    /// This instance's name, the base name of its lock file (for example
    /// "vozavero-4242-0-1f3a9c0e").
    const QString& name() const { return name_; }
    /// Whether the instance of that name still runs: this one always; another while its lock
    /// is held by a live process (a stale lock is removed on the way).
    bool isRunning(const QString& instance) const;
    static QString defaultFolder();

private:
    QString folder_;
    QString name_;
    std::unique_ptr<QLockFile> lock_;
    bool otherRunning_ = false;
};

} // namespace vozavero
