// Battle Value: the single number that rates a design's combat worth, with every step of its
// calculation written as lines that the summary shows and prints.
#pragma once

#include <cstdint>
#include <optional>

#include "catalog/referencetables.h"
#include "catalog/weaponrecord.h"
#include "valuation/bvdatastore.h"

namespace fpw::model {
class Mech;
}

namespace fpw::valuation {

// Records of the shipped weapon database that the calculation recognises by position
// (`RefID`): the three C3 units (slave, master, improved) and the two heat-dissipating
// coolant pods.
inline constexpr std::int16_t kC3SlaveRefID = 77;
inline constexpr std::int16_t kC3MasterRefID = 78;
inline constexpr std::int16_t kImprovedC3RefID = 79;
inline constexpr std::int16_t kHeatDissipatingRefID1 = 377;
inline constexpr std::int16_t kHeatDissipatingRefID2 = 378;

// What one calculation yields besides the number stored in the design.
struct BVResult {
    std::int16_t battleValue = 0; // the final BV, saturated to 32,767
    double defensiveBV = 0;
    double offensiveBV = 0;
    // The total after the command console and C3 steps, before the cockpit multipliers; the
    // record sheet's pilot-adjusted BV starts from it.
    double rawBattleValue = 0;
    BVDataStore lines;
};

// Mech.CalcBV: computes the BV of `mech` from the weapon table and BV tables of its program
// context, stores the final value as the design's `BattleValue` and returns the figures with
// their lines. Without loaded BV data nothing is computed, the design keeps its value and the
// result is empty.
std::optional<BVResult> CalcBV(model::Mech& mech);

// The heat the design can generate in one turn for the BV: movement heat, the
// null-signature system and the heat of its weapons (rear weapons only with Multi-Trac II).
std::int16_t MaxHeatForBV(const model::Mech& mech, const catalog::WeaponTable& weapons);

// Heat sinks (double-strength types count twice) plus one per heat-dissipating item.
std::int16_t HeatDissipation(const model::Mech& mech);

// Target movement modifier for the hexes moved in a turn (0 to 5).
int TMM(int hexesMoved);

// The defensive movement factor of a target modifier (0 to 6). Modifier 6, which only a
// jumping design reaches, continues the table's last step: f[5] + (f[5] - f[4]).
double DefensiveMovementFactor(const catalog::BVTables& tables, int modifier);

// The offensive speed factor of a speed rating: the table up to 25, above it
// ((S - 5) / 10 + 1) ^ 1.2 rounded to two decimals.
double OffensiveSpeedFactor(const catalog::BVTables& tables, int speedRating);

} // namespace fpw::valuation
