// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The writing thread of the recovery copy.
#include "RecoveryWriter.h"

#include "chart/AtomicFile.h"
#include "chart/ChartFile.h"

#include <QFileInfo>

namespace vozavero {

RecoveryWriter::RecoveryWriter(QString path, FailureReport failed)
    : path_(std::move(path))
    , failed_(std::move(failed))
    , thread_([this] { run(); }) {}

RecoveryWriter::~RecoveryWriter() {
    finish();
}

void RecoveryWriter::submit(std::unique_ptr<chart::ChartDocument> series) {
    {
        const std::lock_guard lock(mutex_);
        if (stopping_) {
            return;
        }
        waiting_ = std::move(series);
    }
    wake_.notify_one();
}

void RecoveryWriter::waitIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !waiting_ && !writing_; });
}

void RecoveryWriter::finish() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        waiting_.reset();
    }
    wake_.notify_one();
    if (thread_.joinable()) {
        thread_.join();
    }
}

int RecoveryWriter::written() const {
    const std::lock_guard lock(mutex_);
    return written_;
}

void RecoveryWriter::run() {
    for (;;) {
        std::unique_ptr<chart::ChartDocument> series;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || waiting_; });
            if (stopping_) {
                return;
            }
            series = std::move(waiting_);
            writing_ = true;
        }
        const QByteArray text = chart::ChartFile::toText(*series).toUtf8();
        QString error;
        bool ok = true;
        bool wrote = false;
        if (text != onDisk_) {
            ok = chart::AtomicFile::makeFolder(QFileInfo(path_).absolutePath(), &error) &&
                 chart::AtomicFile::write(path_, text, &error);
            wrote = ok;
            if (ok) {
                onDisk_ = text;
            }
        }
        {
            const std::lock_guard lock(mutex_);
            written_ += wrote ? 1 : 0;
            if (!ok) {
                stopping_ = true;
                waiting_.reset();
            }
        }
        // Told before the write counts as done, so that waitIdle() returns after the report.
        if (!ok && failed_) {
            failed_(error);
        }
        {
            const std::lock_guard lock(mutex_);
            writing_ = false;
        }
        idle_.notify_all();
        if (!ok) {
            return;
        }
    }
}

} // namespace vozavero
