// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
#include "CommandLine.h"
#include "vozavero_version.h"

#include <QFileInfo>

namespace vozavero {

namespace {

bool namesFile(const QString& argument) {
    if (argument == QStringLiteral("/NEW") || argument.toUpper() == QStringLiteral("-DEV")) {
        return false;
    }
    return argument.endsWith(QStringLiteral(".kpx"), Qt::CaseInsensitive) ||
           QFileInfo(argument).isFile();
}

} // namespace

CommandLine CommandLine::fromArguments(const QStringList& arguments) {
    QStringList switches;
    QString seriesFile;
    for (const QString& argument : arguments.mid(1)) {
        if (!namesFile(argument)) {
            switches << argument;
        } else if (seriesFile.isEmpty()) {
            seriesFile = QFileInfo(argument).absoluteFilePath();
        }
    }
    return CommandLine(switches.join(u' '), seriesFile);
}

std::optional<QString> CommandLine::information(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--version") {
            return QStringLiteral("vozavero %1\n").arg(QStringLiteral(VOZAVERO_VERSION));
        }
        if (argument == "--help" || argument == "-h") {
            return tr("Aufruf: vozavero [/NEW] [-DEV] [DATEI.kpx]\n"
                      "Simulation des Gasdrucks im Kolbenprober für den Physikunterricht.\n"
                      "\n"
                      "  DATEI.kpx   öffnet eine gespeicherte Messreihe\n"
                      "  /NEW        startet auch, wenn das Programm schon läuft\n"
                      "  -DEV        zeigt die Schritte beim Start (X-1 bis X-14)\n"
                      "  --help      zeigt diese Hilfe\n"
                      "  --version   zeigt die Version\n");
        }
    }
    return std::nullopt;
}

} // namespace vozavero
