#include "catalog/slottables.h"

#include <gtest/gtest.h>

#include "catalog/movement.h"

namespace fpw::catalog {
namespace {

constexpr int kIS = 0;
constexpr int kCl = 1;
constexpr int kMixed = 2;

struct SlotCase {
    int type;
    int techBase;
    int slots;
};

TEST(SlotTables, HeatSinkSlotsPerItem) {
    const std::vector<SlotCase> cases{
        {0, kCl, 1}, {0, kIS, 1},  {1, kCl, 2}, {1, kIS, 3}, {1, kMixed, 3},
        {2, kCl, 1}, {2, kIS, 1},  {3, kCl, 2}, {3, kIS, 1}, {3, kMixed, 1},
        {4, kCl, 2}, {4, kIS, 2},  {4, 7, 2},   {1, 7, 3}, // any other tech base is not Clan
        {5, kCl, 0}, {-1, kIS, 0},
    };
    for (const SlotCase& c : cases)
        EXPECT_EQ(heatSinkSlots(c.type, c.techBase), c.slots)
            << "type " << c.type << " tech base " << c.techBase;
}

TEST(SlotTables, ArmorSlots) {
    const std::vector<SlotCase> cases{
        {0, kCl, 0},  {0, kIS, 0},  {1, kCl, 7},  {1, kIS, 14}, {1, kMixed, 14}, {2, kCl, 7},
        {2, kIS, 7},  {3, kCl, 21}, {3, kIS, 21}, {4, kCl, 7},  {4, kIS, 14},    {5, kCl, 5},
        {5, kIS, 10}, {6, kCl, 0},  {6, kIS, 0},  {7, kIS, 0},  {-1, kCl, 0},
    };
    for (const SlotCase& c : cases)
        EXPECT_EQ(armorSlots(c.type, c.techBase), c.slots)
            << "type " << c.type << " tech base " << c.techBase;
}

TEST(SlotTables, StructureSlots) {
    const std::vector<SlotCase> cases{
        {0, kCl, 0}, {0, kIS, 0}, {1, kCl, 7}, {1, kIS, 14}, {1, kMixed, 14},
        {2, kCl, 0}, {2, kIS, 0}, {3, kCl, 0}, {3, kIS, 0},  {4, kIS, 0},
    };
    for (const SlotCase& c : cases)
        EXPECT_EQ(structureSlots(c.type, c.techBase), c.slots)
            << "type " << c.type << " tech base " << c.techBase;
}

TEST(SlotTables, ArmorPointsFactor) {
    struct Case {
        int type;
        int techBase;
        double factor;
    };
    const std::vector<Case> cases{
        {0, kCl, 1.0},  {0, kIS, 1.0},  {1, kCl, 1.2},  {1, kIS, 1.12}, {1, kMixed, 1.12},
        {2, kCl, 1.06}, {2, kIS, 1.06}, {3, kCl, 1.24}, {3, kIS, 1.24}, {4, kCl, 1.0},
        {4, kIS, 1.0},  {5, kCl, 1.0},  {5, kIS, 1.0},  {6, kCl, 0.5},  {6, kIS, 0.5},
        {7, kCl, 0.0},  {-1, kIS, 0.0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(armorPointsFactor(c.type, c.techBase), c.factor)
            << "type " << c.type << " tech base " << c.techBase;
}

TEST(Movement, TargetMovementModifierSteps) {
    const std::vector<std::pair<int, int>> cases{
        {-5, 0}, {-1, 0}, {0, 0},  {2, 0},  {3, 1},  {4, 1},  {5, 2},    {6, 2},
        {7, 3},  {9, 3},  {10, 4}, {13, 4}, {14, 5}, {25, 5}, {1000, 5},
    };
    for (const auto& [hexes, modifier] : cases)
        EXPECT_EQ(TMM(hexes), modifier) << hexes << " hexes";
}

TEST(Movement, SpeedIsTenAndThreeQuarterKphPerPoint) {
    EXPECT_EQ(gSpeedKph(0), 0.0);
    EXPECT_EQ(gSpeedKph(4), 43.0);
    EXPECT_EQ(gSpeedKph(5), 53.75);
    EXPECT_EQ(gSpeedKph(8), 86.0);
    EXPECT_DOUBLE_EQ(gSpeedKph(13), 139.75);
}

} // namespace
} // namespace fpw::catalog
