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
        const auto area = parsed(
            {"--vary", "area", "--from", "500", "--to", "50", "--step", "-50", "--count", "7,5"},
            &error);
        ASSERT_TRUE(area) << error.toStdString();
        EXPECT_EQ(area->plan.fixed[static_cast<size_t>(QuantityId::Count)], 7.5);
        QLocale::setDefault(saved);
    }
}

TEST(LabArguments, ARefusalNamesTheOptionItsRangeAndWhatWasGiven) {
    const QStringList sweep = {"--vary", "speed", "--from", "2", "--to", "20", "--step", "2"};
    const struct {
        QStringList extra;
        QString reason;
    } cases[] = {
        {{"--count", "abc"},
         "--count muss eine Zahl von 1 bis 50 sein (Teilchenzahl), nicht „abc“."},
        {{"--count", "2,5,0"},
         "--count muss eine Zahl von 1 bis 50 sein (Teilchenzahl), nicht „2,5,0“."},
        {{"--count", "1.000,5"},
         "--count muss eine Zahl von 1 bis 50 sein (Teilchenzahl), nicht „1.000,5“."},
        {{"--count", " 5"}, "--count muss eine Zahl von 1 bis 50 sein (Teilchenzahl), nicht „ 5“."},
        {{"--count", "50,5"},
         "--count muss eine Zahl von 1 bis 50 sein (Teilchenzahl), nicht „50,5“."},
        {{"--width", "inf"}, "--width muss eine Zahl von 50 bis 500 sein (Fläche), nicht „inf“."},
        // Whole numbers stay whole.
        {{"--seconds", "2,5"}, "--seconds muss eine ganze Zahl von 1 bis 3600 sein."},
        {{"--interval", "2,5"}, "--interval muss 1, 2, 3, 5 oder 10 Sekunden sein."},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(parsed(sweep + c.extra, &error)) << c.extra.join(u' ').toStdString();
        EXPECT_EQ(error, c.reason);
    }
    QString error;
    EXPECT_FALSE(parsed({"--vary", "speed", "--from", "2;5", "--to", "20", "--step", "2"}, &error));
    EXPECT_EQ(error, "--from muss eine Zahl von 1 bis 30 sein (Geschwindigkeit), nicht „2;5“.");
}

} // namespace
} // namespace vozavero
