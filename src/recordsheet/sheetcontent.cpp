#include "recordsheet/sheetcontent.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

#include "app/numbers.h"
#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/locations.h"
#include "catalog/weapondatabase.h"
#include "model/mech.h"
#include "valuation/bvrules.h"

namespace fpw::recordsheet {
namespace {

using catalog::WeaponRecord;
using model::Mech;
using model::WeaponEntry;

struct HeatEffect {
    int level;
    std::string_view effect;
};

// The effects of heat; the capitals above 30 are the scale's own.
constexpr std::array<HeatEffect, 37> kHeatEffects{{
    {5, "-1 Movement points"},
    {8, "+1 Modifier to fire"},
    {10, "-2 Movement points"},
    {13, "+2 Modifier to fire"},
    {14, "Shutdown, avoid on 4+"},
    {15, "-3 Movement points"},
    {17, "+3 Modifier to fire"},
    {18, "Shutdown, avoid on 6+"},
    {19, "Ammo explosion, avoid on 4+"},
    {20, "-4 Movement points"},
    {22, "Shutdown, avoid on 8+"},
    {23, "Ammo explosion, avoid on 6+"},
    {24, "+4 Modifier to fire"},
    {25, "-5 Movement points"},
    {26, "Shutdown, avoid on 10+"},
    {28, "Ammo Explosion, avoid on 8+"},
    {30, "Shutdown, avoid on 12+"},
    {31, "-6 Movement Points"},
    {32, "Pilot Damage, avoid on 8+"},
    {33, "+5 Modifier to Fire"},
    {34, "Shutdown, avoid on 14+"},
    {35, "Ammo Explosion, avoid on 10+"},
    {36, "System Failure, avoid on 8+"},
    {37, "-7 Movement Points"},
    {38, "Shutdown, avoid on 16+"},
    {39, "Pilot Damage, avoid on 10+"},
    {40, "Ammo Explosion, avoid on 12"},
    {41, "+6 Modifier to Fire"},
    {42, "Shutdown, avoid on 18+"},
    {43, "-8 Movement Points"},
    {44, "System Failure, avoid on 10+"},
    {45, "AMMO EXPLOSION"},
    {46, "Shutdown, avoid on 20+"},
    {47, "Pilot Damage, avoid on 12"},
    {48, "+7 Modifier to Fire"},
    {49, "-9 Movement Points"},
    {50, "SHUTDOWN"},
}};
// On the standard scale 30 is the end: no roll avoids it.
constexpr std::string_view kStandardShutdown = "Shutdown";
constexpr int kStandardTop = 30;
constexpr int kExtendedTop = 50;

std::string_view heatEffect(int level, bool extended) {
    if (level == kStandardTop && !extended)
        return kStandardShutdown;
    for (const HeatEffect& e : kHeatEffects)
        if (e.level == level)
            return e.effect;
    return {};
}

// A skill typed as text: a whole number from 0 to 7, blanks around it allowed.
std::optional<int> skillValue(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.size() != 1 || text[0] < '0' || text[0] > '7')
        return std::nullopt;
    return text[0] - '0';
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

const WeaponRecord* recordOf(const Mech& mech, const WeaponEntry& entry) {
    const catalog::WeaponTable& table = mech.context().weapons;
    if (entry.refID < 0 || static_cast<std::size_t>(entry.refID) >= table.size())
        return nullptr;
    return &table[static_cast<std::size_t>(entry.refID)];
}

const WeaponEntry* entryWithIndex(const Mech& mech, std::string_view itemID) {
    for (const WeaponEntry& e : mech.weapons())
        if (!e.isFree() && std::to_string(e.weaponIndex) == itemID)
            return &e;
    return nullptr;
}

bool isAmmunition(const WeaponRecord& r) {
    return r.weaponType == catalog::weapontype::kAmmunition;
}

std::string locationText(const WeaponEntry& e) {
    std::string text;
    for (int i = 0; i < e.LocCount(); ++i) {
        if (!text.empty())
            text += '/';
        text += catalog::locationAbbreviation(e.GetLoc(i));
    }
    return text.empty() ? std::string("-") : text;
}

std::string artemisSuffix(const Mech& mech, const WeaponRecord& r) {
    switch (valuation::ArtemisSetting(mech, r)) {
    case catalog::kArtemisIV:
        return " w/ Artemis IV";
    case catalog::kArtemisV:
        return " w/ Artemis V";
    default:
        return {};
    }
}

std::string rangeValue(int value) {
    return value < 0 ? std::string("-") : std::to_string(value);
}

int lostPoints(int damage, int permanentDamage, int points) {
    return std::clamp(damage + permanentDamage, 0, std::max(points, 0));
}

} // namespace

std::vector<std::string> heatScaleLines(int heatScalePreference, int techLevel) {
    const bool extended = heatScalePreference == 0 || (heatScalePreference == 1 && techLevel == 3);
    const int top = extended ? kExtendedTop : kStandardTop;
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(top) + 1);
    for (int level = top; level >= 0; --level) {
        std::string line = level < 10 ? "_ [0" : "_ [";
        line += std::to_string(level) + "]  ";
        line += heatEffect(level, extended);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> heatSinkRows(int workingHeatSinks) {
    std::vector<std::string> rows;
    for (int left = workingHeatSinks; left > 0; left -= 10)
        rows.emplace_back(static_cast<std::size_t>(std::min(left, 10)), 'O');
    return rows;
}

std::optional<int> adjustedBV(const catalog::BVTables& tables, int cockpitType,
                              std::string_view gunnery, std::string_view piloting,
                              double rawBattleValue) {
    const std::optional<int> g = skillValue(gunnery);
    std::optional<int> p = skillValue(piloting);
    if (!g || !p)
        return std::nullopt;
    if (cockpitType == catalog::cockpit::kSmall || cockpitType == catalog::cockpit::kTorsoMounted)
        ++*p;
    else if (cockpitType == catalog::cockpit::kEnhancedImaging)
        --*p;
    for (const catalog::SkillMultiplier& s : tables.skillMultiplier) {
        if (s.gunnery == *g && s.piloting == *p) {
            if (s.multiplier == -1)
                return std::nullopt;
            return app::RoundHalfUp(s.multiplier * rawBattleValue);
        }
    }
    return std::nullopt;
}

std::string sheetTitle(const Mech& mech) {
    std::string title;
    if (mech.mechType() == catalog::kOmniMech && !mech.currentConfig().empty())
        title = mech.currentConfig() + " - ";
    if (equalIgnoringCase(mech.mechName(), mech.mechModel()) || mech.mechModel().empty())
        return title + mech.mechName();
    if (mech.mechName().empty())
        return title + mech.mechModel();
    return title + mech.mechName() + " " + mech.mechModel();
}

std::vector<std::string> typeLines(const Mech& mech) {
    return {"Tech Base: " + catalog::techBaseName(mech.techBase()) + " - Level " +
                std::to_string(mech.techLevel()),
            "Mech Type: " + catalog::mechTypeName(mech.mechType()),
            "Tonnage: " + std::to_string(mech.tonnage())};
}

std::optional<int> boostedMP(const Mech& mech) {
    const bool masc = mech.masc() != 0;
    if (masc && mech.supercharger())
        return static_cast<int>(std::floor(2.5 * mech.walking()));
    if (masc || mech.supercharger())
        return 2 * mech.walking();
    return std::nullopt;
}

std::vector<std::string> movementLines(const Mech& mech) {
    std::string walking = "Walking: " + std::to_string(mech.walking());
    if (const std::optional<int> boosted = boostedMP(mech))
        walking += " [" + std::to_string(*boosted) + "]";
    std::vector<std::string> lines{
        "Movement:", walking, "Running: " + std::to_string(valuation::effectiveRunningMP(mech))};
    if (mech.techLevel() == 3)
        lines.push_back("Sprinting: " + std::to_string(2 * mech.walking()));
    lines.push_back("Jumping: " + std::to_string(mech.jumping()));
    return lines;
}

std::vector<WeaponLine> weaponLines(const Mech& mech) {
    struct Group {
        const WeaponEntry* entry;
        const WeaponRecord* record;
        int count;
    };
    std::vector<Group> weapons;
    std::vector<Group> ammunition;
    for (const WeaponEntry& e : mech.weapons()) {
        const WeaponRecord* r = recordOf(mech, e);
        if (r == nullptr)
            continue;
        std::vector<Group>& list = isAmmunition(*r) ? ammunition : weapons;
        const auto same = std::find_if(list.begin(), list.end(), [&](const Group& g) {
            return g.entry->refID == e.refID && g.entry->locations == e.locations &&
                   g.entry->rearMounted == e.rearMounted;
        });
        if (same != list.end())
            ++same->count;
        else
            list.push_back({&e, r, 1});
    }

    std::vector<WeaponLine> lines;
    for (const Group& g : weapons) {
        std::string type = g.record->name + artemisSuffix(mech, *g.record);
        if (g.entry->rearMounted)
            type += " (R)";
        lines.push_back({std::to_string(g.count), type, locationText(*g.entry),
                         g.count * std::max<int>(g.record->heat, 0)});
    }
    if (mech.targSysType() != catalog::targeting::kStandard) {
        const int tcLocation = mech.FindTC();
        const bool placed = mech.critLocation(tcLocation).HasItem("cTS");
        lines.push_back({"1", catalog::targetingName(mech.targSysType()),
                         placed ? catalog::locationAbbreviation(tcLocation) : "N/A", 0});
    }
    const std::string physical = catalog::physicalName(mech.physicalType());
    if (mech.physicalType() != catalog::physical::kNone) {
        if (mech.laPhysical())
            lines.push_back({"1", physical, catalog::locationAbbreviation(catalog::kLeftArm), 0});
        if (mech.raPhysical())
            lines.push_back({"1", physical, catalog::locationAbbreviation(catalog::kRightArm), 0});
    }
    for (const Group& g : ammunition) {
        const long shots = static_cast<long>(g.count) * std::max<int>(g.record->shotsPerTon, 0);
        lines.push_back({std::to_string(g.count),
                         g.record->name + " (" + std::to_string(shots) + ")",
                         locationText(*g.entry), 0});
    }
    return lines;
}

int workingHeatSinks(const Mech& mech) {
    return std::max(0, mech.hsCount() - mech.HSDestroyed());
}

int heatSinkDissipation(const Mech& mech) {
    const int working = workingHeatSinks(mech);
    return mech.hsType() == catalog::heatsink::kSingle ? working : 2 * working;
}

std::vector<std::string> criticalLines(const Mech& mech, int location, bool locationRolls) {
    const model::CritLocation& list = mech.critLocation(location);
    const app::Settings& settings = mech.context().settings;
    const bool twoGroups = list.slotCount() > 6;
    std::vector<std::string> lines;
    for (int slot = 0; slot < list.slotCount(); ++slot) {
        const model::CriticalSlot s = list.slot(slot);
        std::string text = s.text;
        if (s.isWeapon) {
            const WeaponEntry* entry = entryWithIndex(mech, s.itemID);
            const WeaponRecord* r = entry ? recordOf(mech, *entry) : nullptr;
            if (r != nullptr && isAmmunition(*r))
                text = catalog::ammunitionHeader(*r, r->shotsPerTon, settings);
        }
        if (s.isRearMounted)
            text += " (R)";
        std::string line;
        if (locationRolls && twoGroups)
            line = slot < 6 ? "1-3 " : "4-6 ";
        line += std::to_string(slot % 6 + 1) + ". " + text;
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::vector<std::string>> rangeChart(const Mech& mech) {
    const bool extreme = mech.techLevel() == 3;
    std::vector<std::vector<std::string>> rows;
    rows.push_back({"Weapon", "Heat", "Dam", "Min", "Short", "Med", "Long"});
    if (extreme)
        rows.front().emplace_back("Extreme");
    std::vector<std::int16_t> seen;
    for (const WeaponEntry& e : mech.weapons()) {
        const WeaponRecord* r = recordOf(mech, e);
        if (r == nullptr || isAmmunition(*r) || r->weaponType == catalog::weapontype::kEquipment ||
            std::find(seen.begin(), seen.end(), e.refID) != seen.end())
            continue;
        seen.push_back(e.refID);
        std::vector<std::string> row{r->name,
                                     rangeValue(r->heat),
                                     r->damage < 1 ? std::string("-") : std::to_string(r->damage),
                                     rangeValue(r->minRange),
                                     rangeValue(r->shortRange),
                                     rangeValue(r->mediumRange),
                                     rangeValue(r->longRange)};
        if (extreme)
            row.push_back(rangeValue(r->extremeRange));
        rows.push_back(std::move(row));
    }
    return rows;
}

int lostArmorPoints(const Mech& mech, int location, int points) {
    return lostPoints(mech.GetArmorDamage(location), mech.GetPermArmorDamage(location), points);
}

int lostStructurePoints(const Mech& mech, int location, int points) {
    return lostPoints(mech.GetIntDamage(location), mech.GetPermIntDamage(location), points);
}

std::vector<DiagramLine> textDiagramLines(const Mech& mech) {
    using Kind = DiagramLine::Kind;
    constexpr std::array<int, 8> kFrontOrder{
        catalog::kLeftTorso,   catalog::kLeftArm,    catalog::kLeftLeg,  catalog::kHead,
        catalog::kCenterTorso, catalog::kRightTorso, catalog::kRightArm, catalog::kRightLeg};
    constexpr std::array<std::pair<int, int>, 3> kRearOrder{{
        {catalog::kLeftTorsoRear, catalog::kLeftTorso},
        {catalog::kCenterTorsoRear, catalog::kCenterTorso},
        {catalog::kRightTorsoRear, catalog::kRightTorso},
    }};
    const bool quad = mech.mechType() == catalog::kQuad;
    const auto skipped = [&](int loc) {
        return mech.armless() && (loc == catalog::kLeftArm || loc == catalog::kRightArm);
    };
    std::vector<DiagramLine> lines;
    const auto addLocation = [&](int named, int points, int lost) {
        lines.push_back({Kind::Location,
                         catalog::locationName(named, quad) + " (" + std::to_string(points) + ")"});
        for (int first = 0; first < points; first += 10) {
            std::string row;
            for (int i = first; i < std::min(points, first + 10); ++i)
                row += i < lost ? 'x' : 'o';
            lines.push_back({Kind::Symbols, row});
        }
    };

    int armorTotal = 0;
    lines.push_back({Kind::Section, "Armor"});
    for (int loc : kFrontOrder) {
        if (skipped(loc))
            continue;
        const int points = mech.GetArmor(loc);
        armorTotal += points;
        addLocation(loc, points, lostArmorPoints(mech, loc, points));
    }
    lines.push_back({Kind::Section, "Rear Armor"});
    for (const auto& [rear, named] : kRearOrder) {
        const int points = mech.GetArmor(rear);
        armorTotal += points;
        addLocation(named, points, lostArmorPoints(mech, rear, points));
    }
    lines.push_back({Kind::Total, "Armor - " + std::to_string(armorTotal)});

    int structureTotal = 0;
    lines.push_back({Kind::Section, "Structure"});
    for (int loc : kFrontOrder) {
        if (skipped(loc))
            continue;
        const int points = catalog::gGetISPoints(loc, mech.tonnage(), mech.mechType());
        structureTotal += points;
        addLocation(loc, points, lostStructurePoints(mech, loc, points));
    }
    lines.push_back({Kind::Total, "Structure - " + std::to_string(structureTotal)});
    return lines;
}

} // namespace fpw::recordsheet
