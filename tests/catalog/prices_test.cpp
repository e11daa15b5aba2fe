#include "catalog/prices.h"

#include <gtest/gtest.h>

namespace fpw::catalog {
namespace {

// The names and default prices are the table's business; two are spot-checked.
TEST(Prices, NamedItemsAreOfferedAndOnlyTheirIndicesCanBeRead) {
    PriceTable prices;
    std::string name;
    std::int32_t price = 0;
    ASSERT_TRUE(gGetPriceItem(prices, 8, name, price));
    EXPECT_EQ(name, "Torso-Mounted Cockpit");
    EXPECT_EQ(price, 750000);
    ASSERT_TRUE(gGetPriceItem(prices, 0, name, price));
    EXPECT_EQ(name, "Life Support");
    EXPECT_EQ(gGetDefaultPrice(prices, 54), 250000);
    for (int i = 0; i < kNamedPriceItemCount; ++i)
        EXPECT_FALSE(kPriceItems[i].name.empty()) << i;

    // Item 55 can be set but is not offered; indices outside the table change nothing.
    EXPECT_TRUE(gSetItemPrice(prices, 55, 4500));
    EXPECT_EQ(prices.current[55], 4500);
    name = "unchanged";
    EXPECT_FALSE(gGetPriceItem(prices, 55, name, price));
    EXPECT_EQ(name, "unchanged");
    EXPECT_EQ(gGetDefaultPrice(prices, 55), 0);
    const PriceTable before = prices;
    for (int index : {-1, 56}) {
        EXPECT_FALSE(gSetItemPrice(prices, index, 1));
        EXPECT_FALSE(gGetPriceItem(prices, index, name, price));
        EXPECT_EQ(gGetDefaultPrice(prices, index), 0);
    }
    EXPECT_EQ(prices, before);
}

TEST(Prices, SettingAPriceLeavesTheDefaultAndResetRestoresBoth) {
    PriceTable prices;
    ASSERT_TRUE(gSetItemPrice(prices, price::kCockpit, 1));
    EXPECT_EQ(gGetDefaultPrice(prices, price::kCockpit), 200000);
    std::string name;
    std::int32_t price = 0;
    gGetPriceItem(prices, price::kCockpit, name, price);
    EXPECT_EQ(price, 1);

    prices.defaults[3] = 0;
    prices.current.fill(9);
    gResetPrices(prices);
    EXPECT_EQ(prices, PriceTable{});
    EXPECT_EQ(prices.current[price::kCockpit], 200000);
    EXPECT_EQ(prices.defaults[price::kCompactHeatSink], 3000);
}

} // namespace
} // namespace fpw::catalog
