#include "model/criticalslot.h"

namespace fpw::model {

CriticalSlot freeSlotAt(int index) {
    CriticalSlot slot;
    slot.index = static_cast<std::int16_t>(index);
    return slot;
}

std::string baseCode(std::string_view itemID) {
    std::size_t end = itemID.size();
    while (end > 0 && itemID[end - 1] >= '0' && itemID[end - 1] <= '9') {
        --end;
    }
    return std::string(itemID.substr(0, end));
}

} // namespace fpw::model
