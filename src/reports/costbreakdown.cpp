#include "reports/costbreakdown.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "app/numbers.h"
#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "model/mech.h"
#include "reports/designfigures.h"
#include "valuation/costcalculation.h"

namespace fpw::reports {
namespace {

using valuation::CostResult;
using valuation::CostStep;

// The "###.##" format: at most two decimals, no zero before the point and the point kept
// even when no decimal follows it ("1.5", "2.", ".5").
std::string hashTwoDecimals(double x) {
    std::string text = app::formatFixed(x, 2, false, false);
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    return text;
}

std::string tons(double x) {
    return " (" + plainNumber(x) + " tons)";
}

ReportLine line(std::string description, std::int64_t amount) {
    return ReportLine{std::move(description), formatCBills(static_cast<double>(amount)), false};
}

std::string sensorsText(std::int16_t targSysType) {
    switch (targSysType) {
    case catalog::targeting::kTargetingComputer:
        return "Sensors: Standard with Targeting Computer";
    case catalog::targeting::kMultiTracII:
        return "Sensors: Multi-Trac II";
    case catalog::targeting::kVariableRange:
        return "Sensors: Variable-Range Targeting";
    default:
        return "Sensors: " + catalog::targetingName(targSysType);
    }
}

std::string cockpitText(std::int16_t cockpitType) {
    switch (cockpitType) {
    case catalog::cockpit::kStandard:
        return "Cockpit: Standard";
    case catalog::cockpit::kCommandConsole:
        return "Cockpit: Standard with Command Console";
    case catalog::cockpit::kSmall:
        return "Cockpit: Small";
    case catalog::cockpit::kTorsoMounted:
        return "Cockpit: Torso-Mounted";
    case catalog::cockpit::kEnhancedImaging:
        return "Cockpit: Enhanced Imaging";
    default:
        return {};
    }
}

std::string gyroText(std::int16_t gyroType) {
    switch (gyroType) {
    case catalog::gyro::kStandard:
        return "Gyro: Standard";
    case catalog::gyro::kCompact:
        return "Gyro: Compact";
    case catalog::gyro::kHeavyDuty:
        return "Gyro: Heavy-Duty";
    case catalog::gyro::kExtraLight:
        return "Gyro: XL";
    default:
        return {};
    }
}

std::string engineText(std::int16_t engineType) {
    switch (engineType) {
    case catalog::engine::kFusion:
        return "Engine: Standard";
    case catalog::engine::kLarge:
        return "Engine: Large";
    case catalog::engine::kXL:
        return "Engine: XL";
    case catalog::engine::kXXL:
        return "Engine: XXL";
    case catalog::engine::kLargeXL:
        return "Engine: Large XL";
    case catalog::engine::kLargeXXL:
        return "Engine: Large XXL";
    case catalog::engine::kCompact:
        return "Engine: Compact";
    default:
        return {};
    }
}

std::string heatSinkText(std::int16_t hsType) {
    switch (hsType) {
    case catalog::heatsink::kSingle:
        return " Standard";
    case catalog::heatsink::kDouble:
        return " Double";
    case catalog::heatsink::kLaser:
        return " Laser";
    case catalog::heatsink::kClanDouble:
        return " Clan Double";
    case catalog::heatsink::kCompact:
        return " Compact";
    default:
        return {};
    }
}

std::string armorText(std::int16_t armorType) {
    switch (armorType) {
    case catalog::armor::kStandard:
        return "Armor: Standard - ";
    case catalog::armor::kFerroFibrous:
        return "Armor: Ferro-Fibrous - ";
    case catalog::armor::kLightFerroFibrous:
        return "Armor: Light Ferro-Fibrous - ";
    case catalog::armor::kHeavyFerroFibrous:
        return "Armor: Heavy Ferro-Fibrous - ";
    case catalog::armor::kReactive:
        return "Armor: Reactive - ";
    case catalog::armor::kLaserReflective:
        return "Armor: Laser Reflective - ";
    case catalog::armor::kHardened:
        return "Armor: Hardened - ";
    default:
        return {};
    }
}

std::string structureText(std::int16_t isType) {
    switch (isType) {
    case catalog::structure::kStandard:
        return "Internal Structure: Standard";
    case catalog::structure::kEndoSteel:
        return "Internal Structure: Endo-Steel";
    case catalog::structure::kComposite:
        return "Internal Structure: Composite";
    case catalog::structure::kReinforced:
        return "Internal Structure: Reinforced";
    default:
        return {};
    }
}

void finish(CostSection& section, std::int64_t sum) {
    section.caption =
        section.name + " - " + app::gFormatThousands(static_cast<double>(sum)) + " C-Bills";
}

CostSection basicItems(const model::Mech& mech, const CostResult& cost) {
    CostSection s{"Basic Items", {}, {}};
    s.lines.push_back(line("Life Support (0 tons)", cost.step(CostStep::LifeSupport)));
    s.lines.push_back(line(sensorsText(mech.targSysType()) + tons(mech.targSysTonnage()),
                           cost.step(CostStep::Sensors)));
    if (const std::string text = cockpitText(mech.cockpitType()); !text.empty())
        s.lines.push_back(line(text + tons(mech.cockpitTonnage()), cost.step(CostStep::Cockpit)));
    if (const std::string text = gyroText(mech.gyroType()); !text.empty())
        s.lines.push_back(line(text + tons(mech.gyroTonnage()), cost.step(CostStep::Gyro)));
    if (const std::string text = engineText(mech.engineType()); !text.empty())
        s.lines.push_back(line(text + tons(mech.engineTonnage()), cost.step(CostStep::Engine)));
    s.lines.push_back(line("Arm and leg actuators (0 tons)",
                           cost.step(CostStep::ArmActuators) + cost.step(CostStep::LegActuators)));
    s.lines.push_back(line(mech.tsm() ? "Musculature: Tripled Strength Myomer (0 tons)"
                                      : "Musculature: Standard Myomer (0 tons)",
                           cost.step(CostStep::Musculature)));
    finish(s, cost.step(CostStep::LifeSupport) + cost.step(CostStep::Sensors) +
                  cost.step(CostStep::Cockpit) + cost.step(CostStep::Gyro) +
                  cost.step(CostStep::Engine) + cost.step(CostStep::ArmActuators) +
                  cost.step(CostStep::LegActuators) + cost.step(CostStep::Musculature));
    return s;
}

std::string caseText(const model::Mech& mech) {
    int standard = 0;
    int caseII = 0;
    for (int loc = 0; loc < model::kCaseLocations; ++loc) {
        const std::int16_t setting = mech.GetCASE(loc);
        if (setting == catalog::kStandardCase)
            ++standard;
        else if (setting != catalog::kNoCase)
            ++caseII;
    }
    std::string text;
    if (standard > 0)
        text = "CASE x" + std::to_string(standard);
    if (caseII > 0)
        text += (text.empty() ? "CASE II x" : ", CASE II x") + std::to_string(caseII);
    return text;
}

CostSection additionalItems(const model::Mech& mech, const CostResult& cost) {
    CostSection s{"Additional Items", {}, {}};
    // Only a design with CASE somewhere gets the line.
    if (const std::string text = caseText(mech); !text.empty())
        s.lines.push_back(
            line("CASE: " + text + tons(mech.caseTonnage()), cost.step(CostStep::CASE)));
    if (const std::string text = heatSinkText(mech.hsType()); !text.empty())
        s.lines.push_back(
            line("Heat Sinks: " + std::to_string(mech.hsCount()) + text + tons(mech.hsTonnage()),
                 cost.step(CostStep::HeatSinks)));
    if (const std::string text = armorText(mech.armorType()); !text.empty())
        s.lines.push_back(
            line(text + std::to_string(mech.armorPoints()) + " points" + tons(mech.armorTonnage()),
                 cost.step(CostStep::Armor)));
    if (const std::string text = structureText(mech.isType()); !text.empty())
        s.lines.push_back(line(text + tons(mech.isTonnage()), cost.step(CostStep::Structure)));
    finish(s, cost.step(CostStep::CASE) + cost.step(CostStep::HeatSinks) +
                  cost.step(CostStep::Armor) + cost.step(CostStep::Structure));
    return s;
}

CostSection specialtyItems(const model::Mech& mech, const CostResult& cost) {
    CostSection s{"Specialty Items", {}, {}};
    if (mech.masc() != 0)
        s.lines.push_back(line("MASC" + tons(mech.mascTonnage()), cost.step(CostStep::MASC)));
    if (mech.jumping() > 0)
        s.lines.push_back(line("Jump Jets: " + std::to_string(mech.jumping()) + " - " +
                                   catalog::jumpJetName(mech.jumpJetType()) +
                                   tons(mech.jumpJetTonnage()),
                               cost.step(CostStep::JumpJets)));
    if (mech.supercharger())
        s.lines.push_back(line("Supercharger" + tons(mech.superchargerTonnage()),
                               cost.step(CostStep::Supercharger)));
    if (mech.nullSigSys())
        s.lines.push_back(
            line("Null Signature System (0 tons)", cost.step(CostStep::NullSignature)));
    if (mech.ltTurret() || mech.rtTurret()) {
        const double turretTons = (mech.ltTurret() ? mech.ltTurretTonnage() : 0) +
                                  (mech.rtTurret() ? mech.rtTurretTonnage() : 0);
        s.lines.push_back(line("Turrets: " + hashTwoDecimals(turretTons) + ")",
                               cost.step(CostStep::LeftTurret) + cost.step(CostStep::RightTurret)));
    }
    if (mech.armoredSlots() > 0)
        s.lines.push_back(
            line("Component Armor - " + std::to_string(mech.armoredSlots()) + " slots",
                 cost.step(CostStep::ArmoredSlots)));
    finish(s, cost.step(CostStep::MASC) + cost.step(CostStep::JumpJets) +
                  cost.step(CostStep::Supercharger) + cost.step(CostStep::NullSignature) +
                  cost.step(CostStep::LeftTurret) + cost.step(CostStep::RightTurret) +
                  cost.step(CostStep::ArmoredSlots));
    return s;
}

struct WeaponGroup {
    std::int16_t refID = -1;
    int count = 0;
};

void weaponLines(const model::Mech& mech, const CostResult& cost, CostBreakdown& out) {
    const catalog::WeaponTable& table = mech.context().weapons;
    std::vector<WeaponGroup> groups;
    for (const model::WeaponEntry& entry : mech.weapons()) {
        if (entry.isFree() || static_cast<std::size_t>(entry.refID) >= table.size())
            continue;
        auto found = std::find_if(groups.begin(), groups.end(),
                                  [&](const WeaponGroup& g) { return g.refID == entry.refID; });
        if (found == groups.end())
            groups.push_back({entry.refID, 1});
        else
            ++found->count;
    }
    const bool mixed =
        mech.techBase() != catalog::kInnerSphere && mech.techBase() != catalog::kClan;
    for (const WeaponGroup& group : groups) {
        const catalog::WeaponRecord& record = table[static_cast<std::size_t>(group.refID)];
        std::string text = "(";
        text += std::to_string(group.count);
        text += ") ";
        if (mixed)
            text += record.techBase == catalog::kClan ? "(C) " : "(IS) ";
        text += record.name + tons(group.count * (record.tonnage < 0 ? 0 : record.tonnage));
        const double each = record.cost < 1 ? 0 : record.cost;
        const double bv = record.battleValue <= 0 ? 0 : record.battleValue;
        out.weapons.push_back(
            {std::move(text), formatCBills(group.count * each), plainNumber(group.count * bv)});
    }
    if (mech.physicalType() != catalog::physical::kNone) {
        const int arms = (mech.laPhysical() ? 1 : 0) + (mech.raPhysical() ? 1 : 0);
        const double perArm = arms > 0 ? mech.physicalTonnage() / arms : 0;
        const std::string name = catalog::physicalName(mech.physicalType());
        if (mech.laPhysical())
            out.weapons.push_back(
                {name + " - Left Arm" + tons(perArm),
                 formatCBills(static_cast<double>(cost.step(CostStep::PhysicalLeftArm))),
                 {}});
        if (mech.raPhysical())
            out.weapons.push_back(
                {name + " - Right Arm" + tons(perArm),
                 formatCBills(static_cast<double>(cost.step(CostStep::PhysicalRightArm))),
                 {}});
    }
    if (cost.step(CostStep::Artemis) != 0)
        out.weapons.push_back(
            {"Artemis FCS", formatCBills(static_cast<double>(cost.step(CostStep::Artemis))), {}});
    out.weaponTotal =
        line("Total weapon cost:",
             cost.step(CostStep::Weapons) + cost.step(CostStep::PhysicalLeftArm) +
                 cost.step(CostStep::PhysicalRightArm) + cost.step(CostStep::Artemis));
}

} // namespace

std::string formatCBills(double amount) {
    return app::gFormatThousands(amount) + " C-Bills";
}

CostBreakdown costBreakdown(const model::Mech& mech) {
    const CostResult cost = valuation::costOf(mech);
    CostBreakdown out;
    out.basic = basicItems(mech, cost);
    out.additional = additionalItems(mech, cost);
    out.specialty = specialtyItems(mech, cost);
    weaponLines(mech, cost, out);
    if (mech.mechType() == catalog::kLAM)
        out.surcharge = line("LAM Conversion Equipment:", cost.step(CostStep::Surcharge));
    else if (mech.mechType() == catalog::kOmniMech)
        out.surcharge = line("Omni-Mech Conversion Equipment:", cost.step(CostStep::Surcharge));
    out.subtotal = line("Total Structural and Weapons Cost:", cost.subtotal);
    out.multiplier = ReportLine{"Construction Multiplier:", plainNumber(cost.multiplier), false};
    out.finalCost = line("Total Cost:", cost.totalCost);
    out.summaryCost = formatCBills(cost.totalCost);
    out.summaryBV = std::to_string(mech.battleValue());
    return out;
}

ReportLines costBreakdownPrintout(const model::Mech& mech) {
    const CostBreakdown breakdown = costBreakdown(mech);
    ReportLines lines;
    lines.push_back({"Cost breakdown for " + mech.mechName() + " " + mech.mechModel() +
                         " - Level " + std::to_string(mech.techLevel()),
                     {},
                     true});
    for (const CostSection* section :
         {&breakdown.basic, &breakdown.additional, &breakdown.specialty}) {
        lines.push_back({section->name, {}, true});
        lines.insert(lines.end(), section->lines.begin(), section->lines.end());
    }
    lines.push_back({"Weapons and Equipment", {}, true});
    for (const WeaponCostLine& weapon : breakdown.weapons)
        lines.push_back({weapon.description, weapon.cost, false});
    lines.push_back(breakdown.weaponTotal);
    if (breakdown.surcharge)
        lines.push_back(*breakdown.surcharge);
    lines.push_back({breakdown.subtotal.description + " " + breakdown.subtotal.value, {}, false});
    lines.push_back(
        {breakdown.multiplier.description + " " + breakdown.multiplier.value, {}, false});
    lines.push_back({breakdown.finalCost.description + " " + breakdown.finalCost.value, {}, false});
    return lines;
}

} // namespace fpw::reports
