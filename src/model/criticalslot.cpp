#include "model/criticalslot.h"

namespace fpw::model {

CriticalSlot freeSlotAt(int index) {
    CriticalSlot slot;
    slot.index = static_cast<std::int16_t>(index);
    return slot;
}

} // namespace fpw::model
