#include "catalog/prices.h"

#include <gtest/gtest.h>

namespace fpw::catalog {
namespace {

TEST(Prices, NamesAndDefaultsOfTheEditorsItems) {
    const PriceTable prices;
    const std::vector<std::tuple<int, const char*, std::int32_t>> cases{
        {0, "Life Support", 50000},
        {4, "Targeting Computer (Per ton of TC)", 10000},
        {8, "Torso-Mounted Cockpit", 750000},
        {21, "Standard Engine [b]", 5000},
        {26, "LargeXXL Engine [b]", 200000},
        {31, "XL Gyro [c]", 750000},
        {37, "Clan Double HeatSink (for IS 'C' designs)", 6000},
        {39, "Ferro-Fiberous Armor [e]", 20000},
        {44, "Hardend Armor [e]", 15000},
        {47, "Null Signature System", 2000000},
        {54, "Artemis V", 250000},
    };
    for (const auto& [index, name, price] : cases) {
        SCOPED_TRACE(index);
        std::string shownName;
        std::int32_t shownPrice = -1;
        ASSERT_TRUE(gGetPriceItem(prices, index, shownName, shownPrice));
        EXPECT_EQ(shownName, name);
        EXPECT_EQ(shownPrice, price);
        EXPECT_EQ(gGetDefaultPrice(prices, index), price);
    }
}

TEST(Prices, EveryEditorItemHasANameAndOnlyTheLastHasNone) {
    for (int i = 0; i < kNamedPriceItemCount; ++i)
        EXPECT_FALSE(kPriceItems[i].name.empty()) << i;
    EXPECT_TRUE(kPriceItems[55].name.empty());
    EXPECT_EQ(kPriceItems[price::kCompactHeatSink].defaultPrice, 3000);
    EXPECT_EQ(price::kCompactHeatSink, 55);
    EXPECT_EQ(price::kArmoredSlot, 50);
}

TEST(Prices, ItemFiftyFiveCanBeSetButIsNotOffered) {
    PriceTable prices;
    EXPECT_TRUE(gSetItemPrice(prices, 55, 4500));
    EXPECT_EQ(prices.current[55], 4500);
    std::string name = "unchanged";
    std::int32_t price = -7;
    EXPECT_FALSE(gGetPriceItem(prices, 55, name, price));
    EXPECT_EQ(name, "unchanged");
    EXPECT_EQ(price, -7);
    EXPECT_EQ(gGetDefaultPrice(prices, 55), 0);
}

TEST(Prices, IndicesOutsideTheTableChangeNothing) {
    PriceTable prices;
    const PriceTable before = prices;
    for (int index : {-1, 56, 1000}) {
        EXPECT_FALSE(gSetItemPrice(prices, index, 1));
        EXPECT_EQ(gGetDefaultPrice(prices, index), 0);
        std::string name;
        std::int32_t price = 0;
        EXPECT_FALSE(gGetPriceItem(prices, index, name, price));
    }
    EXPECT_EQ(prices, before);
}

TEST(Prices, SettingAPriceLeavesTheDefaultAndResetRestoresBoth) {
    PriceTable prices;
    ASSERT_TRUE(gSetItemPrice(prices, price::kCockpit, 1));
    EXPECT_EQ(prices.current[price::kCockpit], 1);
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
    EXPECT_EQ(prices.defaults[3], 20000);
    EXPECT_EQ(prices.current[55], 3000);
    EXPECT_EQ(prices.defaults[55], 3000);
}

} // namespace
} // namespace fpw::catalog
