// Worked examples of the Battle Value, each computed by hand as a player checks a design.
//
// The base design of bvtestdesigns.h: 50 tons, walking 5 / running 8, fusion engine,
// standard structure, 150 points of standard armour, 10 single heat sinks.
//   armour      150 * 2                                   = 300
//   structure   3 + 16 + 2 * 12 + 2 * 8 + 2 * 12 = 83; * 1.5 = 124.5
//   tonnage                                               = 50
//   base before equipment and penalties                   = 474.5
//   running 8 hexes: target modifier 3, factor 1.3; speed rating 8: factor 1.37
#include "valuation/bvcalc.h"

#include <gtest/gtest.h>

#include "bvtestdesigns.h"

namespace fpw::valuation {
namespace {

using namespace bvtest;
using catalog::kCenterTorso;
using catalog::kCenterTorsoRear;
using catalog::kHead;
using catalog::kLeftArm;
using catalog::kLeftLeg;
using catalog::kLeftTorso;
using catalog::kRightArm;
using catalog::kRightTorso;

class BVWorkedExample : public BVTestBase {};

TEST_F(BVWorkedExample, DesignWithoutWeapons) {
    model::Mech mech = baseDesign();
    // defensive: 474.5, no heat penalty (max heat 2 < 10 dissipation) = 474.5 * 1.3 = 616.85
    // offensive: rating 0 * 1.37 = 0
    // total 616.85 -> 617
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, 617);
    EXPECT_NEAR(r.defensiveBV, 616.85, 1e-9);
    EXPECT_DOUBLE_EQ(r.offensiveBV, 0);
    EXPECT_NEAR(r.rawBattleValue, 616.85, 1e-9);

    const auto& d = r.lines.defensiveItems();
    const std::vector<BVDataStore::Item> expectedDefensive = {
        {"Add (armor factor * 2): ", "150 * 2"},
        {"Internal Structure battle value: ", "83"},
        {"Add (internal structure * EngineMultiplier): ", "83 * 1.5"},
        {"Add tonnage:", "50"},
        {"Heat Dissipation is greater than Max Possible Heat, no heat modification needed", ""},
        {"Add 5 points per armored critical slot: (5 * 0)", "0"},
        {"----------", ""},
        {"Base Defensive Battle Value", "474.5"},
        {"", ""},
        {"Max target modifier of 3 = defensive movement factor of 1.3", ""},
        {"Multiply (Base BattleValue * Defensive movement factor) : (474.5 * 1.3)", ""},
        {"----------", ""},
        {"Total Defensive BV", "616.85"},
    };
    EXPECT_EQ(d, expectedDefensive);

    const std::vector<BVDataStore::Item> expectedOffensive = {
        {"Add BV of all non-defensive items. 1/2 BV for rear mounted weapons", ""},
        {"----------", ""},
        {"Base Weapon Rating", "0"},
        {"Max Heat Dissipation is larger than Max Heat Generation. No weapon BV modification "
         "required.",
         ""},
        {"Offensive speed rating of 8 = 1.37 speed factor multiplier", ""},
        {"Multiply (Base Weapon Rating * Offensive Speed Factor): (0 * 1.37)", ""},
        {"----------", ""},
        {"Total Offensive BV", "0"},
        {"Add Defensive Battle value and Offensive Battle Value", ""},
        {"     616.85 + 0 = 616.85", ""},
        {"----------", ""},
        {"", ""},
        {"Round Total Battle Value to nearest whole number to get final Battle Value", ""},
        {"", ""},
        {"Final Battle Value:", "617"},
    };
    EXPECT_EQ(r.lines.offensiveItems(), expectedOffensive);
}

TEST_F(BVWorkedExample, HeatNeutralDesign) {
    model::Mech mech = baseDesign();
    mount(mech, {{kLargeLaser, kLeftArm}});
    // max heat 2 (walking, no jump) + 8 = 10 = dissipation 10: E = 0, no penalty, no adjustment
    // defensive 474.5 * 1.3 = 616.85; offensive 124 * 1.37 = 169.88; total 786.73 -> 787
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, 787);
    EXPECT_NEAR(r.offensiveBV, 169.88, 1e-9);
    const auto& d = r.lines.defensiveItems();
    const auto& o = r.lines.offensiveItems();
    EXPECT_TRUE(hasLine(
        d, "Heat Dissipation is greater than Max Possible Heat, no heat modification needed"));
    EXPECT_FALSE(hasLineStarting(d, "Subtract ((MaxHeat"));
    EXPECT_TRUE(hasLine(o, "Max Heat Dissipation is larger than Max Heat Generation. No weapon "
                           "BV modification required."));
    EXPECT_EQ(lineValue(o, "     (1) Large Laser"), "124");
}

