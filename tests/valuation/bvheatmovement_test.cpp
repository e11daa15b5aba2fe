// The heat and movement rules of the Battle Value: maximum heat, dissipation and the movement
// factors.
#include <gtest/gtest.h>

#include "bvtestdesigns.h"
#include "valuation/bvcalc.h"

namespace fpw::valuation {
namespace {

using namespace bvtest;
using namespace catalog;

TEST_F(BVTestBase, MovementHeatByEngineAndJumpJets) {
    const std::array<std::int16_t, 4> cases[] = {
        // engine, jump jets, jumping MP, heat. XXL engines: 4 standing, standard jets 6 up to
        // 3 MP then 2 per MP, other jets 3 up to 6 MP then 1 per MP.
        {engine::kXXL, jumpjet::kStandard, 0, 4},
        {engine::kXXL, jumpjet::kStandard, 3, 6},
        {engine::kLargeXXL, jumpjet::kStandard, 4, 8},
        {engine::kXXL, jumpjet::kImproved, 6, 3},
        {engine::kXXL, jumpjet::kImproved, 7, 7},
        // Other engines: 2 standing, standard jets 3 up to 3 MP then 1 per MP, other jets 3 up
        // to 6 MP then half the MP rounded up.
        {engine::kFusion, jumpjet::kStandard, 0, 2},
        {engine::kXL, jumpjet::kStandard, 3, 3},
        {engine::kFusion, jumpjet::kStandard, 4, 4},
        {engine::kCompact, jumpjet::kImproved, 6, 3},
        {engine::kFusion, jumpjet::kImproved, 7, 4},
        {engine::kLarge, jumpjet::kImproved, 9, 5},
    };
    for (const auto& [engineType, jumpJets, jumping, heat] : cases) {
        SCOPED_TRACE(::testing::Message() << engineType << "/" << jumpJets << "/" << jumping);
        model::Mech mech(ctx);
        mech.setTonnage(50);
        mech.setWalking(4);
        mech.setEngineType(engineType);
        mech.setJumpJetType(jumpJets);
        mech.setJumping(jumping);
        EXPECT_EQ(MaxHeatForBV(mech, ctx.weapons), heat);
        mech.setNullSigSys(true);
        EXPECT_EQ(MaxHeatForBV(mech, ctx.weapons), heat + 10);
    }
}

TEST_F(BVTestBase, UltraWeaponsCountDoubleHeatAndStreaksHalfRoundedToEven) {
    model::Mech mech = baseDesign();
    // walking: 2; Streak: 2 + 1.5 = 3.5 -> 4; second Streak: 4 + 1.5 = 5.5 -> 6
    mount(mech, {{kStreakSRM4, kLeftTorso}, {kStreakSRM4, kRightTorso}});
    EXPECT_EQ(MaxHeatForBV(mech, ctx.weapons), 6);
    // Ultra AC/5: 2 * 1 = 2; ammunition has no heat; a rear laser is not fired with the rest
    mount(mech,
          {{kUltraAC5, kLeftTorso}, {kAC20Ammo, kLeftTorso}, {kLargeLaser, kCenterTorso, true}});
    EXPECT_EQ(MaxHeatForBV(mech, ctx.weapons), 4);
}

TEST_F(BVTestBase, HeatDissipationByHeatSinkTypeAndItems) {
    model::Mech mech = baseDesign();
    mech.setHSCount(12);
    for (std::int16_t type = heatsink::kSingle; type <= heatsink::kClanDouble; ++type) {
        mech.setHSType(type);
        EXPECT_EQ(HeatDissipation(mech), type == heatsink::kSingle ? 12 : 24) << type;
    }
    mech.setHSType(heatsink::kSingle);
    mount(mech, {{kHeatItem1, kLeftTorso},
                 {kHeatItem2, kRightTorso},
                 {kHeatItem2, kRightTorso},
                 {kMediumLaser, kRightArm}});
    EXPECT_EQ(HeatDissipation(mech), 15);
}

TEST(BVFactors, BeyondTheTablesTheLastStepContinuesAndTheFormulaTakesOver) {
    BVTables tables = testTables();
    EXPECT_NEAR(DefensiveMovementFactor(tables, 6), 1.6, 1e-12);
    tables.defensiveMovementFactor = {1.0, 1.2, 1.4, 1.6, 1.9, 2.3};
    EXPECT_DOUBLE_EQ(DefensiveMovementFactor(tables, 5), 2.3);
    EXPECT_NEAR(DefensiveMovementFactor(tables, 6), 2.7, 1e-12);
    // Speed factors from the table up to 25, then ((S - 5) / 10 + 1) ^ 1.2 to two decimals.
    tables.offensiveSpeedFactor[25] = 9.99;
    EXPECT_DOUBLE_EQ(OffensiveSpeedFactor(tables, 0), 0.44);
    EXPECT_DOUBLE_EQ(OffensiveSpeedFactor(tables, 25), 9.99);
    EXPECT_DOUBLE_EQ(OffensiveSpeedFactor(tables, 26), 3.89); // 3.1 ^ 1.2 = 3.8872
    EXPECT_DOUBLE_EQ(OffensiveSpeedFactor(tables, 30), 4.5);  // 3.5 ^ 1.2 = 4.4966
}

} // namespace
} // namespace fpw::valuation
