// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Opens a saved chart document for the user: a file dialog that starts in the folder
// used last, and the strict reading of the chosen file. The dialog is replaceable so that tests
// never wait for a person; what to do with the document (or the reason it failed) is the
// caller's.
#pragma once
#include "ChartDocument.h"
#include "ChartFileReader.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace vozavero::chart {

class DocumentOpener {
    Q_DECLARE_TR_FUNCTIONS(DocumentOpener)

public:
    /// Asks for an existing file, starting in folder; empty result = cancelled.
    using FileChooser = std::function<QString(const QString& folder)>;

    explicit DocumentOpener(QWidget* parent = nullptr);

    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
    /// Names the charts by their titles when a reason speaks of one.
    void setChartTitles(ChartTitles titles) { titles_ = std::move(titles); }

    /// Asks for a file, starting in the folder of the last opened file or else in
    /// fallbackFolder, and reads it. Null when the choice was cancelled (error left empty) or
    /// the file is not a valid saved document (a reason in error).
    std::unique_ptr<ChartDocument> open(const QString& fallbackFolder, QString* error);
    /// Asks for a file as open() does; empty when the choice was cancelled.
    QString choose(const QString& fallbackFolder);
    /// Reads the file at path and offers its folder at the next choice. Null with a
    /// reason in error when it is not a valid saved document.
    std::unique_ptr<ChartDocument> read(const QString& path, QString* error);
    /// The folder the next choice starts in (empty: the fallback folder).
    const QString& lastFolder() const { return lastFolder_; }
    void setLastFolder(const QString& folder) { lastFolder_ = folder; }

private:
    QWidget* parent_;
    FileChooser chooser_;
    ChartTitles titles_;
    QString lastFolder_;
};

} // namespace vozavero::chart
