// The two switches, the series file named beside them, the answers to --help and --version of
// both programs, and the single-instance lock.
#include "CommandLine.h"
#include "SingleInstance.h"
#include "vozavero_version.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using vozavero::CommandLine;
using vozavero::SingleInstance;

TEST(CommandLine, NewIsCaseSensitiveDevIsNotAndBothAreFoundInsideWords) {
    for (const char* s : {"/NEW", "x /NEWER y", "abc/NEWdef"}) {
        EXPECT_TRUE(CommandLine(s).allowsSecondInstance()) << s;
    }
    for (const char* s : {"/new", "/New", ""}) {
        EXPECT_FALSE(CommandLine(s).allowsSecondInstance()) << s;
    }
    for (const char* s : {"-DEV", "-dev", "a-dEvb", "/NEW -dev"}) {
        EXPECT_TRUE(CommandLine(s).showsTrace()) << s;
    }
    EXPECT_FALSE(CommandLine("- DEV").showsTrace());
    EXPECT_EQ(CommandLine::fromArguments({"/usr/bin/vozavero", "-dev", "/NEW"}).text(),
              QString("-dev /NEW"));
}

TEST(CommandLine, AFileNamedOnTheCommandLineIsTheSeriesAndSwitchesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("Klasse/NEW-dev"));
    // A file of any name that exists, here in a folder whose name holds both switches.
    const QString existing = dir.filePath("Klasse/NEW-dev/messung");
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString relative = QDir::current().absoluteFilePath("reihe.KPX");

    struct Case {
        QStringList arguments;
        QString text;
        QString seriesFile;
    };
    const Case cases[] = {
        {{"/home/klasse/my-device.kpx"}, "", "/home/klasse/my-device.kpx"}, // need not exist
        {{existing}, "", existing},
        {{"-dev", "reihe.KPX", "/NEW"}, "-dev /NEW", relative},
        {{"/tmp/a.kpx", "/tmp/b-dev.kpx"}, "", "/tmp/a.kpx"}, // the first one is opened
        {{"a-dEvb", dir.filePath("Klasse")}, "a-dEvb " + dir.filePath("Klasse"), ""}, // a folder
    };
    for (const Case& c : cases) {
        const CommandLine line = CommandLine::fromArguments(QStringList{"vozavero"} + c.arguments);
        EXPECT_EQ(line.text(), c.text) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(line.seriesFile(), c.seriesFile) << c.arguments.join(' ').toStdString();
    }
    EXPECT_FALSE(CommandLine::fromArguments({"vozavero", existing}).showsTrace());
    EXPECT_FALSE(CommandLine::fromArguments({"vozavero", existing}).allowsSecondInstance());
}

TEST(CommandLine, HelpAndVersionAnswerWithoutADisplayAndExitZero) {
    // Without a display the window program aborts as soon as it creates its application. The
    // help is German with a settings folder of its own and German messages.
    const QTemporaryDir config;
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    noDisplay.remove("DISPLAY");
    noDisplay.remove("WAYLAND_DISPLAY");
    noDisplay.remove("LANGUAGE");
    noDisplay.insert("QT_QPA_PLATFORM", "xcb");
    noDisplay.insert("XDG_CONFIG_HOME", config.path());
    noDisplay.insert("LC_MESSAGES", "C.UTF-8");
    const auto run = [&noDisplay](const QString& program, const QStringList& arguments) {
        QProcess p;
        p.setProcessEnvironment(noDisplay);
        p.start(program, arguments);
        EXPECT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    EXPECT_EQ(run(VOZAVERO_PATH, {"--version"}), "vozavero " VOZAVERO_VERSION "\n");
    EXPECT_EQ(run(VOZAVERO_LAB_PATH, {"--version"}), "vozavero-lab " VOZAVERO_VERSION "\n");
    // Also beside the switches and a file, and whatever else runs.
    const QString help = run(VOZAVERO_PATH, {"/NEW", "x.kpx", "--help"});
    EXPECT_TRUE(help.startsWith("Aufruf: vozavero [/NEW] [-DEV] [DATEI.kpx]\n"))
        << help.toStdString();
    EXPECT_TRUE(help.contains("öffnet eine gespeicherte Messreihe")) << help.toStdString();
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
    // The lock file of a crashed instance blocks nothing and is cleared away.
    QFile stale(dir.filePath("vozavero-999999-0.lock"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("999999\nvozavero\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    EXPECT_FALSE(SingleInstance(dir.path()).otherRunning());
    EXPECT_FALSE(stale.exists());
}
