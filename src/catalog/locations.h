// The location indices of a design and the tables that depend only on location, tonnage and
// body type: structure points, spread neighbours and the slots that "limit crits" removes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace fpw::catalog {

inline constexpr std::int16_t kLeftArm = 0; // front left leg on a quad
inline constexpr std::int16_t kLeftTorso = 1;
inline constexpr std::int16_t kLeftLeg = 2;  // rear left leg on a quad
inline constexpr std::int16_t kRightLeg = 3; // rear right leg on a quad
inline constexpr std::int16_t kRightTorso = 4;
inline constexpr std::int16_t kRightArm = 5; // front right leg on a quad
inline constexpr std::int16_t kCenterTorso = 6;
inline constexpr std::int16_t kHead = 7;
inline constexpr std::int16_t kLeftTorsoRear = 8;
inline constexpr std::int16_t kRightTorsoRear = 9;
inline constexpr std::int16_t kCenterTorsoRear = 10;

// Armour locations; the first kSlotLocationCount also have critical slots.
inline constexpr int kLocationCount = 11;
inline constexpr int kSlotLocationCount = 8;

// Critical slots of a location: 12, the head 6, rear locations and unknown indices 0.
int locationSlotCount(int location);

// "LA" ... "CT(r)"; on a quad "FLL", "RLL", "RRL" and "FRL" for the legs. "" outside 0 to 10.
std::string locationAbbreviation(int location, bool quad = false);

// "Left Arm" ... "Center Torso Rear"; on a quad the legs' names for 0, 2, 3 and 5.
// "" outside 0 to 10.
std::string locationName(int location, bool quad);

// Index 0 to 7 from a biped name, abbreviation, quad name or quad abbreviation ("FLL").
// Rear locations are not accepted. Throws ConversionError for any other text.
std::int16_t locationIndex(std::string_view name);

// Internal structure points of a location for a tonnage (10 to 100 in steps of 5) and body
// type. The head has 3 at any tonnage; any other unknown tonnage or location gives 0.
std::int16_t gGetISPoints(int location, int tonnage, int mechType);

// Locations a spreadable weapon placed in `location` may extend into, the location itself
// included; all false for legs, head and rear locations.
std::array<bool, kLocationCount> gGetSpreadLocations(int location);

// Slots the "limit crits" option removes from a location of a light design.
std::int16_t gGetLimitedCritSlots(int tonnage, int location);

} // namespace fpw::catalog
