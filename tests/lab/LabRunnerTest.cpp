// vozavero-lab as a user runs it: bad command lines end with code 2, one line of reason and no
// files; seeded sweeps of count, speed and area give the proportions of the gas law; the table
// and the saved series agree; the messages follow the system's language.
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
#include <unistd.h>

namespace vozavero {
namespace {

struct LabRun {
    int exitCode = -1;
    QString out;
    QString err;
};

/// The caller's environment with the language of messages German, whatever the caller's is
/// (unless LC_ALL names another).
QProcessEnvironment germanMessages() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LANGUAGE"));
    env.insert(QStringLiteral("LC_MESSAGES"), QStringLiteral("C.UTF-8"));
    return env;
}

/// Runs the lab in environment; childSetUp runs in the child before the program starts.
LabRun runLab(const QStringList& arguments, const std::function<void()>& childSetUp = {},
              const QProcessEnvironment& environment = germanMessages()) {
    QProcess p;
    p.setProcessEnvironment(environment);
    if (childSetUp) {
        p.setChildProcessModifier(childSetUp);
    }
    p.start(QStringLiteral(VOZAVERO_LAB_PATH), arguments);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

TEST(LabRunnerTest, BadArgumentsEndWithCodeTwoAndWriteNothing) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out"));
    const QStringList sweep = {"--vary", "count", "--from", "5", "--to", "50", "--step", "5"};
    const std::vector<QStringList> bad = {
        {},
        sweep,                                                            // no --out
        {"--vary", "volume", "--from", "5", "--to", "50", "--step", "5"}, // unknown quantity
        sweep + QStringList{"--count", "7"},     // the varied quantity fixed
        sweep + QStringList{"--speed", "31"},    // fixed value out of range
        sweep + QStringList{"--speed", "2.5.0"}, // not one number
        sweep + QStringList{"--seconds", "0"},
        sweep + QStringList{"--seconds", "12"}, // not a multiple of 5 s
        sweep + QStringList{"--interval", "4"},
        sweep + QStringList{"--seed", "-1"},
        sweep + QStringList{"--seed", "4294967296"},
        sweep + QStringList{"--width", "nan"},
        sweep + QStringList{"--bogus", "1"},
        sweep + QStringList{"--seed"}, // value missing
        sweep + QStringList{"--seed", "1", "--seed", "2"},
        {"--vary", "count", "--from", "5", "--to", "51", "--step", "5"},  // 51 particles
        {"--vary", "count", "--from", "5", "--to", "50", "--step", "-5"}, // never gets there
        {"--vary", "count", "--from", "5", "--to", "50", "--step", "0"},
        {"--vary", "count", "--from", "5", "--to", "5", "--step", "1"},     // a single value
        {"--vary", "area", "--from", "50", "--to", "500", "--step", "0.5"}, // too many values
    };
    for (const QStringList& args : bad) {
        const QStringList withOut = args.contains(QStringLiteral("--vary")) && args != sweep
                                        ? args + QStringList{"--out", out}
                                        : args;
        const LabRun r = runLab(withOut);
        const QString shown = withOut.join(u' ');
        EXPECT_EQ(r.exitCode, 2) << shown.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << shown.toStdString();
        EXPECT_EQ(r.err.count(u'\n'), 1) << r.err.toStdString();
        EXPECT_FALSE(QDir(out).exists()) << shown.toStdString();
    }
}

TEST(LabRunnerTest, MessagesAreInTheSystemsLanguage) {
    const struct {
        const char* lang;
        const char* usage;
        const char* unknown;
    } cases[] = {{"en_US.UTF-8", "Usage: vozavero-lab --vary", "Unknown argument “--bogus”."},
                 {"de_DE.UTF-8", "Aufruf: vozavero-lab --vary", "Unbekanntes Argument „--bogus“."}};
    for (const auto& c : cases) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
            env.remove(QLatin1String(name));
        }
        env.insert(QStringLiteral("LANG"), QLatin1String(c.lang));
        EXPECT_TRUE(runLab({"--help"}, {}, env).out.startsWith(QString::fromUtf8(c.usage)))
            << c.lang;
        EXPECT_EQ(runLab({"--bogus", "1"}, {}, env).err,
                  QStringLiteral("vozavero-lab: %1\n").arg(QString::fromUtf8(c.unknown)))
            << c.lang;
    }
}

TEST(LabRunnerTest, AFolderOrFileThatCannotBeWrittenGivesItsCauseInOneGermanLine) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Open to everybody, so that a run under another user reaches the locked folder inside.
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                          QFileDevice::ExeOther);
    const QString file = dir.filePath(QStringLiteral("datei"));
    QFile(file).open(QIODevice::WriteOnly);
    const QString locked = dir.filePath(QStringLiteral("gesperrt"));
    ASSERT_TRUE(QDir().mkpath(locked));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                      QFileDevice::ReadOther | QFileDevice::ExeOther);
    // The superuser may write anywhere: the run is then made as the user "nobody".
    const auto asOtherUser = [] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(126);
        }
    };
    // A limit on the size of files makes writes beyond it fail as on a full disk.
    const auto smallDisk = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{2048, 2048};
        ::setrlimit(RLIMIT_FSIZE, &small);
    };
    const struct {
        QString out;
        std::function<void()> setUp;
        QString cause;
    } cases[] = {
        {file, {}, QStringLiteral("„%1“ ist eine Datei, kein Ordner.").arg(file)},
        {file + QStringLiteral("/neu"), {}, QStringLiteral("„%1“ ist eine Datei").arg(file)},
        {locked + QStringLiteral("/neu"), asOtherUser,
         QStringLiteral("keine Berechtigung, im Ordner „%1“").arg(locked)},
        {dir.filePath(QStringLiteral("voll")), smallDisk,
         QStringLiteral("nicht mehr genug Platz frei")},
    };
    for (const auto& c : cases) {
        const LabRun r = runLab({"--vary", "count", "--from", "5", "--to", "10", "--step", "5",
                                 "--seconds", "5", "--out", c.out},
                                c.setUp);
        EXPECT_EQ(r.exitCode, 1) << c.out.toStdString();
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("vozavero-lab: "))) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.cause)) << r.err.toStdString();
        EXPECT_EQ(r.err.count(u'\n'), 1) << r.err.toStdString();
        for (const char* english : {"denied", "No space", "directory", "File too large"}) {
            EXPECT_FALSE(r.err.contains(QLatin1String(english))) << r.err.toStdString();
        }
    }
}

