#include "catalog/locations.h"

#include <algorithm>
#include <array>

#include "catalog/conversionerror.h"
#include "catalog/equipment.h"

namespace fpw::catalog {
namespace {

struct LocationRow {
    std::string_view abbreviation;
    std::string_view bipedName;
    std::string_view quadName;
    std::string_view quadAbbreviation; // empty where the quad uses the biped's
    int slots;
};

constexpr std::array<LocationRow, kLocationCount> kLocations{{
    {"LA", "Left Arm", "Front Left Leg", "FLL", 12},
    {"LT", "Left Torso", "Left Torso", "", 12},
    {"LL", "Left Leg", "Rear Left Leg", "RLL", 12},
    {"RL", "Right Leg", "Rear Right Leg", "RRL", 12},
    {"RT", "Right Torso", "Right Torso", "", 12},
    {"RA", "Right Arm", "Front Right Leg", "FRL", 12},
    {"CT", "Center Torso", "Center Torso", "", 12},
    {"H", "Head", "Head", "", 6},
    {"LT(r)", "Left Torso Rear", "Left Torso Rear", "", 0},
    {"RT(r)", "Right Torso Rear", "Right Torso Rear", "", 0},
    {"CT(r)", "Center Torso Rear", "Center Torso Rear", "", 0},
}};

const LocationRow* locationRow(int location) {
    if (location < 0 || location >= kLocationCount)
        return nullptr;
    return &kLocations[location];
}

// Structure points by tonnage, for the four kinds of location.
struct StructureRow {
    int tonnage;
    std::int16_t centerTorso;
    std::int16_t sideTorso;
    std::int16_t arm;
    std::int16_t leg;
};

constexpr std::array<StructureRow, 19> kStructurePoints{{
    {10, 4, 3, 1, 2},     {15, 5, 4, 2, 3},     {20, 6, 5, 3, 4},      {25, 8, 6, 4, 6},
    {30, 10, 7, 5, 7},    {35, 11, 8, 6, 8},    {40, 12, 10, 6, 10},   {45, 14, 11, 7, 11},
    {50, 16, 12, 8, 12},  {55, 18, 13, 9, 13},  {60, 20, 14, 10, 14},  {65, 21, 15, 10, 15},
    {70, 22, 15, 11, 15}, {75, 23, 16, 12, 16}, {80, 25, 17, 13, 17},  {85, 27, 18, 14, 18},
    {90, 29, 19, 15, 19}, {95, 30, 20, 16, 20}, {100, 31, 21, 17, 21},
}};

// The rows run from the lightest tonnage in equal steps, so a tonnage finds its row by
// arithmetic rather than by a search (the Battle Value asks for every location).
constexpr int kStructureStep = 5;
constexpr bool structureRowsInSteps() {
    for (std::size_t i = 0; i < kStructurePoints.size(); ++i) {
        if (kStructurePoints[i].tonnage !=
            kStructurePoints[0].tonnage + static_cast<int>(i) * kStructureStep)
            return false;
    }
    return true;
}
static_assert(structureRowsInSteps());

const StructureRow* structureRow(int tonnage) {
    const int offset = tonnage - kStructurePoints[0].tonnage;
    if (offset < 0 || offset % kStructureStep != 0)
        return nullptr;
    const auto index = static_cast<std::size_t>(offset / kStructureStep);
    return index < kStructurePoints.size() ? &kStructurePoints[index] : nullptr;
}

constexpr std::int16_t kHeadStructure = 3;

// Slots removed by "limit crits", by the heaviest tonnage the row applies to.
struct LimitedSlotsRow {
    int minTonnage;
    int maxTonnage;
    std::int16_t arm;
    std::int16_t sideTorso;
    std::int16_t leg;
};

constexpr std::array<LimitedSlotsRow, 4> kLimitedSlots{{
    {10, 15, 3, 3, 1},
    {20, 35, 2, 2, 0},
    {40, 55, 1, 1, 0},
    {60, 75, 1, 0, 0},
}};

// The neighbours a spreadable weapon may reach, the location itself included.
struct SpreadRow {
    int location;
    std::array<int, 3> reach; // -1 pads
};

constexpr std::array<SpreadRow, 5> kSpread{{
    {kLeftArm, {kLeftArm, kLeftTorso, -1}},
    {kLeftTorso, {kLeftArm, kLeftTorso, kCenterTorso}},
    {kRightTorso, {kRightTorso, kRightArm, kCenterTorso}},
    {kRightArm, {kRightTorso, kRightArm, -1}},
    {kCenterTorso, {kLeftTorso, kRightTorso, kCenterTorso}},
}};

} // namespace

int locationSlotCount(int location) {
    const LocationRow* row = locationRow(location);
    return row ? row->slots : 0;
}

std::string locationAbbreviation(int location, bool quad) {
    const LocationRow* row = locationRow(location);
    if (!row)
        return {};
    return std::string(quad && !row->quadAbbreviation.empty() ? row->quadAbbreviation
                                                              : row->abbreviation);
}

std::string locationName(int location, bool quad) {
    const LocationRow* row = locationRow(location);
    if (!row)
        return {};
    return std::string(quad ? row->quadName : row->bipedName);
}

std::int16_t locationIndex(std::string_view name) {
    if (!name.empty()) {
        for (int i = 0; i < kSlotLocationCount; ++i) {
            const LocationRow& row = kLocations[i];
            if (name == row.bipedName || name == row.abbreviation || name == row.quadName ||
                name == row.quadAbbreviation)
                return static_cast<std::int16_t>(i);
        }
    }
    throw ConversionError();
}

std::int16_t gGetISPoints(int location, int tonnage, int mechType) {
    if (location == kHead)
        return kHeadStructure;
    const StructureRow* row = structureRow(tonnage);
    if (row == nullptr)
        return 0;
    switch (location) {
    case kCenterTorso:
    case kCenterTorsoRear:
        return row->centerTorso;
    case kLeftTorso:
    case kRightTorso:
    case kLeftTorsoRear:
    case kRightTorsoRear:
        return row->sideTorso;
    case kLeftArm:
    case kRightArm:
        return mechType == kQuad ? row->leg : row->arm;
    case kLeftLeg:
    case kRightLeg:
        return row->leg;
    default:
        return 0;
    }
}

std::array<bool, kLocationCount> gGetSpreadLocations(int location) {
    std::array<bool, kLocationCount> spread{};
    for (const SpreadRow& row : kSpread) {
        if (row.location != location)
            continue;
        for (int reached : row.reach)
            if (reached >= 0)
                spread[reached] = true;
    }
    return spread;
}

std::int16_t gGetLimitedCritSlots(int tonnage, int location) {
    auto row = std::find_if(kLimitedSlots.begin(), kLimitedSlots.end(),
                            [tonnage](const LimitedSlotsRow& r) {
                                return tonnage >= r.minTonnage && tonnage <= r.maxTonnage;
                            });
    if (row == kLimitedSlots.end())
        return 0;
    switch (location) {
    case kLeftArm:
    case kRightArm:
        return row->arm;
    case kLeftTorso:
    case kRightTorso:
        return row->sideTorso;
    case kLeftLeg:
    case kRightLeg:
        return row->leg;
    default:
        return 0;
    }
}

} // namespace fpw::catalog
