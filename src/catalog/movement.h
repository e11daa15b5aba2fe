// Movement figures that depend only on movement points or hexes moved.
#pragma once

#include <cstdint>

namespace fpw::catalog {

// Target movement modifier for the hexes moved: 0 to 5; negative input gives 0.
std::int16_t TMM(int hexes);

// Speed in km/h of `movementPoints`: 10.75 per point, unrounded.
double gSpeedKph(double movementPoints);

} // namespace fpw::catalog
