// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The tiny disk of the write-failure tests.
#include "FullDisk.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/mount.h>

namespace vozavero {

FullDisk::FullDisk(const QString& folder)
    : folder_(folder) {
    mounted_ = ::mount("tmpfs", qPrintable(folder), "tmpfs", 0, "size=16k") == 0;
}

FullDisk::~FullDisk() {
    if (mounted_) {
        ::umount2(qPrintable(folder_), MNT_DETACH);
    }
    if (limited_) {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, SIG_DFL);
    }
}

void FullDisk::fill(qint64 left) {
    // Said in the test's output, since the two ways fail writes at different moments.
    ::testing::Test::RecordProperty("full_disk", mounted_ ? "tmpfs" : "file size limit");
    std::printf("full disk: %s\n", mounted_ ? "a 16 kB tmpfs" : "a limit on the size of files");
    if (mounted_) {
        const QByteArray block(1024, 'x');
        QFile filler(QDir(folder_).filePath(QStringLiteral("füller")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        for (qint64 written = 0; written < 16 * 1024 - left; written += block.size()) {
            if (filler.write(block) != block.size()) {
                break;
            }
        }
        return;
    }
    std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit small = saved_;
    small.rlim_cur = static_cast<rlim_t>(left);
    limited_ = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
    ASSERT_TRUE(limited_);
}

} // namespace vozavero