struct Fit {
    double slope = 0.0;
    double intercept = 0.0;
    double rSquared = 0.0;
};

/// Runs a seeded sweep into dir and reads the line it prints.
Fit sweep(const QString& dir, const QStringList& arguments) {
    const LabRun r = runLab(arguments + QStringList{"--seed", "4", "--out", dir});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    static const QRegularExpression line(
        QStringLiteral("^y = (\\S+)·x \\+ (\\S+)   R² = (\\S+)\\n$"));
    const QRegularExpressionMatch m = line.match(r.out);
    EXPECT_TRUE(m.hasMatch()) << r.out.toStdString();
    return {m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble()};
}

TEST(LabRunnerTest, PressureGrowsInProportionToCountSpeedAndInverseArea) {
    QTemporaryDir dir;
    const Fit count =
        sweep(dir.filePath("count"), {"--vary", "count", "--from", "5", "--to", "50", "--step", "5",
                                      "--speed", "10", "--seconds", "300"});
    const Fit speed =
        sweep(dir.filePath("speed"), {"--vary", "speed", "--from", "1", "--to", "28", "--step", "3",
                                      "--count", "50", "--seconds", "300"});
    const Fit area =
        sweep(dir.filePath("area"), {"--vary", "area", "--from", "50", "--to", "500", "--step",
                                     "50", "--count", "50", "--seconds", "300"});
    for (const Fit& f : {count, speed, area}) {
        EXPECT_GE(f.rSquared, 0.98);
        EXPECT_GT(f.slope, 0.0);
    }
    // Proportional: the line passes close to the origin compared with the largest rate.
    EXPECT_LT(std::abs(count.intercept), 0.1 * count.slope * 50);
    EXPECT_LT(std::abs(speed.intercept), 0.1 * speed.slope * 28);
    EXPECT_LT(std::abs(area.intercept), 0.1 * area.slope / 50);
}

TEST(LabRunnerTest, TableAndSavedSeriesHoldTheSamePointsAndTheSameSeedRepeats) {
    QTemporaryDir dir;
    const QStringList args = {"--vary", "speed", "--from",    "30", "--to",       "2",
                              "--step", "-7",    "--seconds", "10", "--interval", "2"};
    const Fit first = sweep(dir.filePath("a"), args);
    const Fit again = sweep(dir.filePath("b"), args);
    EXPECT_EQ(first.slope, again.slope);
    EXPECT_EQ(first.intercept, again.intercept);

    QFile tsv(dir.filePath("a/series.tsv"));
    ASSERT_TRUE(tsv.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(tsv.readAll()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6); // header and 30, 23, 16, 9, 2
    EXPECT_EQ(lines[0], QStringLiteral("Geschwindigkeit\tStöße pro Sekunde"));

    QString error;
    const auto doc = chart::ChartFile::load(dir.filePath("a/series.kpx"), &error);
    ASSERT_TRUE(doc) << error.toStdString();
    const chart::Chart& keyed = doc->chart(7); // impacts against speed
    ASSERT_EQ(keyed.count(), 5);
    for (int i = 1; i <= 5; ++i) {
        const QStringList cells = lines[i].split(u'\t');
        ASSERT_EQ(cells.size(), 2);
        EXPECT_EQ(cells[0].toDouble(), 30.0 - 7.0 * (i - 1));
        EXPECT_EQ(cells[0].toDouble(), keyed.x(i));
        EXPECT_NEAR(cells[1].toDouble(), keyed.y(i), 1e-9);
    }
    EXPECT_EQ(doc->chart(0).count(), 25); // every 2-second interval on the time chart
    EXPECT_TRUE(QFileInfo(dir.filePath("a/graph.png")).size() > 0);
}

TEST(LabRunnerTest, TheGraphPictureFitsItsAxesToTheSweep) {
    QTemporaryDir dir;
    sweep(dir.path(),
          {"--vary", "area", "--from", "50", "--to", "500", "--step", "90", "--seconds", "20"});
    const auto saved = chart::ChartFile::load(dir.filePath(QStringLiteral("series.kpx")));
    ASSERT_TRUE(saved);
    const chart::Chart& inverseArea = saved->chart(6); // impacts against 1/area
    const std::optional<RegressionLine> line = computeRegression(inverseArea);
    ASSERT_TRUE(line);

    // graph.png is the picture drawn with fitted axes, the line and its equation.
    GraphPicture fitted;
    fitted.setFitToData(true);
    QImage expected(800, 500, QImage::Format_RGB32);
    fitted.draw(inverseArea, line, expected);
    const QImage written(dir.filePath(QStringLiteral("graph.png")));
    EXPECT_TRUE(written.convertToFormat(QImage::Format_RGB32) == expected);
    EXPECT_LT(fitted.layout().yScale().maximum(), 20); // not the 0..100 of the window
}

} // namespace
} // namespace vozavero
