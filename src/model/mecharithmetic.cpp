// The construction figures of a design: each input setter recomputes the figures that depend
// on that input, then the totals.
#include "model/mech.h"

#include <algorithm>
#include <cmath>

#include "app/numbers.h"
#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/slottables.h"
#include "model/enginetable.h"

namespace fpw::model {

namespace {

bool isClan(std::int16_t techBase) {
    return techBase == catalog::kClan;
}

// A record's value that is marked "not applicable" counts as 0.
double recordTonnage(const catalog::WeaponRecord& r) {
    return r.tonnage < 0 ? 0 : r.tonnage;
}

// What the "###.##" style formats leave of a value that is not whole.
double twoDecimals(double x) {
    return x == std::floor(x) ? x : app::roundTwoDecimals(x);
}

// Armour tonnage of `points` without fractional accounting: points per ton first rounded to
// one decimal as "#0.#" does, then up to the half ton.
double halfTonArmor(int points, double perTon) {
    return app::zRoundHalf(app::roundAsFormatted(points / perTon, 1));
}

} // namespace

double armorPointsPerTon(std::int16_t armorType, std::int16_t techBase) {
    return 16.0 * catalog::armorPointsFactor(armorType, techBase);
}

const catalog::WeaponRecord* Mech::record(const WeaponEntry& w) const {
    if (w.refID < 0 || w.refID >= static_cast<int>(ctx_->weapons.size())) {
        return nullptr;
    }
    return &ctx_->weapons[static_cast<std::size_t>(w.refID)];
}

// ---- input setters

void Mech::setTonnage(std::int16_t v) {
    f_.tonnage = v;
    CalcLAMTonnage();
    CalcJumpJetTonnage();
    CalcMASC();
    CalcISTonnage();
    CalcPhysical(); // the physical weapons scale with the tonnage as well
    CalcEngineRating();
    CalcTotals();
}

void Mech::setWalking(std::int16_t v) {
    f_.walking = v;
    f_.running = static_cast<std::int16_t>(v + app::RoundUp(v / 2.0));
    f_.sprinting = static_cast<std::int16_t>(2 * v);
    CalcEngineRating();
    CalcMASC();
    CalcTotals();
}

void Mech::setEngineType(std::int16_t v) {
    f_.engineType = v;
    CalcEngineRating();
    CalcTotals();
}

void Mech::setGyroType(std::int16_t v) {
    f_.gyroType = v;
    CalcGyroTonnage();
    CalcTotals();
}

void Mech::setCockpitType(std::int16_t v) {
    f_.cockpitType = v;
    CalcCockpitTonnage();
    CalcTotals();
}

void Mech::setTargSysType(std::int16_t v) {
    f_.targSysType = v;
    CalcTargSysTonnage();
    CalcTotals();
}

void Mech::setArmorType(std::int16_t v) {
    f_.armorType = v;
    CalcArmorTonnage();
    CalcTotals();
}

void Mech::setISType(std::int16_t v) {
    f_.isType = v;
    CalcISTonnage();
    CalcTotals();
}

void Mech::setHSType(std::int16_t v) {
    f_.hsType = v;
    CalcHSTonnage();
    CalcTotals();
}

void Mech::setHSCount(std::int16_t v) {
    f_.hsCount = v;
    CalcHSInEngine();
    CalcHSTonnage();
    CalcTotals();
}

void Mech::setJumping(std::int16_t v) {
    f_.jumping = v;
    CalcJumpJetTonnage();
    CalcTotals();
}

void Mech::setJumpJetType(std::int16_t v) {
    f_.jumpJetType = v;
    CalcJumpJetTonnage();
    CalcTotals();
}

void Mech::setMASC(std::int16_t v) {
    f_.masc = v;
    CalcMASC();
    CalcTotals();
}

void Mech::setSupercharger(bool v) {
    f_.supercharger = v;
    CalcSuperchargerTonnage();
    CalcTotals();
}

void Mech::setPhysicalType(std::int16_t v) {
    f_.physicalType = v;
    CalcPhysical();
    CalcTotals();
}

void Mech::setLAPhysical(bool v) {
    f_.laPhysical = v;
    CalcPhysical();
    CalcTotals();
}

void Mech::setRAPhysical(bool v) {
    f_.raPhysical = v;
    CalcPhysical();
    CalcTotals();
}

void Mech::setMechType(std::int16_t v) {
    f_.mechType = v;
    CalcLAMTonnage();
    CalcTotals();
}

void Mech::setTechBase(std::int16_t v) {
    f_.techBase = v;
    CalcCASETonnage();
    // Armour factor, MASC divisor and targeting computer divisor all follow the tech base.
    CalcArmorTonnage();
    CalcMASC();
    CalcTargSysTonnage();
    CalcTotals();
}

void Mech::setTechLevel(std::int16_t v) {
    f_.techLevel = v;
    CalcCASETonnage();
    CalcTotals();
}

void Mech::setArtemisSRM(std::int16_t v) {
    f_.artemisSRM = v;
    CalcArtemis();
    CalcTotals();
}

void Mech::setArtemisLRM(std::int16_t v) {
    f_.artemisLRM = v;
    CalcArtemis();
    CalcTotals();
}

void Mech::setLTTurret(bool v) {
    f_.ltTurret = v;
    CalcTurretTonnage();
    CalcTotals();
}

void Mech::setRTTurret(bool v) {
    f_.rtTurret = v;
    CalcTurretTonnage();
    CalcTotals();
}

void Mech::setNullSigSys(bool v) {
    f_.nullSigSys = v;
    CalcTotals();
}

void Mech::setFractionalAccounting(bool v) {
    if (f_.fractionalAccounting == v) {
        return;
    }
    f_.fractionalAccounting = v;
    CalcWeaponTonnage();
    CalcEngineTonnage();
    CalcMASC();
    CalcGyroTonnage();
    CalcArmorTonnage();
    CalcPhysical();
    CalcISTonnage();
    CalcLAMTonnage();
    CalcTotals();
}

void Mech::RecalcAll() {
    f_.running = static_cast<std::int16_t>(f_.walking + app::RoundUp(f_.walking / 2.0));
    f_.sprinting = static_cast<std::int16_t>(2 * f_.walking);
    CalcEngineRating();
    CalcCockpitTonnage();
    CalcISTonnage();
    CalcArmorTonnage();
    CalcHSTonnage();
    CalcJumpJetTonnage();
    CalcMASC();
    CalcCASETonnage();
    CalcPhysical();
    CalcLAMTonnage();
    CalcWeaponTonnage(); // with targeting system, Artemis, turrets and the totals
}

void Mech::RecalcAll(int armoredCount, int armoredSlots) {
    // Nothing RecalcAll computes reads these before the totals.
    f_.armoredSlotTonnage = armoredCount / 2.0;
    f_.armoredSlots = static_cast<std::int16_t>(armoredSlots);
    RecalcAll();
}

// ---- the figures

void Mech::CalcEngineRating() {
    f_.engineRating = static_cast<std::int16_t>(f_.walking * f_.tonnage);
    CalcHSInEngine();
    CalcGyroTonnage();
    CalcEngineTonnage();
}

void Mech::CalcHSInEngine() {
    // The engine holds rating / 25 heat sinks, but never more than the design has: otherwise
    // the heat sinks that need slots would go negative.
    const int inEngine = f_.engineRating / 25;
    f_.hsInEngine = static_cast<std::int16_t>(std::max(0, std::min<int>(inEngine, f_.hsCount)));
}

void Mech::CalcEngineTonnage() {
    const double base = engineBaseWeight(f_.engineType, f_.engineRating);
    double raw = base;
    switch (f_.engineType) {
    case catalog::engine::kXL:
    case catalog::engine::kLargeXL:
        raw = base / 2;
        break;
    case catalog::engine::kXXL:
    case catalog::engine::kLargeXXL:
        raw = base / 3;
        break;
    case catalog::engine::kCompact:
        raw = base * 3 / 2;
        break;
    default:
        // The fusion engines weigh what the table says.
        f_.engineTonnage = base;
        CalcSuperchargerTonnage();
        return;
    }
    f_.engineTonnage = f_.fractionalAccounting ? twoDecimals(raw) : app::zRoundHalf(raw);
    CalcSuperchargerTonnage();
}

void Mech::CalcGyroTonnage() {
    const double base = app::RoundUp(f_.engineRating / 100.0);
    switch (f_.gyroType) {
    case catalog::gyro::kStandard:
        f_.gyroTonnage = base;
        break;
    case catalog::gyro::kCompact:
        f_.gyroTonnage = base + app::zRoundHalf(base / 2);
        break;
    case catalog::gyro::kHeavyDuty:
        f_.gyroTonnage = base * 2;
        break;
    case catalog::gyro::kExtraLight:
        f_.gyroTonnage = app::zRoundHalf(base / 2);
        break;
    default:
        f_.gyroTonnage = 0;
        break;
    }
}

void Mech::CalcCockpitTonnage() {
    switch (f_.cockpitType) {
    case catalog::cockpit::kStandard:
    case catalog::cockpit::kEnhancedImaging:
        f_.cockpitTonnage = 3;
        break;
    case catalog::cockpit::kCommandConsole:
        f_.cockpitTonnage = 6;
        break;
    case catalog::cockpit::kSmall:
        f_.cockpitTonnage = 2;
        break;
    case catalog::cockpit::kTorsoMounted:
        f_.cockpitTonnage = 4;
        break;
    default:
        f_.cockpitTonnage = 0;
        break;
    }
}

void Mech::CalcISTonnage() {
    double raw = f_.tonnage / 10.0;
    if (f_.isType == catalog::structure::kEndoSteel ||
        f_.isType == catalog::structure::kComposite) {
        raw /= 2;
    } else if (f_.isType == catalog::structure::kReinforced) {
        raw *= 2;
    }
    f_.isTonnage = f_.fractionalAccounting ? raw : app::zRoundHalf(raw);
}

void Mech::CalcArmorTonnage() {
    int points = 0;
    for (std::int16_t a : f_.armor) {
        points += a;
    }
    f_.armorPoints = static_cast<std::int16_t>(points);
    const double perTon = armorPointsPerTon(f_.armorType, f_.techBase);
    if (perTon <= 0) {
        // An armour type the catalogue does not know gives no points per ton.
        f_.armorTonnage = 0;
        f_.armorFree = 0;
        return;
    }
    if (f_.fractionalAccounting) {
        f_.armorTonnage = twoDecimals(points / perTon);
        f_.armorFree = 0;
        return;
    }
    f_.armorTonnage = halfTonArmor(points, perTon);
    // The points that can still be added before the same rule asks for more tonnage. Walking
    // the rule itself keeps floating-point noise out: 17.92 x 12.5 must give 224, not 225.
    // Start at the answer but for noise: the one-decimal rounding lets points up to just
    // below (tonnage + 0.05) * perTon through, so the walks below mostly take one step each.
    int most = std::max(points, static_cast<int>(perTon * (f_.armorTonnage + 0.05)));
    while (most > points && halfTonArmor(most, perTon) > f_.armorTonnage) {
        --most;
    }
    while (halfTonArmor(most + 1, perTon) <= f_.armorTonnage) {
        ++most;
    }
    f_.armorFree = static_cast<std::int16_t>(most - points);
}

void Mech::CalcHSTonnage() {
    // The first ten heat sinks weigh nothing; a count below ten never gives a negative weight.
    const int extra = std::max(0, f_.hsCount - 10);
    f_.hsTonnage = f_.hsType == catalog::heatsink::kCompact ? extra * 3.0 : extra * 1.0;
}

void Mech::CalcJumpJetTonnage() {
    double perJet = 0.5;
    if (f_.tonnage >= 90) {
        perJet = 2;
    } else if (f_.tonnage >= 60) {
        perJet = 1;
    }
    f_.jumpJetTonnage = perJet * f_.jumping;
    if (f_.jumpJetType == catalog::jumpjet::kImproved) {
        f_.jumpJetTonnage *= 2;
    }
}

void Mech::CalcMASC() {
    if (f_.masc == 0) {
        f_.mascTonnage = 0;
        f_.mascSize = 0;
        return;
    }
    const double raw = isClan(f_.techBase) ? f_.tonnage / 25.0 : f_.tonnage / 20.0;
    if (f_.fractionalAccounting) {
        f_.mascTonnage = raw == 0 ? 1 : twoDecimals(raw);
        const std::int16_t size = app::RoundHalfUp(f_.mascTonnage);
        f_.mascSize = size == 0 ? std::int16_t{1} : size;
    } else {
        const std::int16_t tons = app::RoundHalfUp(raw);
        f_.mascSize = tons == 0 ? std::int16_t{1} : tons;
        f_.mascTonnage = f_.mascSize;
    }
}

void Mech::CalcSuperchargerTonnage() {
    if (!f_.supercharger) {
        f_.superchargerTonnage = 0;
        return;
    }
    const double raw = f_.engineTonnage / 10;
    f_.superchargerTonnage = f_.fractionalAccounting ? twoDecimals(raw) : app::zRoundHalf(raw);
}

std::int16_t Mech::DetermineTCSize() const {
    if (f_.targSysType != catalog::targeting::kTargetingComputer) {
        return 0;
    }
    double sum = 0;
    for (const WeaponEntry& w : weapons_) {
        const catalog::WeaponRecord* r = record(w);
        if (r != nullptr && r->tcLinkable != 0) {
            sum += recordTonnage(*r);
        }
    }
    const double divisor = f_.techBase == catalog::kInnerSphere ? 4 : 5;
    return static_cast<std::int16_t>(app::RoundUp(sum / divisor));
}

void Mech::CalcTargSysTonnage() {
    f_.tcSize = 0;
    switch (f_.targSysType) {
    case catalog::targeting::kVariableRange:
    case catalog::targeting::kMultiTracII:
        f_.targSysTonnage = 0.5;
        break;
    case catalog::targeting::kTargetingComputer:
        f_.tcSize = DetermineTCSize();
        f_.targSysTonnage = f_.tcSize;
        break;
    default:
        f_.targSysTonnage = 0;
        break;
    }
}

void Mech::CalcCASETonnage() {
    double tons = 0;
    for (std::int16_t c : f_.caseSettings) {
        if (c == catalog::kNoCase) {
            continue;
        }
        const bool caseII = c != catalog::kStandardCase; // every other value reads as CASE II
        if (isClan(f_.techBase)) {
            tons += caseII ? 0.5 : 0;
        } else {
            tons += caseII ? 1 : 0.5;
        }
    }
    f_.caseTonnage = tons;
}

void Mech::CalcPhysical() {
    if (f_.physicalType == catalog::physical::kNone) {
        f_.physicalTonnage = 0;
        f_.physicalSize = 0;
        return;
    }
    const int arms = (f_.laPhysical ? 1 : 0) + (f_.raPhysical ? 1 : 0);
    if (f_.physicalType == catalog::physical::kSword) {
        f_.physicalTonnage = arms * app::zRoundHalf(f_.tonnage / 20.0);
        f_.physicalSize = app::toInteger(app::zRoundHalf(f_.tonnage / 15.0));
    } else {
        const std::int32_t perArm = app::RoundUp(f_.tonnage / 15.0);
        f_.physicalTonnage = arms * static_cast<double>(perArm);
        f_.physicalSize = static_cast<std::int16_t>(perArm);
    }
}

void Mech::CalcLAMTonnage() {
    f_.lamTonnage = f_.mechType == catalog::kLAM ? f_.tonnage / 10.0 : 0;
}

void Mech::ArmoredSlotData(int count, int slots) {
    f_.armoredSlotTonnage = count / 2.0;
    f_.armoredSlots = static_cast<std::int16_t>(slots);
    CalcTotals();
}

// What the weapon list adds up to for the figures. The weapon, Artemis and turret figures are
// all refreshed together whenever the list changes, so one pass gives every sum; each sum
// adds the same terms in the same order as a pass of its own would.
struct WeaponSums {
    double tons = 0;
    int heat = 0;
    double artemisTonnage = 0;
    std::int32_t artemisCost = 0;
    double leftTurret = 0;
    double rightTurret = 0;
};

WeaponSums Mech::weaponSums() const {
    WeaponSums sums;
    for (const WeaponEntry& w : weapons_) {
        const catalog::WeaponRecord* r = record(w);
        if (r == nullptr) {
            continue;
        }
        sums.tons += recordTonnage(*r);
        sums.heat += r->heat > 0 ? r->heat : 0;
        if (r->artemisCapable != 0) {
            std::int16_t setting = catalog::kNoArtemis;
            if (r->artemisClass == 0) {
                setting = f_.artemisSRM;
            } else if (r->artemisClass == 1) {
                setting = f_.artemisLRM;
            }
            if (setting == catalog::kArtemisIV) {
                sums.artemisTonnage += 1;
                sums.artemisCost += ctx_->prices.current[catalog::price::kArtemisIV];
            } else if (setting == catalog::kArtemisV) {
                sums.artemisTonnage += 1.5;
                sums.artemisCost += ctx_->prices.current[catalog::price::kArtemisV];
            }
        }
        if (w.allocated && w.turretMounted) {
            if (w.GetLoc(0) == 1) {
                sums.leftTurret += recordTonnage(*r) / 10;
            } else if (w.GetLoc(0) == 4) {
                sums.rightTurret += recordTonnage(*r) / 10;
            }
        }
    }
    return sums;
}

void Mech::CalcWeaponTonnage() {
    const WeaponSums sums = weaponSums();
    f_.weaponTonnage = sums.tons;
    f_.weaponHeat = static_cast<std::int16_t>(sums.heat);
    CalcTargSysTonnage();
    storeArtemis(sums);
    storeTurrets(sums);
    CalcTotals();
}

void Mech::CalcArtemis() {
    storeArtemis(weaponSums());
}

void Mech::storeArtemis(const WeaponSums& sums) {
    f_.artemisTonnage = sums.artemisTonnage;
    f_.artemisCost = sums.artemisCost;
}

void Mech::CalcTurretTonnage() {
    storeTurrets(weaponSums());
}

void Mech::storeTurrets(const WeaponSums& sums) {
    double left = sums.leftTurret;
    double right = sums.rightTurret;
    if (!f_.fractionalAccounting) {
        left = app::zRoundHalf(left);
        right = app::zRoundHalf(right);
    }
    f_.ltTurretTonnage = left;
    f_.rtTurretTonnage = right;
}

std::int16_t Mech::MaxHeat() {
    const bool xxl =
        f_.engineType == catalog::engine::kXXL || f_.engineType == catalog::engine::kLargeXXL;
    const int jump = f_.jumping;
    const bool standardJets = f_.jumpJetType == catalog::jumpjet::kStandard;
    int movement = 0;
    if (jump <= 0) {
        movement = xxl ? 4 : 2;
    } else if (standardJets) {
        movement = xxl ? (jump <= 3 ? 6 : 2 * jump) : (jump <= 3 ? 3 : jump);
    } else {
        movement = xxl ? (jump <= 6 ? 3 : jump) : (jump <= 6 ? 3 : app::RoundUp(jump / 2.0));
    }
    const int heat = movement + (f_.nullSigSys ? 10 : 0) + f_.weaponHeat;
    f_.maxHeat = static_cast<std::int16_t>(heat);
    return f_.maxHeat;
}

void Mech::CalcTotalTonnage() {
    const double total =
        f_.cockpitTonnage + f_.engineTonnage + f_.targSysTonnage + f_.weaponTonnage + f_.isTonnage +
        f_.armorTonnage + f_.jumpJetTonnage + f_.gyroTonnage + f_.hsTonnage + f_.mascTonnage +
        f_.armoredSlotTonnage + f_.caseTonnage + f_.lamTonnage + f_.physicalTonnage +
        f_.superchargerTonnage + f_.artemisTonnage + f_.ltTurretTonnage + f_.rtTurretTonnage;
    f_.totalTonnage = twoDecimals(total);
    f_.freeTonnage = twoDecimals(f_.tonnage - f_.totalTonnage);
}

void Mech::CalcTotals() {
    CalcTotalTonnage();
    MaxHeat();
}

} // namespace fpw::model
