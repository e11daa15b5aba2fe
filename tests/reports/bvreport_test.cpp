#include "reports/bvreport.h"

#include <gtest/gtest.h>

#include "app/programcontext.h"
#include "model/mech.h"
#include "support/scripteduser.h"
#include "valuation/bvdatastore.h"

namespace fpw::reports {
namespace {

valuation::BVDataStore sampleLines() {
    valuation::BVDataStore store;
    store.AddItem("Add (armor factor * 2): ", "150 * 2", true);
    store.AddItem("", "", true);
    store.AddItem("Total Defensive BV", 616.85, true);
    store.AddItem("Base Weapon Rating", 0, false);
    store.AddItem("Final Battle Value:", 617, false);
    return store;
}

TEST(BVReport, PanelListsDefensiveThenOffensiveUnderBoldHeadings) {
    const ReportLines expected = {
        {"Defensive BattleValue", "", true},
        {"Add (armor factor * 2): ", "150 * 2", false},
        {"", "", false},
        {"Total Defensive BV", "616.85", false},
        {"Offensive BattleValue", "", true},
        {"Base Weapon Rating", "0", false},
        {"Final Battle Value:", "617", false},
    };
    EXPECT_EQ(BVPanelLines(sampleLines()), expected);
}

TEST(BVReport, AnEmptyCalculationShowsOnlyTheHeadings) {
    const ReportLines expected = {{"Defensive BattleValue", "", true},
                                  {"Offensive BattleValue", "", true}};
    EXPECT_EQ(BVPanelLines(valuation::BVDataStore{}), expected);
}

TEST(BVReport, PrintoutStartsWithItsTitle) {
    testing::ScriptedUser user;
    app::ProgramContext ctx("/nonexistent/forgeplanwork", user);
    model::Mech mech(ctx);
    mech.setMechName("Hunchback");
    mech.setMechModel("HBK-4G");
    mech.setTechLevel(2);
    const ReportLines lines = BVCalcsPrintLines(mech, sampleLines());
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0],
              (ReportLine{"Battle Value calculations for Hunchback HBK-4G - Level 2", "", true}));
    const ReportLines panel = BVPanelLines(sampleLines());
    EXPECT_TRUE(std::equal(panel.begin(), panel.end(), lines.begin() + 1));
}

} // namespace
} // namespace fpw::reports
