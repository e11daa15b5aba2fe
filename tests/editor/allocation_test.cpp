// The allocation rules the golden scripts (scripts/alloc_*.fpws, mount_rules.fpws) cannot
// reach: an arm only a file can hold, the spread and multi-allocate dialogs' texts, full
// locations, a locked omni and a scrambled center torso.
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

// A file may hold an omni arm with a hand but no lower arm, which no editor action makes.
TEST_F(AllocationTest, AnOmniArmWithAHandAloneTakesNoPPC) {
    setUp([](model::Mech& m) {
        m.setMechType(kOmniMech);
        m.SetLAActuator(2, false);
        m.SetRAActuator(2, false);
        m.LayDefaultSlots();
    });
    for (const int arm : {kLeftArm, kRightArm}) {
        EXPECT_EQ(DropWeapon(editor, arm, 4, add(kPPC)).result, DropResult::Refused) << arm;
    }
}

TEST_F(AllocationTest, AQuadsFrontLegsAreLegsOnEitherSideOfASpread) {
    const std::int16_t ac20 = add(kAC20);
    EXPECT_TRUE(spreadRequest(editor, kRightTorso, 4, ac20)
                    ->text.starts_with("This weapon can be spread across several locations. "
                                       "You have a total of 10 slots to allocate."));
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

TEST_F(AllocationTest, TheControlKeyHintInforms) {
    ShowControlKeyHint(editor);
    EXPECT_EQ(shipped.user.onlyMessage().title, "Use control key");
    EXPECT_EQ(shipped.user.onlyMessage().icon, app::MessageIcon::Information);
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

} // namespace
} // namespace fpw::editor
