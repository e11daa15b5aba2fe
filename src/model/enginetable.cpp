#include "model/enginetable.h"

#include <array>

#include "catalog/equipment.h"

namespace fpw::model {

namespace {

// Weight of ratings 5, 10, ... 400.
constexpr std::array<double, 80> kStandardWeights{
    0.5,  0.5,  0.5,  0.5,  0.5,  1,    1,    1,    1,    1.5,  // 5 to 50
    1.5,  1.5,  2,    2,    2,    2.5,  2.5,  3,    3,    3,    // 55 to 100
    3.5,  3.5,  4,    4,    4,    4.5,  4.5,  5,    5,    5.5,  // 105 to 150
    5.5,  6,    6,    6,    7,    7,    7.5,  7.5,  8,    8.5,  // 155 to 200
    8.5,  9,    9.5,  10,   10,   10.5, 11,   11.5, 12,   12.5, // 205 to 250
    13,   13.5, 14,   14.5, 15.5, 16,   16.5, 17.5, 18,   19,   // 255 to 300
    19.5, 20.5, 21.5, 22.5, 23.5, 24.5, 25.5, 27,   28.5, 29.5, // 305 to 350
    31.5, 33,   34.5, 36.5, 38.5, 41,   43.5, 46,   49,   52.5, // 355 to 400
};

// Weight of ratings 405, 410, ... 500 (large engines only).
constexpr std::array<double, 20> kLargeWeights{
    56.5, 61,    66.5, 72.5,  79.5, 87.5,  97,  107.5, 119.5, 133.5, // 405 to 450
    150,  168.5, 190,  214.5, 243,  275.5, 313, 356,   405.5, 462.5, // 455 to 500
};

// Slots per engine type: center torso, above the gyro, side torso on Inner Sphere and mixed
// designs, side torso on Clan designs. The large engines add to their small counterpart's
// side-torso slots as the game's rules have it.
struct EngineRow {
    int centerTorso;
    int aboveGyro;
    int sideInnerSphere;
    int sideClan;
};
constexpr std::array<EngineRow, 7> kEngineRows{{
    {6, 3, 0, 0}, // Fusion
    {6, 3, 3, 2}, // Fusion XL
    {6, 3, 6, 4}, // Fusion XXL
    {6, 3, 2, 2}, // Large Fusion
    {6, 3, 4, 3}, // Large Fusion XL
    {6, 3, 8, 6}, // Large Fusion XXL
    {3, 3, 0, 0}, // Compact
}};

// Slots per gyro type: Standard, Compact, Heavy-Duty, Extra-Light.
constexpr std::array<int, 4> kGyroSlots{4, 2, 4, 6};

bool isLargeEngine(int engineType) {
    return engineType == catalog::engine::kLarge || engineType == catalog::engine::kLargeXL ||
           engineType == catalog::engine::kLargeXXL;
}

} // namespace

double engineBaseWeight(int engineType, int rating) {
    if (rating == 0) {
        return 0;
    }
    if (rating > 400) {
        if (!isLargeEngine(engineType)) {
            return 100;
        }
        if (rating % 5 != 0 || rating > 500) {
            return 0;
        }
        return kLargeWeights[static_cast<std::size_t>((rating - 405) / 5)];
    }
    if (rating < 0 || rating % 5 != 0) {
        return 100;
    }
    return kStandardWeights[static_cast<std::size_t>(rating / 5 - 1)];
}

EngineSlots engineSlots(int engineType, int techBase) {
    const EngineRow& row = (engineType >= 0 && engineType < static_cast<int>(kEngineRows.size()))
                               ? kEngineRows[static_cast<std::size_t>(engineType)]
                               : kEngineRows[0];
    return EngineSlots{row.centerTorso, row.aboveGyro,
                       techBase == catalog::kClan ? row.sideClan : row.sideInnerSphere};
}

int gyroSlots(int gyroType) {
    if (gyroType < 0 || gyroType >= static_cast<int>(kGyroSlots.size())) {
        return kGyroSlots[0];
    }
    return kGyroSlots[static_cast<std::size_t>(gyroType)];
}

} // namespace fpw::model
