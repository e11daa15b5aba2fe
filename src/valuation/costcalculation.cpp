#include "valuation/costcalculation.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/errorreporter.h"
#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/prices.h"
#include "model/mech.h"

namespace fpw::valuation {
namespace {

using catalog::PriceTable;
namespace price = catalog::price;

constexpr std::int64_t kLongMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kLongMax = std::numeric_limits<std::int32_t>::max();

// An amount the 32-bit total can never take: it makes the addition overflow.
constexpr std::int64_t kOutOfRange = std::numeric_limits<std::int64_t>::max();

// A product of prices and design figures, rounded to the nearest whole C-Bill with ties to
// the even neighbour; kOutOfRange when it cannot be a Long at all.
std::int64_t converted(double amount) {
    if (!std::isfinite(amount) || std::fabs(amount) > 9.0e15)
        return kOutOfRange;
    return static_cast<std::int64_t>(std::nearbyint(amount));
}

// `AddCost`: adds amounts to the running 32-bit total; once one addition leaves
// the range, nothing more is added.
class CostAdder {
public:
    explicit CostAdder(CostResult& result) : result_(result) {}

    void AddCost(CostStep step, std::int64_t amount) {
        if (result_.overflow)
            return;
        if (amount == kOutOfRange || amount < kLongMin || amount > kLongMax ||
            total_ + amount < kLongMin || total_ + amount > kLongMax) {
            result_.overflow = true;
            return;
        }
        total_ += amount;
        result_.steps[static_cast<std::size_t>(step)] += amount;
    }

