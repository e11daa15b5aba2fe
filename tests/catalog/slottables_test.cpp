#include "catalog/slottables.h"

#include <gtest/gtest.h>

#include "catalog/movement.h"

namespace fpw::catalog {
namespace {

TEST(SlotTables, SlotsPerItemByTypeAndTechBase) {
    using Slots = std::int16_t (*)(int, int);
    // Tech bases: 0 Inner Sphere, 1 Clan, 2 mixed (built like the Inner Sphere), 7 any other.
    const struct {
        const char* what;
        Slots slots;
        std::vector<std::array<int, 3>> rows; // type, tech base, slots
    } tables[] = {
        {"heat sink",
         heatSinkSlots,
         {{0, 1, 1},
          {1, 1, 2},
          {1, 0, 3},
          {1, 2, 3},
          {1, 7, 3},
          {2, 0, 1},
          {3, 1, 2},
          {3, 0, 1},
          {4, 1, 2},
          {4, 0, 2},
          {5, 1, 0},
          {-1, 0, 0}}},
        {"armour",
         armorSlots,
         {{0, 1, 0},
          {1, 1, 7},
          {1, 0, 14},
          {1, 2, 14},
          {2, 0, 7},
          {3, 1, 21},
          {4, 1, 7},
          {4, 0, 14},
          {5, 1, 5},
          {5, 0, 10},
          {6, 0, 0},
          {7, 0, 0}}},
        {"structure", structureSlots, {{0, 0, 0}, {1, 1, 7}, {1, 0, 14}, {1, 2, 14}, {2, 0, 0}}},
    };
    for (const auto& table : tables) {
        for (const auto& [type, techBase, slots] : table.rows)
            EXPECT_EQ(table.slots(type, techBase), slots)
                << table.what << " type " << type << " tech base " << techBase;
    }
    const std::tuple<int, int, double> factors[] = {
        {0, 0, 1.0},  {1, 1, 1.2}, {1, 0, 1.12}, {1, 2, 1.12}, {2, 0, 1.06},
        {3, 1, 1.24}, {6, 0, 0.5}, {7, 1, 0.0},  {-1, 0, 0.0},
    };
    for (const auto& [type, techBase, factor] : factors)
        EXPECT_DOUBLE_EQ(armorPointsFactor(type, techBase), factor) << type << "/" << techBase;
}

TEST(Movement, TargetModifierStepsAndSpeed) {
    const std::vector<std::pair<int, int>> cases{
        {-5, 0}, {2, 0}, {3, 1},  {4, 1},  {5, 2},  {6, 2},
        {7, 3},  {9, 3}, {10, 4}, {13, 4}, {14, 5}, {1000, 5},
    };
    for (const auto& [hexes, modifier] : cases)
        EXPECT_EQ(TMM(hexes), modifier) << hexes << " hexes";
    EXPECT_EQ(gSpeedKph(0), 0.0);
    EXPECT_EQ(gSpeedKph(5), 53.75);
}

} // namespace
} // namespace fpw::catalog
