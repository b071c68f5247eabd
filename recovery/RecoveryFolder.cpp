// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Finding, reading and moving the recovery copies of instances that no longer run.
#include "RecoveryFolder.h"

#include "MeasurementCharts.h"
#include "chart/ChartFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

namespace vozavero {

namespace {

const QString kSuffix = QStringLiteral(".kpx");

} // namespace

RecoveryFolder::RecoveryFolder(QString folder, QString instance, InstanceRunning running)
    : folder_(std::move(folder))
    , instance_(std::move(instance))
    , running_(std::move(running)) {}

QString RecoveryFolder::standardPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery/");
}

QString RecoveryFolder::copyPath() const {
    return QDir(folder_).filePath(instance_ + kSuffix);
}

QString RecoveryFolder::ownerOf(const QString& fileName) {
    return fileName.section(u'.', 0, 0);
}

QStringList RecoveryFolder::lostCopies() const {
    QHash<QString, bool> runs;
    const auto runningNow = [&](const QString& owner) {
        if (owner == instance_) {
            return true;
        }
        if (!runs.contains(owner)) {
            runs.insert(owner, running_ && running_(owner));
        }
        return runs.value(owner);
    };
    QFileInfoList copies;
    const QFileInfoList files =
        QDir(folder_).entryInfoList(QDir::Files | QDir::Hidden, QDir::Time); // newest first
    for (const QFileInfo& file : files) {
        if (runningNow(ownerOf(file.fileName()))) {
            continue;
        }
        if (file.fileName().endsWith(kSuffix)) {
            copies << file;
        } else {
            QFile::remove(file.absoluteFilePath());
        }
    }
    QStringList paths;
    for (const QFileInfo& copy : copies) {
        paths << copy.absoluteFilePath();
    }
    return paths;
}

QString RecoveryFolder::claim(const QString& lostCopy) const {
    // "<instance>.kpx" or "<instance>.<taken over>.kpx": the last part before the suffix names
    // the series whatever instance held it since.
    const QString series = QFileInfo(lostCopy).completeBaseName().section(u'.', -1);
    const QString claimed = QDir(folder_).filePath(instance_ + u'.' + series + kSuffix);
    return QFile::rename(lostCopy, claimed) ? claimed : QString();
}

RecoveryFolder::Contents RecoveryFolder::read(const QString& path) {
    Contents contents;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        contents.error = tr("Die Datei lässt sich nicht lesen.");
        return contents;
    }
    contents.saved = file.fileTime(QFileDevice::FileModificationTime);
    auto series = chart::ChartFile::fromBytes(file.readAll(), &contents.error);
    // A series of this program is one the experiment would take over.
    MeasurementCharts check(100.0);
    if (series && check.adoptPoints(*series, &contents.error)) {
        contents.points = check.pressureTimeChart().count();
        contents.series = std::move(series);
    }
    return contents;
}

QString RecoveryFolder::moveAside(const QString& path, const QString& name) const {
    const QDir aside(QDir(folder_).filePath(QStringLiteral("unreadable")));
    aside.mkpath(QStringLiteral("."));
    QString target = aside.filePath(name);
    for (int n = 2; QFileInfo::exists(target); ++n) {
        target = aside.filePath(QStringLiteral("%1-%2").arg(n).arg(name));
    }
    return QFile::rename(path, target) ? target : QString();
}

} // namespace vozavero
