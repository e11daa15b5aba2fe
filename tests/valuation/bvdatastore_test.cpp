#include "valuation/bvdatastore.h"

#include <gtest/gtest.h>

#include <limits>

namespace fpw::valuation {
namespace {

TEST(BVDataStore, KeepsEachListInOrder) {
    BVDataStore store;
    EXPECT_EQ(store.GetOffensiveValue(0), "");
    store.AddItem("Add tonnage:", 50, true);
    store.AddItem("Base Weapon Rating", 12.5, false);
    store.AddItem("----------", "", true);
    store.AddItem("Total Offensive BV", std::string("17"), false);

    ASSERT_EQ(store.DefensiveItemCount(), 2);
    ASSERT_EQ(store.OffensiveItemCount(), 2);
    EXPECT_EQ(store.GetDefensiveDesc(0), "Add tonnage:");
    EXPECT_EQ(store.GetDefensiveValue(0), "50");
    EXPECT_EQ(store.GetDefensiveDesc(1), "----------");
    EXPECT_EQ(store.GetDefensiveValue(1), "");
    EXPECT_EQ(store.GetOffensiveDesc(0), "Base Weapon Rating");
    EXPECT_EQ(store.GetOffensiveValue(0), "12.5");
    EXPECT_EQ(store.GetOffensiveDesc(1), "Total Offensive BV");
    EXPECT_EQ(store.GetOffensiveValue(1), "17");
    // Outside the lists: empty, never another list's line.
    EXPECT_EQ(store.GetDefensiveDesc(2), "");
    EXPECT_EQ(store.GetDefensiveDesc(-1), "");
    EXPECT_EQ(store.GetOffensiveDesc(2), "");
}

TEST(BVDataStore, NumbersAsText) {
    const std::pair<double, const char*> cases[] = {
        {0.98, "0.98"},
        {474.5 * 1.3, "616.85"}, // binary noise beyond 15 digits is not shown
        {0.1 * 3, "0.3"},
        {-0.0, "0"},
        {248.0 * 10 / 18, "137.777777777778"},
        {0.0001234, "0.0001234"},
        {123456789012345.6, "123456789012346"},
        {2.0 / 3, "0.666666666666667"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(numberText(value), text) << value;
    }
    EXPECT_EQ(numberText(std::numeric_limits<double>::quiet_NaN()), "NaN");
}

} // namespace
} // namespace fpw::valuation
