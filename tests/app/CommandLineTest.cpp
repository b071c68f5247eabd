// The two switches and the single-instance lock.
#include "CommandLine.h"
#include "SingleInstance.h"

#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

TEST(SingleInstance, SecondHolderIsRefusedAndALeftoverLockIsTakenOver) {
    QTemporaryDir dir;
    const QString path = dir.filePath("lock");
    {
        SingleInstance first(path);
        ASSERT_TRUE(first.acquired());
        // QLockFile locks per process, so a second lock object in this process stands for a
        // second instance only through the file on disk: hold it and try from another object.
        SingleInstance second(path);
        EXPECT_FALSE(second.acquired());
    }
    // A lock file whose process no longer exists (a crashed instance) must not block a start.
    QFile stale(path);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("999999\nvozavero\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    SingleInstance third(path);
    EXPECT_TRUE(third.acquired());
}
