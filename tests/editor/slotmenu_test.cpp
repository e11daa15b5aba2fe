// The slot pop-up menu's operations that the golden script (scripts/slot_menu.fpws) cannot
// show: the turret's tonnage text, and refusals on a locked omni chassis.

#include <gtest/gtest.h>

#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "editor/allocation.h"
#include "editor/allocationkit.h"
#include "editor/slotmenu.h"
#include "model/mech.h"

namespace fpw::editor {
namespace {

using namespace catalog;

using SlotMenuTest = AllocationTest;

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
