// Worked examples of the Battle Value, each computed by hand as a player checks a design, and
// the heat and movement rules it rests on, over the weapon kit of bvtestweapons.h.
//
// The base design: 50 tons, walking 5 / running 8, fusion engine, standard structure, 150
// points of standard armour (24 on the centre torso, 9 on its rear), 10 single heat sinks.
//   armour      150 * 2                                   = 300
//   structure   3 + 16 + 2 * 12 + 2 * 8 + 2 * 12 = 83; * 1.5 = 124.5
//   tonnage                                               = 50
//   base before equipment and penalties                   = 474.5
//   running 8 hexes: target modifier 3, factor 1.3; speed rating 8: factor 1.37
#include "valuation/bvcalc.h"

#include <gtest/gtest.h>

#include "app/programcontext.h"
#include "bvtestweapons.h"
#include "support/golden.h"
#include "support/scripteduser.h"

namespace fpw::valuation {
namespace {

using namespace bvtest;
using namespace catalog;
using model::Mech;

class BattleValue : public ::testing::Test {
protected:
    BattleValue() {
        ctx.weapons = testWeapons();
        ctx.bvTables = testTables();
        ctx.bvDataLoaded = true;
    }
    ~BattleValue() override {
        // Building a design must not have reported anything.
        EXPECT_TRUE(user.messages.empty());
    }

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
        const BVResult result = CalcBV(mech).value_or(BVResult{});
        EXPECT_TRUE(result.lines.DefensiveItemCount() > 0) << "no BV computed";
        EXPECT_EQ(mech.battleValue(), result.battleValue);
        return result;
    }