    std::int64_t total() const { return total_; }
    bool stopped() const { return result_.overflow; }

private:
    CostResult& result_;
    std::int64_t total_ = 0;
};

std::int64_t priceOf(const PriceTable& prices, int item) {
    return prices.current[static_cast<std::size_t>(item)];
}

int engineItem(std::int16_t engineType) {
    switch (engineType) {
    case catalog::engine::kFusion:
        return price::kStandardEngine;
    case catalog::engine::kXL:
        return price::kXLEngine;
    case catalog::engine::kXXL:
        return price::kXXLEngine;
    case catalog::engine::kLarge:
        return price::kLargeEngine;
    case catalog::engine::kLargeXL:
        return price::kLargeXLEngine;
    case catalog::engine::kLargeXXL:
        return price::kLargeXXLEngine;
    case catalog::engine::kCompact:
        return price::kCompactEngine;
    default:
        return -1;
    }
}

int gyroItem(std::int16_t gyroType) {
    switch (gyroType) {
    case catalog::gyro::kStandard:
        return price::kStandardGyro;
    case catalog::gyro::kCompact:
        return price::kCompactGyro;
    case catalog::gyro::kHeavyDuty:
        return price::kHDGyro;
    case catalog::gyro::kExtraLight:
        return price::kXLGyro;
    default:
        return -1;
    }
}

int cockpitItem(std::int16_t cockpitType) {
    switch (cockpitType) {
    case catalog::cockpit::kStandard:
        return price::kCockpit;
    case catalog::cockpit::kCommandConsole:
        return price::kCommandConsole;
    case catalog::cockpit::kSmall:
        return price::kSmallCockpit;
    case catalog::cockpit::kTorsoMounted:
        return price::kTorsoMountedCockpit;
    default: // the enhanced-imaging cockpit is priced with its equipment
        return -1;
    }
}

int structureItem(std::int16_t isType) {
    switch (isType) {
    case catalog::structure::kStandard:
        return price::kInternalStructure;
    case catalog::structure::kEndoSteel:
        return price::kEndoSteel;
    case catalog::structure::kComposite:
        return price::kCompositeIS;
    case catalog::structure::kReinforced:
        return price::kReinforcedIS;
    default:
        return -1;
    }
}

int armorItem(std::int16_t armorType) {
    if (armorType < catalog::armor::kStandard || armorType > catalog::armor::kHardened)
        return -1;
    return price::kStandardArmor + armorType;
}

std::int64_t heatSinkAmount(const model::Mech& mech, const PriceTable& prices) {
    const std::int64_t count = mech.hsCount();
    switch (mech.hsType()) {
    case catalog::heatsink::kSingle:
        // Ten heat sinks come with the engine; fewer than ten give a negative amount.
        return (count - 10) * priceOf(prices, price::kStandardHeatSink);
    case catalog::heatsink::kDouble:
        return count * priceOf(prices, price::kDoubleHeatSink);
    case catalog::heatsink::kCompact:
        return count * 2 * priceOf(prices, price::kCompactHeatSink);
    case catalog::heatsink::kLaser:
        return count * priceOf(prices, price::kLaserHeatSink);
    case catalog::heatsink::kClanDouble:
        return count * priceOf(prices, price::kClanDoubleHeatSink);
    default:
        return 0;
    }
}

const catalog::WeaponRecord* recordOf(const catalog::WeaponTable& table,
                                      const model::WeaponEntry& entry) {
    if (entry.isFree() || static_cast<std::size_t>(entry.refID) >= table.size())
        return nullptr;
    return &table[static_cast<std::size_t>(entry.refID)];
}

// A record's Artemis share: a launcher that follows a fitted Artemis setting pays for its
// system.
std::int64_t artemisPrice(const model::Mech& mech, const catalog::WeaponRecord& record,
                          const PriceTable& prices) {
    if (record.artemisCapable == 0)
        return 0;
    std::int16_t setting = catalog::kNoArtemis;
    if (record.artemisClass == 0)
        setting = mech.artemisSRM();
    else if (record.artemisClass == 1)
        setting = mech.artemisLRM();
    if (setting == catalog::kArtemisIV)
        return priceOf(prices, price::kArtemisIV);
    if (setting == catalog::kArtemisV)
        return priceOf(prices, price::kArtemisV);
    return 0;
}

} // namespace

CostResult costOf(const model::Mech& mech) {
    const app::ProgramContext& ctx = mech.context();
    const PriceTable& prices = ctx.prices;
    const catalog::WeaponTable& table = ctx.weapons;
    const std::int64_t tons = mech.tonnage();
    const auto perTon = [&](int item) { return priceOf(prices, item) * tons; };

    CostResult result;
    CostAdder adder(result);

    adder.AddCost(CostStep::LifeSupport, priceOf(prices, price::kLifeSupport));

    switch (mech.targSysType()) {
    case catalog::targeting::kVariableRange:
        adder.AddCost(CostStep::Sensors, perTon(price::kVariableRangeTargSys));
        break;
    case catalog::targeting::kMultiTracII:
        adder.AddCost(CostStep::Sensors, perTon(price::kMultiTracII));
        break;
    case catalog::targeting::kTargetingComputer:
        adder.AddCost(CostStep::Sensors,
                      converted(static_cast<double>(perTon(price::kSensors)) +
                                static_cast<double>(priceOf(prices, price::kTargetingComputer)) *
                                    mech.targSysTonnage()));
        break;
    default:
        adder.AddCost(CostStep::Sensors, perTon(price::kSensors));
        break;
    }

    if (const int item = cockpitItem(mech.cockpitType()); item >= 0)
        adder.AddCost(CostStep::Cockpit, priceOf(prices, item));

    adder.AddCost(CostStep::Musculature,
                  perTon(mech.tsm() ? price::kTripleStrengthMyomer : price::kStandardMusculature));

    if (const int item = structureItem(mech.isType()); item >= 0)
        adder.AddCost(CostStep::Structure, perTon(item));

    // Actuator 1 takes the first of the three arm prices, 2 the second and 3 the third, the
    // left arm before the right for each; the shoulder is not priced.
    // The stored values are read directly: every index here is in range.
    const model::MechFields& fields = mech.fields();
    constexpr std::array<int, 3> kArmItems{price::kHandActuator, price::kLowerArmActuator,
                                           price::kUpperArmActuator};
    for (std::size_t actuator = 1; actuator <= 3; ++actuator) {
        const int item = kArmItems[actuator - 1];
        if (fields.laActuators[actuator])
            adder.AddCost(CostStep::ArmActuators, perTon(item));
        if (fields.raActuators[actuator])
            adder.AddCost(CostStep::ArmActuators, perTon(item));
    }

    adder.AddCost(CostStep::LegActuators, (priceOf(prices, price::kFootActuator) +
                                           priceOf(prices, price::kLowerLegActuator) +
                                           priceOf(prices, price::kUpperLegActuator)) *
                                              2 * tons);

    if (const int item = engineItem(mech.engineType()); item >= 0)
        adder.AddCost(CostStep::Engine, converted(static_cast<double>(mech.engineRating()) *
                                                  static_cast<double>(tons) / 75.0 *
                                                  static_cast<double>(priceOf(prices, item))));

    if (const int item = gyroItem(mech.gyroType()); item >= 0)
        adder.AddCost(CostStep::Gyro,
                      converted(static_cast<double>(priceOf(prices, item)) * mech.gyroTonnage()));

    {
        const std::int64_t jump = mech.jumping();
        const int item = mech.jumpJetType() == catalog::jumpjet::kStandard
                             ? price::kJumpJet
                             : price::kImprovedJumpJet;
        adder.AddCost(CostStep::JumpJets, jump * jump * tons * priceOf(prices, item));
    }

    adder.AddCost(CostStep::HeatSinks, heatSinkAmount(mech, prices));

    if (const int item = armorItem(mech.armorType()); item >= 0)
        adder.AddCost(CostStep::Armor,
                      converted(static_cast<double>(priceOf(prices, item)) * mech.armorTonnage()));

    // The Artemis share is added further on; it is summed here, in the same walk.
    std::int64_t artemis = 0;
    for (const model::WeaponEntry& entry : mech.weapons()) {
        if (const catalog::WeaponRecord* record = recordOf(table, entry)) {
            adder.AddCost(CostStep::Weapons, record->cost < 1 ? 0 : record->cost);
            artemis += artemisPrice(mech, *record, prices);
        }
    }

    if (mech.masc() != 0) {
        const std::int64_t mascTons = converted(mech.mascTonnage());
        adder.AddCost(CostStep::MASC, mascTons == kOutOfRange ? kOutOfRange
                                                              : mech.engineRating() * mascTons *
                                                                    priceOf(prices, price::kMASC));
    }
    if (mech.supercharger())
        adder.AddCost(CostStep::Supercharger,
                      mech.engineRating() * priceOf(prices, price::kSupercharger));
    if (mech.nullSigSys())
        adder.AddCost(CostStep::NullSignature, priceOf(prices, price::kNullSignatureSystem));

    // `PhysicalTonnage` holds both arms; each arm pays for its own weapon.
    if (mech.physicalType() != catalog::physical::kNone) {
        const int arms = (mech.laPhysical() ? 1 : 0) + (mech.raPhysical() ? 1 : 0);
        const double perArm = arms > 0 ? mech.physicalTonnage() / arms : 0;
        const std::int64_t amount =
            converted(perArm * static_cast<double>(priceOf(prices, price::kPhysicalWeapons)));
        if (mech.laPhysical())
            adder.AddCost(CostStep::PhysicalLeftArm, amount);
        if (mech.raPhysical())
            adder.AddCost(CostStep::PhysicalRightArm, amount);
    }

    const double turretPrice = static_cast<double>(priceOf(prices, price::kTurret));
    if (mech.ltTurret())
        adder.AddCost(CostStep::LeftTurret, converted(mech.ltTurretTonnage() * turretPrice));
    if (mech.rtTurret())
        adder.AddCost(CostStep::RightTurret, converted(mech.rtTurretTonnage() * turretPrice));

    adder.AddCost(CostStep::ArmoredSlots, static_cast<std::int64_t>(mech.armoredSlots()) *
                                              priceOf(prices, price::kArmoredSlot));

    // The head has no CASE setting. Every value but 0 and 1 reads as CASE II.
    for (const std::int16_t setting : fields.caseSettings) {
        if (setting == catalog::kStandardCase)
            adder.AddCost(CostStep::CASE, priceOf(prices, price::kCASE));
        else if (setting != catalog::kNoCase)
            adder.AddCost(CostStep::CASE, priceOf(prices, price::kCASEII));
    }

    result.artemisCost = static_cast<std::int32_t>(std::clamp(artemis, kLongMin, kLongMax));
    adder.AddCost(CostStep::Artemis, artemis);

    if (mech.mechType() == catalog::kLAM || mech.mechType() == catalog::kOmniMech)
        adder.AddCost(CostStep::Surcharge, converted(static_cast<double>(adder.total()) / 4.0));

    result.subtotal = adder.total();
    result.multiplier = 1.0 + mech.tonnage() / 100.0;
    result.totalCost = static_cast<std::int32_t>(adder.total());
    if (!adder.stopped()) {
        const std::int64_t total =
            converted(static_cast<double>(adder.total()) * result.multiplier);
        if (total == kOutOfRange || total < kLongMin || total > kLongMax)
            result.overflow = true;
        else
            result.totalCost = static_cast<std::int32_t>(total);
    }
    return result;
}

std::int32_t CalcTotalCost(model::Mech& mech) {
    const CostResult result = costOf(mech);
    // The stored Artemis share follows the prices: a changed price is in it from now on.
    if (mech.artemisCost() != result.artemisCost)
        mech.CalcWeaponTonnage();
    mech.storeTotalCost(result.totalCost);
    if (result.overflow)
        mech.context().errors.report("Mech.CalcTotalCost",
                                     app::Failure{app::failure::kOverflow, "Overflow"});
    return result.totalCost;
}

} // namespace fpw::valuation
