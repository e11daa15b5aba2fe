// The fixed contents every design starts with: head, center torso with engine and gyro, the
// engine's side-torso slots, arm and leg actuators.
#pragma once

#include <array>
#include <cstdint>

#include "model/critlocation.h"

namespace fpw::model {

struct DefaultSlotSetup {
    std::int16_t mechType = 0; // a quad's arms are front legs
    std::int16_t techBase = 0;
    std::int16_t engineType = 0;
    std::int16_t gyroType = 0;
    // Arm actuators left out (false) stay free slots; ignored on a quad.
    std::array<bool, 4> laActuators{true, true, true, true};
    std::array<bool, 4> raActuators{true, true, true, true};
};

// Rebuilds the eight lists (0 to 7) at their normal length with the default contents: fixed
// entries locked and occupied, everything else "Roll Again". Each list keeps its listener.
void LayDefaultSlots(std::array<CritLocation, 8>& lists, const DefaultSlotSetup& setup);

// Writes slots 0 to 3 of an arm with its actuators (left out ones become free slots), or of a
// quad's front leg with the leg actuators. What the slots held is overwritten.
void LayLimbActuators(CritLocation& list, bool leg, const std::array<bool, 4>& present);

} // namespace fpw::model
