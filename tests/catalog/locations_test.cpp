#include "catalog/locations.h"

#include <gtest/gtest.h>

#include "catalog/conversionerror.h"
#include "catalog/equipment.h"

namespace fpw::catalog {
namespace {

TEST(Locations, NamesSlotsAndTheirWayBack) {
    EXPECT_EQ(locationName(kLeftArm, true), "Front Left Leg");
    EXPECT_EQ(locationName(kRightTorsoRear, false), "Right Torso Rear");
    EXPECT_EQ(locationAbbreviation(kLeftArm, true), "FLL");
    EXPECT_EQ(locationAbbreviation(kLeftTorso, true), "LT");
    EXPECT_EQ(locationAbbreviation(kCenterTorsoRear), "CT(r)");
    const std::vector<int> slots{12, 12, 12, 12, 12, 12, 12, 6, 0, 0, 0};
    for (int i = 0; i < kLocationCount; ++i)
        EXPECT_EQ(locationSlotCount(i), slots[i]) << i;
    for (int bad : {-1, 11}) {
        EXPECT_EQ(locationSlotCount(bad), 0);
        EXPECT_EQ(locationAbbreviation(bad) + locationName(bad, false) + locationName(bad, true),
                  "");
    }
    for (int i = 0; i < kSlotLocationCount; ++i) {
        for (const bool quad : {false, true}) {
            EXPECT_EQ(locationIndex(locationAbbreviation(i, quad)), i);
            EXPECT_EQ(locationIndex(locationName(i, quad)), i);
        }
    }
    // Biped and quad texts are both accepted; rear locations hold no slots of their own.
    EXPECT_EQ(locationIndex("RLL"), kLeftLeg);
    EXPECT_EQ(locationIndex("Left Leg"), kLeftLeg);
    for (const char* name : {"LT(r)", "CT(r)", "Left Torso Rear", "left arm", "", "LA ", "X"}) {
        try {
            locationIndex(name);
            ADD_FAILURE() << "accepted " << name;
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.number(), 13) << name;
        }
    }
}

// Centre torso, side torso, arm and leg points per tonnage, as the construction rules give
// them.
struct StructureRow {
    int tonnage;
    int ct;
    int side;
    int arm;
    int leg;
};

const std::vector<StructureRow> kStructure{
    {10, 4, 3, 1, 2},     {15, 5, 4, 2, 3},     {20, 6, 5, 3, 4},      {25, 8, 6, 4, 6},
    {30, 10, 7, 5, 7},    {35, 11, 8, 6, 8},    {40, 12, 10, 6, 10},   {45, 14, 11, 7, 11},
    {50, 16, 12, 8, 12},  {55, 18, 13, 9, 13},  {60, 20, 14, 10, 14},  {65, 21, 15, 10, 15},
    {70, 22, 15, 11, 15}, {75, 23, 16, 12, 16}, {80, 25, 17, 13, 17},  {85, 27, 18, 14, 18},
    {90, 29, 19, 15, 19}, {95, 30, 20, 16, 20}, {100, 31, 21, 17, 21},
};

TEST(StructurePoints, EveryLocationTonnageAndBodyType) {
    for (const StructureRow& row : kStructure) {
        for (int body : {kBiped, kQuad, kLAM, kOmniMech}) {
            const int frontLimb = body == kQuad ? row.leg : row.arm;
            const std::vector<int> expected{frontLimb, row.side,  row.leg, row.leg,
                                            row.side,  frontLimb, row.ct,  3,
                                            row.side,  row.side,  row.ct};
            for (int location = 0; location < kLocationCount; ++location)
                EXPECT_EQ(gGetISPoints(location, row.tonnage, body), expected[location])
                    << row.tonnage << " tons, body " << body << ", location " << location;
        }
    }
    for (int tonnage : {0, 12, 99, 105})
        EXPECT_EQ(gGetISPoints(kLeftArm, tonnage, kBiped), 0) << tonnage;
    for (int location : {-1, 11})
        EXPECT_EQ(gGetISPoints(location, 50, kBiped), 0) << location;
    EXPECT_EQ(gGetISPoints(kHead, 12, kBiped), 3);
}

TEST(SpreadLocations, NeighboursOfEachLocation) {
    const std::vector<std::pair<int, std::vector<int>>> cases{
        {0, {0, 1}},    {1, {0, 1, 6}}, {4, {4, 5, 6}}, {5, {4, 5}},
        {6, {1, 4, 6}}, {2, {}},        {7, {}},        {-1, {}},
    };
    for (const auto& [location, marked] : cases) {
        std::array<bool, kLocationCount> expected{};
        for (int i : marked)
            expected[i] = true;
        EXPECT_EQ(gGetSpreadLocations(location), expected) << location;
    }
}

TEST(LimitedCritSlots, ByTonnageBandAndLocation) {
    // Arms, side torsos, legs.
    const std::vector<std::array<int, 4>> cases{
        {5, 0, 0, 0},  {10, 3, 3, 1}, {15, 3, 3, 1}, {20, 2, 2, 0}, {35, 2, 2, 0},
        {40, 1, 1, 0}, {55, 1, 1, 0}, {60, 1, 0, 0}, {75, 1, 0, 0}, {80, 0, 0, 0},
    };
    for (const auto& [tonnage, arms, sideTorsos, legs] : cases) {
        const std::vector<int> expected{arms, sideTorsos, legs, legs, sideTorsos, arms, 0, 0, 0, 0};
        for (int location = 0; location < 10; ++location)
            EXPECT_EQ(gGetLimitedCritSlots(tonnage, location), expected[location])
                << tonnage << " tons, location " << location;
        EXPECT_EQ(gGetLimitedCritSlots(tonnage, -1) + gGetLimitedCritSlots(tonnage, 11), 0);
    }
}

} // namespace
} // namespace fpw::catalog
