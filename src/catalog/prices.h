// The 56 priced items of the cost calculation: the current price and the default. A fresh
// table already holds the defaults.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace fpw::catalog {

inline constexpr int kPriceItemCount = 56;
// Items 0 to 54 are offered by the price editor; the last one has no name.
inline constexpr int kNamedPriceItemCount = 55;

// Indices into the price table.
namespace price {
enum : int {
    kLifeSupport = 0,
    kSensors,
    kMultiTracII,
    kVariableRangeTargSys,
    kTargetingComputer,
    kCockpit,
    kCommandConsole,
    kSmallCockpit,
    kTorsoMountedCockpit,
    kTripleStrengthMyomer,
    kStandardMusculature, // 10
    kInternalStructure,
    kEndoSteel,
    kCompositeIS,
    kReinforcedIS,
    kHandActuator,
    kLowerArmActuator,
    kUpperArmActuator,
    kFootActuator,
    kLowerLegActuator,
    kUpperLegActuator, // 20
    kStandardEngine,
    kLargeEngine,
    kXLEngine,
    kXXLEngine,
    kLargeXLEngine,
    kLargeXXLEngine,
    kCompactEngine,
    kStandardGyro,
    kCompactGyro,
    kHDGyro, // 30
    kXLGyro,
    kJumpJet,
    kImprovedJumpJet,
    kStandardHeatSink,
    kDoubleHeatSink,
    kLaserHeatSink,
    kClanDoubleHeatSink,
    kStandardArmor,
    kFerroFibrousArmor,
    kLightFerroFibrousArmor, // 40
    kHeavyFerroFibrousArmor,
    kReactiveArmor,
    kLaserReflectiveArmor,
    kHardenedArmor,
    kMASC,
    kSupercharger,
    kNullSignatureSystem,
    kPhysicalWeapons,
    kTurret,
    kArmoredSlot, // 50
    kCASE,
    kCASEII,
    kArtemisIV,
    kArtemisV,
    kCompactHeatSink, // per heat sink; no name
};
} // namespace price

struct PriceItem {
    std::string_view name; // empty for the unnamed last item
    std::int32_t defaultPrice = 0;
};

// Names and default prices in index order.
inline constexpr std::array<PriceItem, kPriceItemCount> kPriceItems{{
    {"Life Support", 50000},
    {"Sensors [a]", 2000},
    {"Multi-Trac II [a]", 5000},
    {"Variable Range TargSys [a]", 20000},
    {"Targeting Computer (Per ton of TC)", 10000},
    {"Cockpit", 200000},
    {"Command Console", 500000},
    {"Small Cockpit", 175000},
    {"Torso-Mounted Cockpit", 750000},
    {"Triple Strength Myomer [a]", 16000},
    {"Standard Musculature [a]", 2000},
    {"Internal Structure [a]", 400},
    {"Endo-Steel [a]", 1600},
    {"Composite IS [a]", 1600},
    {"Reinforced IS [a]", 6400},
    {"Hand Actuator", 100},
    {"Lower Arm Actuator", 50},
    {"Upper Arm Actuator", 80},
    {"Foot Actuator", 100},
    {"Lower Leg Actuator", 100},
    {"Upper Leg Actuator", 150},
    {"Standard Engine [b]", 5000},
    {"Large Engine [b]", 10000},
    {"XL Engine [b]", 20000},
    {"XXL Engine [b]", 100000},
    {"LargeXL Engine [b]", 40000},
    {"LargeXXL Engine [b]", 200000},
    {"Compact Engine [b]", 10000},
    {"Standard Gyro [c]", 300000},
    {"Compact Gyro [c]", 400000},
    {"HD Gyro [c]", 500000},
    {"XL Gyro [c]", 750000},
    {"JumpJet [d]", 200},
    {"Improved JumpJet [d]", 500},
    {"Standard HeatSink", 2000},
    {"Double HeatSink", 6000},
    {"Laser HeatSink", 6000},
    {"Clan Double HeatSink (for IS 'C' designs)", 6000},
    {"Standard Armor [e]", 10000},
    {"Ferro-Fiberous Armor [e]", 20000},
    {"Light Ferro-Fiberous Armor [e]", 15000},
    {"Heavy Ferro-Fiberous Armor [e]", 25000},
    {"Reactive Armor [e]", 10000},
    {"Laser Reflective Armor [e]", 30000},
    {"Hardend Armor [e]", 15000},
    {"MASC", 1000},
    {"SuperCharger", 10000},
    {"Null Signature System", 2000000},
    {"Physical Weapons (Per weapon ton)", 5000},
    {"Turret (Per turret ton)", 10000},
    {"Armored Slot", 150000},
    {"CASE", 50000},
    {"CASE II", 175000},
    {"Artemis IV", 100000},
    {"Artemis V", 250000},
    {"", 3000},
}};

// The legend of the bracketed notes in the price names, in the price editor's order.
inline constexpr std::array<std::string_view, 5> kPriceLegend{
    "[a] Per ton of mech", "[b] (Per ton of mech * EngineRating / 75)", "[c] Per ton of gyro",
    "[d] (Per ton of mech * (# of JJs squared))", "[e] Per ton of armor"};

constexpr std::array<std::int32_t, kPriceItemCount> defaultPriceArray() {
    std::array<std::int32_t, kPriceItemCount> prices{};
    for (int i = 0; i < kPriceItemCount; ++i)
        prices[i] = kPriceItems[i].defaultPrice;
    return prices;
}

struct PriceTable {
    std::array<std::int32_t, kPriceItemCount> current = defaultPriceArray();
    std::array<std::int32_t, kPriceItemCount> defaults = defaultPriceArray();
    bool operator==(const PriceTable&) const = default;
};

// Name and current price of item 0 to 54; false, with both left unchanged, for any other.
bool gGetPriceItem(const PriceTable& prices, int index, std::string& name, std::int32_t& price);

// The default price of item 0 to 54; 0 for any other index.
std::int32_t gGetDefaultPrice(const PriceTable& prices, int index);

// Sets the current price of item 0 to 55; false, changing nothing, for any other index.
bool gSetItemPrice(PriceTable& prices, int index, std::int32_t price);

// Sets both copies of every price to its default.
void gResetPrices(PriceTable& prices);

} // namespace fpw::catalog
