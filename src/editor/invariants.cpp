#include "editor/invariants.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string_view>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "catalog/slottables.h"
#include "catalog/weapondatabase.h"
#include "editor/editor.h"
#include "editor/slotops.h"
#include "model/enginetable.h"

namespace fpw::editor {

namespace {

// The items a player places from the unallocated items list: each is one run of slots in one
// location. Fixed entries (engine, gyro, cockpit parts) may lie in several pieces.
constexpr std::array<std::string_view, 7> kPlacedByPlayer{
    catalog::cHS,   catalog::cJJ,  catalog::cArm, catalog::cIS,
    catalog::cMASC, catalog::cTSM, catalog::cTS};

// The slots one identifier occupies in one location.
using SlotsById = std::map<std::string, std::vector<int>, std::less<>>;

struct Census {
    std::array<SlotsById, model::kSlotLocations> byLocation;
};

Census takeCensus(const model::Mech& mech) {
    Census census;
    for (int loc = 0; loc < model::kSlotLocations; ++loc) {
        const model::CritLocation& list = mech.critLocation(loc);
        for (int slot = 0; slot < list.slotCount(); ++slot) {
            const model::CriticalSlot& s = list.slots()[static_cast<std::size_t>(slot)];
            if (s.isActive && !s.itemID.empty() && s.itemID != "-1") {
                census.byLocation[static_cast<std::size_t>(loc)][s.itemID].push_back(slot);
            }
        }
    }
    return census;
}

std::string where(int loc, const std::vector<int>& slots) {
    std::string text = catalog::locationAbbreviation(loc) + " slot";
    text += slots.size() == 1 ? " " : "s ";
    for (std::size_t i = 0; i < slots.size(); ++i) {
        text += (i > 0 ? "," : "") + std::to_string(slots[i] + 1);
    }
    return text;
}

bool contiguous(const std::vector<int>& slots) {
    for (std::size_t i = 1; i < slots.size(); ++i) {
        if (slots[i] != slots[i - 1] + 1) {
            return false;
        }
    }
    return true;
}

class Checker {
public:
    explicit Checker(const Editor& editor)
        : editor_(editor), mech_(editor.mech()), census_(takeCensus(editor.mech())) {}

    std::vector<std::string> run() {
        checkWeaponSlots();
        checkWeapons();
        checkUnallocatedRows();
        checkRuns();
        checkCounts();
        checkSystems();
        checkFixedEntries();
        return std::move(problems_);
    }

private:
    void problem(std::string text) { problems_.push_back(std::move(text)); }

    std::string weaponName(const model::WeaponEntry& weapon) const {
        const catalog::WeaponTable& table = editor_.context().weapons;
        const std::string name = weapon.refID >= 0 && weapon.refID < std::ssize(table)
                                     ? table[static_cast<std::size_t>(weapon.refID)].name
                                     : "record " + std::to_string(weapon.refID);
        return "weapon " + std::to_string(weapon.weaponIndex) + " (" + name + ")";
    }

    // Every slot marked as a weapon names a live weapon, and every numeric identifier is
    // marked as a weapon.
    void checkWeaponSlots() {
        for (int loc = 0; loc < model::kSlotLocations; ++loc) {
            const model::CritLocation& list = mech_.critLocation(loc);
            for (const auto& [id, slots] : census_.byLocation[static_cast<std::size_t>(loc)]) {
                const std::optional<std::int16_t> index = weaponIndexOf(id);
                const bool marked = list.IsWeaponSlot(slots.front());
                if (marked && !index) {
                    problem(where(loc, slots) + ": weapon slot with identifier \"" + id + "\"");
                } else if (index && !marked) {
                    problem(where(loc, slots) + ": weapon identifier " + id +
                            " in a slot not marked as a weapon");
                } else if (index && liveWeapon(mech_, *index) == nullptr) {
                    problem(where(loc, slots) + ": names weapon " + id +
                            ", which the design does not have");
                }
            }
        }
    }

