// The cost of a design in C-Bills: its components priced in a fixed order with the price list
// and the weapon database's prices, then the type surcharge and the construction multiplier.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace fpw::model {
class Mech;
}

namespace fpw::valuation {

// The steps that add to the total, in the order they add.
enum class CostStep : std::uint8_t {
    LifeSupport,
    Sensors,
    Cockpit,
    Musculature,
    Structure,
    ArmActuators,
    LegActuators,
    Engine,
    Gyro,
    JumpJets,
    HeatSinks,
    Armor,
    Weapons,
    MASC,
    Supercharger,
    NullSignature,
    PhysicalLeftArm,
    PhysicalRightArm,
    LeftTurret,
    RightTurret,
    ArmoredSlots,
    CASE,
    Artemis,
    Surcharge, // LAM or Omni-Mech: a quarter of the parts
    Count
};

inline constexpr std::size_t kCostStepCount = static_cast<std::size_t>(CostStep::Count);

// What the calculation added, step by step. A step's amount is the sum of its additions (one
// per actuator, weapon, arm, turret or location) that fitted before an overflow.
struct CostResult {
    std::array<std::int64_t, kCostStepCount> steps{};
    // The parts and the surcharge, before the construction multiplier.
    std::int64_t subtotal = 0;
    // 1 + tonnage / 100.
    double multiplier = 1;
    // The final cost; after an overflow, the total as far as it got.
    std::int32_t totalCost = 0;
    // The Artemis share at the current prices.
    std::int32_t artemisCost = 0;
    // An addition left the 32-bit range and the calculation stopped there.
    bool overflow = false;

    std::int64_t step(CostStep s) const { return steps[static_cast<std::size_t>(s)]; }
};

// The cost of the design at the context's current prices, without changing or reporting
// anything.
CostResult costOf(const model::Mech& mech);

// `Mech.CalcTotalCost`: recomputes the cost and stores it as the design's `TotalCost`, and
// brings its `ArtemisCost` up to the current prices. A sum beyond the 32-bit range is reported
// as "Mech.CalcTotalCost" (6, "Overflow") and the total stays as far as it got. Returns the
// stored total.
std::int32_t CalcTotalCost(model::Mech& mech);

} // namespace fpw::valuation
