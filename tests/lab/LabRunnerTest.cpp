// vozavero-lab as a user runs it: bad command lines end with code 2, one line of reason and no
// files; seeded sweeps of count, speed and area give the proportions of the gas law; the table
// and the saved series agree; the messages follow the system's language.
#include "chart/ChartFile.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

LabRun runLab(const QStringList& arguments,
              const QProcessEnvironment& environment = germanMessages()) {
    QProcess p;
    p.setProcessEnvironment(environment);
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
        sweep + QStringList{"--count", "7"},   // the varied quantity fixed
        sweep + QStringList{"--speed", "31"},  // fixed value out of range
        sweep + QStringList{"--speed", "2,5"}, // comma decimal
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
        EXPECT_TRUE(runLab({"--help"}, env).out.startsWith(QString::fromUtf8(c.usage))) << c.lang;
        EXPECT_EQ(runLab({"--bogus", "1"}, env).err,
                  QStringLiteral("vozavero-lab: %1\n").arg(QString::fromUtf8(c.unknown)))
            << c.lang;
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

} // namespace
} // namespace vozavero
