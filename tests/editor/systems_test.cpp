// The special systems' accepted changes, what each tech base and level offers, and the
// systems that remove themselves with a message.
#include <string>
#include <vector>

#include "app/userinteraction.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "componentskit.h"
#include "editor/artemis.h"
#include "editor/componentchoices.h"
#include "editor/components.h"
#include "editor/refresh.h"
#include "editor/systems.h"

namespace fpw::editor {
namespace {

using namespace catalog;
using Texts = std::vector<std::string>;

constexpr const char* kFree = "Roll Again";

using SystemRules = testkit::RulesFixture;

bool placedAnywhere(const Editor& editor, std::string_view code) {
    for (const model::CritLocation& list : editor.mech().critLocations()) {
        if (list.HasItem(code)) {
            return true;
        }
    }
    return false;
}

TEST_F(SystemRules, ArtemisVNeedsTwoFreeSlotsBesideEveryLauncher) {
    build(50, 4, kClan);
    testkit::placeWeapon(editor, "LRM-10", kLeftArm, 4, kClan);
    testkit::placeWeapon(editor, "LRM-10", kRightArm, 4, kClan);
    for (int slot = 5; slot < 11; ++slot) { // one slot stays free
        testkit::placeWeapon(editor, "ER Medium Laser", kRightArm, slot, kClan);
    }
    ASSERT_TRUE(SetArtemis(editor, true, kArtemisIV));
    EXPECT_EQ(texts(kLeftArm)[5], "Artemis IV FCS");
    EXPECT_EQ(texts(kRightArm)[11], "Artemis IV FCS");
    shipped.user.messages.clear();
    EXPECT_FALSE(SetArtemis(editor, true, kArtemisV));
    ASSERT_EQ(shipped.user.messages.size(), 1u);
    EXPECT_EQ(shipped.user.messages[0].title, "Not enough free space");
    EXPECT_EQ(shipped.user.messages[0].text,
              "Unable to place all of the Artemis V slots in the Right Arm. All LRM-related "
              "Artemis V crits on the mech have been removed.");
    EXPECT_EQ(editor.mech().artemisLRM(), kNoArtemis);
    for (std::string_view code : {cAIVL, cAVL}) {
        EXPECT_FALSE(placedAnywhere(editor, code)) << code;
    }
}

TEST_F(SystemRules, RemovingTheLowerArmTakesTheHandAndTheHatchet) {
    build(50, 4);
    ASSERT_TRUE(ChangePhysicalType(editor, physical::kHatchet));
    ASSERT_TRUE(SetPhysicalArm(editor, false, true));
    EXPECT_EQ(texts(kLeftArm)[4], "Hatchet");
    ASSERT_TRUE(SetArmActuator(editor, false, 2, false));
    EXPECT_FALSE(editor.mech().laPhysical());
    EXPECT_FALSE(editor.mech().GetLAActuator(3));
    EXPECT_EQ(texts(kLeftArm), (Texts{"Shoulder", "Upper Arm Actuator", kFree, kFree, kFree, kFree,
                                      kFree, kFree, kFree, kFree, kFree, kFree}));
    // No physical weapon without a hand, none of type None, and None clears both arms.
    EXPECT_FALSE(SetPhysicalArm(editor, false, true));
    ASSERT_TRUE(SetPhysicalArm(editor, true, true));
    ASSERT_TRUE(ChangePhysicalType(editor, physical::kNone));
    EXPECT_FALSE(editor.mech().raPhysical());
    EXPECT_FALSE(placedAnywhere(editor, cPhy));
    EXPECT_FALSE(SetPhysicalArm(editor, true, true));
    // The hand comes back with its lower arm.
    ASSERT_TRUE(SetArmActuator(editor, false, 3, true));
    EXPECT_EQ(texts(kLeftArm)[2], "Lower Arm Actuator");
    EXPECT_EQ(texts(kLeftArm)[3], "Hand Actuator");
}

TEST_F(SystemRules, AnOmniArmWithAnAutocannonTakesNoLowerArm) {
    build(50, 4);
    ASSERT_TRUE(ChangeMechType(editor, kOmniMech));
    ASSERT_TRUE(SetArmActuator(editor, true, 2, false));
    testkit::placeWeapon(editor, "AC/10", kRightArm, 2);
    expectRefusal([&] { return SetArmActuator(editor, true, 3, true); },
                  "Unable to restore actuator",
                  "Unable to restore the actuators due to the weapons that are mounted in the arm. "
                  "On an omni-mech, you may not have lower or hand actuators in an arm that mounts "
                  "a PPC, Gauss Rifle or Autocannon.");
}

TEST_F(SystemRules, ATurretTakesItsWeaponsAlongWhenItGoes) {
    build(50, 4);
    ASSERT_TRUE(SetTurret(editor, false, true));
    EXPECT_EQ(texts(kLeftTorso)[0], "Turret Mechanism");
    const std::int16_t laser = testkit::placeWeapon(editor, "Medium Laser", kLeftTorso, 1);
    editor.mech().TSetWeaponIdxGlobal(laser);
    editor.mech().currentWeapon().turretMounted = true;
    editor.mech().UpdateGlobalWeaponIdx(laser);
    editor.mech().critLocation(kLeftTorso).SetTurret(true, std::to_string(laser));
    ASSERT_TRUE(SetTurret(editor, false, false));
    EXPECT_EQ(texts(kLeftTorso)[0], kFree);
    EXPECT_FALSE(editor.mech().critLocation(kLeftTorso).IsTurretSlot(1));
    ASSERT_TRUE(editor.mech().TSetWeaponIdxGlobal(laser));
    EXPECT_FALSE(editor.mech().currentWeapon().turretMounted);
}

TEST_F(SystemRules, TheSuperchargerStaysBesideTheEngine) {
    build(50, 4);
    ASSERT_TRUE(ChangeEngine(editor, engine::kXL));
    ASSERT_TRUE(SetSupercharger(editor, true));
    EXPECT_EQ(texts(kCenterTorso)[10], "Supercharger");
    EXPECT_EQ(editor.choices().superchargerLocation.items,
              (Texts{"Left Torso", "Right Torso", "Center Torso"}));
    ASSERT_TRUE(MoveSupercharger(editor, kLeftTorso));
    EXPECT_EQ(texts(kLeftTorso)[3], "Supercharger");
    EXPECT_EQ(texts(kCenterTorso)[10], kFree);
    ASSERT_TRUE(ChangeEngine(editor, engine::kFusion));
    EXPECT_FALSE(editor.mech().supercharger());
    EXPECT_FALSE(placedAnywhere(editor, cSC));
}

TEST_F(SystemRules, AnArmlessDesignEmptiesItsArms) {
    build(50, 4);
    const std::int16_t laser = testkit::placeWeapon(editor, "Medium Laser", kLeftArm, 4);
    ASSERT_TRUE(SetCASE(editor, kRightArm, kCaseII));
    editor.mech().SetArmor(kLeftArm, 10);
    const int freeWithArms = editor.display().freeSlotCount;
    ASSERT_TRUE(SetArmless(editor, true));
    ASSERT_TRUE(editor.mech().TSetWeaponIdxGlobal(laser));
    EXPECT_EQ(editor.mech().currentWeapon().LocCount(), 0);
    EXPECT_EQ(editor.mech().GetArmor(kLeftArm), 0);
    EXPECT_EQ(editor.mech().GetCASE(kRightArm), kNoCase);
    EXPECT_FALSE(placedAnywhere(editor, cCASE));
    EXPECT_EQ(editor.display().freeSlotCount, freeWithArms - 7 - 7); // arms no longer count
    ASSERT_TRUE(SetArmless(editor, false));
    EXPECT_EQ(editor.display().freeSlotCount, freeWithArms + 1 + 1);
}

TEST_F(SystemRules, LeavingATargetingSystemTakesItsItems) {
    build(50, 4);
    ASSERT_TRUE(ChangeTargetingSystem(editor, targeting::kVariableRange));
    EXPECT_EQ(texts(kHead)[3], "Variable-Range Targeting");
    testkit::placeWeapon(editor, "Large Laser", kRightArm, 4);
    ASSERT_TRUE(ChangeTargetingSystem(editor, targeting::kTargetingComputer));
    EXPECT_EQ(texts(kHead)[3], kFree);
    ASSERT_NE(editor.items().find(cTS), nullptr);
    ASSERT_TRUE(ChangeTargetingSystem(editor, targeting::kStandard));
    EXPECT_EQ(editor.items().find(cTS), nullptr);
}

TEST_F(SystemRules, LimitCritsShortensTheListsAndSaysBy) {
    build(10, 4);
    ASSERT_TRUE(SetLimitCrits(editor, true));
    EXPECT_EQ(editor.mech().critLocation(kLeftArm).slotCount(), 9);
    EXPECT_EQ(editor.mech().critLocation(kLeftTorso).slotCount(), 9);
    EXPECT_EQ(editor.mech().critLocation(kLeftLeg).slotCount(), 11);
    ASSERT_EQ(shipped.user.messages.size(), 1u);
    EXPECT_EQ(shipped.user.messages[0].text,
              "A mech of 10 tons has the following number of critical slots subtracted from the "
              "normal number:\r\n\tArms: 3\r\n\tTorsos: 3\r\n\tLegs: 1\r\nThese critical slots "
              "are removed from the end of the list.");
    ASSERT_TRUE(ChangeTonnage(editor, 40));
    EXPECT_EQ(editor.mech().critLocation(kLeftArm).slotCount(), 11);
    ASSERT_TRUE(SetLimitCrits(editor, false));
    EXPECT_EQ(editor.mech().critLocation(kLeftArm).slotCount(), 12);
}

TEST_F(SystemRules, NullSignatureTakesASlotInEveryLocationButTheHead) {
    build(50, 4);
    ASSERT_TRUE(SetNullSignature(editor, true));
    for (int loc = 0; loc < 7; ++loc) {
        EXPECT_TRUE(editor.mech().critLocation(loc).HasItem(cNSS)) << loc;
    }
    EXPECT_EQ(editor.mech().maxHeatValue(), 12);
    ASSERT_TRUE(SetNullSignature(editor, false));
    EXPECT_FALSE(placedAnywhere(editor, cNSS));
}

TEST_F(SystemRules, AClanDesignHasCaseBuiltInAndCaseIIAtLevel3) {
    build(50, 4, kClan, 2);
    for (const ChoiceList& list : editor.choices().caseLocations) {
        EXPECT_FALSE(list.visible);
    }
    // A standard setting from a file stays, without a slot, until the player changes it.
    editor.mech().SetCase(kLeftTorso, kStandardCase);
    UpdateAvailableTech(editor);
    CheckCASE(editor);
    EXPECT_EQ(editor.mech().GetCASE(kLeftTorso), kStandardCase);
    EXPECT_FALSE(placedAnywhere(editor, cCASE));
    EXPECT_EQ(editor.choices().caseLocations[kLeftTorso].selected, "Standard CASE");
    EXPECT_TRUE(editor.choices().caseLocations[kLeftTorso].enabled);
    ASSERT_TRUE(ChangeTechLevel(editor, 3));
    EXPECT_EQ(editor.choices().caseLocations[kLeftArm].items, (Texts{"No CASE", "CASE II"}));
    ASSERT_TRUE(SetCASE(editor, kLeftArm, kCaseII));
    EXPECT_EQ(texts(kLeftArm)[11], "CASE II");
}

TEST_F(SystemRules, WhatEachTechBaseAndLevelOffers) {
    shipped.ctx.noClanLAMs = true;
    build(50, 4, kInnerSphere, 2);
    EXPECT_EQ(editor.choices().targeting.items, (Texts{"Standard"}));
    EXPECT_EQ(editor.choices().caseLocations[kLeftTorso].items,
              (Texts{"No CASE", "Standard CASE"}));
    EXPECT_FALSE(editor.choices().caseLocations[kLeftArm].visible);
    EXPECT_EQ(editor.choices().physical.items, (Texts{"None", "Hatchet", "Sword"}));
    ASSERT_TRUE(ChangeTechBase(editor, kClan));
    EXPECT_EQ(editor.choices().targeting.items, (Texts{"Standard", "Targeting Computer"}));
    EXPECT_EQ(editor.choices().techLevel.items, (Texts{"2", "3"}));
    EXPECT_EQ(editor.choices().mechType.items, (Texts{"Biped", "Quad", "Omni-Mech"}))
        << "no Clan LAMs while the parameter file does not allow them";
    ASSERT_TRUE(ChangeTechLevel(editor, 3));
    EXPECT_EQ(editor.choices().heatSinks.items, (Texts{"Single", "Double", "Laser"}));
    EXPECT_EQ(editor.choices().artemisLRM.items,
              (Texts{"No Artemis", "Artemis IV FCS", "Artemis V FCS"}));
    EXPECT_FALSE(editor.choices().tsm.enabled);
    EXPECT_FALSE(editor.choices().nullSignature.enabled);
}

TEST_F(SystemRules, LoweringTheLevelClearsWhatItNoLongerOffers) {
    build(60, 4);
    // The torso-mounted cockpit sits below the compact gyro's engine slots, where the standard
    // gyro's engine slots go: the cockpit must be cleared first.
    ASSERT_TRUE(ChangeGyro(editor, gyro::kCompact));
    ASSERT_TRUE(ChangeCockpit(editor, cockpit::kTorsoMounted));
    ASSERT_TRUE(SetTurret(editor, true, true));
    ASSERT_TRUE(SetArmActuator(editor, false, 3, false));
    ASSERT_TRUE(ChangeImprovedJumpJets(editor, true));
    ASSERT_TRUE(SetCASE(editor, kLeftArm, kCaseII));
    editor.mech().critLocation(kCenterTorso).SetArmored(true, "cEng1");
    ASSERT_TRUE(ChangeTechLevel(editor, 2));
    const model::Mech& mech = editor.mech();
    EXPECT_EQ(mech.gyroType(), gyro::kStandard);
    EXPECT_EQ(mech.cockpitType(), cockpit::kStandard);
    EXPECT_FALSE(mech.rtTurret());
    EXPECT_TRUE(mech.GetLAActuator(3));
    EXPECT_EQ(mech.jumpJetType(), jumpjet::kStandard);
    EXPECT_FALSE(mech.critLocation(kCenterTorso).IsArmoredSlot(0));
    EXPECT_EQ(mech.GetCASE(kLeftArm), kNoCase);
    EXPECT_FALSE(mech.critLocation(kLeftArm).HasItem(cCASE));
    EXPECT_EQ(texts(kCenterTorso)[3], "Gyro");
}

TEST_F(SystemRules, AClanBaseTakesWhatTheClansDoNotBuild) {
    shipped.ctx.noClanLAMs = true;
    build(50, 4, kInnerSphere, 1);
    ASSERT_TRUE(ChangeMechType(editor, kLAM));
    ASSERT_TRUE(ChangeTechBase(editor, kMixedTech));
    EXPECT_EQ(editor.mech().mechType(), kLAM);
    EXPECT_EQ(editor.mech().techLevel(), 2) << "level 1 is for the Inner Sphere alone";
    ASSERT_TRUE(ChangeTechLevel(editor, 3));
    ASSERT_TRUE(SetTSM(editor, true));
    ASSERT_TRUE(SetNullSignature(editor, true));
    ASSERT_TRUE(SetMASC(editor, false));
    ASSERT_TRUE(ChangeTechBase(editor, kClan));
    EXPECT_EQ(editor.mech().mechType(), kBiped);
    EXPECT_FALSE(editor.mech().tsm());
    EXPECT_FALSE(editor.mech().nullSigSys());
    EXPECT_FALSE(placedAnywhere(editor, cNSS));
    EXPECT_EQ(editor.items().find(cTSM), nullptr);
}

TEST_F(SystemRules, ALockedBaseChassisKeepsItsComponentsAndLetsThePodsChange) {
    build(50, 4);
    ASSERT_TRUE(ChangeMechType(editor, kOmniMech));
    ASSERT_TRUE(SetMASC(editor, true));
    testkit::placeAllItems(editor);
    ASSERT_TRUE(editor.mech().LockBaseOmni());
    UpdateAllTonnages(editor);
    const EditorDocument locked = editor.document();
    EXPECT_FALSE(ChangeEngine(editor, engine::kXL));
    EXPECT_FALSE(ChangeTonnage(editor, 55));
    EXPECT_FALSE(ChangeWalking(editor, 5));
    EXPECT_FALSE(SetMASC(editor, false));
    EXPECT_FALSE(SetTurret(editor, true, true));
    EXPECT_TRUE(editor.document() == locked);
    EXPECT_TRUE(ChangeJumping(editor, 2));
    EXPECT_TRUE(ChangeTargetingSystem(editor, targeting::kMultiTracII));
}

TEST_F(SystemRules, AnOpenedDesignKeepsWhatItsLevelNoLongerOffers) {
    build(50, 4, kInnerSphere, 1);
    // As a file of an early design holds it: no hand actuators, and a compact heat sink type.
    editor.mech().SetLAActuator(3, false);
    editor.mech().critLocation(kLeftArm).ClearSlot(3);
    editor.mech().setHSType(heatsink::kCompact);
    const EditorDocument before = editor.document();
    UpdateAvailableTech(editor);
    EXPECT_EQ(editor.document(), before);
    EXPECT_EQ(editor.choices().heatSinks.selected, "Compact (2)");
    EXPECT_FALSE(editor.choices().armActuators.enabled);
}

TEST_F(SystemRules, NullSignatureFindsNoRoomInALockedBaseChassis) {
    build(50, 4);
    ASSERT_TRUE(ChangeMechType(editor, kOmniMech));
    for (int slot = 4; slot < 12; ++slot) {
        testkit::placeWeapon(editor, "Medium Laser", kLeftArm, slot);
    }
    editor.mech().LockBaseOmni();
    expectRefusal([&] { return SetNullSignature(editor, true); }, "Unable to use system",
                  "Unable to allocate all the slots of the Null Signature System. The system has "
                  "been removed.");
}

TEST_F(SystemRules, TenHeatSinksAtLeast) {
    build(50, 4);
    const EditorDocument before = editor.document();
    EXPECT_FALSE(ChangeHeatSinkCount(editor, 9));
    EXPECT_EQ(editor.document(), before);
}

TEST_F(SystemRules, AListWithoutTheNameToSelectSaysSo) {
    build(50, 4);
    ChoiceList list{{"Standard"}, "Standard", true, true};
    EXPECT_FALSE(TSearchCombo(editor, list, "Fusion XL", "cboEngine"));
    EXPECT_EQ(list.selected, "Standard");
    EXPECT_EQ(shipped.user.onlyMessage().title, "Error");
    EXPECT_EQ(shipped.user.onlyMessage().text,
              "Unable to find string 'Fusion XL' in combo box 'cboEngine'.");
}

} // namespace
} // namespace fpw::editor