TEST_F(BVWorkedExample, OverheatingDesignAdjustsTheWeaponRating) {
    model::Mech mech = baseDesign();
    mount(mech, {{kLargeLaser, kLeftArm}, {kLargeLaser, kRightArm}});
    // max heat 2 + 8 + 8 = 18, dissipation 10
    // defensive: 474.5 - (18 - 10) * 5 = 434.5; * 1.3 = 564.85
    // weapons 248: X = 10 * 248 / 18 = 137.7778, Y = (248 - 137.7778) / 2 = 55.1111,
    //   adjusted 192.8889; * 1.37 = 264.2578
    // total 564.85 + 264.2578 = 829.1078 -> 829
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, 829);
    EXPECT_NEAR(r.defensiveBV, 564.85, 1e-9);
    EXPECT_NEAR(r.offensiveBV, 248.0 * 28 / 36 * 1.37, 1e-9);
    const auto& d = r.lines.defensiveItems();
    EXPECT_EQ(lineValue(d, "Subtract ((MaxHeat - MaxHeatDissipation) * 5): (18 - 10) * 5"), "- 40");
    EXPECT_EQ(lineValue(d, "Base Defensive Battle Value"), "434.5");

    const auto& o = r.lines.offensiveItems();
    EXPECT_EQ(lineValue(o, "     (2) Large Laser"), "248");
    EXPECT_TRUE(hasLine(o, "Max Heat Dissipation is smaller than Max Heat Generation. Adjust "
                           "base weapon rating as follows:"));
    EXPECT_TRUE(hasLine(o, "     X = (HeatDissipation * Base Weapon Rating) / Max Heat"));
    EXPECT_TRUE(hasLine(o, "     Y = (Base Weapon Rating - X) / 2"));
    EXPECT_TRUE(hasLine(o, "     Adjusted Base Weapon Rating = X + Y"));
    EXPECT_EQ(lineValue(o, "     X = (10 * 248) / 18"), "137.777777777778");
    EXPECT_EQ(lineValue(o, "     Y = (248 - 137.777777777778) / 2"), "55.1111111111111");
    EXPECT_EQ(lineValue(o, "     Adjusted Base Weapon Rating = 137.777777777778 + "
                           "55.1111111111111"),
              "192.888888888889");
    EXPECT_TRUE(hasLine(o, "Multiply (Base Weapon Rating * Offensive Speed Factor): "
                           "(192.888888888889 * 1.37)"));
}

TEST_F(BVWorkedExample, RearWeaponsCountHalfWithoutMultiTracII) {
    model::Mech mech = baseDesign();
    mount(mech, {{kMediumLaser, kRightArm}, {kMediumLaser, kCenterTorso, true}});
    // heat: the rear laser is skipped: 2 + 3 = 5 <= 10
    // weapons 46 + 46 / 2 = 69; * 1.37 = 94.53; total 616.85 + 94.53 = 711.38 -> 711
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, 711);
    const auto& o = r.lines.offensiveItems();
    EXPECT_TRUE(hasLine(o, "Add BV of all non-defensive items. 1/2 BV for rear mounted weapons"));
    EXPECT_EQ(lineValue(o, "     (1) Medium Laser"), "46");
    EXPECT_EQ(lineValue(o, "     (1) Medium Laser(R)"), "23");
    EXPECT_EQ(lineValue(o, "Base Weapon Rating"), "69");
    EXPECT_EQ(MaxHeatForBV(mech, ctx.weapons), 5);
}

TEST_F(BVWorkedExample, RearWeaponsCountFullWithMultiTracII) {
    model::Mech mech = baseDesign();
    mech.setTargSysType(catalog::targeting::kMultiTracII);
    mount(mech, {{kMediumLaser, kRightArm}, {kMediumLaser, kCenterTorso, true}});
    // heat counts the rear laser too: 2 + 3 + 3 = 8 <= 10
    // weapons 46 + 46 = 92; * 1.37 = 126.04; total 616.85 + 126.04 = 742.89 -> 743
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, 743);
    const auto& o = r.lines.offensiveItems();
    EXPECT_TRUE(hasLine(o, "Add BV of all non-defensive items. Use full BV for rear mounted "
                           "weapons due to Multi-Trac II"));
    EXPECT_EQ(lineValue(o, "     (1) Medium Laser(R)"), "46");
    EXPECT_EQ(lineValue(o, "Base Weapon Rating"), "92");
    EXPECT_EQ(MaxHeatForBV(mech, ctx.weapons), 8);
}

