// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The two switches, the series file named beside them, and the single-instance lock. (The answers
// to --help and --version without a display are the install check's.)
#include "CommandLine.h"
#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using vozavero::CommandLine;
using vozavero::SingleInstance;

TEST(CommandLine, NewIsCaseSensitiveDevIsNotBothAreFoundInsideWordsAndAFileIsTheSeries) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("Klasse/NEW-dev"));
    const QString existing = dir.filePath("Klasse/NEW-dev/messung"); // any name, switches in it
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString folder = dir.filePath("Klasse");
    const QString here = QDir::current().absoluteFilePath("reihe.KPX");
    const struct {
        QStringList arguments;
        QString text, seriesFile;
        bool second, trace;
    } cases[] = {
        {{"/NEW"}, "/NEW", "", true, false},
        {{"x", "/NEWER", "-DEV"}, "x /NEWER -DEV", "", true, true},
        {{"abc/NEWdef", "a-dEvb"}, "abc/NEWdef a-dEvb", "", true, true},
        {{"/new", "/New", "-", "DEV"}, "/new /New - DEV", "", false, false},
        {{"/home/klasse/my-device.kpx"}, "", "/home/klasse/my-device.kpx", false, false},
        {{existing}, "", existing, false, false},
        {{"-dev", "reihe.KPX", "/NEW"}, "-dev /NEW", here, true, true},     // in the working folder
        {{"/tmp/a.kpx", "/tmp/b-dev.kpx"}, "", "/tmp/a.kpx", false, false}, // the first one
        {{folder}, folder, "", false, false},                               // no file
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CommandLine line = CommandLine::fromArguments(QStringList{"vozavero"} + c.arguments);
        EXPECT_EQ(line.text(), c.text);
        EXPECT_EQ(line.seriesFile(), c.seriesFile);
        EXPECT_EQ(line.allowsSecondInstance(), c.second);
        EXPECT_EQ(line.showsTrace(), c.trace);
    }
}

TEST(SingleInstance, EveryInstanceCountsAsRunningUntilItEndsAndCrashedOnesDoNot) {
    QTemporaryDir dir;
    // QLockFile locks per process: objects here stand for instances only through their files.
    auto first = std::make_unique<SingleInstance>(dir.path());
    EXPECT_FALSE(first->otherRunning());
    auto second = std::make_unique<SingleInstance>(dir.path()); // started with "/NEW"
    EXPECT_TRUE(second->otherRunning());
    first.reset();
    EXPECT_TRUE(SingleInstance(dir.path()).otherRunning());
    second.reset();
    EXPECT_FALSE(SingleInstance(dir.path()).otherRunning());
    QFile stale(dir.filePath("vozavero-999999-0.lock")); // of a crashed instance: cleared away
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("999999\nvozavero\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    EXPECT_FALSE(SingleInstance(dir.path()).otherRunning());
    EXPECT_FALSE(stale.exists());
}
