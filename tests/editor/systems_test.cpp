// What each tech base and level offers, and the system changes the golden scripts
// (scripts/sys_rules.fpws, sys_refusals.fpws) cannot show: armless arms, armoured slots, a
// locked base chassis, designs opened with what their level no longer offers.
#include <string>
#include <vector>

#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "editor/allocationkit.h"
#include "editor/componentchoices.h"
#include "editor/components.h"
#include "editor/refresh.h"
#include "editor/systems.h"

namespace fpw::editor {
namespace {

using namespace catalog;
using Texts = std::vector<std::string>;

struct SystemRules : AllocationTest {
    // A new design of that tonnage and walking MP at the tech base and level.
    void build(int tonnage, int walking, int techBase = kInnerSphere, int techLevel = 3) {
        ASSERT_TRUE(ChangeTechBase(editor, techBase));
        ASSERT_TRUE(ChangeTechLevel(editor, techLevel));
        ASSERT_TRUE(ChangeTonnage(editor, tonnage));
        ASSERT_TRUE(ChangeWalking(editor, walking));
        shipped.user.messages.clear();
    }
};

bool placedAnywhere(const Editor& editor, std::string_view code) {
    for (const model::CritLocation& list : editor.mech().critLocations()) {
        if (list.HasItem(code)) {
            return true;
        }
    }
    return false;
}

TEST_F(SystemRules, AnArmlessDesignEmptiesItsArms) {
    build(50, 4);
    ASSERT_TRUE(ChangeHeatSinkType(editor, heatsink::kDouble));
    const std::int16_t laser = drop(kMediumLaser, kLeftArm, 4);
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
    // Still to place: the laser and two double heat sinks of three slots each.
    EXPECT_EQ(editor.display().freeSlots, "Crits Free: " + std::to_string(freeWithArms + 2) + " (" +
                                              std::to_string(freeWithArms + 2 - 7) + ") ");
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
    EXPECT_EQ(list(kLeftArm).SlotText(11), "CASE II");
    // On the Inner Sphere the standard setting needs its slot: it gets one and stays.
    ASSERT_TRUE(ChangeTechBase(editor, kInnerSphere));
    EXPECT_EQ(editor.mech().GetCASE(kLeftTorso), kStandardCase);
    EXPECT_TRUE(editor.mech().critLocation(kLeftTorso).HasItem(cCASE));
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
        drop(kMediumLaser, kLeftArm, slot);
    }
    editor.mech().LockBaseOmni();
    const EditorState before = snapshot();
    EXPECT_FALSE(SetNullSignature(editor, true));
    expectRefusedWith(
        before, "Unable to use system",
        "Unable to allocate all the slots of the Null Signature System. The system has "
        "been removed.");
}

TEST_F(SystemRules, RefusedSilently) {
    build(50, 4);
    const EditorDocument before = editor.document();
    EXPECT_FALSE(SetPhysicalArm(editor, true, true)) << "no physical weapon of type None";
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
