// The slot list of one body location: the critical slots of the current design as the editor
// changes them and a view shows them. A plain model object; the Qt list widget is one view of
// it and observes it through the change listener.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/criticalslot.h"

namespace fpw::model {

// What changed in a slot list, for its view.
struct SlotChange {
    enum class Kind {
        Slots,     // the contents of slots firstSlot to lastSlot changed
        Length,    // slots were added or dropped at the end
        Highlight, // the highlighted item changed
        Redraw,    // a repaint was asked for
        Reset,     // the whole list was replaced
    };
    Kind kind = Kind::Slots;
    int location = 0;
    int firstSlot = 0;
    int lastSlot = 0;
};

// Where an item lies in a list.
struct ItemRun {
    int firstSlot = -1; // -1: not found
    int slotCount = 0;  // slots that hold the item's identifier
};

// One item moved by Compact.
struct SlotMove {
    std::string itemID;
    int fromSlot = 0;
    int toSlot = 0;
};

class CritLocation {
public:
    using Listener = std::function<void(const SlotChange&)>;

    // A list of `normalSlots` free slots (12, the head 6) for location 0 to 7.
    explicit CritLocation(int location = 0, int normalSlots = 12);
    // A list holding `slots` as they are (a reader's): each slot's index is its position, and
    // there are at most `normalSlots` of them.
    CritLocation(int location, int normalSlots, std::vector<CriticalSlot> slots);

    // Copies take the slots, never the listener: the listener watches one object. Assigning
    // over a list keeps that list's listener and tells it that everything changed.
    CritLocation(const CritLocation& other);
    CritLocation(CritLocation&& other) noexcept;
    CritLocation& operator=(const CritLocation& other);
    CritLocation& operator=(CritLocation&& other) noexcept;
    ~CritLocation() = default;

    // The one observer (a view); an empty function removes it. Every operation that changes
    // something calls it once; refused and no-op calls stay silent.
    void setListener(Listener listener) { listener_ = std::move(listener); }

    int location() const { return location_; }
    // Slots in the list now (limit crits may have shortened it) and the location's normal count.
    int slotCount() const { return static_cast<int>(slots_.size()); }
    int normalSlotCount() const { return normalSlots_; }
    bool validSlot(int slot) const { return slot >= 0 && slot < slotCount(); }

    // The whole slot; a free slot for an index outside the list.
    CriticalSlot slot(int slot) const;
    const std::vector<CriticalSlot>& slots() const { return slots_; }

    // Overwrites one slot with the given text, flags and identifier. False (nothing changed)
    // for a slot outside the list.
    bool SetSlot(std::string_view text, int slot, const SlotFlags& flags,
                 std::string_view identifier);
    // Makes the slot free: "Roll Again", no identifier, every flag false.
    bool ClearSlot(int slot);
    // Writes an item into a slot: occupied, unlocked, the weapon flag as given, the other flags
    // false. False for a slot outside the list.
    bool PlaceItem(std::string_view text, int slot, bool weapon, std::string_view identifier);

    // A slot's flags; false outside the list.
    bool IsOccupied(int slot) const;
    bool IsLockedSlot(int slot) const;
    bool IsWeaponSlot(int slot) const;
    bool IsSpreadSlot(int slot) const;
    bool IsArmoredSlot(int slot) const;
    bool IsRearSlot(int slot) const;
    bool IsTurretSlot(int slot) const;
    // Identifier, text and item code without instance number; empty outside the list.
    std::string SlotItemId(int slot) const;
    std::string SlotText(int slot) const;
    std::string SlotBaseCode(int slot) const;

    // An item code matches a slot whose identifier equals it or whose base code equals it
    // ("cHS" matches cHS1 and cHS2, "cHS2" only cHS2, "7" the weapon with instance 7).
    bool HasItem(std::string_view code) const;
    // The first matching slot and the number of slots holding that slot's identifier.
    ItemRun FindItem(std::string_view code) const;
    // The lowest instance number from 1 that no identifier of the code uses in this list.
    int NextInstance(std::string_view code) const;

    // Frees every slot holding exactly this identifier, locked or not; returns the count.
    int RemoveItem(std::string_view identifier);
    // Frees every slot whose base code is `code`; returns the count.
    int RemoveAllOf(std::string_view code);

    // Moves the unlocked items up and the free slots to the end, keeping each item's slots
    // together and locked slots where they are. Returns what moved.
    std::vector<SlotMove> Compact();

    // Removes the last slot; refused (false) when it is occupied or the list is empty.
    bool DropLastSlot();
    // Appends a free slot; refused (false) at the location's normal count.
    bool AddSlot();

    // Sets the flag on every slot of the item; returns the number of slots changed.
    int SetArmored(bool value, std::string_view identifier);
    int SetRear(bool value, std::string_view identifier);
    int SetTurret(bool value, std::string_view identifier);
    // Sets the spread flag of one occupied slot; false when free or outside the list.
    bool MarkSpread(int slot);

    // Highlights the item's slots in the view (empty: none).
    void HighlightItem(std::string_view identifier);
    const std::string& highlightedItem() const { return highlighted_; }
    // Asks the view to repaint; `keepHighlight` false also clears the highlight.
    void Redraw(bool keepHighlight);

    int FreeSlotCount() const;

    // Same slots (the listener and the highlight are no part of the value).
    bool operator==(const CritLocation& other) const { return slots_ == other.slots_; }

private:
    void notify(SlotChange::Kind kind, int first, int last) const;
    int setFlag(bool SlotFlags::*flag, bool value, std::string_view identifier);

    std::vector<CriticalSlot> slots_;
    int location_ = 0;
    int normalSlots_ = 12;
    std::string highlighted_;
    Listener listener_;
};

} // namespace fpw::model
