// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The recovery copy in the window: keeps this instance's copy of the series (RecoveryCopy) in the
// folder of copies, tells the user once when it cannot be written, offers at start-up the series
// that instances ended unexpectedly left behind, and removes the copy at the orderly end.
#pragma once
#include "Experiment.h"
#include "RecoveryCopy.h"
#include "RecoveryFolder.h"
#include "SeriesFileCommands.h"
#include "SingleInstance.h"
#include "framework/FrameworkServices.h"

#include <QDateTime>
#include <QObject>
#include <functional>

namespace vozavero {

class RecoveryControl : public QObject {
    Q_OBJECT
public:
    /// Keeps the copy of instance in folder; instance must outlive this object.
    RecoveryControl(Experiment& experiment, SeriesFileCommands& files, FrameworkServices& services,
                    const QString& folder, const SingleInstance& instance, QObject* parent);
    /// The control for the registered instance (asked for now) and folder; null when either is
    /// missing, and then no copy is kept.
    static RecoveryControl* create(const std::function<const SingleInstance*()>& instance,
                                   const QString& folder, Experiment& experiment,
                                   SeriesFileCommands& files, FrameworkServices& services,
                                   QObject* parent);

    /// Asks about each lost series, newest first, until one is taken back: Yes opens it as
    /// "Messreihe öffnen…" does, No removes it. A copy that is no series is moved aside with a
    /// note on standard error and not offered; one without a measured point is removed.
    void offerLostSeries();
    /// The orderly end: this instance's copy is removed.
    void discard() { copy_.discard(); }

    RecoveryCopy& copy() { return copy_; }
    const RecoveryFolder& folder() const { return folder_; }
    /// The question about a series last saved at saved with points measured points.
    static QString question(const QDateTime& saved, int points);

private:
    /// Yes or No to the question; the testing aid's answer when one is set.
    bool ask(const QString& question);
    /// Opens a lost copy; true when it was taken back.
    bool takeBack(const QString& path);
    void reportFailure(const QString& reason);

    Experiment& experiment_;
    SeriesFileCommands& files_;
    FrameworkServices& services_;
    RecoveryFolder folder_;
    RecoveryCopy copy_;
};

} // namespace vozavero
