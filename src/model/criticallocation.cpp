#include "model/criticallocation.h"

#include <utility>

namespace fpw::model {

bool CriticalLocation::Add(CriticalSlot slot) {
    if (slot.index < 0) {
        return false;
    }
    const auto position = static_cast<std::size_t>(slot.index);
    if (position >= slots_.size()) {
        slots_.resize(position + 1);
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            slots_[i].index = static_cast<std::int16_t>(i);
        }
    }
    slots_[position] = std::move(slot);
    return true;
}

void CriticalLocation::setSlots(int n) {
    slots_.clear();
    slots_.resize(n < 0 ? 0 : static_cast<std::size_t>(n) + 1);
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        slots_[i].index = static_cast<std::int16_t>(i);
    }
}

} // namespace fpw::model
