#pragma once
// Says which kind of full disk a FullDisk made on a folder, in the test's output and its XML
// report, so a run shows whether the tmpfs or the file-size limit stood in for the full disk.
#include <QDir>
#include <QStorageInfo>
#include <QString>
#include <gtest/gtest.h>
#include <iostream>

namespace vozavero {

inline void reportFullDiskKind(const QString& folder) {
    const QStorageInfo storage(folder);
    const bool tmpfs =
        storage.fileSystemType() == "tmpfs" && QDir(storage.rootPath()) == QDir(folder);
    const char* kind = tmpfs ? "a 16 kB tmpfs mounted on the folder"
                             : "a limit on the file size (no tmpfs may be mounted here)";
    ::testing::Test::RecordProperty("fullDisk", kind);
    std::cout << "[ full disk ] " << kind << std::endl;
}

} // namespace vozavero
