// The heat and movement rules of the Battle Value: maximum heat, dissipation, target
// modifiers, the movement enhancements and the speed factor.
#include <gtest/gtest.h>

#include <algorithm>

#include "bvtestdesigns.h"
#include "valuation/bvcalc.h"

namespace fpw::valuation {
namespace {

using namespace bvtest;

struct MovementHeatCase {
    std::int16_t engine;
    std::int16_t jumpJets;
    std::int16_t jumping;
    std::int16_t expected;
};

class BVMovementHeat : public BVTestBase, public ::testing::WithParamInterface<MovementHeatCase> {};

INSTANTIATE_TEST_SUITE_P(
    Engines, BVMovementHeat,
    ::testing::Values(
        // XXL engines: 4 standing, standard jets 6 up to 3 MP then 2 per MP, other jets 3 up
        // to 6 MP then 1 per MP
        MovementHeatCase{catalog::engine::kXXL, catalog::jumpjet::kStandard, 0, 4},
        MovementHeatCase{catalog::engine::kXXL, catalog::jumpjet::kStandard, 3, 6},
        MovementHeatCase{catalog::engine::kLargeXXL, catalog::jumpjet::kStandard, 4, 8},
        MovementHeatCase{catalog::engine::kXXL, catalog::jumpjet::kImproved, 6, 3},
        MovementHeatCase{catalog::engine::kXXL, catalog::jumpjet::kImproved, 7, 7},
        // other engines: 2 standing, standard jets 3 up to 3 MP then 1 per MP, other jets
        // 3 up to 6 MP then half the MP rounded up
        MovementHeatCase{catalog::engine::kFusion, catalog::jumpjet::kStandard, 0, 2},
        MovementHeatCase{catalog::engine::kXL, catalog::jumpjet::kStandard, 3, 3},
        MovementHeatCase{catalog::engine::kFusion, catalog::jumpjet::kStandard, 4, 4},
        MovementHeatCase{catalog::engine::kCompact, catalog::jumpjet::kImproved, 6, 3},
        MovementHeatCase{catalog::engine::kFusion, catalog::jumpjet::kImproved, 7, 4},
        MovementHeatCase{catalog::engine::kLarge, catalog::jumpjet::kImproved, 9, 5}));

TEST_P(BVMovementHeat, ByEngineAndJumpJets) {
    const MovementHeatCase& c = GetParam();
    model::Mech mech(ctx);
    mech.setTonnage(50);
    mech.setWalking(4);
    mech.setEngineType(c.engine);
    mech.setJumpJetType(c.jumpJets);
    mech.setJumping(c.jumping);
    EXPECT_EQ(MaxHeatForBV(mech, ctx.weapons), c.expected);
    mech.setNullSigSys(true);
    EXPECT_EQ(MaxHeatForBV(mech, ctx.weapons), c.expected + 10);
}

TEST_F(BVTestBase, UltraWeaponsCountDoubleHeatAndStreaksHalfRoundedToEven) {
    model::Mech mech = baseDesign();
    // walking: 2; Streak: 2 + 1.5 = 3.5 -> 4; second Streak: 4 + 1.5 = 5.5 -> 6
    mount(mech, {{kStreakSRM4, catalog::kLeftTorso}, {kStreakSRM4, catalog::kRightTorso}});
    EXPECT_EQ(MaxHeatForBV(mech, ctx.weapons), 6);
    // Ultra AC/5: 2 * 1 = 2; ammunition has no heat; a rear laser is not fired with the rest
    mount(mech, {{kUltraAC5, catalog::kLeftTorso},
                 {kAC20Ammo, catalog::kLeftTorso},
                 {kLargeLaser, catalog::kCenterTorso, true}});
    EXPECT_EQ(MaxHeatForBV(mech, ctx.weapons), 4);
}

TEST_F(BVTestBase, HeatDissipationByHeatSinkTypeAndItems) {
    model::Mech mech = baseDesign();
    mech.setHSCount(12);
    const std::pair<std::int16_t, std::int16_t> cases[] = {{catalog::heatsink::kSingle, 12},
                                                           {catalog::heatsink::kDouble, 24},
                                                           {catalog::heatsink::kCompact, 24},
                                                           {catalog::heatsink::kLaser, 24},
                                                           {catalog::heatsink::kClanDouble, 24}};
    for (const auto& [type, expected] : cases) {
        mech.setHSType(type);
        EXPECT_EQ(HeatDissipation(mech), expected) << "heat sink type " << type;
    }
    mech.setHSType(catalog::heatsink::kSingle);
    mount(mech, {{kHeatItem1, catalog::kLeftTorso},
                 {kHeatItem2, catalog::kRightTorso},
                 {kHeatItem2, catalog::kRightTorso},
                 {kMediumLaser, catalog::kRightArm}});
    EXPECT_EQ(HeatDissipation(mech), 15);
}

TEST(BVFactors, ModifierSixContinuesTheTablesLastStep) {
    catalog::BVTables tables = testTables();
    EXPECT_DOUBLE_EQ(DefensiveMovementFactor(tables, 5), 1.5);
    EXPECT_NEAR(DefensiveMovementFactor(tables, 6), 1.6, 1e-12);
    tables.defensiveMovementFactor = {1.0, 1.2, 1.4, 1.6, 1.9, 2.3};
    EXPECT_NEAR(DefensiveMovementFactor(tables, 6), 2.7, 1e-12);
}

TEST(BVFactors, SpeedFactorFromTheTableUpToTwentyFiveThenTheFormula) {
    catalog::BVTables tables = testTables();
    tables.offensiveSpeedFactor[25] = 9.99;
    EXPECT_DOUBLE_EQ(OffensiveSpeedFactor(tables, 0), 0.44);
    EXPECT_DOUBLE_EQ(OffensiveSpeedFactor(tables, 25), 9.99);
    // ((S - 5) / 10 + 1) ^ 1.2 to two decimals
    EXPECT_DOUBLE_EQ(OffensiveSpeedFactor(tables, 26), 3.89); // 3.1 ^ 1.2 = 3.8872
    EXPECT_DOUBLE_EQ(OffensiveSpeedFactor(tables, 30), 4.5);  // 3.5 ^ 1.2 = 4.4966
}

struct EnhancementCase {
    const char* what;
    std::int16_t walking;
    std::int16_t jumping;
    bool masc;
    bool supercharger;
    bool tsm;
    int modifier;
};

class BVMovementEnhancement : public BVTestBase,
                              public ::testing::WithParamInterface<EnhancementCase> {};

INSTANTIATE_TEST_SUITE_P(
    Rows, BVMovementEnhancement,
    ::testing::Values(
        // running 8 -> 3
        EnhancementCase{"none", 5, 0, false, false, false, 3},
        // 2 * 5 = 10 -> 4
        EnhancementCase{"MASC", 5, 0, true, false, false, 4},
        EnhancementCase{"MASC and TSM", 5, 0, true, false, true, 4},
        // Int(2.5 * 6) = 15 -> 5 (2 * 6 = 12 would give 4)
        EnhancementCase{"MASC and supercharger", 6, 0, true, true, false, 5},
        // 2 * (5 + 1) = 12 -> 4; doubling the boosted running MP, 2 * (6 + 3) = 18, gave 5
        EnhancementCase{"supercharger and TSM", 5, 0, false, true, true, 4},
        EnhancementCase{"supercharger", 5, 0, false, true, false, 4},
        // walking 4 runs 6 (-> 2); with TSM 5 + 3 = 8 -> 3
        EnhancementCase{"TSM", 4, 0, false, false, true, 3},
        // jumping 7: TMM 3 + 1 = 4
        EnhancementCase{"jump", 5, 7, false, false, false, 4},
        // jumping 14: TMM 5 + 1 = 6, one past the table
        EnhancementCase{"long jump", 5, 14, false, false, false, 6}),
    [](const auto& info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST_P(BVMovementEnhancement, TakesTheLargestModifier) {
    const EnhancementCase& c = GetParam();
    model::Mech mech = baseDesign();
    mech.setWalking(c.walking);
    mech.setJumping(c.jumping);
    mech.setMASC(c.masc ? 1 : 0);
    mech.setSupercharger(c.supercharger);
    mech.setTSM(c.tsm);
    mech.setHSCount(30); // keep jump heat out of the picture
    const BVResult r = calc(mech);
    const double factor = DefensiveMovementFactor(ctx.bvTables, c.modifier);
    EXPECT_TRUE(hasLine(r.lines.defensiveItems(),
                        "Max target modifier of " + std::to_string(c.modifier) +
                            " = defensive movement factor of " + numberText(factor)));
}

} // namespace
} // namespace fpw::valuation
