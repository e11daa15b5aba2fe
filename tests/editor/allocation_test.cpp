// The allocation rules the golden scripts (scripts/alloc_*.fpws, mount_rules.fpws) cannot
// reach: an arm only a file can hold, the multi-allocate dialog's offer, full locations.
#include <gtest/gtest.h>

#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "editor/allocation.h"
#include "editor/allocationkit.h"
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
    EXPECT_EQ(list(kHead).SlotItemId(3), "cHS1");
    EXPECT_EQ(editor.items().count(cHS), 7);
    // Eight more than the seven left (the offer is stale now), or none at all, are refused.
    const EditorState placed = snapshot();
    for (const std::vector<int>& more :
         {std::vector<int>{0, 8, 0, 0, 0, 0, 0, 0}, std::vector<int>(8, 0)}) {
        EXPECT_FALSE(ApplyMultiAllocate(editor, *request, more));
    }
    expectUnchanged(placed);
}

} // namespace
} // namespace fpw::editor