    // Each live weapon: unplaced and listed once among the unallocated weapons, or placed in
    // the slots of its instance number, one run as long as it needs (a spread weapon: its run
    // in the first location and the rest in the second).
    void checkWeapons() {
        std::map<std::int16_t, int> listed;
        for (const WeaponRow& row : editor_.unallocatedWeapons()) {
            ++listed[row.weaponIndex];
        }
        const catalog::WeaponTable& table = editor_.context().weapons;
        for (const model::WeaponEntry& weapon : mech_.weapons()) {
            if (weapon.isFree()) {
                continue;
            }
            const std::string name = weaponName(weapon);
            const std::string id = std::to_string(weapon.weaponIndex);
            const int rows = listed[weapon.weaponIndex];
            listed.erase(weapon.weaponIndex);
            std::vector<std::pair<int, std::vector<int>>> placed;
            for (int loc = 0; loc < model::kSlotLocations; ++loc) {
                const SlotsById& ids = census_.byLocation[static_cast<std::size_t>(loc)];
                if (auto it = ids.find(id); it != ids.end()) {
                    placed.emplace_back(loc, it->second);
                }
            }
            if (weapon.LocCount() == 0) {
                if (rows != 1) {
                    problem(name + ": unplaced but listed " + std::to_string(rows) +
                            " times among the unallocated weapons");
                }
                for (const auto& [loc, slots] : placed) {
                    problem(name + ": unplaced but found in " + where(loc, slots));
                }
                continue;
            }
            if (rows != 0) {
                problem(name + ": placed but listed among the unallocated weapons");
            }
            if (weapon.refID < 0 || weapon.refID >= std::ssize(table)) {
                problem(name + ": no such record in the weapon database");
                continue;
            }
            checkPlacement(weapon, name, placed,
                           table[static_cast<std::size_t>(weapon.refID)].critSlots);
        }
        for (const auto& [index, rows] : listed) {
            problem("unallocated weapons list: row for weapon " + std::to_string(index) +
                    ", which is not an unplaced weapon of the design");
        }
    }

    void checkPlacement(const model::WeaponEntry& weapon, const std::string& name,
                        const std::vector<std::pair<int, std::vector<int>>>& placed, int need) {
        const int primary = weapon.GetLoc(0);
        const int secondary = weapon.LocCount() > 1 ? weapon.GetLoc(1) : -1;
        const std::string text = weaponSlotText(editor_, weapon);
        int total = 0;
        for (const auto& [loc, slots] : placed) {
            total += static_cast<int>(slots.size());
            const model::CritLocation& list = mech_.critLocation(loc);
            for (int slot : slots) {
                if (list.IsWeaponSlot(slot) && list.SlotText(slot) != text) {
                    problem(name + ": " + where(loc, {slot}) + " shows \"" + list.SlotText(slot) +
                            "\", not \"" + text + "\"");
                }
            }
            if (loc != primary && loc != secondary) {
                problem(name + ": placed in " + catalog::locationAbbreviation(primary) +
                        " but found in " + where(loc, slots));
            }
            if (secondary >= 0) {
                const model::CritLocation& list = mech_.critLocation(loc);
                for (int slot : slots) {
                    if (!list.IsSpreadSlot(slot)) {
                        problem(name + ": spread, but " + where(loc, {slot}) +
                                " is not marked spread");
                    }
                }
            }
        }
        if (total != need) {
            problem(name + ": needs " + std::to_string(need) + " slots but holds " +
                    std::to_string(total));
        }
        auto home = std::find_if(placed.begin(), placed.end(),
                                 [primary](const auto& p) { return p.first == primary; });
        if (home == placed.end()) {
            problem(name + ": placed in " + catalog::locationAbbreviation(primary) +
                    " but holds no slot there");
            return;
        }
        const std::vector<int>& slots = home->second;
        if (slots.front() != weapon.startCrit || !contiguous(slots)) {
            problem(name + ": starts at slot " + std::to_string(weapon.startCrit + 1) + " of " +
                    catalog::locationAbbreviation(primary) + " but holds " + where(primary, slots));
        }
    }

    void checkUnallocatedRows() {
        std::set<std::string, std::less<>> codes;
        for (const UnallocatedItem& row : editor_.items().rows()) {
            const std::string label = "unallocated items: row \"" + row.code + "\"";
            if (!codes.insert(row.code).second) {
                problem(label + " appears twice");
            }
            if (!catalog::isGenItemCode(row.code)) {
                problem(label + " is no item code");
            }
            if (row.count < 1) {
                problem(label + " has count " + std::to_string(row.count));
            }
            if (row.slotsPerItem < 1) {
                problem(label + " has " + std::to_string(row.slotsPerItem) + " slots per item");
            }
        }
    }

    int expectedSlots(std::string_view code) const {
        if (code == catalog::cTS) {
            return 0; // sized by the targeting computer rule, checked there
        }
        if (code == catalog::cMASC) {
            return mech_.mascSize();
        }
        return catalog::genItemSlots(code, mech_.designTypes(), mech_.mascSize(), 0,
                                     editor_.user());
    }

