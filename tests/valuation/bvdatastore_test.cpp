#include "valuation/bvdatastore.h"

#include <gtest/gtest.h>

#include <limits>

namespace fpw::valuation {
namespace {

TEST(BVDataStore, LinesGoToTheirListAndIndicesOutsideGiveNothing) {
    BVDataStore store;
    store.AddItem("Add tonnage:", 50, true);
    store.AddItem("Base Weapon Rating", 12.5, false);
    store.AddItem("----------", "", true);
    EXPECT_EQ(store.DefensiveItemCount() * 10 + store.OffensiveItemCount(), 21);
    EXPECT_EQ(store.GetDefensiveDesc(0) + "|" + store.GetDefensiveValue(0), "Add tonnage:|50");
    EXPECT_EQ(store.GetOffensiveDesc(0) + "|" + store.GetOffensiveValue(0),
              "Base Weapon Rating|12.5");
    EXPECT_EQ(store.GetDefensiveDesc(2) + store.GetDefensiveValue(-1) + store.GetOffensiveDesc(1) +
                  store.GetOffensiveValue(-1),
              "");
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
