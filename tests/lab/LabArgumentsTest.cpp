// The lab's command line read as a German teacher types it: decimal commas where a decimal makes
// sense, and refusals that name the option, its range and what was given.
#include "LabArguments.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace vozavero {
namespace {

std::optional<LabArguments> parsed(const QStringList& arguments, QString* error) {
    return LabArguments::parse(arguments + QStringList{"--out", "ordner"}, error);
}

TEST(LabArguments, DecimalsAreReadWithACommaAsWithADotInEveryLanguage) {
    for (const QLocale& locale : {QLocale(QLocale::German, QLocale::Germany), QLocale::c()}) {
        const QLocale saved;
        QLocale::setDefault(locale);
        QString error;
        const auto count = parsed({"--vary", "count", "--from", "2,5", "--to", "10.5", "--step",
                                   "0,5", "--speed", "2,5", "--width", "100,5"},
                                  &error);
        ASSERT_TRUE(count) << error.toStdString();
        EXPECT_EQ(count->plan.from, 2.5);
        EXPECT_EQ(count->plan.to, 10.5);
        EXPECT_EQ(count->plan.step, 0.5);
        EXPECT_EQ(count->plan.fixed[static_cast<size_t>(QuantityId::Speed)], 2.5);
        EXPECT_EQ(count->plan.fixed[static_cast<size_t>(QuantityId::Volume)], 100.5);
        QLocale::setDefault(saved);
    }
}

TEST(LabArguments, ARefusalNamesTheOptionItsRangeAndWhatWasGiven) {
    const QStringList sweep = {"--vary", "speed", "--from", "2", "--to", "20", "--step", "2"};
    const std::pair<QStringList, QString> cases[] = {
        {{"--count", "abc"},
         "--count muss eine Zahl von 1 bis 50 sein (Teilchenzahl), nicht „abc“."},
        {{"--count", "1.000,5"},
         "--count muss eine Zahl von 1 bis 50 sein (Teilchenzahl), nicht „1.000,5“."},
        {{"--count", "50,5"},
         "--count muss eine Zahl von 1 bis 50 sein (Teilchenzahl), nicht „50,5“."},
        {{"--width", "inf"}, "--width muss eine Zahl von 50 bis 500 sein (Fläche), nicht „inf“."},
        // Whole numbers stay whole.
        {{"--seconds", "2,5"}, "--seconds muss eine ganze Zahl von 1 bis 3600 sein."},
        {{"--interval", "2,5"}, "--interval muss 1, 2, 3, 5 oder 10 Sekunden sein."},
    };
    for (const auto& [extra, reason] : cases) {
        QString error;
        EXPECT_FALSE(parsed(sweep + extra, &error)) << extra.join(u' ').toStdString();
        EXPECT_EQ(error, reason);
    }
    QString error;
    EXPECT_FALSE(parsed({"--vary", "speed", "--from", "2;5", "--to", "20", "--step", "2"}, &error));
    EXPECT_EQ(error, "--from muss eine Zahl von 1 bis 30 sein (Geschwindigkeit), nicht „2;5“.");
}

TEST(LabArguments, EveryRangeHoldsItsEndsAndRefusesWhatLiesJustBeyond) {
    const QStringList count = {"--vary", "count", "--from", "1", "--to", "50", "--step", "7"};
    const QStringList speed = {"--vary", "speed", "--from", "30", "--to", "1", "--step", "-1"};
    const QStringList area = {"--vary", "area", "--from", "50", "--to", "500", "--step", "5"};
    const std::vector<QStringList> good = {
        count,
        speed,
        area,
        count + QStringList{"--speed", "1", "--width", "500", "--seconds", "3600"},
        count + QStringList{"--speed", "30", "--width", "50", "--seconds", "5"},
        speed + QStringList{"--count", "1", "--interval", "10", "--seed", "4294967295"},
        speed + QStringList{"--count", "50", "--interval", "1", "--seed", "0"},
    };
    for (const QStringList& arguments : good) {
        QString error;
        const auto result = parsed(arguments, &error);
        ASSERT_TRUE(result) << arguments.join(u' ').toStdString() << ": " << error.toStdString();
        EXPECT_EQ(result->outDir, QStringLiteral("ordner"));
    }
    const auto plan = parsed(speed + QStringList{"--count", "7", "--seconds", "20"}, nullptr)->plan;
    EXPECT_EQ(plan.varied, QuantityId::Speed);
    EXPECT_EQ(plan.values().size(), 30u);
    EXPECT_EQ(plan.fixed[static_cast<size_t>(QuantityId::Count)], 7);
    EXPECT_EQ(plan.seconds, 20);

    const std::vector<QStringList> bad = {
        {"--vary", "count", "--from", "0", "--to", "50", "--step", "5"},
        {"--vary", "count", "--from", "5", "--to", "51", "--step", "5"},
        {"--vary", "speed", "--from", "1", "--to", "31", "--step", "5"},
        {"--vary", "area", "--from", "49", "--to", "500", "--step", "50"},
        {"--vary", "volume", "--from", "5", "--to", "50", "--step", "5"}, // unknown quantity
        {"--vary", "count", "--from", "5", "--to", "50", "--step", "-5"}, // never gets there
        {"--vary", "count", "--from", "5", "--to", "50", "--step", "0"},
        {"--vary", "count", "--from", "5", "--to", "5", "--step", "1"},     // a single value
        {"--vary", "area", "--from", "50", "--to", "500", "--step", "0.5"}, // too many values
        count + QStringList{"--count", "7"},                                // the varied one fixed
        count + QStringList{"--speed", "30.5"},
        count + QStringList{"--width", "49"},
        count + QStringList{"--seconds", "3605"},
        count + QStringList{"--seconds", "12"}, // not a multiple of the interval
        count + QStringList{"--interval", "4"},
        count + QStringList{"--seed", "-1"},
        count + QStringList{"--seed", "4294967296"},
        count + QStringList{"--width", "nan"},
        count + QStringList{"--speed", "2,5,0"},
        count + QStringList{"--speed", " 5"},
        count + QStringList{"--bogus", "1"},
        count + QStringList{"--seed"}, // value missing
        count + QStringList{"--seed", "1", "--seed", "2"},
    };
    for (const QStringList& arguments : bad) {
        QString error;
        EXPECT_FALSE(parsed(arguments, &error)) << arguments.join(u' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(error.contains(u'\n'));
    }
}

} // namespace
} // namespace vozavero
