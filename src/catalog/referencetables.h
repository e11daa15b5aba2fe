// The in-memory form of the auxiliary reference files: BV tables, pilots and plot points.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace fpw::catalog {

struct SkillMultiplier {
    std::int16_t gunnery = 0;
    std::int16_t piloting = 0;
    double multiplier = -1; // -1: no adjusted value
    bool operator==(const SkillMultiplier&) const = default;
};

struct BVTables {
    std::array<double, 7> engineMultiplierIS{};      // by engine type
    std::array<double, 7> engineMultiplierClan{};    // by engine type
    std::array<double, 26> offensiveSpeedFactor{};   // by speed rating 0 to 25
    std::array<double, 6> defensiveMovementFactor{}; // by target movement modifier 0 to 5
    std::array<SkillMultiplier, 64> skillMultiplier{};
    bool operator==(const BVTables&) const = default;
};

struct Pilot {
    std::string name;
    std::int16_t gunnery = 0;
    std::int16_t piloting = 0;
    bool operator==(const Pilot&) const = default;
};

// The points of one location of the record sheet's armour or structure diagram.
struct PlotRecord {
    std::int16_t pointSize = 0;
    std::int32_t lowerBound = 0; // of the X and Y arrays
    std::vector<std::int16_t> x;
    std::vector<std::int16_t> y;
    bool operator==(const PlotRecord&) const = default;
};

using PlotTable = std::vector<PlotRecord>;

} // namespace fpw::catalog