TEST_F(BVWorkedExample, ArtemisIVAndVLaunchers) {
    model::Mech mech = baseDesign();
    mech.setHSCount(12);
    mech.setArtemisLRM(catalog::kArtemisIV);
    mech.setArtemisSRM(catalog::kArtemisV);
    mount(mech, {{kLRM20, kLeftTorso}, {kSRM6, kRightTorso}});
    // heat 2 + 6 + 4 = 12 = dissipation 12
    // LRM 20: 181 + 181 / 10 * 2 = 217.2; SRM 6: 59 + 59 / 10 * 3 = 76.7; sum 293.9
    // offensive 293.9 * 1.37 = 402.643; total 616.85 + 402.643 = 1019.493 -> 1019
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, 1019);
    EXPECT_NEAR(r.offensiveBV, 402.643, 1e-9);
    const auto& o = r.lines.offensiveItems();
    EXPECT_EQ(lineValue(o, "     (1) LRM 20 w/ Artemis IV"), "217");
    EXPECT_EQ(lineValue(o, "     (1) SRM 6 w/ Artemis V"), "77");
    EXPECT_EQ(lineValue(o, "Base Weapon Rating"), "293.9");
}

TEST_F(BVWorkedExample, TargetingComputer) {
    model::Mech mech = baseDesign();
    mech.setTargSysType(catalog::targeting::kTargetingComputer);
    mech.SetCase(kLeftTorso, catalog::kStandardCase);
    mount(mech, {{kLargeLaser, kLeftArm},
                 {kSmallLaser, kCenterTorso, true},
                 {kAC20Ammo, kLeftTorso},
                 {kLRM20, kRightTorso, true}});
    // heat: 2 + 8 (rear weapons skipped) = 10 = dissipation
    // weapons: 124 + 9 / 2 + 20 + 181 / 2 = 239
    // linked: 124 + RoundUp(9 / 2) = 129 (ammunition never, the LRM is not linkable)
    //   20%: 129 / 5 = 25.8; rating 264.8
    // offensive 264.8 * 1.37 = 362.776; total 616.85 + 362.776 = 979.626 -> 980
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, 980);
    const auto& o = r.lines.offensiveItems();
    EXPECT_EQ(lineValue(o, "Add 20% of BV of all weapons linked to Targeting Computer. Use 1/2 BV "
                           "for rear mounted weapons."),
              "25.8");
    // 4.5 converted to a whole number goes to the even neighbour.
    EXPECT_EQ(lineValue(o, "     (1) Small Laser(R)"), "4");
    EXPECT_EQ(lineValue(o, "     (1) LRM 20(R)"), "90");
    EXPECT_EQ(lineValue(o, "Base Weapon Rating"), "264.8");
}

TEST_F(BVWorkedExample, ExplosiveAmmoOfAClanDesign) {
    model::Mech mech = baseDesign();
    mech.setTechBase(catalog::kClan);
    mount(mech, {{kLRM20Ammo, kCenterTorso},
                 {kLRM20Ammo, kLeftLeg},
                 {kLRM20Ammo, kHead},
                 {kLRM20Ammo, kLeftTorso},
                 {kLRM20Ammo, -1}});
    // counted: centre torso, leg, head = 3 tons (side torso free on a Clan design, the
    //   unplaced ton not yet anywhere): 3 * 20 = 60
    // defensive (474.5 - 60) * 1.3 = 538.85; weapons 5 * 23 = 115 * 1.37 = 157.55
    // total 696.4 -> 696
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, 696);
    EXPECT_EQ(lineValue(r.lines.defensiveItems(),
                        "Subtract 20 points per ton of explosive ammo in CT, Legs or Head: 3 * 20"),
              "- 60");
}

TEST_F(BVWorkedExample, ExplosiveAmmoWithStandardEngineAndCaseInASideTorso) {
    model::Mech mech = baseDesign();
    mech.SetCase(kLeftTorso, catalog::kStandardCase);
    mount(mech, {{kLRM20Ammo, kLeftTorso},
                 {kLRM20Ammo, kRightTorso},
                 {kLRM20Ammo, kLeftArm},
                 {kLRM20Ammo, kRightArm},
                 {kLRM20Ammo, kCenterTorso},
                 {kGaussAmmo, kCenterTorso}});
    // counted: right torso (no CASE), right arm (its torso has none), centre torso = 3 tons;
    //   the left torso and the arm on its side are protected, Gauss ammunition does not
    //   explode: 3 * 20 = 60
    // defensive (474.5 - 60) * 1.3 = 538.85; weapons 5 * 23 + 37 = 152 * 1.37 = 208.24
    // total 747.09 -> 747
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, 747);
    EXPECT_EQ(lineValue(r.lines.defensiveItems(),
                        "Subtract 20 points per ton of explosive ammo in CT, Legs or Head or "
                        "Un-CASEd torsos or Arms attached to Un-CASEd torsos: 3 * 20"),
              "- 60");
}

