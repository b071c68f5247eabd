// The least-squares line through a chart's points and its equation text.
#include "Regression.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>

namespace vozavero {
namespace {

std::optional<RegressionLine> fit(std::initializer_list<std::pair<double, double>> points) {
    chart::Chart c;
    for (const auto& [x, y] : points) {
        c.append(x, y);
    }
    return computeRegression(c);
}

TEST(Regression, FitsTheLeastSquaresLineOrNoneWithoutTwoDistinctX) {
    struct Case {
        std::optional<RegressionLine> line;
        double slope, intercept, rSquared;
    };
    const Case cases[] = {
        {fit({{2, 10}, {4, 20}}), 5, 0, 1},
        {fit({{1, 1}, {2, 3}, {3, 2}}), 0.5, 1, 0.25}, // SSres 1.5 of SStot 2
        {fit({{1, 7}, {2, 7}, {5, 7}}), 0, 7, 1},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.line);
        EXPECT_DOUBLE_EQ(c.line->slope, c.slope);
        EXPECT_DOUBLE_EQ(c.line->intercept, c.intercept);
        EXPECT_DOUBLE_EQ(c.line->rSquared, c.rSquared);
    }
    EXPECT_FALSE(fit({}));
    EXPECT_FALSE(fit({{3, 4}}));
    EXPECT_FALSE(fit({{3, 4}, {3, 8}}));
    // Sums of 0.1 do not cancel exactly; the equal x must still be seen.
    EXPECT_FALSE(fit({{0.1, 1}, {0.1, 2}, {0.1, 3}}));
}

TEST(Regression, EquationInGermanWithThreeSignificantDigits) {
    // The digits the lab prints, with its dot and the sign inside each number.
    EXPECT_EQ(significantDigits(1.1523), "1.15");
    EXPECT_EQ(significantDigits(-1.0), "-1.00");
    EXPECT_EQ(significantDigits(0.000444), "0.000444");
    EXPECT_EQ(significantDigits(1040.4), "1040");
    EXPECT_EQ(significantDigits(12512.3), "12500");
    EXPECT_EQ(significantDigits(0.0), "0.00");

    // The same digits on the graph, with the user's decimal separator and a real minus sign.
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(regressionText({1.1523, -1.0, 0.98212}, german), "y = 1,15·x − 1,00   R² = 0,982");
    EXPECT_EQ(regressionText({1.0912, 0.64, 0.99312}, german), "y = 1,09·x + 0,640   R² = 0,993");
    EXPECT_EQ(regressionText({-0.5, 0, 0.25}, german), "y = −0,500·x + 0,00   R² = 0,250");
    // No group separator and no exponent for large slopes (1/area charts), noise is 0.
    EXPECT_EQ(regressionText({12512.3, 1e-15, 0.9996}, german), "y = 12500·x + 0,00   R² = 1,000");
    EXPECT_EQ(regressionText({0.0012345, -4e-16, 0.5}, german),
              "y = 0,00123·x + 0,00   R² = 0,500");
    EXPECT_EQ(regressionText({1.5, 2, 1}, QLocale(QLocale::English)),
              "y = 1.50·x + 2.00   R² = 1.00");
}

} // namespace
} // namespace vozavero
