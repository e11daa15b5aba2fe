#include "model/critlocation.h"

#include <gtest/gtest.h>

namespace fpw::model {
namespace {

// Records what a view would hear: kind, first and last slot.
struct Recorder {
    std::vector<std::tuple<SlotChange::Kind, int, int>> changes;
    CritLocation::Listener listener() {
        return
            [this](const SlotChange& c) { changes.emplace_back(c.kind, c.firstSlot, c.lastSlot); };
    }
};

std::pair<int, int> found(const CritLocation& list, std::string_view code) {
    const ItemRun run = list.FindItem(code);
    return {run.firstSlot, run.slotCount};
}

SlotFlags lockedEntry() {
    SlotFlags f;
    f.isActive = true;
    f.isLocked = true;
    return f;
}

// A list shaped by a string, one character per slot: '.' free, 'L' a locked fixed entry,
// a letter an unlocked item with that identifier, a digit a weapon with that identifier.
CritLocation listOf(std::string_view layout) {
    CritLocation list(1, static_cast<int>(layout.size()));
    for (int i = 0; i < static_cast<int>(layout.size()); ++i) {
        const char c = layout[i];
        if (c == 'L') {
            list.SetSlot("Fixed", i, lockedEntry(), "-1");
        } else if (c >= '0' && c <= '9') {
            list.PlaceItem("Weapon", i, true, std::string(1, c));
        } else if (c != '.') {
            list.PlaceItem(std::string("Item ") + c, i, false, std::string("c") + c + "1");
        }
    }
    return list;
}

std::string layoutOf(const CritLocation& list) {
    std::string out;
    for (const CriticalSlot& s : list.slots()) {
        if (!s.isActive) {
            out += '.';
        } else if (s.isLocked) {
            out += 'L';
        } else if (s.isWeapon) {
            out += s.itemID;
        } else {
            out += s.itemID[1];
        }
    }
    return out;
}

TEST(CritLocation, SetSlotAndPlaceItemWriteAndNotifyAndRefuseSlotsOutsideTheList) {
    CritLocation list(4);
    Recorder rec;
    list.setListener(rec.listener());
    SlotFlags flags = lockedEntry();
    flags.isArmored = true;
    ASSERT_TRUE(list.SetSlot("XL Engine", 0, flags, "cEng1"));
    EXPECT_TRUE(list.IsLockedSlot(0) && list.IsArmoredSlot(0));
    EXPECT_EQ(list.SlotBaseCode(0), "cEng");
    // Placing over a slot clears every flag but occupied and weapon.
    list.SetSlot("Old", 1, flags, "x");
    ASSERT_TRUE(list.PlaceItem("PPC", 1, true, "3"));
    EXPECT_TRUE(list.IsOccupied(1) && list.IsWeaponSlot(1));
    EXPECT_FALSE(list.IsLockedSlot(1) || list.IsArmoredSlot(1));
    EXPECT_EQ(list.SlotText(1), "PPC");
    EXPECT_EQ(list.SlotItemId(1), "3");
    EXPECT_EQ(list.SlotBaseCode(1), "");
    ASSERT_EQ(rec.changes.size(), 3u);
    EXPECT_EQ(rec.changes[2], std::tuple(SlotChange::Kind::Slots, 1, 1));

    const auto before = list.slots();
    EXPECT_FALSE(list.SetSlot("X", 12, SlotFlags{}, "x"));
    EXPECT_FALSE(list.PlaceItem("X", -1, false, "x"));
    EXPECT_FALSE(list.ClearSlot(12));
    EXPECT_FALSE(list.MarkSpread(12));
    EXPECT_FALSE(list.IsOccupied(-1));
    EXPECT_EQ(list.SlotText(12), "");
    EXPECT_EQ(list.slots(), before);
    EXPECT_EQ(rec.changes.size(), 3u);
}

TEST(CritLocation, FindAndNumberItemsByCodeOrIdentifier) {
    CritLocation list(1);
    EXPECT_EQ(list.NextInstance("cHS"), 1);
    list.PlaceItem("Heat Sink", 2, false, "cHS1");
    for (const int slot : {5, 6, 7}) {
        list.PlaceItem("Double Heat Sink", slot, false, "cHS3");
    }
    list.PlaceItem("PPC", 9, true, "12");
    list.PlaceItem("JJ", 10, false, "cJJ2");
    for (const char* present : {"cHS", "cHS3", "12"}) {
        EXPECT_TRUE(list.HasItem(present)) << present;
    }
    for (const char* absent : {"1", "cH", ""}) {
        EXPECT_FALSE(list.HasItem(absent)) << absent;
    }
    EXPECT_EQ(found(list, "cHS"), std::pair(2, 1));
    EXPECT_EQ(found(list, "cHS3"), std::pair(5, 3));
    EXPECT_EQ(found(list, "cTS"), std::pair(-1, 0));
    // The lowest unused instance number from one.
    EXPECT_EQ(list.NextInstance("cHS"), 2);
    EXPECT_EQ(list.NextInstance("cJJ"), 1);
    list.PlaceItem("HS", 3, false, "cHS2");
    EXPECT_EQ(list.NextInstance("cHS"), 4);
}

TEST(CritLocation, RemoveEmptiesOneItemEvenWhenLockedOrEveryInstanceOfACode) {
    CritLocation list = listOf("AABB..7");
    list.SetSlot("Engine", 4, lockedEntry(), "cEng1");
    list.SetSlot("Engine", 5, lockedEntry(), "cEng1");
    Recorder rec;
    list.setListener(rec.listener());
    EXPECT_EQ(list.RemoveItem("cEng1"), 2);
    EXPECT_EQ(list.RemoveItem("cA1"), 2);
    EXPECT_EQ(layoutOf(list), "..BB..7");
    EXPECT_EQ(list.slot(0), CritLocation(1, 1).slot(0)); // a free slot in every field
    ASSERT_EQ(rec.changes.size(), 2u);
    EXPECT_EQ(rec.changes[0], std::tuple(SlotChange::Kind::Slots, 4, 5));
    EXPECT_EQ(list.RemoveItem("cA1") + list.RemoveItem(""), 0);
    EXPECT_EQ(rec.changes.size(), 2u);

    list.PlaceItem("HS", 0, false, "cB12");
    list.PlaceItem("HSX", 1, false, "cBX1");
    EXPECT_EQ(list.RemoveAllOf("cB"), 3);
    EXPECT_EQ(layoutOf(list), ".B....7");                        // "cBX1" stays
    EXPECT_EQ(list.RemoveAllOf("cB") + list.RemoveAllOf(""), 0); // a weapon's empty code too
    EXPECT_EQ(layoutOf(list), ".B....7");                        // "cBX1" stays
}

TEST(CritLocation, CompactMovesItemsUpWholeAndLeavesLockedSlots) {
    // Before and after; an item never splits around a locked slot.
    const std::pair<const char*, const char*> cases[] = {{"..AA.B.1", "AAB1...."},
                                                         {"L..AA.L.B", "LAAB..L.."},
                                                         {".L.AAA", ".LAAA."},
                                                         {".L..AAB", "BLAA..."},
                                                         {"AB..", "AB.."}};
    for (const auto& [before, after] : cases) {
        CritLocation list = listOf(before);
        list.Compact();
        EXPECT_EQ(layoutOf(list), after) << before;
        for (int i = 0; i < list.slotCount(); ++i) {
            EXPECT_EQ(list.slot(i).index, i);
        }
    }
}

TEST(CritLocation, CompactReportsMovesKeepsFlagsAndStaysSilentWhenNothingMoves) {
    CritLocation list = listOf("..AA.77.");
    list.SetRear(true, "7");
    list.SetArmored(true, "7");
    list.MarkSpread(6);
    Recorder rec;
    list.setListener(rec.listener());
    const auto moves = list.Compact();
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[0].itemID, "cA1");
    EXPECT_EQ(moves[0].fromSlot, 2);
    EXPECT_EQ(moves[0].toSlot, 0);
    EXPECT_EQ(moves[1].itemID, "7");
    EXPECT_EQ(moves[1].toSlot, 2);
    EXPECT_EQ(rec.changes.size(), 1u);
    EXPECT_TRUE(list.IsRearSlot(2) && list.IsArmoredSlot(3) && list.IsSpreadSlot(3));
    EXPECT_FALSE(list.IsSpreadSlot(2) || list.IsOccupied(4));
    EXPECT_TRUE(list.Compact().empty());
    EXPECT_EQ(rec.changes.size(), 1u);
}

TEST(CritLocation, DropAndAddSlotsAtTheEnd) {
    CritLocation list = listOf("A..");
    Recorder rec;
    list.setListener(rec.listener());
    EXPECT_FALSE(list.AddSlot()); // already at its normal count
    EXPECT_TRUE(list.DropLastSlot());
    EXPECT_TRUE(list.DropLastSlot());
    EXPECT_FALSE(list.DropLastSlot()); // the last slot holds an item
    EXPECT_EQ(list.slotCount(), 1);
    EXPECT_EQ(list.FreeSlotCount(), 0);
    EXPECT_TRUE(list.AddSlot());
    EXPECT_EQ(list.SlotText(1), "Roll Again");
    EXPECT_EQ(list.slot(1).index, 1);
    ASSERT_EQ(rec.changes.size(), 3u);
    EXPECT_EQ(std::get<0>(rec.changes[2]), SlotChange::Kind::Length);
    CritLocation empty(0, 0);
    EXPECT_FALSE(empty.DropLastSlot());
}

TEST(CritLocation, FlagSettersTouchOnlyTheItemsSlots) {
    CritLocation list = listOf("33A3.");
    Recorder rec;
    list.setListener(rec.listener());
    EXPECT_EQ(list.SetArmored(true, "3"), 3);
    EXPECT_EQ(list.SetTurret(true, "3"), 3);
    EXPECT_EQ(list.SetRear(true, "cA1"), 1);
    EXPECT_FALSE(list.IsArmoredSlot(2));
    EXPECT_TRUE(list.IsTurretSlot(3) && list.IsRearSlot(2));
    EXPECT_EQ(rec.changes.size(), 3u);
    // Setting what is already set, or an unknown item, changes and tells nothing.
    EXPECT_EQ(list.SetArmored(true, "3") + list.SetRear(true, "9") + list.SetArmored(false, ""), 0);
    EXPECT_EQ(rec.changes.size(), 3u);
    EXPECT_TRUE(list.MarkSpread(0) && list.IsSpreadSlot(0)); // only on occupied slots
    EXPECT_FALSE(list.MarkSpread(4) || list.IsSpreadSlot(4));
}

TEST(CritLocation, HighlightAndRedrawReachTheView) {
    CritLocation list = listOf("11..");
    Recorder rec;
    list.setListener(rec.listener());
    list.HighlightItem("1");
    list.HighlightItem("1");
    EXPECT_EQ(list.highlightedItem(), "1");
    list.Redraw(true);
    EXPECT_EQ(list.highlightedItem(), "1");
    list.Redraw(false);
    EXPECT_EQ(list.highlightedItem(), "");
    ASSERT_EQ(rec.changes.size(), 3u);
    EXPECT_EQ(std::get<0>(rec.changes[0]), SlotChange::Kind::Highlight);
    EXPECT_EQ(std::get<0>(rec.changes[1]), SlotChange::Kind::Redraw);
    // A whole list moved in keeps the view, which redraws every slot.
    list = listOf("A..");
    EXPECT_EQ(rec.changes.back(), std::tuple(SlotChange::Kind::Reset, 0, 2));
}

} // namespace
} // namespace fpw::model