TEST_F(BVWorkedExample, ExplosiveAmmoWithXLEngineAndCaseII) {
    model::Mech mech = baseDesign();
    mech.setEngineType(catalog::engine::kXL);
    mech.SetCase(kLeftTorso, catalog::kCaseII);
    mech.SetCase(kRightTorso, catalog::kStandardCase);
    mount(mech, {{kLRM20Ammo, kLeftTorso},
                 {kLRM20Ammo, kRightTorso},
                 {kLRM20Ammo, kHead},
                 {kLRM20Ammo, kLeftArm}});
    // structure 83 * 0.75 = 62.25
    // CASE II in the left torso: 1 * 5 = 5; everywhere else (standard CASE does not save an
    //   XL design, the head has no CASE): 3 * 20 = 60
    // defensive 300 + 62.25 + 50 - 65 = 347.25 * 1.3 = 451.425
    // weapons 4 * 23 = 92 * 1.37 = 126.04; total 577.465 -> 577
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, 577);
    const auto& d = r.lines.defensiveItems();
    EXPECT_EQ(lineValue(d, "Add (internal structure * EngineMultiplier): "), "83 * 0.75");
    EXPECT_EQ(lineValue(d, "Subtract 20 points per ton of explosive ammo anywhere in the mech not "
                           "protected by CASE II: 3 * 20"),
              "- 60");
    EXPECT_EQ(lineValue(d, "Subtract 5 points per ton of explosive ammo anywhere in the mech "
                           "protected by CASE II: 1 * 5"),
              "- 5");
}

TEST_F(BVWorkedExample, AQuadsFrontLegsAreLegs) {
    model::Mech mech = baseDesign();
    mech.setMechType(catalog::kQuad);
    mech.SetCase(kLeftTorso, catalog::kStandardCase);
    mount(mech, {{kLRM20Ammo, kLeftArm}});
    // structure: the front legs have leg points: 3 + 16 + 2 * 12 + 4 * 12 = 91; * 1.5 = 136.5
    // the front left leg counts as a leg although its side torso has CASE: 1 * 20
    // defensive 300 + 136.5 + 50 - 20 = 466.5 * 1.3 = 606.45
    // weapons 23 * 1.37 = 31.51; total 637.96 -> 638
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, 638);
    const auto& d = r.lines.defensiveItems();
    EXPECT_EQ(lineValue(d, "Internal Structure battle value: "), "91");
    EXPECT_EQ(lineValue(d, "Subtract 20 points per ton of explosive ammo in CT, Legs or Head or "
                           "Un-CASEd torsos or Arms attached to Un-CASEd torsos: 1 * 20"),
              "- 20");
}

TEST_F(BVWorkedExample, HardenedArmour) {
    model::Mech mech = baseDesign();
    mech.setWalking(3);
    mech.setArmorType(catalog::armor::kHardened);
    mount(mech, {{kMediumLaser, kRightArm}});
    // armour 150 * 4 = 600; defensive 600 + 124.5 + 50 = 774.5
    // hardened slows: 3 + RoundUp(3 / 2) - 1 = 4 hexes: modifier 1, factor 1.1 -> 851.95
    // speed rating 4: 0.88; 46 * 0.88 = 40.48; total 892.43 -> 892
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, 892);
    const auto& d = r.lines.defensiveItems();
    EXPECT_EQ(lineValue(d, "Add (armor factor * 4) due to hardened: "), "150 * 4");
    EXPECT_TRUE(hasLine(d, "Max target modifier of 1 = defensive movement factor of 1.1"));
    EXPECT_TRUE(hasLine(r.lines.offensiveItems(),
                        "Offensive speed rating of 4 = 0.88 speed factor multiplier"));
}

TEST_F(BVWorkedExample, NullSignatureSystem) {
    model::Mech mech = baseDesign();
    mech.setNullSigSys(true);
    mount(mech, {{kMediumLaser, kRightArm}});
    // max heat 2 + 10 + 3 = 15, dissipation 10: penalty (15 - 10) * 5 = 25
    // defensive (474.5 - 25) = 449.5 * (1.3 + 1.5 = 2.8) = 1258.6
    // weapons 46: X = 10 * 46 / 15 = 30.6667, Y = 7.6667, adjusted 38.3333 * 1.37 = 52.5167
    // total 1311.1167 -> 1311
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, 1311);
    EXPECT_NEAR(r.defensiveBV, 1258.6, 1e-9);
    const auto& d = r.lines.defensiveItems();
    EXPECT_TRUE(hasLine(
        d, "Add 1.5 to defensive movement factor due to Null Sig System: (1.3 + 1.5) = 2.8"));
    EXPECT_TRUE(hasLine(
        d, "Multiply (Base BattleValue * Modified defensive movement factor) : (449.5 * 2.8)"));
    EXPECT_EQ(lineValue(d, "Subtract ((MaxHeat - MaxHeatDissipation) * 5): (15 - 10) * 5"), "- 25");
}

