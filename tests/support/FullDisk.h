#pragma once
// A tiny disk for tests of writing onto a full one: a 16 kB tmpfs mounted on a folder where the
// test may mount one, else a limit on the size of files this process (and a program it starts)
// writes, beyond which writes fail as on a full disk. Undone when it goes.
#include <QString>
#include <sys/resource.h>

namespace vozavero {

class FullDisk {
public:
    explicit FullDisk(const QString& folder);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    /// Fills the disk up to about `left` bytes of free room (tmpfs), or allows no file to grow
    /// past `left` bytes (limit). Fails the running test when neither can be had.
    void fill(qint64 left);

private:
    QString folder_;
    bool mounted_ = false;
    bool limited_ = false;
    rlimit saved_{};
};

} // namespace vozavero
