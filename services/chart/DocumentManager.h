// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Saves a chart document for the user: offers the document's default file name in a save
// dialog, writes the file atomically and reports a failure in a message box. The dialog
// and the report are replaceable so that tests never wait for a person.
#pragma once
#include "ChartDocument.h"

#include <QCoreApplication>
#include <QString>
#include <functional>

class QWidget;

namespace vozavero::chart {

class DocumentManager {
    Q_DECLARE_TR_FUNCTIONS(DocumentManager)

public:
    /// Asks for a file name, given the suggested path; empty result = cancelled.
    using FileChooser = std::function<QString(const QString& suggestedPath)>;
    /// Shows a failure text to the user.
    using ErrorReporter = std::function<void(const QString& text)>;
    /// Asks whether the existing file at path may be replaced; true = replace.
    using ReplaceQuestion = std::function<bool(const QString& path)>;

    explicit DocumentManager(QWidget* parent = nullptr);

    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
    void setErrorReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }
    void setReplaceQuestion(ReplaceQuestion question) { replaceQuestion_ = std::move(question); }

    /// Saves doc. An empty path asks the user through the chooser, starting from the default
    /// file name in the last used folder (the documents folder at first); a given path is
    /// offered to the chooser when askAlways is set and written directly otherwise. A chosen
    /// name without suffix gets ".kpx"; when a file of that name exists, the replace question
    /// decides (the chooser could only have asked about the name without suffix). format 0 is the
    /// text format (the only one); reportErrors shows a failure through the reporter. Returns true
    /// when a file was written; a cancelled choice returns false without a report.
    bool save(const ChartDocument& doc, const QString& path, bool askAlways = true, int format = 0,
              bool reportErrors = true);

    /// The folder offered by the next save.
    const QString& lastFolder() const { return lastFolder_; }

private:
    QWidget* parent_;
    FileChooser chooser_;
    ErrorReporter reporter_;
    ReplaceQuestion replaceQuestion_;
    QString lastFolder_;
};

} // namespace vozavero::chart