TEST_F(BVWorkedExample, MASCWithSupercharger) {
    model::Mech mech = baseDesign();
    mech.setMASC(1);
    mech.setSupercharger(true);
    mount(mech, {{kMediumLaser, kRightArm}});
    // MASC and supercharger: Int(2.5 * 5) = 12 hexes: modifier 4, factor 1.4 -> 664.3
    // speed rating 8 + 1 + 1 = 10: 1.63; 46 * 1.63 = 74.98; total 739.28 -> 739
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, 739);
    EXPECT_TRUE(hasLine(r.lines.defensiveItems(),
                        "Max target modifier of 4 = defensive movement factor of 1.4"));
    EXPECT_TRUE(hasLine(r.lines.offensiveItems(),
                        "Offensive speed rating of 10 = 1.63 speed factor multiplier"));
}

TEST_F(BVWorkedExample, CommandConsoleWithC3) {
    model::Mech mech = baseDesign();
    mech.setCockpitType(catalog::cockpit::kCommandConsole);
    mech.setHSType(catalog::heatsink::kDouble);
    mech.setHSCount(12);
    mech.setArtemisLRM(catalog::kArtemisIV);
    mech.SetCase(kLeftTorso, catalog::kStandardCase);
    mount(mech, {{kMediumLaser, kRightArm},
                 {kMediumLaser, kRightArm},
                 {kMediumLaser, kCenterTorso, true},
                 {kLRM20, kLeftTorso},
                 {kLRM20Ammo, kLeftTorso},
                 {kArrowIV, kRightTorso},
                 {kC3Master, kHead}});
    // heat 2 + 3 + 3 + 6 + 10 = 24 (rear laser skipped) = 12 double heat sinks * 2
    // defensive (474.5 + 25 command console) = 499.5 * 1.3 = 649.35
    // weapons 46 + 46 + 23 + 217.2 + 23 + 240 + 0 = 595.2 * 1.37 = 815.424
    // total 1464.774 + 200 = 1664.774
    // C3 base: 46 + 46 + 23 + 217.2 + 0 (no ammunition, no artillery) = 332.2;
    //   * 35 / 100 = 116.27 -> 116; raw 1780.774 -> 1781
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, 1781);
    EXPECT_NEAR(r.rawBattleValue, 1780.774, 1e-9);
    EXPECT_EQ(lineValue(r.lines.defensiveItems(), "Add 25 points for a Command Console"), "25");
    const auto& o = r.lines.offensiveItems();
    EXPECT_EQ(lineValue(o, "Add 200 points for a Command Console"), "200");
    EXPECT_EQ(lineValue(o, "Add 35% of BV of all non-artillery weapons due to C(3). Use 1/2 BV "
                           "for rear mounted weapons. Add nothing for ammo. Round to nearest "
                           "whole number."),
              "116");
    EXPECT_EQ(lineValue(o, "     (2) Medium Laser"), "92");
}

TEST_F(BVWorkedExample, C3MasterUnderMultiTracIICountsRearWeaponsFull) {
    model::Mech mech = baseDesign();
    mech.setTargSysType(catalog::targeting::kMultiTracII);
    mount(mech,
          {{kMediumLaser, kRightArm}, {kMediumLaser, kCenterTorso, true}, {kC3Master, kHead}});
    // heat 2 + 3 + 3 = 8; weapons 92 * 1.37 = 126.04; total 742.89
    // C3: 92 * 35 / 100 = 32.2 -> 32; 774.89 -> 775
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, 775);
    EXPECT_EQ(lineValue(r.lines.offensiveItems(),
                        "Add 35% of BV of all non-artillery weapons due to C(3). Use full BV for "
                        "rear mounted weapons due to Multi-Trac II. Add nothing for ammo. Round "
                        "to nearest whole number."),
              "32");
}

TEST_F(BVWorkedExample, TheTwoC3ComputersLinkTheWeapons) {
    model::Mech mech = baseDesign();
    // 616.85 + 46 * 1.37 = 679.87; C3: 46 * 35 / 100 = 16.1 -> 16; 695.87 -> 696
    for (const std::int16_t c3 : {kC3Master, kImprovedC3}) {
        mount(mech, {{kMediumLaser, kRightArm}, {c3, kHead}});
        EXPECT_EQ(calc(mech).battleValue, 696) << "record " << c3;
    }
    // A slave unit alone is not a C3 computer: 679.87 -> 680.
    mount(mech, {{kMediumLaser, kRightArm}, {kC3Slave, kHead}});
    EXPECT_EQ(calc(mech).battleValue, 680);
    // Without a C3 unit there is no C3 line.
    mount(mech, {{kMediumLaser, kRightArm}, {kAMS, kHead}});
    const BVResult r = calc(mech);
    // with an AMS instead: (474.5 + 32) * 1.3 = 658.45 + 63.02 = 721.47 -> 721
    EXPECT_EQ(r.battleValue, 721);
    EXPECT_FALSE(hasLineStarting(r.lines.offensiveItems(), "Add 35% of BV"));
}

