// The Battle Value over the shipped reference files: the records it recognises by position
// are where it expects them and nowhere else, and a design computes as by hand with the
// shipped tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/programcontext.h"
#include "catalog/bvdatafile.h"
#include "catalog/locations.h"
#include "data/datafiles.h"
#include "model/mech.h"
#include "support/scripteduser.h"
#include "valuation/bvcalc.h"

namespace fpw::valuation {
namespace {

TEST(BVShippedData, RecognisedRecordsStandWhereTheCalculationLooks) {
    fpw::testing::ScriptedUser user;
    app::ProgramContext ctx(fpw::testing::programDirectory(), user);
    ctx.weapons = fpw::testing::builtWeapons();
    catalog::LoadBVData(ctx);
    ASSERT_TRUE(ctx.bvDataLoaded);
    const std::vector<std::size_t> known{kC3SlaveRefID, kC3MasterRefID, kImprovedC3RefID,
                                         kHeatDissipatingRefID1, kHeatDissipatingRefID2};
    for (std::size_t i = 0; i < ctx.weapons.size(); ++i) {
        const std::string& name = ctx.weapons[i].name;
        const bool c3 = name.find("C3") != std::string::npos && ctx.weapons[i].weaponType != 4;
        if (c3 || name.find("Coolant Pod") != std::string::npos) {
            EXPECT_NE(std::find(known.begin(), known.end(), i), known.end()) << name << " at " << i;
        }
    }

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
    EXPECT_EQ(HeatDissipation(mech), 11);
    EXPECT_EQ(CalcBV(mech).value_or(BVResult{}).battleValue, 696);
}

} // namespace
} // namespace fpw::valuation
