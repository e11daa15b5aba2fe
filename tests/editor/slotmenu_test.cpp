// The slot pop-up menu: what it offers for each kind of slot, and its operations with their
// questions and refusals.
#include <sstream>

#include <gtest/gtest.h>

#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "catalog/weapondatabase.h"
#include "editor/allocation.h"
#include "editor/allocationkit.h"
#include "editor/slotmenu.h"
#include "model/mech.h"
#include "support/golden.h"

namespace fpw::editor {
namespace {

using namespace catalog;

struct SlotMenuTest : AllocationTest {
    std::int16_t drop(std::int16_t refID, int loc, int slot) {
        const std::int16_t weaponIndex = add(refID);
        EXPECT_EQ(DropWeapon(editor, loc, slot, weaponIndex).result, DropResult::Placed);
        return weaponIndex;
    }
    std::string menuText(int loc, int slot) {
        std::ostringstream out;
        out << "== " << locationAbbreviation(loc) << " " << slot + 1 << ": "
            << list(loc).SlotText(slot) << "\n";
        for (const SlotMenuEntry& entry : slotMenu(editor, loc, slot)) {
            if (!entry.visible) {
                continue;
            }
            out << entry.caption << (entry.enabled ? "" : " (disabled)") << "\n";
            for (const SlotMenuEntry& place : entry.submenu) {
                out << "    > " << place.caption << (place.enabled ? "" : " (disabled)") << "\n";
            }
        }
        return out.str();
    }
};

// Checked by hand against the menu rules: armour on every occupied slot (fixed entries too),
// front/rear and turret only for weapons proper and never both, ammunition only for launchers
// and guns, move-to hidden on spread slots and disabled with remove on locked ones, the
// normalise entry only in the center torso, the A-Pod's move-to limited to the other leg.
TEST_F(SlotMenuTest, OffersTheEntriesOfEachKindOfSlot) {
    setUp([](model::Mech& m) {
        m.setTechLevel(3);
        m.setLTTurret(true);
    });
    drop(kMediumLaser, kLeftTorso, 0);
    drop(kLRM10, kRightTorso, 0);
    drop(kAPod, kLeftLeg, 4);
    const std::int16_t ac20 = add(kAC20);
    const WeaponDrop spread = DropWeapon(editor, kRightTorso, 4, ac20);
    ASSERT_TRUE(ApplySpread(editor, *spread.spread, {8, kCenterTorso, 2}));
    ASSERT_TRUE(DropItem(editor, kHead, 3, cHS));

    std::string text;
    for (const auto& [loc, slot] : std::vector<std::pair<int, int>>{{kLeftTorso, 0},
                                                                    {kRightTorso, 0},
                                                                    {kRightTorso, 5},
                                                                    {kLeftLeg, 4},
                                                                    {kHead, 3},
                                                                    {kLeftArm, 0},
                                                                    {kCenterTorso, 0},
                                                                    {kLeftArm, 11}}) {
        text += menuText(loc, slot);
    }
    ASSERT_TRUE(ToggleRearMount(editor, kLeftTorso, 0));
    text += menuText(kLeftTorso, 0);
    testing::expectMatchesGolden(text, std::string(FPW_TESTS_SOURCE_DIR) +
                                           "/editor/slotmenu_test.golden");
}

TEST_F(SlotMenuTest, ArmouringTheEngineCoversAllItsSlotsAFixedEntryOnlyItself) {
    ASSERT_TRUE(ToggleSlotArmor(editor, kCenterTorso, 8));
    EXPECT_EQ(editor.mech().armoredSlots(), 6); // the standard engine's six center slots
    EXPECT_TRUE(list(kCenterTorso).IsArmoredSlot(0));
    EXPECT_FALSE(list(kCenterTorso).IsArmoredSlot(3)); // the gyro
    ASSERT_TRUE(ToggleSlotArmor(editor, kLeftArm, 1));
    EXPECT_EQ(editor.mech().armoredSlots(), 7);
    EXPECT_EQ(slotMenu(editor, kLeftArm, 1)[0].caption, "Un-Armor Upper Arm Actuator");
    ASSERT_TRUE(ToggleSlotArmor(editor, kCenterTorso, 0));
    EXPECT_EQ(editor.mech().armoredSlots(), 1);
}

TEST_F(SlotMenuTest, RearAndTurretMountingFollowTheWeaponList) {
    setUp([](model::Mech& m) {
        m.setTechLevel(3);
        m.setLTTurret(true);
    });
    drop(kLargeLaser, kLeftTorso, 2);
    ASSERT_TRUE(ToggleRearMount(editor, kLeftTorso, 3));
    EXPECT_EQ(list(kLeftTorso).SlotText(2), "(R) Large Laser");
    EXPECT_TRUE(list(kLeftTorso).IsRearSlot(3));
    EXPECT_TRUE(editor.mech().weapons().back().rearMounted);
    EXPECT_FALSE(ToggleTurretMount(editor, kLeftTorso, 2)) << "a rear weapon takes no turret";
    ASSERT_TRUE(ToggleRearMount(editor, kLeftTorso, 2));
    ASSERT_TRUE(ToggleTurretMount(editor, kLeftTorso, 2));
    EXPECT_EQ(list(kLeftTorso).SlotText(3), "(T) Large Laser");
    EXPECT_DOUBLE_EQ(editor.mech().ltTurretTonnage(), 0.5);
    EXPECT_EQ(editor.display().ltTurret, "Turret: 0.5 tons");
}

TEST_F(SlotMenuTest, MovingTakesTheFirstFreeRunOrLeavesTheItemUnallocated) {
    const std::int16_t laser = drop(kLargeLaser, kRightTorso, 5);
    ASSERT_TRUE(MoveToLocation(editor, kRightTorso, 6, kLeftTorso));
    EXPECT_EQ(ids(kLeftTorso)[0], std::to_string(laser));
    EXPECT_EQ(editor.mech().weapons().back().GetLoc(0), kLeftTorso);
    const int heatSinks = editor.items().count(cHS);
    ASSERT_TRUE(DropItem(editor, kLeftTorso, 4, cHS));
    ASSERT_TRUE(MoveToLocation(editor, kLeftTorso, 4, kRightTorso));
    EXPECT_EQ(ids(kRightTorso)[0], "cHS1");
    ASSERT_TRUE(MoveToLocation(editor, kRightTorso, 0, kLeftTorso));
    EXPECT_EQ(ids(kLeftTorso)[2], "cHS1") << "below the large laser";
    // The head's one free slot is taken, so the heat sink finds no room there.
    drop(kMediumLaser, kHead, 3);
    ASSERT_TRUE(MoveToLocation(editor, kLeftTorso, 2, kHead));
    EXPECT_EQ(editor.items().count(cHS), heatSinks);
    EXPECT_EQ(ids(kLeftTorso)[2], "");
}

TEST_F(SlotMenuTest, AddingAmmunitionAsksForAWholeNumberOfTonsUntilItGetsOne) {
    drop(kLRM10, kRightTorso, 0);
    const int before = editor.mech().WeaponCount();
    shipped.user.choiceAnswers = {0};
    shipped.user.inputAnswers = {"abc", "101", "2.5", " 1 "};
    ASSERT_TRUE(AddAmmunition(editor, kRightTorso, 0));
    EXPECT_EQ(editor.mech().WeaponCount(), before + 1);
    EXPECT_EQ(editor.mech().weapons().back().refID, 26); // LRM-10 Ammo
    const std::string retry = "You entered an invalid number. Please enter many tons of "
                              "LRM-10 Ammo would you like to add.";
    EXPECT_EQ(shipped.user.questions,
              (std::vector<std::string>{"Select the ammunition to add.",
                                        "How many tons of LRM-10 Ammo (12 shots per ton) would "
                                        "you like to add?",
                                        retry, retry, retry}));

    for (const std::optional<std::string>& cancel :
         {std::optional<std::string>("0"), std::optional<std::string>(""),
          std::optional<std::string>()}) {
        const EditorState unchanged = snapshot();
        shipped.user.choiceAnswers = {0};
        shipped.user.inputAnswers = {cancel};
        EXPECT_FALSE(AddAmmunition(editor, kRightTorso, 0));
        expectUnchanged(unchanged);
    }
}

TEST_F(SlotMenuTest, InfoShowsTheWeaponsInformation) {
    drop(kMediumLaser, kRightTorso, 0);
    const EditorState before = snapshot();
    ASSERT_TRUE(ShowSlotInfo(editor, kRightTorso, 0));
    const testing::ShownMessage& shown = shipped.user.onlyMessage();
    EXPECT_EQ(shown.title, "Medium Laser");
    EXPECT_EQ(shown.text, weaponInformationText(shipped.ctx.weapons[kMediumLaser]));
    expectUnchanged(before);
}

TEST_F(SlotMenuTest, RemoveAllTakesEveryCopyOfTheWeaponAndNothingElse) {
    drop(kMediumLaser, kRightTorso, 0);
    drop(kMediumLaser, kLeftTorso, 0);
    const std::int16_t large = drop(kLargeLaser, kLeftTorso, 1);
    ASSERT_TRUE(RemoveAllOfSlotItem(editor, kRightTorso, 0));
    EXPECT_EQ(editor.unallocatedWeapons().size(), 2u);
    EXPECT_EQ(ids(kLeftTorso)[1], std::to_string(large));
    ASSERT_TRUE(ClearLocation(editor, kLeftTorso));
    EXPECT_EQ(editor.unallocatedWeapons().size(), 3u);
    EXPECT_EQ(ids(kLeftArm)[0], "-1") << "other locations keep their entries";
}

TEST_F(SlotMenuTest, BaseOmniWeaponsCannotBeDeletedOrRemoved) {
    drop(kMediumLaser, kRightTorso, 0);
    setUp([](model::Mech& m) {
        m.setMechType(kOmniMech);
        ASSERT_TRUE(m.LockBaseOmni());
    });
    const EditorState before = snapshot();
    EXPECT_FALSE(DeleteSlotWeapon(editor, kRightTorso, 0));
    expectRefusedWith(before, "Unable to remove weapon",
                      "You can not remove that weapon since it is part of the base omni "
                      "configuration.");
    shipped.user.yesNoAnswers = {true};
    ASSERT_TRUE(ClearEquipment(editor)) << "clearing passes over base weapons";
    EXPECT_EQ(editor.mech().WeaponCount(), 1);
}

TEST_F(SlotMenuTest, AFixedTargetingComputerRefusesAWeaponThatWouldEnlargeIt) {
    drop(kLargeLaser, kRightTorso, 0); // 5 tons: a two-slot computer
    setUp([](model::Mech& m) {
        m.setMechType(kOmniMech);
        m.setTargSysType(targeting::kTargetingComputer);
    });
    // Until the base is locked the computer grows with the weapons.
    const std::int16_t extra = add(kLargeLaser);
    EXPECT_TRUE(shipped.user.messages.empty());
    ASSERT_TRUE(RemoveWeapon(editor, extra));
    ASSERT_TRUE(DropItem(editor, kLeftTorso, 0, cTS));
    setUp([](model::Mech& m) { ASSERT_TRUE(m.LockBaseOmni()); });
    const EditorState before = snapshot();
    EXPECT_FALSE(DuplicateSlotWeapon(editor, kRightTorso, 0));
    expectRefusedWith(before, "Unable to add weapon",
                      "Unable to add all the selected weapons. Since a targeting computer is "
                      "part of the base omni chassis, the starting critical slot has to remain "
                      "the same. The additional weapon will make the targeting computer too "
                      "large to fit where it was initially allocated.");
    // The selection stops at the weapon that does not fit; the ones before it stay.
    shipped.user.messages.clear();
    ASSERT_TRUE(AddWeapons(editor, {kMediumLaser, kLargeLaser, kMediumLaser}));
    EXPECT_EQ(editor.mech().WeaponCount(), 2);
    EXPECT_EQ(shipped.user.messages.size(), 1u);
}

} // namespace
} // namespace fpw::editor