struct CockpitCase {
    std::int16_t cockpit;
    std::string_view line;
    double raw;
    std::int16_t bv;
};

class BVCockpitMultiplier : public BVTestBase, public ::testing::WithParamInterface<CockpitCase> {};

// Each with one front medium laser (46 * 1.37 = 63.02).
//   Small: 616.85 + 63.02 = 679.87 * 0.98 = 666.2726 -> 666
//   Torso-Mounted: (474.5 + 24 + 9 centre torso armour) * 1.3 = 659.75; + 63.02 = 722.77;
//     * 0.98 = 708.3146 -> 708
//   Enhanced Imaging: (474.5 - 25) * 1.3 = 584.35; weapons 46 + 46 / 20 = 48.3 * 1.37 =
//     66.171; 650.521 * 1.02 = 663.53142 -> 664
INSTANTIATE_TEST_SUITE_P(
    EachCockpit, BVCockpitMultiplier,
    ::testing::Values(
        CockpitCase{catalog::cockpit::kSmall,
                    "Mutiply Battle Value by .98 for modified pilot skill due to a Small Cockpit: "
                    "(679.87 * 0.98)",
                    679.87, 666},
        CockpitCase{catalog::cockpit::kTorsoMounted,
                    "Mutiply Battle Value by .98 for modified pilot skill due to a Torso-Mounted "
                    "Cockpit (722.77 * 0.98)",
                    722.77, 708},
        CockpitCase{catalog::cockpit::kEnhancedImaging,
                    "Mutiply Battle Value by 1.02 for modified pilot skill due to an Enhanced "
                    "Imaging Cockpit (650.521 * 1.02)",
                    650.521, 664}));

TEST_P(BVCockpitMultiplier, MultipliesTheTotalAfterTheRawValue) {
    const CockpitCase& c = GetParam();
    model::Mech mech = baseDesign();
    mech.setCockpitType(c.cockpit);
    mount(mech, {{kMediumLaser, kRightArm}});
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, c.bv);
    EXPECT_NEAR(r.rawBattleValue, c.raw, 1e-9);
    EXPECT_TRUE(hasLine(r.lines.offensiveItems(), c.line));
}

TEST_F(BVWorkedExample, TorsoMountedAndEnhancedImagingDefensiveLines) {
    model::Mech mech = baseDesign();
    mech.setCockpitType(catalog::cockpit::kTorsoMounted);
    EXPECT_EQ(lineValue(calc(mech).lines.defensiveItems(),
                        "Add Center Torso and Center Torso (Rear) armor due to Torso-Mounted "
                        "Cockpit"),
              "33");
    mech.setCockpitType(catalog::cockpit::kEnhancedImaging);
    mount(mech, {{kMediumLaser, kRightArm}});
    const BVResult r = calc(mech);
    EXPECT_EQ(lineValue(r.lines.defensiveItems(),
                        "Subtract 25 points due to increased pilot vulnerability caused by "
                        "Enhanced Imaging Cockpit"),
              "- 25");
    EXPECT_EQ(lineValue(r.lines.offensiveItems(),
                        "Add additional 5% of BV of all weapons as if they were linked to a "
                        "Targeting Computer, due to Enhanced Imaging Cockpit. Use 1/2 BV for "
                        "rear mounted weapons."),
              "2.3");
}

// A 20-ton design walking 10 (running 15) with one medium laser and 60 armour points.
//   defensive: 60 * 2 + 33 * 1.5 + 20 = 189.5; running 15: modifier 5, factor 1.5 -> 284.25
class BVSpeedRating : public BVTestBase {
protected:
    model::Mech fastDesign(std::int16_t jumping) {
        model::Mech mech(ctx);
        mech.setTonnage(20);
        mech.setWalking(10);
        mech.setJumping(jumping);
        mech.SetArmor(kCenterTorso, 60);
        // jump heat = jumping, plus 3 for the laser: kept equal to the dissipation
        mech.setHSCount(static_cast<std::int16_t>(jumping + 3));
        mount(mech, {{kMediumLaser, kRightArm}});
        return mech;
    }
};

