// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// A tiny disk: a 16 kB tmpfs mounted on the folder where the test may mount, else a limit on the
// size of files this process (and a program it starts) writes. Undone when it goes.
#pragma once
#include <QString>
#include <sys/resource.h>

namespace vozavero {

class FullDisk {
public:
    explicit FullDisk(const QString& folder);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    /// Leaves about `left` bytes of room (tmpfs) or lets no file grow past them (limit).
    void fill(qint64 left);

private:
    QString folder_;
    bool mounted_ = false;
    bool limited_ = false;
    rlimit saved_{};
};

} // namespace vozavero
