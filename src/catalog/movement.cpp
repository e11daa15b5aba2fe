#include "catalog/movement.h"

#include <array>

namespace fpw::catalog {
namespace {

// The least hexes moved for each modifier from 1 upwards.
constexpr std::array<int, 5> kTMMThresholds{3, 5, 7, 10, 14};

} // namespace

std::int16_t TMM(int hexes) {
    std::int16_t modifier = 0;
    for (int threshold : kTMMThresholds)
        if (hexes >= threshold)
            ++modifier;
    return modifier;
}

double gSpeedKph(double movementPoints) {
    return (3.0 / 4.0 + 10.0) * movementPoints;
}

} // namespace fpw::catalog
