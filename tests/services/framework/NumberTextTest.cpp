// Reading typed numbers and writing numbers as text.
#include "NumberText.h"

#include <gtest/gtest.h>

namespace vozavero {
namespace {

struct ReadCase {
    const char* text;
    double value;
};

class LeadingNumberTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(LeadingNumberTest, ReadsTheLeadingNumber) {
    const ReadCase& c = GetParam();
    EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(c.text)), c.value) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberTest,
    ::testing::Values(
        // Plain numbers and the first foreign character ending them.
        ReadCase{"12", 12}, ReadCase{"12abc", 12}, ReadCase{"1,5", 1}, ReadCase{"12.3.4", 12.3},
        ReadCase{"2 m³", 2}, ReadCase{"50ä", 50},
        // Blanks anywhere are ignored, even inside the number and after the sign.
        ReadCase{" 1 2 ", 12}, ReadCase{"- 2", -2}, ReadCase{"\t7", 7},
        // Nothing numeric reads as 0.
        ReadCase{"", 0}, ReadCase{"abc", 0}, ReadCase{".", 0}, ReadCase{"-", 0}, ReadCase{"+", 0},
        ReadCase{"-.", 0}, ReadCase{"e5", 0}, ReadCase{"Ä5", 0},
        // Signs and decimal point.
        ReadCase{"-3.5", -3.5}, ReadCase{"+.5", 0.5}, ReadCase{"-.25", -0.25}, ReadCase{"5.", 5},
        ReadCase{"0.004", 0.004}, ReadCase{"--5", 0},
        // Exponents; an exponent without digits is not part of the number.
        ReadCase{"1e3", 1000}, ReadCase{"1E-2", 0.01}, ReadCase{"2.5e+1x", 25}, ReadCase{"1e", 1},
        ReadCase{"1e-", 1}, ReadCase{"1ex", 1},
        // A number too large to hold reads as 0 rather than as infinity.
        ReadCase{"1e999", 0}));

TEST(NumberTextTest, WritesTheShortestPlainTextWithTheLocaleSeparator) {
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(numberText(7.5, german), "7,5");
    EXPECT_EQ(numberText(0.004, german), "0,004");
    EXPECT_EQ(numberText(5.0, german), "5");
    EXPECT_EQ(numberText(250.0, german), "250");
    EXPECT_EQ(numberText(-2.5, german), "-2,5");
    EXPECT_EQ(numberText(0.1 + 0.2, german), "0,3");
}

TEST(NumberTextTest, WritesNoGroupSeparator) {
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(numberText(12345.0, german), "12345");
    EXPECT_EQ(numberText(1234567.5, german), "1234567,5");
    EXPECT_EQ(numberText(12345.0, QLocale(QLocale::English, QLocale::UnitedStates)), "12345");
}

TEST(NumberTextTest, WritesZeroWithoutSign) {
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(numberText(0.0, german), "0");
    EXPECT_EQ(numberText(-0.0, german), "0");
}

} // namespace
} // namespace vozavero
