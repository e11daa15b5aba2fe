#include "catalog/locations.h"

#include <gtest/gtest.h>

#include "catalog/conversionerror.h"
#include "catalog/equipment.h"

namespace fpw::catalog {
namespace {

struct LocationTexts {
    const char* abbreviation;
    const char* biped;
    const char* quad;
};

const std::vector<LocationTexts> kExpectedLocations{
    {"LA", "Left Arm", "Front Left Leg"},
    {"LT", "Left Torso", "Left Torso"},
    {"LL", "Left Leg", "Rear Left Leg"},
    {"RL", "Right Leg", "Rear Right Leg"},
    {"RT", "Right Torso", "Right Torso"},
    {"RA", "Right Arm", "Front Right Leg"},
    {"CT", "Center Torso", "Center Torso"},
    {"H", "Head", "Head"},
    {"LT(r)", "Left Torso Rear", "Left Torso Rear"},
    {"RT(r)", "Right Torso Rear", "Right Torso Rear"},
    {"CT(r)", "Center Torso Rear", "Center Torso Rear"},
};

TEST(Locations, AbbreviationsAndNames) {
    for (int i = 0; i < kLocationCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(locationAbbreviation(i), kExpectedLocations[i].abbreviation);
        EXPECT_EQ(locationName(i, false), kExpectedLocations[i].biped);
        EXPECT_EQ(locationName(i, true), kExpectedLocations[i].quad);
    }
    for (int bad : {-1, 11, 100}) {
        EXPECT_EQ(locationAbbreviation(bad), "");
        EXPECT_EQ(locationName(bad, false), "");
        EXPECT_EQ(locationName(bad, true), "");
    }
    EXPECT_EQ(locationAbbreviation(kLeftArm, true), "FLL");
    EXPECT_EQ(locationAbbreviation(kLeftTorso, true), "LT");
}

TEST(Locations, SlotCounts) {
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(locationSlotCount(i), 12) << i;
    EXPECT_EQ(locationSlotCount(kHead), 6);
    for (int i : {8, 9, 10, -1, 11})
        EXPECT_EQ(locationSlotCount(i), 0) << i;
}

TEST(Locations, EveryNameAndAbbreviationOfASlotLocationConvertsBack) {
    for (int i = 0; i < kSlotLocationCount; ++i) {
        EXPECT_EQ(locationIndex(locationAbbreviation(i)), i);
        EXPECT_EQ(locationIndex(locationAbbreviation(i, true)), i);
        EXPECT_EQ(locationIndex(locationName(i, false)), i);
        EXPECT_EQ(locationIndex(locationName(i, true)), i);
    }
}

TEST(Locations, QuadAbbreviationsAreAccepted) {
    const std::vector<std::pair<const char*, int>> cases{{"Left Leg", 2}, {"RLL", 2}, {"FRL", 5},
                                                         {"FLL", 0},      {"RRL", 3}, {"H", 7}};
    for (const auto& [name, index] : cases)
        EXPECT_EQ(locationIndex(name), index) << name;
}

TEST(Locations, RearLocationsAndUnknownNamesRaiseTypeMismatch) {
    for (const char* name :
         {"LT(r)", "RT(r)", "CT(r)", "Left Torso Rear", "left arm", "", "LA ", "X"}) {
        SCOPED_TRACE(name);
        try {
            locationIndex(name);
            ADD_FAILURE() << "accepted";
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.number(), 13);
            EXPECT_STREQ(error.what(), "Type mismatch");
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
            SCOPED_TRACE(::testing::Message() << row.tonnage << " tons, body " << body);
            const int frontLimb = body == kQuad ? row.leg : row.arm;
            const std::vector<int> expected{frontLimb, row.side,  row.leg, row.leg,
                                            row.side,  frontLimb, row.ct,  3,
                                            row.side,  row.side,  row.ct};
            for (int location = 0; location < kLocationCount; ++location)
                EXPECT_EQ(gGetISPoints(location, row.tonnage, body), expected[location])
                    << "location " << location;
        }
    }
}

TEST(StructurePoints, TheRulesExamples) {
    EXPECT_EQ(gGetISPoints(kCenterTorso, 65, kBiped), 21);
    EXPECT_EQ(gGetISPoints(kLeftTorso, 100, kBiped), 21);
    EXPECT_EQ(gGetISPoints(kRightTorsoRear, 100, kBiped), 21);
    EXPECT_EQ(gGetISPoints(kLeftArm, 25, kQuad), 6);
    EXPECT_EQ(gGetISPoints(kLeftArm, 25, kBiped), 4);
}

TEST(StructurePoints, UnknownTonnageOrLocationGivesZero) {
    for (int tonnage : {0, 5, 12, 33, 99, 105, -10})
        for (int location : {0, 1, 2, 6, 10})
            EXPECT_EQ(gGetISPoints(location, tonnage, kBiped), 0)
                << tonnage << " tons, location " << location;
    for (int location : {-1, 11, 12})
        EXPECT_EQ(gGetISPoints(location, 50, kBiped), 0) << location;
    EXPECT_EQ(gGetISPoints(kHead, 12, kBiped), 3);
}

TEST(SpreadLocations, NeighboursOfEachLocation) {
    const std::vector<std::pair<int, std::vector<int>>> cases{
        {0, {0, 1}}, {1, {0, 1, 6}}, {4, {4, 5, 6}}, {5, {4, 5}}, {6, {1, 4, 6}}, {2, {}},  {3, {}},
        {7, {}},     {8, {}},        {9, {}},        {10, {}},    {-1, {}},       {11, {}},
    };
    for (const auto& [location, marked] : cases) {
        SCOPED_TRACE(location);
        const auto spread = gGetSpreadLocations(location);
        for (int i = 0; i < kLocationCount; ++i) {
            const bool expected = std::find(marked.begin(), marked.end(), i) != marked.end();
            EXPECT_EQ(spread[i], expected) << "index " << i;
        }
    }
}

TEST(LimitedCritSlots, ByTonnageBandAndLocation) {
    struct Case {
        int tonnage;
        int arms;
        int sideTorsos;
        int legs;
    };
    const std::vector<Case> cases{
        {5, 0, 0, 0},   {10, 3, 3, 1}, {15, 3, 3, 1},  {20, 2, 2, 0}, {35, 2, 2, 0},
        {40, 1, 1, 0},  {55, 1, 1, 0}, {60, 1, 0, 0},  {75, 1, 0, 0}, {80, 0, 0, 0},
        {100, 0, 0, 0}, {0, 0, 0, 0},  {-20, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tonnage);
        EXPECT_EQ(gGetLimitedCritSlots(c.tonnage, kLeftArm), c.arms);
        EXPECT_EQ(gGetLimitedCritSlots(c.tonnage, kRightArm), c.arms);
        EXPECT_EQ(gGetLimitedCritSlots(c.tonnage, kLeftTorso), c.sideTorsos);
        EXPECT_EQ(gGetLimitedCritSlots(c.tonnage, kRightTorso), c.sideTorsos);
        EXPECT_EQ(gGetLimitedCritSlots(c.tonnage, kLeftLeg), c.legs);
        EXPECT_EQ(gGetLimitedCritSlots(c.tonnage, kRightLeg), c.legs);
        for (int other : {6, 7, 8, 10, -1, 11})
            EXPECT_EQ(gGetLimitedCritSlots(c.tonnage, other), 0) << "location " << other;
    }
}

} // namespace
} // namespace fpw::catalog
