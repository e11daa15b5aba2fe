// One critical slot: what the slot lists show and what the design file and the omni
// configuration stores keep of it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fpw::model {

// The text a free slot shows.
inline constexpr const char* kRollAgain = "Roll Again";

// The item identifier of a fixed entry that is no item (life support, actuators).
inline constexpr std::string_view kFixedEntryID = "-1";

// The nine flags of a slot. A free slot has them all false.
struct SlotFlags {
    bool isWeapon = false;      // holds part of a weapon
    bool isSpecial = false;     // holds a fixed entry that is no item (life support, actuators)
    bool isLocked = false;      // fixed by a component or by the locked omni base chassis
    bool isActive = false;      // occupied
    bool isArmored = false;     // armoured component
    bool isBaseArmored = false; // armoured in the omni base chassis
    bool isRearMounted = false;
    bool isTurretMounted = false;
    bool isSpread = false; // the weapon continues in another location

    bool operator==(const SlotFlags&) const = default;
};

// A slot with its text, its number within the location and its item identifier: a weapon's
// `WeaponIndex` as decimal text, a general item code with its instance number ("cHS3"), "-1"
// for fixed entries that are no item, empty for a free slot.
struct CriticalSlot : SlotFlags {
    // The index sits in the flags' padding: a location's 12 slots then fit the allocator's
    // small blocks (up to 1 KiB), which it hands out much faster than larger ones.
    std::int16_t index = 0;
    std::string text = kRollAgain;
    std::string itemID;

    SlotFlags& flags() { return *this; }
    const SlotFlags& flags() const { return *this; }
    bool operator==(const CriticalSlot&) const = default;
};

// A free slot at `index`: "Roll Again", no identifier, every flag false.
CriticalSlot freeSlotAt(int index);

} // namespace fpw::model
