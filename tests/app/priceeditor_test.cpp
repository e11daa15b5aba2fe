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
    struct Case {
        const char* text;
        bool taken;
        std::int32_t price;
    };
    for (const Case& c : {Case{" 2500 ", true, 2500}, Case{"0", true, 0}, Case{"12.5", false, 1000},
                          Case{"", false, 1000}, Case{"12 C-Bills", false, 1000},
                          Case{"3000000000", false, 1000}}) {
        ctx.weapons[1].cost = 1000;
        user.messages.clear();
        EXPECT_EQ(SetWeaponPriceText(ctx, 1, c.text), c.taken) << c.text;
        EXPECT_EQ(weaponPrice(ctx, 1), c.price) << c.text;
        EXPECT_EQ(user.messages.size(), c.taken ? 0u : 1u) << c.text;
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
