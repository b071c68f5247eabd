// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// Reading typed numbers and writing numbers as text.
#include "NumberText.h"

#include <gtest/gtest.h>

namespace vozavero {
namespace {

TEST(NumberText, LeadingNumberReadsWhatPupilsType) {
    // The first foreign character ends the number ("," is no decimal point), blanks anywhere are
    // ignored, nothing numeric is 0, an exponent without digits is not part of the number and a
    // number too large to hold reads as 0.
    const struct {
        const char* text;
        double value;
    } cases[] = {{"12abc", 12}, {"1,5", 1},  {"12.3.4", 12.3}, {"2 m³", 2},     {" 1 2 ", 12},
                 {"- 2", -2},   {"\t7", 7},  {"", 0},          {"abc", 0},      {".", 0},
                 {"-.", 0},     {"e5", 0},   {"Ä5", 0},        {"--5", 0},      {"-3.5", -3.5},
                 {"+.5", 0.5},  {"5.", 5},   {"1E-2", 0.01},   {"2.5e+1x", 25}, {"1e-", 1},
                 {"1ex", 1},    {"1e999", 0}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(c.text)), c.value) << '"' << c.text << '"';
    }
}

TEST(NumberText, NumberTextIsShortPlainInTheLocaleAndReadsBackAsTyped) {
    const QLocale german(QLocale::German, QLocale::Germany);
    const struct {
        double value;
        const char* text;
    } cases[] = {{7.5, "7,5"},       {0.004, "0,004"}, {250.0, "250"}, {-2.5, "-2,5"},
                 {0.1 + 0.2, "0,3"}, {0.0, "0"},       {-0.0, "0"},    {1234567.5, "1234567,5"}};
    for (const auto& c : cases) {
        EXPECT_EQ(numberText(c.value, german), QString::fromUtf8(c.text)) << c.value;
        EXPECT_DOUBLE_EQ(typedNumber(QString::fromUtf8(c.text), german), c.value) << c.text;
    }
    EXPECT_EQ(numberText(12345.0, QLocale(QLocale::English, QLocale::UnitedStates)), "12345");
    // The dot still works under a comma locale; under a dot locale a comma ends the number.
    EXPECT_DOUBLE_EQ(typedNumber("2.5", german), 2.5);
    EXPECT_DOUBLE_EQ(typedNumber("1,5 s", german), 1.5);
    EXPECT_DOUBLE_EQ(typedNumber("1,5", QLocale::c()), 1.0);
}

TEST(NumberText, DecimalsOfAStepAndTextsRoundedToThemOrToAWidth) {
    const std::pair<double, int> cases[] = {{0.1, 1},     {-0.25, 2}, {250, 0},
                                            {1.25e-5, 7}, {0, 0},     {1e20, 0}};
    for (const auto& [value, decimals] : cases) {
        EXPECT_EQ(decimalsOf(value), decimals) << value;
    }
    double sum = 5.0;
    for (int i = 0; i < 15; ++i) {
        sum += 0.1;
    }
    EXPECT_EQ(numberText(sum, 1, QLocale::c()), "6.5");
    EXPECT_EQ(numberText(-2.25, 1, QLocale::c()), "-2.3"); // ties away from zero
    EXPECT_EQ(numberText(1e300, 3, QLocale::c()), numberText(1e300, QLocale::c()));

    // Fitted to six characters, only what is too long is rounded.
    const struct {
        double value;
        const char* text;
    } fitted[] = {{99999, "99999"}, {-0.125, "-0,125"},    {sum, "6,5"},    {0.12345, "0,1235"},
                  {1e14, "1E+14"},  {123456789, "1,2E+8"}, {1e-7, "1E-07"}, {-0.00004, "-4E-05"}};
    for (const auto& c : fitted) {
        EXPECT_EQ(fittedNumberText(c.value, 6, QLocale(QLocale::German)), QString::fromUtf8(c.text))
            << c.value;
    }
}

} // namespace
} // namespace vozavero