    // Player-placed items lie in one run each, as long as one item of their kind.
    void checkRuns() {
        for (int loc = 0; loc < model::kSlotLocations; ++loc) {
            for (const auto& [id, slots] : census_.byLocation[static_cast<std::size_t>(loc)]) {
                const std::string_view code = catalog::genItemBaseCode(id);
                if (std::find(kPlacedByPlayer.begin(), kPlacedByPlayer.end(), code) ==
                    kPlacedByPlayer.end()) {
                    continue;
                }
                if (!contiguous(slots)) {
                    problem(id + ": broken run in " + where(loc, slots));
                }
                const int expected = expectedSlots(code);
                if (expected > 0 && std::ssize(slots) != expected) {
                    problem(id + ": " + std::to_string(slots.size()) + " slots in " +
                            where(loc, slots) + ", one item takes " + std::to_string(expected));
                }
            }
        }
    }

    struct Tally {
        int items = 0;
        int slots = 0;
    };

    // Items of a code, placed (each identifier of a location once) plus unallocated.
    Tally tally(std::string_view code) const {
        Tally t;
        for (const SlotsById& ids : census_.byLocation) {
            for (const auto& [id, slots] : ids) {
                if (catalog::genItemBaseCode(id) == code) {
                    ++t.items;
                    t.slots += static_cast<int>(slots.size());
                }
            }
        }
        if (const UnallocatedItem* row = editor_.items().find(code)) {
            t.items += row->count;
            t.slots += row->count * row->slotsPerItem;
        }
        return t;
    }

    void expectItems(std::string_view code, std::string_view what, int expected) {
        const int items = tally(code).items;
        if (items != expected) {
            problem(std::string(what) + ": " + std::to_string(items) + " \"" + std::string(code) +
                    "\" items, the design needs " + std::to_string(expected));
        }
    }

    void expectSlots(std::string_view code, std::string_view what, int expected) {
        const int slots = tally(code).slots;
        if (slots != expected) {
            problem(std::string(what) + ": " + std::to_string(slots) + " \"" + std::string(code) +
                    "\" slots, the design needs " + std::to_string(expected));
        }
    }

    void checkCounts() {
        expectItems(catalog::cHS, "heat sinks", std::max(0, mech_.hsCount() - mech_.hsInEngine()));
        expectItems(catalog::cJJ, "jump jets", std::max<int>(0, mech_.jumping()));
        expectItems(catalog::cMASC, "MASC", mech_.masc() != 0 ? 1 : 0);
        if (mech_.masc() != 0) {
            expectSlots(catalog::cMASC, "MASC", mech_.mascSize());
        }
        expectSlots(catalog::cArm, "armour",
                    catalog::armorSlots(mech_.armorType(), mech_.techBase()));
        expectSlots(catalog::cIS, "structure",
                    catalog::structureSlots(mech_.isType(), mech_.techBase()));
        checkTargetingSystem();
    }

    void checkTargetingSystem() {
        const int type = mech_.targSysType();
        if (type == catalog::targeting::kTargetingComputer) {
            const bool fixedByBase =
                mech_.omniBaseLocked() &&
                mech_.omniBaseTargSysType() == catalog::targeting::kTargetingComputer;
            // A computer in a locked base chassis keeps the size it was locked with.
            const int size = mech_.DetermineTCSize();
            expectItems(catalog::cTS, "targeting computer", fixedByBase || size > 0 ? 1 : 0);
            if (!fixedByBase) {
                expectSlots(catalog::cTS, "targeting computer", size);
            }
        } else if (type == catalog::targeting::kVariableRange ||
                   type == catalog::targeting::kMultiTracII) {
            expectItems(catalog::cTS, "targeting system", 1);
        } else {
            expectItems(catalog::cTS, "targeting system", 0);
        }
    }

    // Items in one location: each identifier of the code once.
    int itemsIn(int loc, std::string_view code) const {
        int items = 0;
        for (const auto& [id, slots] : census_.byLocation[static_cast<std::size_t>(loc)]) {
            items += catalog::genItemBaseCode(id) == code;
        }
        return items;
    }

