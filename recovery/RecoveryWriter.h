// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Writes the recovery copy on a thread of its own, so that neither turning the series into file
// text nor the commit's wait for the disk ever holds up the simulation loop. The newest series
// handed in wins: one handed in while a write runs replaces any that still waits. A series whose
// text equals the file's is not written again, so the file's time stays that of its last change.
// After the first failed write it writes nothing more and says so once.
#pragma once
#include "chart/ChartDocument.h"

#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace vozavero {

class RecoveryWriter {
public:
    /// Told on the writing thread, once, with the German reason of the first failed write.
    using FailureReport = std::function<void(const QString& reason)>;

    /// Writes to path (its folder is made when missing).
    RecoveryWriter(QString path, FailureReport failed);
    /// Ends as finish() does.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    /// Hands in the series to write; returns at once.
    void submit(std::unique_ptr<chart::ChartDocument> series);
    /// Returns when nothing waits and nothing is being written.
    void waitIdle();
    /// Lets a running write end, drops a waiting series and ends the thread; nothing is written
    /// after it.
    void finish();
    /// Writes that reached the disk (unchanged series not counted).
    int written() const;

private:
    void run();

    const QString path_;
    const FailureReport failed_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::unique_ptr<chart::ChartDocument> waiting_;
    bool writing_ = false;
    bool stopping_ = false;
    int written_ = 0;
    /// The text last written, touched by the writing thread only.
    QByteArray onDisk_;
    std::thread thread_;
};

} // namespace vozavero
