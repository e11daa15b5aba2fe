// Battle Value: the single number that rates a design's combat worth, with every step of its
// calculation written as lines that the summary shows and prints.
#pragma once

#include <cstdint>
#include <optional>

#include "valuation/bvdatastore.h"
#include "valuation/bvrules.h"

namespace fpw::model {
class Mech;
}

namespace fpw::valuation {

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

// Whether a calculation writes its lines. Building their texts costs more than the
// arithmetic; a caller that only wants the numbers skips them.
enum class BVLines { Record, Skip };

// Mech.CalcBV: computes the BV of `mech` from the weapon table and BV tables of its program
// context, stores the final value as the design's `BattleValue` and returns the figures with
// their lines (no lines with BVLines::Skip; the figures are the same either way). Without
// loaded BV data nothing is computed, the design keeps its value and the result is empty.
std::optional<BVResult> CalcBV(model::Mech& mech, BVLines lines = BVLines::Record);

} // namespace fpw::valuation
