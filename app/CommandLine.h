// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The program's command line. The two switches are tested on the arguments joined into one
// string: "/NEW" (exact case, anywhere, even inside a longer word) lets a second instance start;
// "-DEV" (any case, anywhere) shows the start-up trace. An argument that names a file (one that
// exists, or any name ending in ".kpx") is the saved series to open and takes no part in that
// test, so a path such as "/home/klasse/my-device.kpx" switches nothing. "--help" and
// "--version" are answered before the program starts at all.
#pragma once
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

namespace vozavero {

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(vozavero::CommandLine)
public:
    explicit CommandLine(QString text = {}, QString seriesFile = {})
        : text_(std::move(text))
        , seriesFile_(std::move(seriesFile)) {}
    /// From the arguments after the program name: the first argument naming a file becomes the
    /// series to open (as an absolute path); the other arguments, joined by blanks, the text.
    static CommandLine fromArguments(const QStringList& arguments);

    /// What "--help" (or "-h") or "--version" among the arguments after the program name asks
    /// to be printed; nothing when the program is to run.
    static std::optional<QString> information(int argc, const char* const* argv);

    const QString& text() const { return text_; }
    /// The saved series given on the command line; empty when there is none.
    const QString& seriesFile() const { return seriesFile_; }
    bool allowsSecondInstance() const { return text_.contains(QStringLiteral("/NEW")); }
    bool showsTrace() const { return text_.toUpper().contains(QStringLiteral("-DEV")); }

private:
    QString text_;
    QString seriesFile_;
};

} // namespace vozavero
