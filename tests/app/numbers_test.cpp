#include "app/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace fpw::app {
namespace {

constexpr auto kLongMax = std::numeric_limits<std::int32_t>::max();
constexpr auto kLongMin = std::numeric_limits<std::int32_t>::min();

TEST(Numbers, ZRoundHalfGoesUpToTheNextHalfButDropsAnExcessBelowOneHundredth) {
    // Tonnages are sums of sixteenths and tenths; the rule must hold well beyond small values.
    for (int k = 0; k <= 400; ++k) {
        const double base = k / 2.0;
        for (const auto& [excess, up] :
             {std::pair{0.0, 0.0}, {0.0625, 0.5}, {0.01, 0.5}, {0.45, 0.5}, {0.005, 0.0}}) {
            EXPECT_DOUBLE_EQ(zRoundHalf(base + excess), base + up) << base << "+" << excess;
        }
    }
    // Below zero every part of a half counts.
    for (const auto& [x, expected] : {std::pair{-1.2, -1.5}, {-0.5, -0.5}, {-0.01, -0.5}}) {
        EXPECT_DOUBLE_EQ(zRoundHalf(x), expected) << x;
    }
}

TEST(Numbers, RoundingToWholeNumbersSaturatesInsteadOfWrapping) {
    const std::vector<std::int32_t> actual{
        RoundHalfUp(2.5), RoundHalfUp(2.2),     RoundHalfUp(-2.5),     RoundHalfUp(-2.6),
        RoundUp(2.4),     RoundUp(3.0),         RoundUp(-2.4),         RoundDown(2.9),
        RoundDown(-2.1),  RoundHalfUp(40000.0), RoundHalfUp(-40000.0), RoundHalfUp(NAN),
        RoundUp(1e12),    RoundDown(-1e12),     RoundUp(INFINITY)};
    EXPECT_EQ(actual, (std::vector<std::int32_t>{3, 2, -2, -3, 3, 3, -2, 2, -3, 32767, -32768, 0,
                                                 kLongMax, kLongMin, kLongMax}));
}

TEST(Numbers, ConversionsRoundTiesToEven) {
    const std::pair<double, std::int32_t> cases[] = {
        {0.5, 0},   {1.5, 2},    {2.5, 2},      {-0.5, 0}, {-1.5, -2},
        {-2.5, -2}, {2.5001, 3}, {-2.5001, -3}, {7, 7},    {1e6 + 0.5, 1000000}};
    for (const auto& [x, expected] : cases) {
        EXPECT_EQ(toLong(x), expected) << x;
        EXPECT_EQ(tryToLong(x), expected) << x;
        EXPECT_EQ(toInteger(x), std::clamp(expected, -32768, 32767)) << x;
    }
}

TEST(Numbers, ConversionsReportWhatDoesNotFit) {
    using Maybe = std::optional<std::int32_t>;
    const std::vector<Maybe> actual{
        tryToInteger(32767.4),   tryToInteger(32767.5),   tryToInteger(-32768.5),
        tryToInteger(-32769.0),  tryToLong(2147483647.0), tryToLong(2147483648.0),
        tryToLong(std::nan("")), toInteger(1e9),          toInteger(-1e9),
        toLong(-1e20),           toLong(std::nan(""))};
    // 32767.5 has the even neighbour 32768.
    EXPECT_EQ(actual, (std::vector<Maybe>{32767, std::nullopt, -32768, std::nullopt, 2147483647,
                                          std::nullopt, std::nullopt, 32767, -32768, kLongMin, 0}));
}

TEST(Numbers, TwoDecimalsRoundTheShortestDecimalFormHalfAwayFromZero) {
    const std::pair<double, double> cases[] = {
        {1.005, 1.01},    {-2.675, -2.68},   {1.004999, 1.0}, {0.995, 1.0},
        {99.999, 100.0},  {0.004, 0.0},      {0.005, 0.01},   {1234.5678, 1234.57},
        {0.1 + 0.2, 0.3}, {1e15 + 0.5, 1e15} /* beyond 15 digits */};
    for (const auto& [x, expected] : cases) {
        EXPECT_EQ(roundTwoDecimals(x), expected) << x;
    }
    EXPECT_FALSE(std::signbit(roundTwoDecimals(-0.004))) << "no negative zero";
}

// Values that already have no more places than asked, values away from a tie and values whose
// product lands exactly on one half take short cuts; they must give what the formatted text
// gives, for them, for random values of every size and for near-ties on both sides of the
// margin the short cut keeps.
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
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    for (int i = 0; i < 3000; ++i) {
        const double scale = std::pow(10.0, i % 13 - 4); // 1e-4 to 1e8
        values.push_back(unit(random) * scale);
    }
    for (const int places : {0, 1, 2, 4}) {
        const double power = std::pow(10.0, places);
        // Beyond 1e9 units the 15-digit text can round across one half from 4e-6 away.
        for (const double units :
             {0.0, 1.0, 2.0, 12.0, 999.0, 12345.0, 99999999.0, 1e8, 987654321.0, 9876543210.0}) {
            for (const double off : {0.0, 1e-12, 9e-7, 1e-6, 1.1e-6, 4e-6, 0.25}) {
                values.push_back((units + 0.5 + off) / power);
                values.push_back((units + 0.5 - off) / power);
                values.push_back(-(units + 0.5 + off) / power);
            }
            // A neighbour of a tie whose product still lands exactly on one half.
            values.push_back(std::nextafter((units + 0.5) / power, 1e300));
            values.push_back(std::nextafter((units + 0.5) / power, -1e300));
        }
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
    EXPECT_EQ(roundAsFormatted(0.00005, 4), 0.0001);
    EXPECT_EQ(roundAsFormatted(1e-20, 2), 0.0);
    EXPECT_EQ(roundAsFormatted(1e20, 2), 1e20);
    EXPECT_TRUE(std::isinf(roundAsFormatted(std::numeric_limits<double>::infinity(), 2)));
}

TEST(Numbers, FormatsUseThePointAndCommaWhateverTheLocale) {
    const std::vector<std::string> actual{gFormatThousands(999.0),
                                          gFormatThousands(1234567.5),
                                          gFormatThousands(-1234567.0),
                                          gFormatThousands(-0.4),
                                          gFormatThousands(1.23456789e11),
                                          gFormatThousands("1500.4"),
                                          gFormatThousands(" 2000000 "),
                                          gFormatThousands("N/A"),
                                          gFormatThousands(""),
                                          gFormatFourDecimals(0.25),
                                          gFormatFourDecimals(0),
                                          gFormatFourDecimals(-3.14159),
                                          gFormatFourDecimals(9999.99996),
                                          formatFixed(0.5, 2, true),
                                          formatFixed(12345.678, 2, true)};
    EXPECT_EQ(actual,
              (std::vector<std::string>{"999", "1,234,568", "-1,234,567", "0", "123,456,789,000",
                                        "1,500", "2,000,000", "N/A", "", ".2500", ".0000",
                                        "-3.1416", "10000.0000", "0.50", "12,345.68"}));
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
