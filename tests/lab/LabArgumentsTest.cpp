// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The lab's command line as a German teacher types it: decimal commas where a decimal makes sense,
// and refusals that name the option, its range and what was given.
#include "LabArguments.h"
#include "DefaultLocale.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace vozavero {
namespace {

std::optional<LabArguments> parsed(const QStringList& arguments, QString* error) {
    return LabArguments::parse(arguments + QStringList{"--out", "ordner"}, error);
}

TEST(LabArguments, EveryRangeHoldsItsEndsAndARefusalSaysWhatLiesBeyond) {
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
    // Decimals are read with a comma as with a dot in every language.
    for (const QLocale& locale : {QLocale(QLocale::German, QLocale::Germany), QLocale::c()}) {
        const DefaultLocale chosen(locale);
        const auto plan = parsed({"--vary", "speed", "--from", "2,5", "--to", "10.5", "--step",
                                  "0,5", "--count", "7,5", "--width", "100,5", "--seconds", "20"},
                                 nullptr)
                              ->plan;
        EXPECT_EQ(plan.varied, QuantityId::Speed);
        EXPECT_EQ(plan.values(), (std::vector<double>{2.5, 3, 3.5, 4, 4.5, 5, 5.5, 6, 6.5, 7, 7.5,
                                                      8, 8.5, 9, 9.5, 10, 10.5}));
        EXPECT_EQ(plan.fixed[static_cast<size_t>(QuantityId::Count)], 7.5);
        EXPECT_EQ(plan.fixed[static_cast<size_t>(QuantityId::Volume)], 100.5);
        EXPECT_EQ(plan.seconds, 20);
    }
    // The last value is reached although (1.4 - 1) / 0.1 falls just short of 4 in binary.
    const auto tenths =
        parsed({"--vary", "speed", "--from", "1", "--to", "1.4", "--step", "0.1"}, nullptr);
    EXPECT_EQ(tenths->plan.values().size(), 5u);

    // A refusal names the option, its range and what was given, in one line.
    const std::vector<std::pair<QStringList, const char*>> bad = {
        {speed + QStringList{"--count", "1.000,5"},
         "--count muss eine Zahl von 1 bis 50 sein (Teilchenzahl), nicht „1.000,5“."},
        {speed + QStringList{"--count", "50,5"},
         "--count muss eine Zahl von 1 bis 50 sein (Teilchenzahl), nicht „50,5“."},
        {count + QStringList{"--width", "inf"},
         "--width muss eine Zahl von 50 bis 500 sein (Fläche), nicht „inf“."},
        {{"--vary", "speed", "--from", "2;5", "--to", "20", "--step", "2"},
         "--from muss eine Zahl von 1 bis 30 sein (Geschwindigkeit), nicht „2;5“."},
        // Whole numbers stay whole.
        {count + QStringList{"--seconds", "2,5"},
         "--seconds muss eine ganze Zahl von 1 bis 3600 sein."},
        {count + QStringList{"--interval", "2,5"},
         "--interval muss 1, 2, 3, 5 oder 10 Sekunden sein."},
        {{"--vary", "count", "--from", "0", "--to", "50", "--step", "5"}, nullptr},
        {{"--vary", "count", "--from", "5", "--to", "51", "--step", "5"}, nullptr},
        {{"--vary", "speed", "--from", "1", "--to", "31", "--step", "5"}, nullptr},
        {{"--vary", "area", "--from", "49", "--to", "500", "--step", "50"}, nullptr},
        {{"--vary", "volume", "--from", "5", "--to", "50", "--step", "5"}, nullptr}, // unknown
        {{"--vary", "count", "--from", "5", "--to", "50", "--step", "-5"}, nullptr}, // never there
        {{"--vary", "count", "--from", "5", "--to", "5", "--step", "1"}, nullptr}, // a single value
        {{"--vary", "area", "--from", "50", "--to", "500", "--step", "0.5"}, nullptr}, // too many
        {count + QStringList{"--count", "7"}, nullptr}, // the varied one fixed
        {count + QStringList{"--speed", " 5"}, nullptr},
        {count + QStringList{"--width", "49"}, nullptr},
        {count + QStringList{"--seconds", "3605"}, nullptr},
        {count + QStringList{"--seconds", "12"}, nullptr}, // not a multiple of the interval
        {count + QStringList{"--interval", "4"}, nullptr},
        {count + QStringList{"--seed", "4294967296"}, nullptr},
        {count + QStringList{"--seed"}, nullptr}, // value missing
    };
    for (const auto& [arguments, reason] : bad) {
        QString error;
        EXPECT_FALSE(parsed(arguments, &error)) << arguments.join(u' ').toStdString();
        EXPECT_EQ(error, reason ? QString::fromUtf8(reason) : error);
        EXPECT_FALSE(error.isEmpty() || error.contains(u'\n'));
    }
}

} // namespace
} // namespace vozavero
