// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The recovery copy of one running instance's series: a ".kpx" file of all eleven charts, kept up
// to date after every recorded measuring interval, an opened series, a restart and a confirmed
// choice of the options dialog, so that an unexpected end of the program loses nothing measured.
// The series is taken over once the event that changed it has been handled (several changes in
// one go give one copy) and written by a RecoveryWriter on its own thread. The orderly end of the
// program removes the copy.
#pragma once
#include "Experiment.h"
#include "RecoveryWriter.h"

#include <QObject>
#include <QString>
#include <memory>

namespace vozavero {

class RecoveryCopy : public QObject {
    Q_OBJECT
public:
    /// Keeps the copy of experiment's series at path; writes nothing until the series changes.
    RecoveryCopy(const Experiment& experiment, QString path, QObject* parent = nullptr);
    ~RecoveryCopy() override;

    const QString& path() const { return path_; }
    /// The orderly end: nothing is written any more, and the copy is removed.
    void discard();
    /// Returns when the series as it is now has been handed to the disk (tests, benchmark).
    void waitWritten();
    /// Writes that reached the disk.
    int written() const { return writer_->written(); }

signals:
    /// The copy could not be written (German reason); from then on no copy is written.
    void failed(const QString& reason);

private:
    /// Asks for a copy once the running event has been handled.
    void request();
    /// Hands a copy of the series to the writer.
    void handOver();

    const Experiment& experiment_;
    const QString path_;
    std::unique_ptr<RecoveryWriter> writer_;
    bool requested_ = false;
    bool ended_ = false;
};

} // namespace vozavero
