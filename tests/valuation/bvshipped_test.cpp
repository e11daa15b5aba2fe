// The Battle Value over the shipped reference files: the records it recognises by position
// are where it expects them, and a design computes as by hand with the shipped tables.
#include <gtest/gtest.h>

#include <string>

#include "app/programcontext.h"
#include "catalog/bvdatafile.h"
#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "data/datafiles.h"
#include "model/mech.h"
#include "support/scripteduser.h"
#include "valuation/bvcalc.h"

namespace fpw::valuation {
namespace {

TEST(BVShippedData, RecognisedRecordsStandWhereTheCalculationLooks) {
    const catalog::WeaponTable& weapons = testing::builtWeapons();
    ASSERT_GT(weapons.size(), static_cast<std::size_t>(kHeatDissipatingRefID2));
    // The positions hold their records (see ShippedWeaponDatabase.NamedPositionsHoldTheirItems)
    // and no other record of these kinds is there for the positions to miss.
    for (std::size_t i = 0; i < weapons.size(); ++i) {
        const std::string& name = weapons[i].name;
        const bool c3 = name.find("C3") != std::string::npos && weapons[i].weaponType != 4;
        const bool pod = name.find("Coolant Pod") != std::string::npos;
        if (c3 || pod) {
            EXPECT_TRUE(i == kC3SlaveRefID || i == kC3MasterRefID || i == kImprovedC3RefID ||
                        i == kHeatDissipatingRefID1 || i == kHeatDissipatingRefID2)
                << name << " at " << i;
        }
    }
}

TEST(BVShippedData, ADesignWithTheShippedTables) {
    fpw::testing::ScriptedUser user;
    app::ProgramContext ctx(fpw::testing::programDirectory(), user);
    ctx.weapons = fpw::testing::builtWeapons();
    catalog::LoadBVData(ctx);
    ASSERT_TRUE(ctx.bvDataLoaded);

    model::Mech mech(ctx);
    mech.setTonnage(50);
    mech.setWalking(5);
    mech.SetArmor(catalog::kCenterTorso, 150);
    std::vector<model::WeaponEntry> list(3);
    const std::int16_t refs[] = {1 /* Medium Laser */, kC3MasterRefID, kHeatDissipatingRefID1};
    for (std::int16_t i = 0; i < 3; ++i) {
        list[i].refID = refs[i];
        list[i].weaponIndex = i;
        list[i].locations = {catalog::kRightArm};
    }
    mech.setWeapons(list);
    // defensive (300 + 83 * 1.5 + 50) = 474.5 * 1.3 = 616.85 (max heat 5 <= 11 dissipation:
    //   ten heat sinks and a coolant pod)
    // offensive 46 * 1.37 = 63.02; C3 46 * 35 / 100 = 16.1 -> 16; 695.87 -> 696
    const std::optional<BVResult> r = CalcBV(mech);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(HeatDissipation(mech), 11);
    EXPECT_EQ(r->battleValue, 696);
    EXPECT_EQ(mech.battleValue(), 696);
}

} // namespace
} // namespace fpw::valuation
