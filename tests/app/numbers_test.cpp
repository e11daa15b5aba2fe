#include "app/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

namespace fpw::app {
namespace {

TEST(Numbers, ZRoundHalfGoesUpToTheNextHalfButDropsAnExcessBelowOneHundredth) {
    const struct {
        double x;
        double expected;
    } cases[] = {{0, 0},       {1.6, 2.0},    {1.01, 1.5}, {1.005, 1.0}, {-1.2, -1.5},
                 {0.5, 0.5},   {0.51, 1.0},   {3.0, 3.0},  {2.25, 2.5},  {0.001, 0.0},
                 {-0.5, -0.5}, {-0.01, -0.5}, {7.75, 8.0}, {12.5, 12.5}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(zRoundHalf(c.x), c.expected) << c.x;
    }
}

TEST(Numbers, ZRoundHalfOverManyHalfUnits) {
    // Tonnages are sums of sixteenths and tenths; the rule must hold well beyond small values.
    for (int k = 0; k <= 400; ++k) {
        const double base = k / 2.0;
        EXPECT_DOUBLE_EQ(zRoundHalf(base), base) << base;
        EXPECT_DOUBLE_EQ(zRoundHalf(base + 0.0625), base + 0.5) << base;
        EXPECT_DOUBLE_EQ(zRoundHalf(base + 0.01), base + 0.5) << base;
        EXPECT_DOUBLE_EQ(zRoundHalf(base + 0.45), base + 0.5) << base;
        EXPECT_DOUBLE_EQ(zRoundHalf(base + 0.005), base) << base;
    }
}

TEST(Numbers, RoundHalfUpRoundUpRoundDown) {
    EXPECT_EQ(RoundHalfUp(2.75), 3);
    EXPECT_EQ(RoundHalfUp(2.2), 2);
    EXPECT_EQ(RoundHalfUp(2.5), 3);
    EXPECT_EQ(RoundHalfUp(-2.5), -2); // Int(-2.0)
    EXPECT_EQ(RoundHalfUp(-2.6), -3);
    EXPECT_EQ(RoundUp(2.4), 3);
    EXPECT_EQ(RoundUp(3.0), 3);
    EXPECT_EQ(RoundUp(-2.4), -2);
    EXPECT_EQ(RoundDown(2.9), 2);
    EXPECT_EQ(RoundDown(-2.1), -3);
}

TEST(Numbers, OutOfRangeSaturatesInsteadOfWrapping) {
    EXPECT_EQ(RoundHalfUp(40000.0), 32767);
    EXPECT_EQ(RoundHalfUp(-40000.0), -32768);
    EXPECT_EQ(RoundHalfUp(std::nan("")), 0);
    EXPECT_EQ(RoundUp(1e12), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(RoundDown(-1e12), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(RoundUp(std::numeric_limits<double>::infinity()),
              std::numeric_limits<std::int32_t>::max());
}

TEST(Numbers, ConversionsRoundTiesToEven) {
    const struct {
        double x;
        std::int32_t expected;
    } cases[] = {{0.5, 0},    {1.5, 2},      {2.5, 2},   {3.5, 4},
                 {-0.5, 0},   {-1.5, -2},    {-2.5, -2}, {2.4999, 2},
                 {2.5001, 3}, {-2.5001, -3}, {7, 7},     {1e6 + 0.5, 1000000}};
    for (const auto& c : cases) {
        EXPECT_EQ(toLong(c.x), c.expected) << c.x;
        EXPECT_EQ(tryToLong(c.x), c.expected) << c.x;
        if (std::fabs(c.expected) < 32768) {
            EXPECT_EQ(toInteger(c.x), c.expected) << c.x;
        }
    }
}

TEST(Numbers, ConversionsReportWhatDoesNotFit) {
    EXPECT_EQ(tryToInteger(32767.4), 32767);
    EXPECT_EQ(tryToInteger(32767.5), std::nullopt); // even neighbour is 32768
    EXPECT_EQ(tryToInteger(-32768.5), -32768);
    EXPECT_EQ(tryToInteger(-32769.0), std::nullopt);
    EXPECT_EQ(tryToLong(2147483647.0), 2147483647);
    EXPECT_EQ(tryToLong(2147483648.0), std::nullopt);
    EXPECT_EQ(tryToLong(std::nan("")), std::nullopt);
    EXPECT_EQ(toInteger(1e9), 32767);
    EXPECT_EQ(toInteger(-1e9), -32768);
    EXPECT_EQ(toLong(-1e20), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(toLong(std::nan("")), 0);
}

TEST(Numbers, TwoDecimalsRoundTheShortestDecimalFormHalfAwayFromZero) {
    const struct {
        double x;
        double expected;
    } cases[] = {{0.125, 0.13},
                 {1.005, 1.01},
                 {2.675, 2.68},
                 {-0.125, -0.13},
                 {-1.005, -1.01},
                 {-2.675, -2.68},
                 {1.004999, 1.0},
                 {0.994, 0.99},
                 {0.995, 1.0},
                 {9.995, 10.0},
                 {99.999, 100.0},
                 {0.004, 0.0},
                 {0.005, 0.01},
                 {-0.004, 0.0},
                 {1234.5678, 1234.57},
                 {0.1 + 0.2, 0.3},
                 {1e15 + 0.5, 1e15} /* beyond 15 digits */,
                 {3, 3},
                 {0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(roundTwoDecimals(c.x), c.expected) << c.x;
    }
    EXPECT_FALSE(std::signbit(roundTwoDecimals(-0.004))) << "no negative zero";
}

TEST(Numbers, RoundAsFormattedAtOtherPlaces) {
    EXPECT_EQ(roundAsFormatted(2.45, 1), 2.5);
    EXPECT_EQ(roundAsFormatted(2.44, 1), 2.4);
    EXPECT_EQ(roundAsFormatted(0.00005, 4), 0.0001);
    EXPECT_EQ(roundAsFormatted(2.5, 0), 3.0);
    EXPECT_EQ(roundAsFormatted(-2.5, 0), -3.0);
    EXPECT_EQ(roundAsFormatted(1e-20, 2), 0.0);
    EXPECT_EQ(roundAsFormatted(1e20, 2), 1e20);
    EXPECT_TRUE(std::isinf(roundAsFormatted(std::numeric_limits<double>::infinity(), 2)));
}

// Values that already have no more places than asked take a short cut; it must give what the
// formatted text gives, for them and for their neighbours that do not qualify.
TEST(Numbers, RoundAsFormattedAgreesWithTheFormattedText) {
    std::vector<double> values;
    for (int i = -400; i <= 400; ++i) {
        values.push_back(i / 8.0);
        values.push_back(i / 100.0);
        values.push_back(i * 0.05);
        values.push_back(i * 0.1 + 1e-9);
        values.push_back(std::nextafter(i / 4.0, 1e9));
        values.push_back(i * 123456.789);
    }
    for (const double v : values) {
        for (const int places : {0, 1, 2, 4}) {
            const std::string text = formatFixed(v, places, false, true);
            double parsed = 0;
            std::from_chars(text.data(), text.data() + text.size(), parsed);
            const double rounded = roundAsFormatted(v, places);
            EXPECT_EQ(rounded, parsed + 0.0) << v << " at " << places;
            EXPECT_FALSE(std::signbit(rounded) && rounded == 0) << v;
        }
    }
}

TEST(Numbers, FormatsUseThePointAndCommaWhateverTheLocale) {
    EXPECT_EQ(gFormatThousands(0.0), "0");
    EXPECT_EQ(gFormatThousands(999.0), "999");
    EXPECT_EQ(gFormatThousands(1000.0), "1,000");
    EXPECT_EQ(gFormatThousands(1234567.0), "1,234,567");
    EXPECT_EQ(gFormatThousands(1234567.5), "1,234,568");
    EXPECT_EQ(gFormatThousands(-1234567.0), "-1,234,567");
    EXPECT_EQ(gFormatThousands(-0.4), "0");
    EXPECT_EQ(gFormatThousands(123456789012.0), "123,456,789,012");
    EXPECT_EQ(gFormatThousands("1500.4"), "1,500");
    EXPECT_EQ(gFormatThousands(" 2000000 "), "2,000,000");
    EXPECT_EQ(gFormatThousands("N/A"), "N/A");
    EXPECT_EQ(gFormatThousands(""), "");

    EXPECT_EQ(gFormatFourDecimals(12.5), "12.5000");
    EXPECT_EQ(gFormatFourDecimals(0.25), ".2500");
    EXPECT_EQ(gFormatFourDecimals(0), ".0000");
    EXPECT_EQ(gFormatFourDecimals(-3.14159), "-3.1416");
    EXPECT_EQ(gFormatFourDecimals(1.00005), "1.0001");
    EXPECT_EQ(gFormatFourDecimals(9999.99996), "10000.0000");
    EXPECT_EQ(formatFixed(0.5, 2, true), "0.50");
    EXPECT_EQ(formatFixed(12345.678, 2, true), "12,345.68");
}

TEST(Numbers, ParseNumberAcceptsOnlyAWholeDecimalNumber) {
    EXPECT_EQ(parseNumber("1500"), 1500.0);
    EXPECT_EQ(parseNumber(" -2.5 "), -2.5);
    EXPECT_EQ(parseNumber("+7"), 7.0);
    EXPECT_EQ(parseNumber("1e3"), 1000.0);
    for (const char* bad : {"", " ", "1,500", "abc", "12abc", "+-1", "inf", "nan", "1.2.3"}) {
        EXPECT_EQ(parseNumber(bad), std::nullopt) << bad;
    }
}

} // namespace
} // namespace fpw::app
