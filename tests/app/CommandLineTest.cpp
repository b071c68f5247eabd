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

TEST(CommandLine, NewIsCaseSensitiveDevIsNotBothAreFoundInsideWordsAndAFileIsTheSeries) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("Klasse/NEW-dev"));
    const QString existing = dir.filePath("Klasse/NEW-dev/messung"); // any name, switches in it
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString folder = dir.filePath("Klasse");
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
        {{"-dev", "reihe.KPX", "/NEW"},
         "-dev /NEW",
         QDir::current().absoluteFilePath("reihe.KPX"),
         true,
         true},
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

TEST(CommandLine, HelpAndVersionAnswerWithoutADisplayAndExitZero) {
    // Without a display the window program aborts as soon as it creates its application.
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
    const QString help = run(VOZAVERO_PATH, {"/NEW", "x.kpx", "--help"}); // German, whatever else
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
    QFile stale(dir.filePath("vozavero-999999-0.lock")); // of a crashed instance: cleared away
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("999999\nvozavero\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    EXPECT_FALSE(SingleInstance(dir.path()).otherRunning());
    EXPECT_FALSE(stale.exists());
}
