#include "reports/bvreport.h"

#include <gtest/gtest.h>

#include "app/programcontext.h"
#include "model/mech.h"
#include "support/scripteduser.h"
#include "valuation/bvdatastore.h"

namespace fpw::reports {
namespace {

TEST(BVReport, PrintoutListsDefensiveThenOffensiveUnderBoldHeadingsAfterItsTitle) {
    testing::ScriptedUser user;
    app::ProgramContext ctx("/nonexistent/forgeplanwork", user);
    model::Mech mech(ctx);
    mech.setMechName("Hunchback");
    mech.setMechModel("HBK-4G");
    mech.setTechLevel(2);
    valuation::BVDataStore store;
    store.AddItem("Add (armor factor * 2): ", "150 * 2", true);
    store.AddItem("", "", true);
    store.AddItem("Base Weapon Rating", 0, false);
    store.AddItem("Final Battle Value:", 617, false);
    const ReportLines expected = {
        {"Battle Value calculations for Hunchback HBK-4G - Level 2", "", true},
        {"Defensive BattleValue", "", true},
        {"Add (armor factor * 2): ", "150 * 2", false},
        {"", "", false},
        {"Offensive BattleValue", "", true},
        {"Base Weapon Rating", "0", false},
        {"Final Battle Value:", "617", false},
    };
    EXPECT_EQ(BVCalcsPrintLines(mech, store), expected);
    EXPECT_EQ(BVPanelLines(store), ReportLines(expected.begin() + 1, expected.end()));
    EXPECT_EQ(BVPanelLines(valuation::BVDataStore{}), (ReportLines{expected[1], expected[4]}));
}

} // namespace
} // namespace fpw::reports
