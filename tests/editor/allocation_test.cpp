// Dropping weapons and items on slots, spreading, auto- and multi-allocation, and the actions
// over whole locations.
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

using namespace catalog; // location indices and item codes

TEST_F(AllocationTest, ADroppedWeaponTakesItsRunAndIsOneStep) {
    const std::int16_t laser = add(kLargeLaser);
    snapshot();
    const int needed = editor.display().neededSlots;
    EXPECT_EQ(DropWeapon(editor, kRightTorso, 3, laser).result, DropResult::Placed);
    const std::string id = std::to_string(laser);
    EXPECT_EQ(ids(kRightTorso)[3], id);
    EXPECT_EQ(ids(kRightTorso)[4], id);
    EXPECT_EQ(ids(kRightTorso)[5], "");
    EXPECT_EQ(list(kRightTorso).SlotText(3), "Large Laser");
    EXPECT_EQ(editor.mech().weapons().back().GetLoc(0), kRightTorso);
    EXPECT_EQ(editor.mech().weapons().back().startCrit, 3);
    EXPECT_TRUE(editor.unallocatedWeapons().empty());
    EXPECT_EQ(editor.display().neededSlots, needed - 2);
    EXPECT_FALSE(editor.saved());
    EXPECT_EQ(editor.undoDepth(), 1u);
}

TEST_F(AllocationTest, LockedSlotsEndTheRunAndALockedTargetDoesNothing) {
    const std::int16_t lrm = add(kLRM20); // 5 slots, cannot spread
    const EditorState before = snapshot();
    // The shoulder is locked; below the hand actuator only slots 4 to 11 are open.
    EXPECT_EQ(DropWeapon(editor, kLeftArm, 0, lrm).result, DropResult::Refused);
    EXPECT_EQ(DropWeapon(editor, kLeftArm, 8, lrm).result, DropResult::NoRoom);
    // The center torso's engine below slot 10 ends the run at two slots.
    EXPECT_EQ(DropWeapon(editor, kCenterTorso, 10, lrm).result, DropResult::NoRoom);
    EXPECT_TRUE(shipped.user.messages.empty());
    expectUnchanged(before);
    EXPECT_EQ(DropWeapon(editor, kLeftArm, 7, lrm).result, DropResult::Placed);
    EXPECT_EQ(ids(kLeftArm)[11], std::to_string(lrm));
}

TEST_F(AllocationTest, DroppingOverUnlockedItemsReturnsThemToTheirLists) {
    const std::int16_t small = add(kMediumLaser);
    const std::int16_t big = add(kLRM10);
    const int heatSinks = editor.items().count(cHS); // the new design's, all unallocated
    ASSERT_EQ(DropWeapon(editor, kRightTorso, 0, small).result, DropResult::Placed);
    ASSERT_TRUE(DropItem(editor, kRightTorso, 1, cHS));
    EXPECT_EQ(editor.items().count(cHS), heatSinks - 1);
    ASSERT_EQ(DropWeapon(editor, kRightTorso, 0, big).result, DropResult::Placed);
    EXPECT_EQ(ids(kRightTorso)[1], std::to_string(big));
    EXPECT_EQ(editor.items().count(cHS), heatSinks);
    ASSERT_EQ(editor.unallocatedWeapons().size(), 1u);
    EXPECT_EQ(editor.unallocatedWeapons()[0].weaponIndex, small);
}

TEST_F(AllocationTest, TheRoomTestCountsTheLaunchersArtemisSlots) {
    setUp([](model::Mech& m) {
        m.setTechLevel(2);
        m.setArtemisLRM(kArtemisIV);
    });
    const std::int16_t lrm5 = add(kLRM5);   // 1 + 1 slots
    const std::int16_t lrm10 = add(kLRM10); // 2 + 1 slots
    EXPECT_EQ(DropWeapon(editor, kCenterTorso, 10, lrm10).result, DropResult::NoRoom);
    EXPECT_EQ(DropWeapon(editor, kCenterTorso, 10, lrm5).result, DropResult::Placed);
    EXPECT_EQ(list(kCenterTorso).SlotBaseCode(11), cAIVL) << "its fire control beside it";
    ASSERT_TRUE(RemoveWeapon(editor, lrm5));
    EXPECT_FALSE(list(kCenterTorso).IsOccupied(11)) << "and gone with it";
}

