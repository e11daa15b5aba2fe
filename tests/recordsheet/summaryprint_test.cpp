// The summary printouts on the recording surface: the texts and where the values go.
#include "recordsheet/summaryprint.h"

#include <gtest/gtest.h>

#include "model/mech.h"
#include "recordsheet/recordingsurface.h"
#include "recordsheet/sheetdesigns.h"
#include "valuation/bvdatastore.h"

namespace fpw::recordsheet {
namespace {

TEST(SummaryPrint, CostBreakdownOfADesignWithoutWeapons) {
    testing::SheetKit kit;
    model::Mech mech(kit.ctx);
    mech.setMechName("Locust");
    mech.setMechModel("LCT-1V");
    mech.setTechLevel(1);
    mech.setTonnage(20);
    mech.setWalking(8);
    testing::refresh(mech);
    RecordingSurface surface;
    PrintSummary(mech, surface);
    EXPECT_EQ(surface.textLines().at(0), "Cost breakdown for Locust LCT-1V - Level 1");
    const RecordedText* weapons = surface.find("Weapons and Equipment");
    const RecordedText* total = surface.find("Total weapon cost:");
    ASSERT_TRUE(weapons && total);
    EXPECT_TRUE(weapons->font.bold);
    // Nothing between the heading and the total: their lines follow each other.
    EXPECT_EQ(weapons + 1, total);
    EXPECT_EQ((total + 1)->text, "0 C-Bills");
    EXPECT_GT((total + 1)->x, surface.pageWidth() / 2);
    EXPECT_EQ(surface.startingWith("Total Cost: ").size(), 1u);
}

TEST(SummaryPrint, BVLinesWithEmptyValuesAndLongDescriptions) {
    testing::SheetKit kit;
    model::Mech mech = kit.hunchback();
    valuation::BVDataStore store;
    const std::string longText(300, 'w');
    store.AddItem("Armor factor", "160", true);
    store.AddItem("", "", true);
    store.AddItem("Heading only", "", true);
    store.AddItem(longText, "12.5", false);
    RecordingSurface surface(540, 60); // room for a few lines a page
    PrintBVCalcs(mech, store, surface);
    EXPECT_EQ(
        surface.textLines(),
        (std::vector<std::string>{"Battle Value calculations for Hunchback HBK-4G - Level 1",
                                  "Defensive BattleValue", "Armor factor", "160", "Heading only",
                                  "Offensive BattleValue", surface.texts()[6].text, "12.5"}));
    // The long description stays on one line before the value column, shrunk and cut.
    const RecordedText& description = surface.texts()[6];
    EXPECT_EQ(description.y, surface.texts()[7].y);
    EXPECT_LT(description.text.size(), longText.size());
    EXPECT_EQ(description.text, longText.substr(0, description.text.size()));
    // The blank line keeps its place, and the lines run on over further pages.
    EXPECT_GT(surface.find("Heading only")->y - surface.find("Armor factor")->y,
              1.5 * surface.find("Armor factor")->font.size);
    EXPECT_GT(surface.pageCount(), 1);
}

} // namespace
} // namespace fpw::recordsheet
