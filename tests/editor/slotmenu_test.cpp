// The slot pop-up menu's operations that the golden scripts (scripts/slot_menu.fpws,
// rear_turret.fpws) cannot show: what the menu never offers, and refusals on a locked omni.

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

// What the menu never offers is refused all the same, without a message: a turret for a rear
// weapon, and any command on a location that does not exist.
TEST_F(SlotMenuTest, CommandsTheMenuDoesNotOfferAreRefusedQuietly) {
    setUp([](model::Mech& m) {
        m.setTechLevel(3);
        m.setLTTurret(true);
    });
    const std::int16_t laser = drop(kLargeLaser, kLeftTorso, 2);
    ASSERT_TRUE(ToggleRearMount(editor, kLeftTorso, 3));
    const EditorState before = snapshot();
    EXPECT_FALSE(ToggleTurretMount(editor, kLeftTorso, 2));
    EXPECT_EQ(DropWeapon(editor, kRightTorso, 0, laser).result, DropResult::Refused) << "placed";
    for (const int loc : {-1, model::kSlotLocations}) {
        EXPECT_TRUE(slotMenu(editor, loc, 0).empty()) << loc;
        EXPECT_FALSE(ToggleSlotArmor(editor, loc, 0)) << loc;
    }
    EXPECT_TRUE(shipped.user.messages.empty());
    expectUnchanged(before);
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