struct MountCase {
    const char* name;
    std::int16_t mechType;
    std::int16_t refID;
    int loc;
    const char* refusal;  // nullptr: accepted
    bool lowerArm = true; // the arm actuators of both arms
    bool hand = true;
};

class MountRules : public AllocationTest, public ::testing::WithParamInterface<MountCase> {};

TEST_P(MountRules, RefuseWithTheirMessageOrPlace) {
    const MountCase& c = GetParam();
    setUp([&](model::Mech& m) {
        m.setTechLevel(3);
        m.setMechType(c.mechType);
        for (const bool right : {false, true}) {
            (m.*(right ? &model::Mech::SetRAActuator : &model::Mech::SetLAActuator))(2, c.lowerArm);
            (m.*(right ? &model::Mech::SetRAActuator : &model::Mech::SetLAActuator))(3, c.hand);
        }
        m.LayDefaultSlots();
    });
    const std::int16_t weapon = add(c.refID);
    const EditorState before = snapshot();
    // The first slot below the location's fixed entries.
    const int slot = c.loc == kCenterTorso                         ? 10
                     : c.loc == kHead                              ? 3
                     : c.loc == kLeftTorso || c.loc == kRightTorso ? 0
                                                                   : 4;
    const DropResult result = DropWeapon(editor, c.loc, slot, weapon).result;
    if (c.refusal == nullptr) {
        EXPECT_EQ(result, DropResult::Placed);
        EXPECT_TRUE(shipped.user.messages.empty());
    } else {
        EXPECT_EQ(result, DropResult::Refused);
        expectRefusedWith(before, "Unable to mount item", c.refusal);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Allocation, MountRules,
    ::testing::Values(
        MountCase{"OmniPPCInArmWithActuators", kOmniMech, 3, kLeftArm,
                  "Unable to mount the PPC due to the actuators that are installed. On an "
                  "omni-mech, you may not have lower or hand actuators in an arm that mounts a "
                  "PPC, Gauss Rifle or Autocannon."},
        MountCase{"OmniPPCInArmWithAHandAlone", kOmniMech, 3, kRightArm,
                  "Unable to mount the PPC due to the actuators that are installed. On an "
                  "omni-mech, you may not have lower or hand actuators in an arm that mounts a "
                  "PPC, Gauss Rifle or Autocannon.",
                  false, true},
        MountCase{"OmniPPCInArmWithoutLowerAndHand", kOmniMech, 3, kLeftArm, nullptr, false, false},
        MountCase{"BipedPPCInArm", kBiped, 3, kLeftArm, nullptr},
        MountCase{"OmniLaserInArm", kOmniMech, 2, kRightArm, nullptr},
        MountCase{"APodInTorso", kBiped, 366, kLeftTorso,
                  "A-Pods can only be mounted in the legs."},
        MountCase{"APodInFrontLegOfQuad", kQuad, 366, kLeftArm, nullptr},
        MountCase{"APodInLeg", kBiped, 366, kRightLeg, nullptr},
        MountCase{"GrenadeLauncherInArm", kBiped, 375, kRightArm,
                  "Grenade Launchers can only be mounted in the torsos."},
        MountCase{"GrenadeLauncherInCenterTorso", kBiped, 368, kCenterTorso, nullptr},
        MountCase{"CowlInTorso", kBiped, 376, kRightTorso,
                  "A Cowl can only be mounted in the head."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AllocationTest, ASpreadAsksForTheSplitAndAppliesOnlyAMatchingTotal) {
    const std::int16_t ac20 = add(kAC20); // 10 slots
    const EditorState before = snapshot();
    const WeaponDrop drop = DropWeapon(editor, kRightTorso, 4, ac20);
    ASSERT_EQ(drop.result, DropResult::NeedsSpread);
    expectUnchanged(before);
    const SpreadRequest& request = *drop.spread;
    EXPECT_EQ(request.need, 10);
    EXPECT_EQ(request.primaryMaximum, 8);
    // The arm fills below its actuators, the center torso below its engine.
    ASSERT_EQ(request.secondaries.size(), 2u);
    EXPECT_EQ(request.secondaries[0], (SpreadLocation{kRightArm, "Right Arm", 8}));
    EXPECT_EQ(request.secondaries[1], (SpreadLocation{kCenterTorso, "Center Torso", 2}));
    EXPECT_TRUE(request.text.starts_with("This weapon can be spread across several locations. "
                                         "You have a total of 10 slots to allocate."));

    EXPECT_FALSE(ApplySpread(editor, request, {7, kCenterTorso, 2}));
    EXPECT_FALSE(ApplySpread(editor, request, {7, kCenterTorso, 3})); // beyond its maximum
    EXPECT_EQ(shipped.user.beeps, 2);
    expectUnchanged(before);

    ASSERT_TRUE(ApplySpread(editor, request, {7, kRightArm, 3}));
    const std::string id = std::to_string(ac20);
    EXPECT_EQ(ids(kRightTorso),
              (std::vector<std::string>{"", "", "", "", id, id, id, id, id, id, id, ""}));
    EXPECT_EQ(ids(kRightArm),
              (std::vector<std::string>{"-1", "-1", "-1", "-1", id, id, id, "", "", "", "", ""}));
    EXPECT_TRUE(list(kRightArm).IsSpreadSlot(6));
    EXPECT_TRUE(list(kRightTorso).IsSpreadSlot(4));
    const model::WeaponEntry& weapon = editor.mech().weapons().back();
    EXPECT_EQ(weapon.locations, (std::vector<std::int16_t>{kRightTorso, kRightArm}));
    EXPECT_EQ(weapon.startCrit, 4);
    EXPECT_FALSE(MoveToLocation(editor, kRightArm, 5, kLeftTorso)) << "a spread weapon stays";
    // Unallocating either part frees both locations.
    ASSERT_TRUE(UnallocateByDoubleClick(editor, kRightArm, 5));
    EXPECT_EQ(ids(kRightTorso)[4], "");
    EXPECT_EQ(editor.unallocatedWeapons().size(), 1u);
}

TEST_F(AllocationTest, SpreadingFromALegOffersNoLocation) {
    const std::int16_t ac20 = add(kAC20);
    const EditorState before = snapshot();
    EXPECT_EQ(DropWeapon(editor, kLeftLeg, 4, ac20).result, DropResult::Refused);
    expectRefusedWith(before, "No room to spread",
                      "There are no valid locations for this weapon to spread into.");
    // A quad's front legs are legs too, whichever side of the spread they would be.
    setUp([](model::Mech& m) {
        m.setMechType(kQuad);
        m.LayDefaultSlots();
    });
    EXPECT_TRUE(spreadRequest(editor, kLeftArm, 4, ac20)->secondaries.empty());
    const std::vector<SpreadLocation> intoTorso =
        spreadRequest(editor, kLeftTorso, 4, ac20)->secondaries;
    ASSERT_EQ(intoTorso.size(), 1u);
    EXPECT_EQ(intoTorso[0].location, kCenterTorso);
}

TEST_F(AllocationTest, SeveralWeaponsGoOneAfterAnotherFromTheDropSlot) {
    const std::int16_t a = add(kMediumLaser);
    const std::int16_t b = add(kLargeLaser);
    const std::int16_t c = add(kLRM20);
    const int heatSinks = editor.items().count(cHS);
    ASSERT_TRUE(DropItem(editor, kLeftTorso, 5, cHS));
    ASSERT_TRUE(DropWeapons(editor, kLeftTorso, 4, {a, b, c}));
    const std::string A = std::to_string(a), B = std::to_string(b), C = std::to_string(c);
    // The heat sink in the way goes back to its list; each weapon avoids the ones before it.
    EXPECT_EQ(ids(kLeftTorso), (std::vector<std::string>{"", "", "", "", A, B, B, C, C, C, C, C}));
    EXPECT_EQ(editor.items().count(cHS), heatSinks);
    EXPECT_TRUE(editor.unallocatedWeapons().empty());
}

TEST_F(AllocationTest, SeveralWeaponsWithASpreadableOneAreRefused) {
    const std::int16_t a = add(kMediumLaser);
    const std::int16_t b = add(kAC10);
    const EditorState before = snapshot();
    EXPECT_FALSE(DropWeapons(editor, kLeftTorso, 0, {a, b}));
    expectRefusedWith(before, "Unable to allocate items",
                      "You can not use multi-allocate to allocate weapons that can spread "
                      "across critical locations.");
    ShowControlKeyHint(editor);
    EXPECT_EQ(shipped.user.messages.back().title, "Use control key");
    EXPECT_EQ(shipped.user.messages.back().icon, app::MessageIcon::Information);
}

TEST_F(AllocationTest, JumpJetsStayOutOfTheArmsAndHeadOfABipedAndNothingGoesIntoMissingArms) {
    EXPECT_FALSE(AutoAllocate(editor, cJJ)) << "the new design has no jump jets";
    editor.items().add(std::string(cJJ), 12, "Jump Jet", 1);
    const EditorState before = snapshot();
    EXPECT_FALSE(DropItem(editor, kLeftArm, 5, cJJ));
    EXPECT_FALSE(DropItem(editor, kHead, 3, cJJ));
    EXPECT_FALSE(acceptsItemDrop(editor, kRightArm, cJJ));
    expectUnchanged(before);
    ASSERT_TRUE(AutoAllocate(editor, cJJ));
    // The left arm is passed over; the left torso, next in order, takes all twelve.
    EXPECT_EQ(list(kLeftTorso).FreeSlotCount(), 0);
    EXPECT_EQ(list(kLeftArm).FreeSlotCount(), 8);
    EXPECT_EQ(list(kHead).FreeSlotCount(), 1);

    setUp([](model::Mech& m) { m.setMechType(kQuad); });
    EXPECT_TRUE(acceptsItemDrop(editor, kRightArm, cJJ)) << "a quad's front leg";
    setUp([](model::Mech& m) {
        m.setMechType(kBiped);
        m.setArmless(true);
    });
    EXPECT_FALSE(acceptsItemDrop(editor, kRightArm, cHS)) << "an armless design's arm";
    const std::int16_t laser = add(kMediumLaser);
    EXPECT_EQ(DropWeapon(editor, kRightArm, 5, laser).result, DropResult::Refused);
    EXPECT_TRUE(acceptsItemDrop(editor, kRightLeg, cHS));
}

TEST_F(AllocationTest, AutoAllocateLeavesWhatFindsNoRunOnItsRow) {
    // Fill every location but a two-slot gap in the right torso.
    for (int loc = 0; loc < model::kSlotLocations; ++loc) {
        model::CritLocation& l = editor.mech().critLocation(loc);
        for (int s = 0; s < l.slotCount(); ++s) {
            if (!l.IsOccupied(s) && !(loc == kRightTorso && s < 2)) {
                l.SetSlot("Filler", s, model::SlotFlags{.isLocked = true, .isActive = true}, "-1");
            }
        }
    }
    editor.items().add("cTS", 1, "Targeting Computer", 3);
    const EditorState before = snapshot();
    EXPECT_FALSE(AutoAllocate(editor, "cTS"));
    expectUnchanged(before);
    const std::optional<MultiAllocateRequest> request = multiAllocateRequest(editor, "cTS");
    ASSERT_TRUE(request);
    for (const MultiAllocateLocation& l : request->locations) {
        EXPECT_EQ(l.maximum, 0) << l.name;
    }
}

TEST_F(AllocationTest, MultiAllocateOffersEachLocationsRoomAndPlacesTheCounts) {
    EXPECT_FALSE(multiAllocateRequest(editor, cJJ)) << "no row, no dialog";
    // The new design's ten heat sinks.
    const std::optional<MultiAllocateRequest> request = multiAllocateRequest(editor, cHS);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->text,
              "Select the locations and the number of Heat Sink critical slots to allocate in "
              "those locations. Each item requires 1 slots. You have a total of 10 items to "
              "allocate. The numbers in parentheses are the max number you can allocate for "
              "each location.");
    ASSERT_EQ(request->locations.size(), 8u);
    EXPECT_EQ(request->locations[kHead].maximum, 1);
    EXPECT_EQ(request->locations[kCenterTorso].maximum, 2);
    EXPECT_EQ(request->locations[kLeftTorso].maximum, 10); // capped at the row's count
    EXPECT_EQ(multiAllocateTotal(*request, 0), "0 of 10");
    EXPECT_EQ(autoAllocateCaption(*editor.items().find(cHS)), "Auto-Allocate Heat Sink (10)");

    const EditorState before = snapshot();
    std::vector<int> counts(8, 0);
    counts[kCenterTorso] = 3; // beyond its maximum
    EXPECT_FALSE(ApplyMultiAllocate(editor, *request, counts));
    EXPECT_EQ(shipped.user.beeps, 1);
    expectUnchanged(before);

    counts[kCenterTorso] = 2;
    counts[kHead] = 1;
    ASSERT_TRUE(ApplyMultiAllocate(editor, *request, counts));
    EXPECT_EQ(list(kCenterTorso).FreeSlotCount(), 0);
    EXPECT_EQ(ids(kHead)[3], "cHS1");
    EXPECT_EQ(editor.items().count(cHS), 7);
}

TEST_F(AllocationTest, ClearAllAsksAndKeepsTheFixedEntries) {
    const std::int16_t laser = add(kMediumLaser);
    ASSERT_EQ(DropWeapon(editor, kHead, 3, laser).result, DropResult::Placed);
    const EditorState before = snapshot();
    shipped.user.yesNoAnswers = {false, true};
    EXPECT_FALSE(ClearAllCrits(editor));
    expectUnchanged(before);
    ASSERT_TRUE(ClearAllCrits(editor));
    EXPECT_EQ(shipped.user.questions.back(), "Are you sure you want to unallocate everything?");
    EXPECT_EQ(ids(kHead), (std::vector<std::string>{"-1", "-1", "-1", "", "-1", "-1"}));
    EXPECT_EQ(editor.unallocatedWeapons().size(), 1u);
}

TEST_F(AllocationTest, CompactMovesItemsUpAndKeepsWeaponStartSlots) {
    const std::int16_t laser = add(kLargeLaser);
    ASSERT_EQ(DropWeapon(editor, kLeftArm, 9, laser).result, DropResult::Placed);
    ASSERT_TRUE(CompactCrits(editor));
    EXPECT_EQ(ids(kLeftArm)[4], std::to_string(laser));
    EXPECT_EQ(editor.mech().weapons().back().startCrit, 4);
}

TEST_F(AllocationTest, CompactIsRefusedOnALockedOmniMech) {
    setUp([](model::Mech& m) {
        m.setMechType(kOmniMech);
        ASSERT_TRUE(m.LockBaseOmni());
    });
    const EditorState before = snapshot();
    EXPECT_FALSE(CompactCrits(editor));
    const testing::ShownMessage& shown = shipped.user.onlyMessage();
    EXPECT_EQ(shown.title, "Can not compact");
    EXPECT_EQ(shown.text, "You can not compact crits on a locked OmniMech.");
    EXPECT_EQ(shown.icon, app::MessageIcon::Information);
    expectUnchanged(before);
}

TEST_F(AllocationTest, NormalizingTheCenterTorsoRestoresTheStandardOrder) {
    setUp([](model::Mech& m) { m.SetCase(kCenterTorso, kStandardCase); });
    const std::vector<std::string> standard = ids(kCenterTorso);
    const std::int16_t laser = add(kMediumLaser);
    ASSERT_EQ(DropWeapon(editor, kCenterTorso, 10, laser).result, DropResult::Placed);
    ASSERT_TRUE(editor.perform("Scramble", [&] {
        editor.mech().critLocation(kCenterTorso).Compact();
        return Outcome::Accepted;
    }));
    ASSERT_TRUE(NormalizeCenterTorso(editor));
    std::vector<std::string> expected = standard;
    expected[11] = "cCASE1";
    EXPECT_EQ(ids(kCenterTorso), expected);
    EXPECT_EQ(list(kCenterTorso).SlotText(11), "CASE");
    EXPECT_EQ(editor.unallocatedWeapons().size(), 1u);
}

TEST_F(AllocationTest, UndoAfterAllocationRestoresTheExactState) {
    const std::int16_t ac20 = add(kAC20);
    const EditorState start = snapshot();
    const WeaponDrop drop = DropWeapon(editor, kLeftTorso, 6, ac20);
    ASSERT_EQ(drop.result, DropResult::NeedsSpread);
    ASSERT_TRUE(ApplySpread(editor, *drop.spread, {6, kLeftArm, 4}));
    ASSERT_TRUE(CompactCrits(editor));
    ASSERT_TRUE(editor.undo());
    ASSERT_TRUE(editor.undo());
    EXPECT_EQ(editor.document(), start.document);
    EXPECT_EQ(editor.unallocatedWeapons(), start.unallocatedWeapons);
}

} // namespace
} // namespace fpw::editor
