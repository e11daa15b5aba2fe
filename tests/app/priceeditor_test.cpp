#include "app/priceeditor.h"

#include <gtest/gtest.h>

#include "support/contextfixture.h"

namespace fpw::app {
namespace {

class PriceEditorTest : public ::testing::Test, protected testing::ContextFixture {
protected:
    PriceEditorTest() {
        for (const auto& [name, base] : {std::pair{"LRM-20", 0}, {"LRM-20", 1}, {"Flamer", 0}}) {
            catalog::WeaponRecord record;
            record.name = name;
            record.techBase = static_cast<std::int16_t>(base);
            record.cost = 1000;
            ctx.weapons.push_back(record);
        }
    }
};

TEST_F(PriceEditorTest, ListsNamedItemsAndTheWeaponsOfOneBaseWithTheirPrefix) {
    const std::vector<PriceRow> items = priceItemRows(ctx);
    ASSERT_EQ(items.size(), 55u);
    EXPECT_EQ(items[54], (PriceRow{"Artemis V", 54}));
    EXPECT_EQ(weaponPriceRows(ctx, 0),
              (std::vector<PriceRow>{{"(IS) LRM-20", 0}, {"(IS) Flamer", 2}}));
    EXPECT_EQ(weaponPriceRows(ctx, 1), (std::vector<PriceRow>{{"(C) LRM-20", 1}}));
}

TEST_F(PriceEditorTest, TakesOnlyWholeNumbersThatFitAndNamesTheEntryOtherwise) {
    for (const auto& [text, price] : {std::pair{" 2500 ", 2500},
                                      {"0", 0},
                                      {"12.5", -1},
                                      {"", -1},
                                      {"12 C-Bills", -1},
                                      {"3000000000", -1}}) {
        ctx.weapons[1].cost = 1000;
        user.messages.clear();
        EXPECT_EQ(SetWeaponPriceText(ctx, 1, text), price >= 0) << text;
        EXPECT_EQ(weaponPrice(ctx, 1), price >= 0 ? price : 1000) << text << " (-1: refused)";
        EXPECT_EQ(user.messages.size(), price >= 0 ? 0u : 1u) << text;
    }
    EXPECT_EQ(user.onlyMessage().title, "Invalid cost");
    EXPECT_EQ(user.onlyMessage().text, "The adjusted price for LRM-20 is not a valid number. The "
                                       "cost will not be changed.");

    EXPECT_FALSE(SetItemPriceText(ctx, 5, "abc"));
    EXPECT_EQ(user.messages.back().text, "The adjusted price for Cockpit is not a valid number. "
                                         "The cost will not be changed.");
    EXPECT_TRUE(SetItemPriceText(ctx, 5, "1"));
    EXPECT_EQ(itemPrice(ctx, 5), 1);
    EXPECT_FALSE(SetItemPriceText(ctx, 55, "1")) << "the unnamed item is not offered";
    EXPECT_EQ(itemPrice(ctx, 56), 0) << "no such item";
}

} // namespace
} // namespace fpw::app