    // The entries a system writes where the design has it, and nowhere else.
    void checkSystems() {
        using namespace catalog;
        expectItems(cTSM, "myomer", mech_.tsm() ? 6 : 0);
        expectItems(cNSS, "null signature system", mech_.nullSigSys() ? 7 : 0);
        expectItems(cTur, "turrets", int(mech_.ltTurret()) + int(mech_.rtTurret()));
        expectItems(cSC, "supercharger", mech_.supercharger() ? 1 : 0);
        if (mech_.supercharger()) {
            const int loc = mech_.superchargerLoc();
            if (loc < 0 || loc >= model::kSlotLocations || itemsIn(loc, cSC) != 1 ||
                !mech_.critLocation(loc).HasItem(cEng)) {
                problem("supercharger: not beside the engine in " + locationAbbreviation(loc));
            }
        }
        const int arms = int(mech_.laPhysical()) + int(mech_.raPhysical());
        const bool physical = mech_.physicalType() != physical::kNone;
        expectItems(cPhy, "physical weapons", physical ? arms : 0);
        if (physical) {
            expectSlots(cPhy, "physical weapons", arms * mech_.physicalSize());
        }
        for (int loc = 0; loc < model::kCaseLocations; ++loc) {
            const int setting = mech_.GetCASE(loc);
            const int want =
                setting == kCaseII || (setting == kStandardCase && mech_.techBase() != kClan);
            if (const int entries = itemsIn(loc, cCASE); entries != want) {
                problem("CASE: " + std::to_string(entries) + " entries in " +
                        locationAbbreviation(loc) + ", the setting needs " + std::to_string(want));
            }
        }
        checkArtemis();
    }

    // One fire-control entry beside every placed launcher of the family's setting.
    void checkArtemis() {
        using namespace catalog;
        int launchers[2][2] = {}; // [SRM, LRM][IV, V]
        const WeaponTable& table = editor_.context().weapons;
        for (const model::WeaponEntry& weapon : mech_.weapons()) {
            if (weapon.isFree() || weapon.LocCount() == 0 || weapon.refID < 0 ||
                weapon.refID >= std::ssize(table)) {
                continue;
            }
            const WeaponRecord& record = table[static_cast<std::size_t>(weapon.refID)];
            const int family = record.artemisClass == 1 ? 1 : 0;
            const int setting = family == 1 ? mech_.artemisLRM() : mech_.artemisSRM();
            if (record.artemisCapable != 0 && setting != kNoArtemis) {
                ++launchers[family][setting == kArtemisIV ? 0 : 1];
            }
        }
        for (int family = 0; family < 2; ++family) {
            const std::string_view iv = family == 1 ? cAIVL : cAIVS;
            const std::string_view v = family == 1 ? cAVL : cAVS;
            expectItems(iv, "Artemis IV", launchers[family][0]);
            expectItems(v, "Artemis V", launchers[family][1]);
            expectSlots(v, "Artemis V", 2 * launchers[family][1]);
        }
    }

    // Engine, gyro, cockpit parts and the arm actuators the flags name.
    void checkFixedEntries() {
        using namespace catalog;
        const model::EngineSlots engine = model::engineSlots(mech_.engineType(), mech_.techBase());
        expectSlots(cEng, "engine", engine.centerTorso + 2 * engine.sideTorso);
        expectSlots(cG, "gyro", model::gyroSlots(mech_.gyroType()));
        const int cockpit = mech_.cockpitType();
        expectItems(cCP, "cockpit parts",
                    cockpit == cockpit::kCommandConsole ? 1
                    : cockpit == cockpit::kTorsoMounted ? 4
                                                        : 0);
        if (mech_.mechType() != kQuad) {
            for (int i = 0; i < model::kActuators; ++i) {
                if (mech_.GetLAActuator(i) && !mech_.critLocation(kLeftArm).IsOccupied(i)) {
                    problem("LA slot " + std::to_string(i + 1) + ": actuator missing");
                }
                if (mech_.GetRAActuator(i) && !mech_.critLocation(kRightArm).IsOccupied(i)) {
                    problem("RA slot " + std::to_string(i + 1) + ": actuator missing");
                }
            }
        }
        for (int loc = 0; loc < model::kArmorPositions; ++loc) {
            if (mech_.GetArmor(loc) < 0) {
                problem("armour: " + std::to_string(mech_.GetArmor(loc)) + " points at position " +
                        std::to_string(loc));
            }
        }
    }

    const Editor& editor_;
    const model::Mech& mech_;
    Census census_;
    std::vector<std::string> problems_;
};

} // namespace

std::vector<std::string> checkInvariants(const Editor& editor) {
    return Checker(editor).run();
}

} // namespace fpw::editor
