#include "model/critlocation.h"

#include <gtest/gtest.h>

namespace fpw::model {
namespace {

// Records what a view would hear.
struct Recorder {
    std::vector<SlotChange> changes;
    CritLocation::Listener listener() {
        return [this](const SlotChange& c) { changes.push_back(c); };
    }
};

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

TEST(CritLocation, SetSlotAndPlaceItemWriteAndNotify) {
    CritLocation list(4);
    Recorder rec;
    list.setListener(rec.listener());
    SlotFlags flags = lockedEntry();
    flags.isArmored = true;
    ASSERT_TRUE(list.SetSlot("XL Engine", 0, flags, "cEng1"));
    EXPECT_TRUE(list.IsLockedSlot(0));
    EXPECT_TRUE(list.IsArmoredSlot(0));
    EXPECT_EQ(list.SlotBaseCode(0), "cEng");

    // Placing over a slot clears every flag but occupied and weapon.
    list.SetSlot("Old", 1, flags, "x");
    ASSERT_TRUE(list.PlaceItem("PPC", 1, true, "3"));
    EXPECT_TRUE(list.IsOccupied(1));
    EXPECT_TRUE(list.IsWeaponSlot(1));
    EXPECT_FALSE(list.IsLockedSlot(1));
    EXPECT_FALSE(list.IsArmoredSlot(1));
    EXPECT_EQ(list.SlotText(1), "PPC");
    EXPECT_EQ(list.SlotItemId(1), "3");
    EXPECT_EQ(list.SlotBaseCode(1), "");

    ASSERT_EQ(rec.changes.size(), 3u);
    EXPECT_EQ(rec.changes[2].kind, SlotChange::Kind::Slots);
    EXPECT_EQ(rec.changes[2].location, 4);
    EXPECT_EQ(rec.changes[2].firstSlot, 1);
    EXPECT_EQ(rec.changes[2].lastSlot, 1);
}

TEST(CritLocation, OutOfRangeSlotsAreRefusedSilently) {
    CritLocation list = listOf("AA..");
    Recorder rec;
    list.setListener(rec.listener());
    const auto before = list.slots();
    EXPECT_FALSE(list.SetSlot("X", 4, SlotFlags{}, "x"));
    EXPECT_FALSE(list.PlaceItem("X", -1, false, "x"));
    EXPECT_FALSE(list.ClearSlot(9));
    EXPECT_FALSE(list.MarkSpread(7));
    EXPECT_FALSE(list.IsOccupied(-1));
    EXPECT_EQ(list.SlotText(4), "");
    EXPECT_EQ(list.slots(), before);
    EXPECT_TRUE(rec.changes.empty());
}

TEST(CritLocation, FindAndHasItemMatchCodeOrIdentifier) {
    CritLocation list(1);
    list.PlaceItem("Heat Sink", 2, false, "cHS1");
    list.PlaceItem("Double Heat Sink", 5, false, "cHS2");
    list.PlaceItem("Double Heat Sink", 6, false, "cHS2");
    list.PlaceItem("Double Heat Sink", 7, false, "cHS2");
    list.PlaceItem("PPC", 9, true, "12");
    EXPECT_TRUE(list.HasItem("cHS"));
    EXPECT_TRUE(list.HasItem("cHS2"));
    EXPECT_TRUE(list.HasItem("12"));
    EXPECT_FALSE(list.HasItem("1"));
    EXPECT_FALSE(list.HasItem("cH"));
    EXPECT_FALSE(list.HasItem(""));

    ItemRun run = list.FindItem("cHS");
    EXPECT_EQ(run.firstSlot, 2);
    EXPECT_EQ(run.slotCount, 1);
    run = list.FindItem("cHS2");
    EXPECT_EQ(run.firstSlot, 5);
    EXPECT_EQ(run.slotCount, 3);
    run = list.FindItem("cTS");
    EXPECT_EQ(run.firstSlot, -1);
    EXPECT_EQ(run.slotCount, 0);
}

TEST(CritLocation, NextInstanceTakesTheLowestUnusedFromOne) {
    CritLocation list(1);
    EXPECT_EQ(list.NextInstance("cHS"), 1);
    list.PlaceItem("HS", 0, false, "cHS1");
    list.PlaceItem("HS", 1, false, "cHS3");
    list.PlaceItem("JJ", 2, false, "cJJ2");
    EXPECT_EQ(list.NextInstance("cHS"), 2);
    EXPECT_EQ(list.NextInstance("cJJ"), 1);
    list.PlaceItem("HS", 3, false, "cHS2");
    EXPECT_EQ(list.NextInstance("cHS"), 4);
}

TEST(CritLocation, RemoveItemEmptiesOneItemEvenWhenLocked) {
    CritLocation list = listOf("AABB..");
    list.SetSlot("Engine", 4, lockedEntry(), "cEng1");
    list.SetSlot("Engine", 5, lockedEntry(), "cEng1");
    Recorder rec;
    list.setListener(rec.listener());
    EXPECT_EQ(list.RemoveItem("cEng1"), 2);
    EXPECT_EQ(list.RemoveItem("cA1"), 2);
    EXPECT_EQ(layoutOf(list), "..BB..");
    EXPECT_EQ(list.slot(0), CritLocation(1, 1).slot(0)); // a free slot in every field
    ASSERT_EQ(rec.changes.size(), 2u);
    EXPECT_EQ(rec.changes[0].firstSlot, 4);
    EXPECT_EQ(rec.changes[0].lastSlot, 5);

    EXPECT_EQ(list.RemoveItem("cA1"), 0);
    EXPECT_EQ(list.RemoveItem(""), 0);
    EXPECT_EQ(rec.changes.size(), 2u);
}

TEST(CritLocation, RemoveAllOfTakesEveryInstanceOfTheCode) {
    CritLocation list(1);
    list.PlaceItem("HS", 0, false, "cHS1");
    list.PlaceItem("HS", 1, false, "cHS2");
    list.PlaceItem("HS", 2, false, "cHS12");
    list.PlaceItem("HSX", 3, false, "cHSX1");
    list.PlaceItem("Weapon", 4, true, "1");
    EXPECT_EQ(list.RemoveAllOf("cHS"), 3);
    EXPECT_TRUE(list.IsOccupied(3));
    EXPECT_TRUE(list.IsOccupied(4));
    EXPECT_EQ(list.RemoveAllOf("cHS"), 0);
    EXPECT_EQ(list.RemoveAllOf(""), 0);
    EXPECT_TRUE(list.IsOccupied(4)); // a weapon's empty base code never matches
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

TEST(CritLocation, CompactReportsMovesAndStaysSilentWhenNothingMoves) {
    CritLocation list = listOf("..AA.7");
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
    EXPECT_TRUE(list.Compact().empty());
    EXPECT_EQ(rec.changes.size(), 1u);
}

TEST(CritLocation, CompactKeepsEachSlotsFlags) {
    CritLocation list(1, 4);
    list.PlaceItem("(R) PPC", 2, true, "4");
    list.PlaceItem("(R) PPC", 3, true, "4");
    list.SetRear(true, "4");
    list.SetArmored(true, "4");
    list.MarkSpread(3);
    list.Compact();
    EXPECT_TRUE(list.IsRearSlot(0));
    EXPECT_TRUE(list.IsArmoredSlot(1));
    EXPECT_FALSE(list.IsSpreadSlot(0));
    EXPECT_TRUE(list.IsSpreadSlot(1));
    EXPECT_EQ(list.SlotText(1), "(R) PPC");
    EXPECT_FALSE(list.IsOccupied(2));
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
    EXPECT_EQ(rec.changes[2].kind, SlotChange::Kind::Length);

    CritLocation empty(0, 0);
    EXPECT_FALSE(empty.DropLastSlot());
}

TEST(CritLocation, FlagSettersTouchOnlyTheItemsSlots) {
    CritLocation list = listOf("33A3");
    Recorder rec;
    list.setListener(rec.listener());
    EXPECT_EQ(list.SetArmored(true, "3"), 3);
    EXPECT_EQ(list.SetTurret(true, "3"), 3);
    EXPECT_EQ(list.SetRear(true, "cA1"), 1);
    EXPECT_FALSE(list.IsArmoredSlot(2));
    EXPECT_TRUE(list.IsTurretSlot(3));
    EXPECT_TRUE(list.IsRearSlot(2));
    EXPECT_EQ(rec.changes.size(), 3u);
    // Setting what is already set, or an unknown item, changes and tells nothing.
    EXPECT_EQ(list.SetArmored(true, "3"), 0);
    EXPECT_EQ(list.SetRear(true, "9"), 0);
    EXPECT_EQ(list.SetArmored(false, ""), 0);
    EXPECT_EQ(rec.changes.size(), 3u);
}

TEST(CritLocation, MarkSpreadOnlyOnOccupiedSlots) {
    CritLocation list = listOf("1.");
    EXPECT_TRUE(list.MarkSpread(0));
    EXPECT_TRUE(list.IsSpreadSlot(0));
    EXPECT_FALSE(list.MarkSpread(1));
    EXPECT_FALSE(list.IsSpreadSlot(1));
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
    EXPECT_EQ(rec.changes[0].kind, SlotChange::Kind::Highlight);
    EXPECT_EQ(rec.changes[1].kind, SlotChange::Kind::Redraw);
}

} // namespace
} // namespace fpw::model
