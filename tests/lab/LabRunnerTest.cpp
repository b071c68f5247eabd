// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// vozavero-lab as a user runs it: refusals end with one line in the system's language and write
// nothing; seeded sweeps give the gas law's proportions; a sweep's printed line, table, saved
// series and picture are exactly what the seed makes.
#include "GraphPicture.h"
#include "chart/ChartFile.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace vozavero {
namespace {

struct LabRun {
    int exitCode = -1;
    QString out;
    QString err;
};

/// Runs the lab with German messages (unless lang names another language); childSetUp runs in
/// the child before the program starts.
LabRun runLab(const QStringList& arguments, const std::function<void()>& childSetUp = {},
              const char* lang = nullptr) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LANGUAGE"));
    env.insert(QStringLiteral("LC_MESSAGES"), QStringLiteral("C.UTF-8"));
    if (lang) {
        env.remove(QStringLiteral("LC_ALL"));
        env.remove(QStringLiteral("LC_MESSAGES"));
        env.insert(QStringLiteral("LANG"), QLatin1String(lang));
    }
    QProcess p;
    p.setProcessEnvironment(env);
    if (childSetUp) {
        p.setChildProcessModifier(childSetUp);
    }
    p.start(QStringLiteral(VOZAVERO_LAB_PATH), arguments);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

TEST(LabRunnerTest, ARefusalEndsWithCodeTwoAndOneLineInTheSystemsLanguageAndWritesNothing) {
    const struct {
        const char* lang;
        const char* usage;
        const char* unknown;
    } cases[] = {{"en_US.UTF-8", "Usage: vozavero-lab --vary", "Unknown argument “--bogus”."},
                 {"de_DE.UTF-8", "Aufruf: vozavero-lab --vary", "Unbekanntes Argument „--bogus“."}};
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out"));
    for (const auto& c : cases) {
        EXPECT_TRUE(runLab({"--help"}, {}, c.lang).out.startsWith(QString::fromUtf8(c.usage)));
        const LabRun r = runLab({"--vary", "count", "--from", "5", "--to", "50", "--step", "5",
                                 "--out", out, "--bogus", "1"},
                                {}, c.lang);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err, QStringLiteral("vozavero-lab: %1\n").arg(QString::fromUtf8(c.unknown)));
        EXPECT_FALSE(QDir(out).exists());
    }
}

TEST(LabRunnerTest, AFailedWriteGivesItsCauseInOneGermanLine) {
    // The causes are SaveFailureTest's; here a limit on file sizes fails writes as a full disk.
    QTemporaryDir dir;
    const LabRun r = runLab({"--vary", "count", "--from", "5", "--to", "10", "--step", "5",
                             "--seconds", "5", "--out", dir.filePath(QStringLiteral("voll"))},
                            [] {
                                std::signal(SIGXFSZ, SIG_IGN);
                                const rlimit small{2048, 2048};
                                ::setrlimit(RLIMIT_FSIZE, &small);
                            });
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("vozavero-lab: "))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("nicht mehr genug Platz frei")));
    EXPECT_EQ(r.err.count(u'\n'), 1) << r.err.toStdString();
}

TEST(LabRunnerTest, PressureGrowsInProportionToCountSpeedAndInverseArea) {
    QTemporaryDir dir;
    const struct {
        QStringList sweep;
        double largest; // the largest x of the sweep
    } cases[] = {
        {{"--vary", "count", "--from", "5", "--to", "50", "--step", "5", "--speed", "10"}, 50},
        {{"--vary", "speed", "--from", "1", "--to", "28", "--step", "3", "--count", "50"}, 28},
        {{"--vary", "area", "--from", "50", "--to", "500", "--step", "50", "--count", "50"}, 0.02},
    };
    static const QRegularExpression line(
        QStringLiteral("^y = (\\S+)·x \\+ (\\S+)   R² = (\\S+)\\n$"));
    for (const auto& c : cases) {
        const LabRun r = runLab(c.sweep + QStringList{"--seconds", "300", "--seed", "4", "--out",
                                                      dir.filePath(c.sweep[1])});
        const QRegularExpressionMatch m = line.match(r.out);
        ASSERT_TRUE(m.hasMatch()) << r.out.toStdString() << r.err.toStdString();
        const double slope = m.captured(1).toDouble();
        EXPECT_GT(slope, 0.0) << r.out.toStdString();
        EXPECT_GE(m.captured(3).toDouble(), 0.98) << r.out.toStdString();
        // Proportional: the line passes close to the origin compared with the largest rate.
        EXPECT_LT(std::abs(m.captured(2).toDouble()), 0.1 * slope * c.largest)
            << r.out.toStdString();
    }
}

TEST(LabRunnerTest, ASeededSweepWritesExactlyItsLineTableSeriesAndPicture) {
    QTemporaryDir dir;
    const QStringList sweep = {"--vary",     "speed",  "--from",  "30",        "--to",
                               "2",          "--step", "-7",      "--seconds", "9",
                               "--interval", "3",      "--count", "7"};
    const auto run = [&](const char* seed) {
        return runLab(sweep + QStringList{"--seed", seed, "--out", dir.filePath(seed)}).out;
    };
    // Seven particles, not the start's five: rates of impacts per 9 s (245/9, 155/9, 109/9, 67/9,
    // 13/9) to twelve digits; the line is their fit, each number to three digits.
    const QString printed = run("4");
    EXPECT_EQ(printed, QStringLiteral("y = 0.876·x + -0.930   R² = 0.976\n"));
    QFile table(dir.filePath(QStringLiteral("4/series.tsv")));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(table.readAll()),
              QStringLiteral("Geschwindigkeit\tStöße pro Sekunde\n30\t27.2222222222\n"
                             "23\t17.2222222222\n16\t12.1111111111\n9\t7.44444444444\n"
                             "2\t1.44444444444\n"));
    EXPECT_NE(run("5"), printed);

    const auto saved = chart::ChartFile::load(dir.filePath(QStringLiteral("4/series.kpx")));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->chart(0).count(), 15);      // every 3-second interval on the time chart
    const chart::Chart& keyed = saved->chart(7); // impacts against speed
    ASSERT_EQ(keyed.count(), 5);
    // graph.png is the picture with axes fitted to the sweep (not the window's 0..100), the
    // line and its equation.
    GraphPicture fitted;
    fitted.setFitToData(true);
    QImage expected(800, 500, QImage::Format_RGB32);
    fitted.draw(keyed, computeRegression(keyed), expected);
    const QImage written(dir.filePath(QStringLiteral("4/graph.png")));
    EXPECT_TRUE(written.convertToFormat(QImage::Format_RGB32) == expected);
    EXPECT_LT(fitted.layout().yScale().maximum(), 50);
}

} // namespace
} // namespace vozavero
