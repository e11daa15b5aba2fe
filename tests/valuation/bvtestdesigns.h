// The fixture and line lookups of the Battle Value tests over the weapon kit of
// bvtestweapons.h. The worked examples of the tests are computed by hand from its numbers.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/programcontext.h"
#include "bvtestweapons.h"
#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "model/mech.h"
#include "support/scripteduser.h"
#include "valuation/bvcalc.h"

namespace fpw::valuation::bvtest {

class BVTestBase : public ::testing::Test {
protected:
    BVTestBase() {
        ctx.weapons = testWeapons();
        ctx.bvTables = testTables();
        ctx.bvDataLoaded = true;
    }
    ~BVTestBase() override {
        // Building a design must not have reported anything.
        EXPECT_TRUE(user.messages.empty());
    }

    // The common base design: 50 tons, walking 5 (running 8), fusion engine, standard
    // structure and armour, 10 single heat sinks, 150 armour points of which 24 on the
    // centre torso and 9 on its rear.
    model::Mech baseDesign() {
        model::Mech mech(ctx);
        mech.setTechBase(catalog::kInnerSphere);
        mech.setTechLevel(1);
        mech.setTonnage(50);
        mech.setWalking(5);
        const std::int16_t armor[model::kArmorPositions] = {12, 16, 20, 20, 16, 12, 24, 9, 6, 6, 9};
        for (int loc = 0; loc < model::kArmorPositions; ++loc) {
            mech.SetArmor(loc, armor[loc]);
        }
        return mech;
    }

    BVResult calc(model::Mech& mech) {
        std::optional<BVResult> result = CalcBV(mech);
        if (!result) {
            ADD_FAILURE() << "no BV computed";
            return {};
        }
        EXPECT_EQ(mech.battleValue(), result->battleValue);
        return *result;
    }

    fpw::testing::ScriptedUser user;
    app::ProgramContext ctx{"/nonexistent/forgeplanwork", user};
};

} // namespace fpw::valuation::bvtest