TEST_F(BVSpeedRating, ExactlyTwentyFiveUsesTheTable) {
    // A table value the formula would not give (3.74) shows which one was used.
    ctx.bvTables.offensiveSpeedFactor[25] = 3.75;
    model::Mech mech = fastDesign(10);
    // speed rating 15 + 10 = 25: 3.75; 46 * 3.75 = 172.5; total 456.75 -> 457
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, 457);
    EXPECT_TRUE(hasLine(r.lines.offensiveItems(),
                        "Offensive speed rating of 25 = 3.75 speed factor multiplier"));
}

TEST_F(BVSpeedRating, TwentySixUsesTheFormula) {
    model::Mech mech = fastDesign(11);
    // speed rating 15 + 11 = 26: ((26 - 5) / 10 + 1) ^ 1.2 = 3.1 ^ 1.2 = 3.8872 -> 3.89
    // jump 11: modifier TMM(11) + 1 = 5, factor 1.5 as before
    // 46 * 3.89 = 178.94; total 284.25 + 178.94 = 463.19 -> 463
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, 463);
    EXPECT_TRUE(hasLine(r.lines.offensiveItems(),
                        "Offensive speed rating of 26 = 3.89 speed factor multiplier"));
}

TEST_F(BVWorkedExample, CompositeStructureWithAnOddTotalHalvesToEven) {
    model::Mech mech(ctx);
    mech.setTonnage(20);
    mech.setWalking(6);
    mech.setISType(catalog::structure::kComposite);
    mech.SetArmor(kCenterTorso, 60);
    // structure 3 + 6 + 2 * 5 + 2 * 3 + 2 * 4 = 33; 33 / 2 = 16.5 -> 16 (even neighbour)
    // defensive 120 + 16 * 1.5 + 20 = 164; running 9: factor 1.3 -> 213.2 -> 213
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, 213);
    const auto& d = r.lines.defensiveItems();
    EXPECT_EQ(lineValue(d, "Divide internal structure battle value in half due to composite IS: "),
              "33 / 2 = 16");
    EXPECT_EQ(lineValue(d, "Add (internal structure * EngineMultiplier): "), "16 * 1.5");

    mech.setISType(catalog::structure::kReinforced);
    // 33 * 2 = 66; 120 + 99 + 20 = 239 * 1.3 = 310.7 -> 311
    const BVResult reinforced = calc(mech);
    EXPECT_EQ(reinforced.battleValue, 311);
    EXPECT_EQ(lineValue(reinforced.lines.defensiveItems(),
                        "Double internal structure battle value due to reinforced IS: "),
              "33 * 2 = 66");
}

TEST_F(BVWorkedExample, DefensiveItemsAreCountedApartFromTheWeapons) {
    model::Mech mech = baseDesign();
    mech.setGyroType(catalog::gyro::kHeavyDuty);
    mech.ArmoredSlotData(3, 3);
    mount(mech, {{kAMS, kLeftArm}, {kAMSAmmo, kLeftTorso}, {kMediumLaser, kRightArm}});
    // heat 2 + 1 (AMS) + 3 = 6
    // defensive 474.5 + 32 + 11 (defensive items) + 30 (heavy-duty gyro) + 3 * 5 (armoured
    //   slots) = 562.5 * 1.3 = 731.25
    // weapons 46 only * 1.37 = 63.02; total 794.27 -> 794
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, 794);
    const auto& d = r.lines.defensiveItems();
    const std::vector<BVDataStore::Item> items(d.begin() + 4, d.begin() + 7);
    const std::vector<BVDataStore::Item> expected = {{"Add BV of all defensive items", ""},
                                                     {"     Anti-Missile System", "32"},
                                                     {"     AMS Ammo", "11"}};
    EXPECT_EQ(items, expected);
    EXPECT_EQ(lineValue(d, "Add 30 points for Heavy Duty Gyro"), "30");
    EXPECT_EQ(lineValue(d, "Add 5 points per armored critical slot: (5 * 3)"), "15");
    EXPECT_FALSE(hasLineStarting(r.lines.offensiveItems(), "     (1) Anti-Missile System"));
    EXPECT_EQ(lineValue(r.lines.offensiveItems(), "Base Weapon Rating"), "46");
}

TEST_F(BVWorkedExample, MixedTechNamesTheTechBaseOfEachGroup) {
    model::Mech mech = baseDesign();
    mech.setTechBase(catalog::kMixedTech);
    mech.setHSType(catalog::heatsink::kDouble);
    mount(mech, {{kClanERPPC, kLeftArm}, {kMediumLaser, kRightArm}});
    const BVResult r = calc(mech);
    const auto& o = r.lines.offensiveItems();
    EXPECT_EQ(lineValue(o, "     (1) (C) ER PPC"), "412");
    EXPECT_EQ(lineValue(o, "     (1) (IS) Medium Laser"), "46");
}

