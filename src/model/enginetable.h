// The game's standard engine and gyro figures: weight by rating and the critical slots each
// engine and gyro type takes. The one place these numbers live.
#pragma once

#include <cstdint>

namespace fpw::model {

// Engine weight in tons for a rating: the standard table up to 400 and, for the large engine
// types (3, 4, 5), the large rows above 400. Rating 0 weighs 0; a rating up to 400 that is not
// in the table, or above 400 for another type, gives 100; a rating above 400 that the large
// rows do not hold gives 0.
double engineBaseWeight(int engineType, int rating);

// Where an engine sits: slots in the center torso (of which `aboveGyro` sit above the gyro,
// the rest directly below it) and in each side torso.
struct EngineSlots {
    int centerTorso = 6;
    int aboveGyro = 3;
    int sideTorso = 0;
};

// By engine type and tech base (only `TechBase` 1 is Clan). Unknown types get the standard
// fusion engine's slots.
EngineSlots engineSlots(int engineType, int techBase);

// Center-torso slots of a gyro type, written directly below the first engine slots. Unknown
// types get the standard gyro's 4.
int gyroSlots(int gyroType);

// The first center-torso slot of the gyro.
inline constexpr int kGyroStartSlot = 3;

} // namespace fpw::model
