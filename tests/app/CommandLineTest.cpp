// The two switches and the single-instance lock.
#include "CommandLine.h"
#include "SingleInstance.h"

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using vozavero::CommandLine;
using vozavero::SingleInstance;

TEST(CommandLine, NewIsCaseSensitiveAndFoundInsideWords) {
    EXPECT_TRUE(CommandLine("/NEW").allowsSecondInstance());
    EXPECT_TRUE(CommandLine("x /NEWER y").allowsSecondInstance());
    EXPECT_TRUE(CommandLine("abc/NEWdef").allowsSecondInstance());
    EXPECT_FALSE(CommandLine("/new").allowsSecondInstance());
    EXPECT_FALSE(CommandLine("/New").allowsSecondInstance());
    EXPECT_FALSE(CommandLine().allowsSecondInstance());
}

TEST(CommandLine, DevIsFoundInAnyCase) {
    for (const char* s : {"-DEV", "-dev", "-Dev", "a-dEvb", "/NEW -dev"}) {
        EXPECT_TRUE(CommandLine(s).showsTrace()) << s;
    }
    EXPECT_FALSE(CommandLine("DEV").showsTrace());
    EXPECT_FALSE(CommandLine("- DEV").showsTrace());
}

TEST(CommandLine, ArgumentsAreJoinedWithoutTheProgramName) {
    const CommandLine c = CommandLine::fromArguments({"/usr/bin/vozavero", "-dev", "/NEW"});
    EXPECT_EQ(c.text(), QString("-dev /NEW"));
}

TEST(SingleInstance, EveryInstanceCountsAsRunningUntilItEndsAndCrashedOnesDoNot) {
    QTemporaryDir dir;
    // QLockFile locks per process, so objects in this process stand for instances only through
    // their files on disk.
    auto first = std::make_unique<SingleInstance>(dir.path());
    EXPECT_FALSE(first->otherRunning());
    // A second instance started beside the first (with "/NEW") sees it and registers as well.
    auto second = std::make_unique<SingleInstance>(dir.path());
    EXPECT_TRUE(second->otherRunning());
    first.reset();
    // The first has ended, the second still runs: a plain start is refused.
    EXPECT_TRUE(SingleInstance(dir.path()).otherRunning());
    second.reset();
    EXPECT_FALSE(SingleInstance(dir.path()).otherRunning());

    // The lock file of a process that no longer exists (a crashed instance) blocks nothing and
    // is cleared away.
    const QString stalePath = dir.filePath("vozavero-999999-0.lock");
    QFile stale(stalePath);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("999999\nvozavero\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    EXPECT_FALSE(SingleInstance(dir.path()).otherRunning());
    EXPECT_FALSE(QFile::exists(stalePath));
}
