// The slots of one location as an omni configuration store keeps them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/criticalslot.h"

namespace fpw::model {

class CriticalLocation {
public:
    // Stores the slot at the position given by its own `index`, growing the array when the
    // index lies beyond it; a negative index is refused (returns false).
    bool Add(CriticalSlot slot);

    const std::string& configName() const { return configName_; }
    // Assigned over the present name, whose storage it reuses.
    void setConfigName(std::string_view name) { configName_.assign(name); }

    std::int16_t locationIndex() const { return locationIndex_; }
    void setLocationIndex(std::int16_t index) { locationIndex_ = index; }

    // The slot at index i; nullptr outside 0 to Slots(). Inline: readers ask for every slot.
    const CriticalSlot* GetSlot(int i) const {
        return i < 0 || i >= static_cast<int>(slots_.size()) ? nullptr
                                                             : &slots_[static_cast<std::size_t>(i)];
    }
    // The same slot to fill in place (a reader that builds each slot once).
    CriticalSlot* slotAt(int i) {
        return const_cast<CriticalSlot*>(std::as_const(*this).GetSlot(i));
    }

    // The highest slot index (-1 when empty).
    int Slots() const { return static_cast<int>(slots_.size()) - 1; }
    // Resizes to indices 0 to n, discarding the contents (n = -1 empties it).
    void setSlots(int n);
    // Takes the slots as they are (a reader's): each slot's index is its position.
    void setSlots(std::vector<CriticalSlot> slots) { slots_ = std::move(slots); }

    const std::vector<CriticalSlot>& slots() const { return slots_; }
    bool operator==(const CriticalLocation&) const = default;

private:
    std::vector<CriticalSlot> slots_;
    std::string configName_;
    std::int16_t locationIndex_ = 0;
};

} // namespace fpw::model