TEST_F(BVWorkedExample, VariableRangeTargetingSumsWeaponsOnly) {
    model::Mech mech = baseDesign();
    mech.setTargSysType(catalog::targeting::kVariableRange);
    mech.setArtemisLRM(catalog::kArtemisIV);
    mech.setHSType(catalog::heatsink::kDouble);
    mount(mech, {{kMediumLaser, kRightArm},
                 {kSmallLaser, kCenterTorso, true},
                 {kLRM20, kLeftTorso},
                 {kAC20Ammo, kCenterTorso},
                 {kAMS, kLeftArm},
                 {kC3Slave, kHead}});
    // weapons only, record BV without the Artemis extra, rear at RoundUp(half):
    //   46 + RoundUp(4.5) = 5 + 181 = 232; 10% = 23.2
    const BVResult r = calc(mech);
    const auto& o = r.lines.offensiveItems();
    EXPECT_EQ(lineValue(o, "Add additional 10% of BV of all weapons due to Variable-Range "
                           "Targeting System. Use 1/2 BV for rear mounted weapons."),
              "23.2");
    // 46 + 4.5 + 217.2 + 20 + 0 + 23.2 = 310.9
    EXPECT_EQ(lineValue(o, "Base Weapon Rating"), "310.9");
}

struct PhysicalCase {
    std::int16_t tonnage;
    std::int16_t type;
    bool left;
    bool right;
    double rating; // the base weapon rating: 1.5 x damage per arm
};

class BVPhysicalWeapons : public BVTestBase, public ::testing::WithParamInterface<PhysicalCase> {};

INSTANTIATE_TEST_SUITE_P(
    EachWeapon, BVPhysicalWeapons,
    ::testing::Values(PhysicalCase{50, catalog::physical::kHatchet, true, false, 15}, // 10
                      PhysicalCase{50, catalog::physical::kMace, false, true, 30},    // 20
                      PhysicalCase{50, catalog::physical::kClaw, true, true, 30},     // 10 + 10
                      PhysicalCase{50, catalog::physical::kSword, true, false, 7.5},  // 5
                      PhysicalCase{25, catalog::physical::kSword, true, false, 3},    // 2.5 -> 2
                      PhysicalCase{35, catalog::physical::kSword, true, false, 6}));  // 3.5 -> 4

TEST_P(BVPhysicalWeapons, AddOneAndAHalfTimesTheDamage) {
    const PhysicalCase& c = GetParam();
    model::Mech mech(ctx);
    mech.setTonnage(c.tonnage);
    mech.setWalking(4);
    mech.setPhysicalType(c.type);
    mech.setLAPhysical(c.left);
    mech.setRAPhysical(c.right);
    const BVResult r = calc(mech);
    EXPECT_EQ(lineValue(r.lines.offensiveItems(), "Base Weapon Rating"), numberText(c.rating));
}

TEST_F(BVWorkedExample, WithoutBVDataNothingChanges) {
    model::Mech mech = baseDesign();
    mech.storeBattleValue(1234);
    ctx.bvDataLoaded = false;
    EXPECT_FALSE(CalcBV(mech).has_value());
    EXPECT_EQ(mech.battleValue(), 1234);
}

TEST_F(BVWorkedExample, ATotalBeyondTheIntegerRangeSaturates) {
    model::Mech mech = baseDesign();
    model::MechFields fields = mech.fields();
    fields.armorPoints = 20000; // 40,000 points of armour BV alone
    mech.restoreFields(fields);
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, 32767);
    EXPECT_GT(r.rawBattleValue, 40000);
    EXPECT_EQ(lineValue(r.lines.offensiveItems(), "Final Battle Value:"), "32767");
}

TEST_F(BVWorkedExample, ARecordIndexOutsideTheTableCountsForNothing) {
    model::Mech mech = baseDesign();
    const BVResult clean = calc(mech);
    model::WeaponEntry broken;
    broken.refID = 30000;
    broken.weaponIndex = 0;
    broken.locations = {kCenterTorso};
    std::vector<model::WeaponEntry> list{broken};
    mech.setWeapons(list);
    user.messages.clear(); // the design's own weapon arithmetic may report the broken entry
    const BVResult r = calc(mech);
    EXPECT_EQ(r.battleValue, clean.battleValue);
    EXPECT_EQ(r.lines, clean.lines);
}

TEST_F(BVWorkedExample, EachCalculationStartsFreshLines) {
    model::Mech mech = baseDesign();
    const BVResult first = calc(mech);
    const BVResult second = calc(mech);
    EXPECT_EQ(first.lines, second.lines);
    EXPECT_EQ(second.lines.DefensiveItemCount(), 13);
}

} // namespace
} // namespace fpw::valuation