    fpw::testing::ScriptedUser user;
    app::ProgramContext ctx{"/nonexistent/forgeplanwork", user};
};

// A 20-ton design walking 10 (running 15) with 60 armour points, for one medium laser; jump
// heat = jumping, plus 3 for the laser, kept equal to the dissipation.
//   defensive: 60 * 2 + 33 * 1.5 + 20 = 189.5; running 15: modifier 5, factor 1.5 -> 284.25
void fastDesign(Mech& m, std::int16_t jumping) {
    for (int loc = 0; loc < model::kArmorPositions; ++loc)
        m.SetArmor(loc, 0);
    m.SetArmor(kCenterTorso, 60);
    m.setTonnage(20);
    m.setWalking(10);
    m.setJumping(jumping);
    m.setHSCount(static_cast<std::int16_t>(jumping + 3));
}

// The same 20 tons running 9, without weapons, on another structure.
void lightStructure(Mech& m, std::int16_t structure) {
    fastDesign(m, 0);
    m.setWalking(6);
    m.setHSCount(10);
    m.setISType(structure);
}

void physical(Mech& m, std::int16_t tons, std::int16_t type, bool left, bool right) {
    m.setTonnage(tons);
    m.setWalking(4);
    m.setPhysicalType(type);
    m.setLAPhysical(left);
    m.setRAPhysical(right);
}

// Walking and jumping MP with MASC, supercharger and triple-strength myomer; jump heat is kept
// out of the way.
void moving(Mech& m, std::int16_t walking, std::int16_t jumping, bool masc, bool supercharger,
            bool tsm) {
    m.setWalking(walking);
    m.setJumping(jumping);
    m.setMASC(masc ? 1 : 0);
    m.setSupercharger(supercharger);
    m.setTSM(tsm);
    m.setHSCount(30);
}

// The design as a damaged file may hold it: a value no setter would accept.
void damaged(Mech& m, void (*change)(model::MechFields&)) {
    model::MechFields fields = m.fields();
    change(fields);
    m.restoreFields(fields);
}

struct Example {
    const char* name;
    int bv; // worked out by hand; -1 where only the lines are compared
    std::vector<Mount> weapons;
    void (*change)(Mech&) = nullptr; // made to the base design before the weapons are mounted
};

// The arithmetic beside each row was done by hand from the kit's numbers; "def" and "off"
// are the defensive and offensive values, "E" the excess heat.
const Example kExamples[] = {
    // def 474.5 * 1.3 = 616.85, off 0 -> 617
    {"without weapons", 617, {}},
    // heat 2 + 8 = 10 = dissipation: off 124 * 1.37 = 169.88; 786.73 -> 787
    {"heat neutral", 787, {{kLargeLaser, kLeftArm}}},
    // heat 18, dissipation 10: def (474.5 - 8 * 5) * 1.3 = 564.85; weapons 248: X = 10 * 248
    //   / 18 = 137.7778, Y = 55.1111, 192.8889 * 1.37 = 264.2578; 829.1078 -> 829
    {"overheating", 829, {{kLargeLaser, kLeftArm}, {kLargeLaser, kRightArm}}},
    // the rear laser adds no heat and half its BV: (46 + 23) * 1.37 = 94.53; 711.38 -> 711
    {"rear weapons at half", 711, {{kMediumLaser, kRightArm}, {kMediumLaser, kCenterTorso, true}}},
    // heat 8 counts the rear laser, in full: 92 * 1.37 = 126.04; 742.89 -> 743
    {"rear weapons in full under Multi-Trac II",
     743,
     {{kMediumLaser, kRightArm}, {kMediumLaser, kCenterTorso, true}},
     [](Mech& m) { m.setTargSysType(targeting::kMultiTracII); }},
    // heat 12 = 12: LRM 181 + 181 / 10 * 2 = 217.2, SRM 59 + 59 / 10 * 3 = 76.7;
    //   293.9 * 1.37 = 402.643; 1019.493 -> 1019
    {"Artemis IV and V",
     1019,
     {{kLRM20, kLeftTorso}, {kSRM6, kRightTorso}},
     [](Mech& m) {
         m.setHSCount(12);
         m.setArtemisLRM(kArtemisIV);
         m.setArtemisSRM(kArtemisV);
     }},
    // heat 10 (rear skipped); weapons 124 + 4 (4.5 to even) + 20 + 90.5 = 239; linked 124 +
    //   RoundUp(4.5) = 129 (never ammunition; the LRM does not link), 20% = 25.8; 264.8 * 1.37
    //   = 362.776; 979.626 -> 980
    {"targeting computer",
     980,
     {{kLargeLaser, kLeftArm},
      {kSmallLaser, kCenterTorso, true},
      {kAC20Ammo, kLeftTorso},
      {kLRM20, kRightTorso, true}},
     [](Mech& m) {
         m.setTargSysType(targeting::kTargetingComputer);
         m.SetCase(kLeftTorso, kStandardCase);
     }},
    // centre torso, leg, head = 3 tons at 20 (a Clan side torso is free, the unplaced ton is
    //   nowhere): def 414.5 * 1.3 = 538.85; off 115 * 1.37 = 157.55; 696.4 -> 696
    {"explosive ammunition, Clan",
     696,
     {{kLRM20Ammo, kCenterTorso},
      {kLRM20Ammo, kLeftLeg},
      {kLRM20Ammo, kHead},
      {kLRM20Ammo, kLeftTorso},
      {kLRM20Ammo, -1}},
     [](Mech& m) { m.setTechBase(kClan); }},
    // right torso, right arm, centre torso = 3 tons (CASE covers the left torso and its arm,
    //   Gauss ammunition does not explode): def 538.85; off 152 * 1.37 = 208.24; 747.09 -> 747
    {"explosive ammunition, standard engine, CASE in a side torso",
     747,
     {{kLRM20Ammo, kLeftTorso},
      {kLRM20Ammo, kRightTorso},
      {kLRM20Ammo, kLeftArm},
      {kLRM20Ammo, kRightArm},
      {kLRM20Ammo, kCenterTorso},
      {kGaussAmmo, kCenterTorso}},
     [](Mech& m) { m.SetCase(kLeftTorso, kStandardCase); }},
    // structure 83 * 0.75; CASE II 1 * 5, the rest 3 * 20 (standard CASE does not save an XL
    //   design): def (300 + 62.25 + 50 - 65) * 1.3 = 451.425; off 92 * 1.37 = 126.04 -> 577
    {"explosive ammunition, XL engine, CASE II",
     577,
     {{kLRM20Ammo, kLeftTorso},
      {kLRM20Ammo, kRightTorso},
      {kLRM20Ammo, kHead},
      {kLRM20Ammo, kLeftArm}},
     [](Mech& m) {
         m.setEngineType(engine::kXL);
         m.SetCase(kLeftTorso, kCaseII);
         m.SetCase(kRightTorso, kStandardCase);
     }},
    // front legs have leg points: structure 91 * 1.5; the front left leg counts as a leg
    //   despite CASE: def (300 + 136.5 + 50 - 20) * 1.3 = 606.45; off 31.51 -> 638
    {"a quad's front legs are legs",
     638,
     {{kLRM20Ammo, kLeftArm}},
     [](Mech& m) {
         m.setMechType(kQuad);
         m.SetCase(kLeftTorso, kStandardCase);
     }},
    // armour 150 * 4; hardened slows walking 3 to running 4: modifier 1, factor 1.1 ->
    //   774.5 * 1.1 = 851.95; speed rating 4: 46 * 0.88 = 40.48; 892.43 -> 892
    {"hardened armour",
     892,
     {{kMediumLaser, kRightArm}},
     [](Mech& m) {
         m.setWalking(3);
         m.setArmorType(armor::kHardened);
     }},
    // heat 15, penalty 25: def 449.5 * (1.3 + 1.5) = 1258.6; off (30.6667 + 7.6667) * 1.37 =
    //   52.5167; 1311.1167 -> 1311
    {"null signature system",
     1311,
     {{kMediumLaser, kRightArm}},
     [](Mech& m) { m.setNullSigSys(true); }},
    // Int(2.5 * 5) = 12 hexes: factor 1.4 -> 664.3; speed rating 10: 46 * 1.63 = 74.98 -> 739
    {"MASC with supercharger",
     739,
     {{kMediumLaser, kRightArm}},
     [](Mech& m) {
         m.setMASC(1);
         m.setSupercharger(true);
     }},
    // heat 24 (rear skipped) = 12 doubles; def (474.5 + 25) * 1.3 = 649.35; weapons 595.2 *
    //   1.37 = 815.424; C3 base 332.2 (no ammunition, no artillery) * 35 / 100 = 116.27 ->
    //   116; 1464.774 + 200 + 116 -> 1781
    {"command console with C3",
     1781,
     {{kMediumLaser, kRightArm},
      {kMediumLaser, kRightArm},
      {kMediumLaser, kCenterTorso, true},
      {kLRM20, kLeftTorso},
      {kLRM20Ammo, kLeftTorso},
      {kArrowIV, kRightTorso},
      {kC3Master, kHead}},
     [](Mech& m) {
         m.setCockpitType(cockpit::kCommandConsole);
         m.setHSType(heatsink::kDouble);
         m.setHSCount(12);
         m.setArtemisLRM(kArtemisIV);
         m.SetCase(kLeftTorso, kStandardCase);
     }},
    // 742.89 + C3 92 * 35 / 100 = 32.2 -> 32: 774.89 -> 775
    {"C3 master under Multi-Trac II",
     775,
     {{kMediumLaser, kRightArm}, {kMediumLaser, kCenterTorso, true}, {kC3Master, kHead}},
     [](Mech& m) { m.setTargSysType(targeting::kMultiTracII); }},
    // 616.85 + 63.02 = 679.87; C3 46 * 35 / 100 = 16.1 -> 16; 695.87 -> 696; a slave unit
    //   alone is no C3 computer: 680
    {"C3 master", 696, {{kMediumLaser, kRightArm}, {kC3Master, kHead}}},
    {"improved C3", 696, {{kMediumLaser, kRightArm}, {kImprovedC3, kHead}}},
    {"C3 slave", 680, {{kMediumLaser, kRightArm}, {kC3Slave, kHead}}},
    // def (474.5 + 32) * 1.3 = 658.45; + 63.02 = 721.47 -> 721
    {"AMS", 721, {{kMediumLaser, kRightArm}, {kAMS, kHead}}},
    // 679.87 * 0.98 = 666.2726 -> 666
    {"small cockpit",
     666,
     {{kMediumLaser, kRightArm}},
     [](Mech& m) { m.setCockpitType(cockpit::kSmall); }},
    // def (474.5 + 24 + 9 centre torso armour) * 1.3 = 659.75; 722.77 * 0.98 = 708.3146 -> 708
    {"torso-mounted cockpit",
     708,
     {{kMediumLaser, kRightArm}},
     [](Mech& m) { m.setCockpitType(cockpit::kTorsoMounted); }},
    // def 449.5 * 1.3 = 584.35; off (46 + 46 / 20) * 1.37 = 66.171; 650.521 * 1.02 -> 664
    {"enhanced imaging cockpit",
     664,
     {{kMediumLaser, kRightArm}},
     [](Mech& m) { m.setCockpitType(cockpit::kEnhancedImaging); }},
    // speed rating 26: 3.1 ^ 1.2 = 3.8872 -> 3.89; jump 11: modifier 5 as running 15;
    //   284.25 + 46 * 3.89 = 463.19 -> 463
    {"speed rating 26 by the formula",
     463,
     {{kMediumLaser, kRightArm}},
     [](Mech& m) { fastDesign(m, 11); }},
    // 20 tons running 9: structure 33 / 2 = 16.5 -> 16 (even); (120 + 24 + 20) * 1.3 -> 213
    {"composite structure halves to even",
     213,
     {},
     [](Mech& m) { lightStructure(m, structure::kComposite); }},
    // 33 * 2 = 66: (120 + 99 + 20) * 1.3 = 310.7 -> 311
    {"reinforced structure", 311, {}, [](Mech& m) { lightStructure(m, structure::kReinforced); }},
    // heat 6; def 474.5 + 32 + 11 (defensive items) + 30 (heavy-duty gyro) + 3 * 5 (armoured
    //   slots) = 562.5 * 1.3 = 731.25; off 46 only: 63.02; 794.27 -> 794
    {"defensive items apart from the weapons",
     794,
     {{kAMS, kLeftArm}, {kAMSAmmo, kLeftTorso}, {kMediumLaser, kRightArm}},
     [](Mech& m) {
         m.setGyroType(gyro::kHeavyDuty);
         m.ArmoredSlotData(3, 3);
     }},
    // the weapon groups are named "(C) ER PPC" (412) and "(IS) Medium Laser" (46)
    {"mixed tech",
     -1,
     {{kClanERPPC, kLeftArm}, {kMediumLaser, kRightArm}},
     [](Mech& m) {
         m.setTechBase(kMixedTech);
         m.setHSType(heatsink::kDouble);
     }},
    // weapons only, record BV without the Artemis extra, rear at RoundUp(half): 46 + 5 + 181
    //   = 232, 10% = 23.2; rating 46 + 4.5 + 217.2 + 20 + 0 + 23.2 = 310.9
    {"variable-range targeting",
     -1,
     {{kMediumLaser, kRightArm},
      {kSmallLaser, kCenterTorso, true},
      {kLRM20, kLeftTorso},
      {kAC20Ammo, kCenterTorso},
      {kAMS, kLeftArm},
      {kC3Slave, kHead}},
     [](Mech& m) {
         m.setTargSysType(targeting::kVariableRange);
         m.setArtemisLRM(kArtemisIV);
         m.setHSType(heatsink::kDouble);
     }},
    // Physical weapons add 1.5 times their damage: hatchet 10 -> 15, mace 20 -> 30, two claws
    // 10 + 10 -> 30, sword 5 -> 7.5, at 25 tons 2.5 -> 2 -> 3, at 35 tons 3.5 -> 4 -> 6.
    {"hatchet", -1, {}, [](Mech& m) { physical(m, 50, physical::kHatchet, true, false); }},
    {"mace", -1, {}, [](Mech& m) { physical(m, 50, physical::kMace, false, true); }},
    {"two claws", -1, {}, [](Mech& m) { physical(m, 50, physical::kClaw, true, true); }},
    {"sword", -1, {}, [](Mech& m) { physical(m, 50, physical::kSword, true, false); }},
    {"sword at 25 tons", -1, {}, [](Mech& m) { physical(m, 25, physical::kSword, true, false); }},
    {"sword at 35 tons", -1, {}, [](Mech& m) { physical(m, 35, physical::kSword, true, false); }},
    // The largest target modifier counts: MASC 2 * 5 = 10 hexes -> 4, also with TSM; with the
    // supercharger Int(2.5 * 6) = 15 -> 5; supercharger and TSM 2 * (5 + 1) = 12 -> 4, not
    // 2 * (6 + 3) -> 5; supercharger 12 -> 4; TSM 5 + 3 = 8 -> 3, at walking 2
    // 3 + 2 = 5 -> 2; jumping 7 -> 4, 14 -> 6.
    {"MASC", -1, {}, [](Mech& m) { moving(m, 5, 0, true, false, false); }},
    {"MASC and TSM", -1, {}, [](Mech& m) { moving(m, 5, 0, true, false, true); }},
    {"MASC and supercharger", -1, {}, [](Mech& m) { moving(m, 6, 0, true, true, false); }},
    {"supercharger and TSM", -1, {}, [](Mech& m) { moving(m, 5, 0, false, true, true); }},
    {"supercharger", -1, {}, [](Mech& m) { moving(m, 5, 0, false, true, false); }},
    {"TSM", -1, {}, [](Mech& m) { moving(m, 4, 0, false, false, true); }},
    {"TSM at walking 2", -1, {}, [](Mech& m) { moving(m, 2, 0, false, false, true); }},
    {"jumping 7", -1, {}, [](Mech& m) { moving(m, 5, 7, false, false, false); }},
    {"jumping 14", -1, {}, [](Mech& m) { moving(m, 5, 14, false, false, false); }},
    // 40,000 points of armour BV alone: the total stops at the largest Integer.
    {"beyond the Integer range",
     32767,
     {},
     [](Mech& m) { damaged(m, [](model::MechFields& f) { f.armorPoints = 20000; }); }},
    // An engine code outside the table gives the structure no value: "83 * 0".
    {"engine code -1",
     -1,
     {},
     [](Mech& m) { damaged(m, [](model::MechFields& f) { f.engineType = -1; }); }},
    // Streaks add half their heat, rounded to even: 2 + 1.5 = 3.5 -> 4, 4 + 1.5 = 5.5 -> 6.
    {"two Streaks", -1, {{kStreakSRM4, kLeftTorso}, {kStreakSRM4, kRightTorso}}},
    // An Ultra AC/5 twice its heat: 2 + 2 = 4 (ammunition has none, the rear laser is skipped).
    {"Ultra autocannon",
     -1,
     {{kUltraAC5, kLeftTorso}, {kAC20Ammo, kLeftTorso}, {kLargeLaser, kCenterTorso, true}}},
    // A record index outside the table counts for nothing: as without weapons.
    {"a record index outside the table", 617, {{30000, kCenterTorso}}},
    {"engine code 7",
     -1,
     {},
     [](Mech& m) { damaged(m, [](model::MechFields& f) { f.engineType = 7; }); }},
};

std::string render(const std::vector<BVDataStore::Item>& items) {
    std::string out;
    for (const auto& item : items)
        out += item.desc + (item.value.empty() ? "" : " | " + item.value) + "\n";
    return out;
}

// Every line of every worked example, compared whole. Checked by hand: each line carrying a
// figure was compared with the arithmetic beside its row (the lines were asserted one by one
// before this file held them).
TEST_F(BattleValue, EveryLineOfEveryExample) {
    std::string all;
    for (const Example& e : kExamples) {
        Mech mech = baseDesign();
        if (e.change) {
            e.change(mech);
        }
        mount(mech, e.weapons);
        const BVResult r = calc(mech);
        EXPECT_EQ(calc(mech).lines, r.lines) << e.name << ": each calculation starts afresh";
        if (e.bv >= 0) {
            EXPECT_EQ(r.battleValue, e.bv) << e.name;
        }
        all += std::string("=== ") + e.name + ": " + std::to_string(r.battleValue) + " (raw " +
               numberText(r.rawBattleValue) + "), max heat " +
               std::to_string(MaxHeatForBV(mech, ctx.weapons)) + "\n--- defensive\n" +
               render(r.lines.defensiveItems()) + "--- offensive\n" +
               render(r.lines.offensiveItems());
    }
    testing::expectMatchesGolden(all, FPW_TESTS_SOURCE_DIR "/valuation/golden/bv_examples.txt");
}

// A table speed factor the formula would not give (3.74) shows which one was used: speed
// rating 15 + 10 = 25: 46 * 3.75 = 172.5; 284.25 + 172.5 = 456.75 -> 457. Without BV data
// nothing is computed and the stored figure stays.
TEST_F(BattleValue, TheTablesDecideAndWithoutThemNothingChanges) {
    ctx.bvTables.offensiveSpeedFactor[25] = 3.75;
    Mech mech = baseDesign();
    fastDesign(mech, 10);
    mount(mech, {{kMediumLaser, kRightArm}});
    EXPECT_EQ(calc(mech).battleValue, 457);
    ctx.bvDataLoaded = false;
    mech.storeBattleValue(1234);
    EXPECT_FALSE(CalcBV(mech).has_value());
    EXPECT_EQ(mech.battleValue(), 1234);
}

// ---------------------------------------------------------------- heat and movement

TEST_F(BattleValue, MovementHeatByEngineAndJumpJets) {
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

TEST_F(BattleValue, HeatDissipationByHeatSinkTypeAndItems) {
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
    // A count no real design reaches (a damaged file's) saturates at the 16-bit maximum.
    mech.setHSType(heatsink::kDouble);
    mech.setHSCount(30000);
    EXPECT_EQ(HeatDissipation(mech), 32767);
}

TEST(BVFactors, BeyondTheTablesTheLastStepContinuesAndTheFormulaTakesOver) {
    BVTables tables = testTables();
    tables.defensiveMovementFactor = {1.0, 1.2, 1.4, 1.6, 1.9, 2.3};
    EXPECT_DOUBLE_EQ(DefensiveMovementFactor(tables, 5), 2.3);
    EXPECT_NEAR(DefensiveMovementFactor(tables, 6), 2.7, 1e-12);
    // Speed factors from the table's first, then ((S - 5) / 10 + 1) ^ 1.2 to two decimals.
    EXPECT_DOUBLE_EQ(OffensiveSpeedFactor(tables, 0), 0.44);
    EXPECT_DOUBLE_EQ(OffensiveSpeedFactor(tables, 30), 4.5); // 3.5 ^ 1.2 = 4.4966
}

} // namespace
} // namespace fpw::valuation
