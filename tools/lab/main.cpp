// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// vozavero-lab: runs a sweep of one quantity on a simulated clock, with no display, and writes
// what the window would have measured. Exit codes: 0 done, 1 the files could not be written,
// 2 bad arguments (nothing written). Its messages are in the system's language when the program
// has a catalogue for it, else German; the equation line is the same in every language.
#include "Catalogues.h"
#include "Experiment.h"
#include "LabArguments.h"
#include "LabOutput.h"
#include "NumericError.h"
#include "SeededRandom.h"
#include "SimulatedClock.h"
#include "Sweep.h"

#include <QGuiApplication>
#include <cstdio>
#include <unistd.h>

using namespace vozavero;

namespace {

void showProgress(int done, int total) {
    constexpr int kBarLength = 30;
    const int filled = done * kBarLength / total;
    std::fprintf(stderr, "\r[%s%s] %d/%d", std::string(static_cast<size_t>(filled), '#').c_str(),
                 std::string(static_cast<size_t>(kBarLength - filled), '.').c_str(), done, total);
    if (done == total) {
        std::fputc('\n', stderr);
    }
    std::fflush(stderr);
}

// Drops the toolkit's note that it picked a runtime folder of its own, which says nothing
// about the sweep; everything else goes to standard error as usual.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("QStandardPaths:"))) {
        return;
    }
    std::fprintf(stderr, "%s\n", qUtf8Printable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    // The graph is drawn into a picture; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    QGuiApplication app(argc, argv);
    Catalogues::install(Catalogues::systemLanguage());

    QString error;
    const std::optional<LabArguments> args = LabArguments::parse(arguments, &error);
    if (!args) {
        std::fprintf(stderr, "vozavero-lab: %s\n", qUtf8Printable(error));
        return 2;
    }
    if (args->helpWanted) {
        std::printf("%s\n", qUtf8Printable(LabArguments::usage()));
        return 0;
    }
    if (args->versionWanted) {
        std::printf("vozavero-lab %s\n", VOZAVERO_VERSION);
        return 0;
    }

    SimulatedClock clock;
    SeededRandom random(args->plan.seed);
    Experiment experiment(random, clock);
    const bool terminal = isatty(STDERR_FILENO) != 0;
    try {
        Sweep::run(args->plan, experiment, clock, terminal ? showProgress : nullptr);
    } catch (const NumericError& e) {
        std::fprintf(
            stderr, "vozavero-lab: %s\n",
            qUtf8Printable(QCoreApplication::translate(
                               "LabRunner", "Die Simulation brach mit einem Rechenfehler ab (%1).")
                               .arg(QString::fromUtf8(e.what()))));
        return 1;
    }

    if (!LabOutput::write(args->outDir, args->plan, experiment, &error)) {
        // The window's message has the failure and its cause as two paragraphs; here they
        // make one line.
        std::fprintf(stderr, "vozavero-lab: %s\n",
                     qUtf8Printable(error.replace(QStringLiteral("\n\n"), QStringLiteral(" "))));
        return 1;
    }
    const std::optional<QString> line = LabOutput::equation(args->plan, experiment);
    if (line) {
        std::printf("%s\n", qUtf8Printable(*line));
    } else {
        std::fprintf(stderr, "vozavero-lab: %s\n",
                     qUtf8Printable(QCoreApplication::translate(
                         "LabRunner", "Durch diese Werte passt keine Ausgleichsgerade.")));
    }
    return 0;
}
