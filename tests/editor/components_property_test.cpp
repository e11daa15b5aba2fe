// Long random runs of component and system changes (with weapons and items placed and taken
// out between them) never leave the design in a state the construction rules forbid. The
// check is local until the editor's shared invariant checker exists.
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "catalog/slottables.h"
#include "catalog/weapondatabase.h"
#include "componentskit.h"
#include "editor/artemis.h"
#include "editor/components.h"
#include "editor/refresh.h"
#include "editor/slotops.h"
#include "editor/systems.h"
#include "model/enginetable.h"

namespace fpw::editor {
namespace {

using namespace catalog;

// Items of a code: distinct identifiers per location, and the slots they fill.
struct Placed {
    int items = 0;
    int slots = 0;
    std::map<int, int> perLocation;
};

std::map<std::string, Placed> placedItems(const model::Mech& mech) {
    std::map<std::string, Placed> placed;
    for (int loc = 0; loc < model::kSlotLocations; ++loc) {
        std::set<std::string> seen;
        for (const model::CriticalSlot& slot : mech.critLocation(loc).slots()) {
            if (!slot.isActive || slot.isWeapon || slot.itemID == "-1") {
                continue;
            }
            Placed& p = placed[model::baseCode(slot.itemID)];
            ++p.slots;
            if (seen.insert(slot.itemID).second) {
                ++p.items;
                ++p.perLocation[loc];
            }
        }
    }
    return placed;
}

std::vector<std::string> checkDesign(const Editor& editor) {
    const model::Mech& mech = editor.mech();
    const WeaponTable& table = editor.context().weapons;
    std::vector<std::string> problems;
    auto expect = [&](bool ok, const std::string& what) {
        if (!ok) {
            problems.push_back(what);
        }
    };
    std::map<std::string, Placed> placed = placedItems(mech);
    auto total = [&](std::string_view code) {
        return placed[std::string(code)].items + editor.items().count(code);
    };

    // Weapons: placed in exactly their slots, or listed as unallocated.
    std::map<std::string, int> weaponSlots;
    for (const model::CritLocation& list : mech.critLocations()) {
        for (const model::CriticalSlot& slot : list.slots()) {
            if (slot.isActive && slot.isWeapon) {
                ++weaponSlots[slot.itemID];
            }
        }
    }
    int launchersIV[2] = {0, 0};
    int launchersV[2] = {0, 0};
    for (const model::WeaponEntry& weapon : mech.weapons()) {
        if (weapon.isFree()) {
            continue;
        }
        const WeaponRecord& record = table[static_cast<std::size_t>(weapon.refID)];
        const int need = std::max<int>(1, record.critSlots);
        const std::string id = std::to_string(weapon.weaponIndex);
        if (weapon.LocCount() == 0) {
            expect(weaponSlots.count(id) == 0, "unplaced weapon " + id + " in a slot");
        } else {
            expect(weaponSlots[id] == need,
                   "weapon " + id + " fills " + std::to_string(weaponSlots[id]) + " slots");
            if (record.artemisCapable != 0) {
                const int setting =
                    record.artemisClass == 1 ? mech.artemisLRM() : mech.artemisSRM();
                (setting == kArtemisIV ? launchersIV : launchersV)[record.artemisClass] +=
                    setting != kNoArtemis;
            }
        }
        weaponSlots.erase(id);
    }
    expect(weaponSlots.empty(), "a slot names a weapon the design does not have");

    // Items the arithmetic asks for.
    expect(total(cHS) == std::max(0, mech.hsCount() - mech.hsInEngine()), "heat sink items");
    expect(total(cJJ) == mech.jumping(), "jump jet items");
    expect(total(cIS) == structureSlots(mech.isType(), mech.techBase()), "structure items");
    expect(total(cArm) == armorSlots(mech.armorType(), mech.techBase()), "armour items");
    expect(total(cTSM) == (mech.tsm() ? 6 : 0), "myomer items");
    expect(total(cMASC) == (mech.masc() != 0 ? 1 : 0), "MASC items");
    if (placed[std::string(cMASC)].items == 1) {
        expect(placed[std::string(cMASC)].slots == mech.mascSize(), "MASC size");
    } else if (const UnallocatedItem* row = editor.items().find(cMASC)) {
        expect(row->slotsPerItem == mech.mascSize(), "MASC row size");
    }

    // Systems' entries where the design has the system, nowhere else.
    expect(placed[std::string(cSC)].items == (mech.supercharger() ? 1 : 0), "supercharger entry");
    if (mech.supercharger()) {
        expect(placed[std::string(cSC)].perLocation[mech.superchargerLoc()] == 1,
               "supercharger location");
        expect(mech.critLocation(mech.superchargerLoc()).HasItem(cEng),
               "supercharger beside no engine");
    }
    expect(placed[std::string(cNSS)].items == (mech.nullSigSys() ? 7 : 0),
           "null signature entries");
    expect(placed[std::string(cTur)].items == int(mech.ltTurret()) + int(mech.rtTurret()),
           "turret mechanisms");
    const int targ = mech.targSysType();
    const bool headSystem = targ == targeting::kVariableRange || targ == targeting::kMultiTracII;
    if (targ != targeting::kTargetingComputer) {
        expect(total(cTS) == (headSystem ? 1 : 0), "targeting system entries");
    }
    const int arms = int(mech.laPhysical()) + int(mech.raPhysical());
    expect(placed[std::string(cPhy)].items == (mech.physicalType() != physical::kNone ? arms : 0),
           "physical weapon entries");
    if (placed[std::string(cPhy)].items > 0) {
        expect(placed[std::string(cPhy)].slots == arms * mech.physicalSize(), "physical size");
    }
    int cases = 0;
    for (int loc = 0; loc < model::kCaseLocations; ++loc) {
        const int setting = mech.GetCASE(loc);
        const int want =
            setting == kCaseII || (setting == kStandardCase && mech.techBase() != kClan);
        cases += want;
        expect(placed[std::string(cCASE)].perLocation[loc] == want,
               "CASE entries in location " + std::to_string(loc));
    }
    expect(placed[std::string(cCASE)].items == cases, "CASE entries");
    for (int family = 0; family < 2; ++family) {
        const std::string iv(family == 1 ? cAIVL : cAIVS);
        const std::string v(family == 1 ? cAVL : cAVS);
        expect(placed[iv].items == launchersIV[family], "Artemis IV entries");
        expect(placed[v].items == launchersV[family], "Artemis V entries");
        expect(placed[v].slots == 2 * launchersV[family], "Artemis V size");
    }
    const int cockpitParts = mech.cockpitType() == cockpit::kCommandConsole ? 1
                             : mech.cockpitType() == cockpit::kTorsoMounted ? 4
                                                                            : 0;
    expect(placed[std::string(cCP)].items == cockpitParts, "cockpit parts");
    const model::EngineSlots engine = model::engineSlots(mech.engineType(), mech.techBase());
    expect(placed[std::string(cEng)].slots == engine.centerTorso + 2 * engine.sideTorso,
           "engine slots");
    expect(placed[std::string(cG)].slots == model::gyroSlots(mech.gyroType()), "gyro slots");

    // Arm actuators as the flags say.
    if (mech.mechType() != kQuad) {
        for (int i = 0; i < model::kActuators; ++i) {
            expect(mech.critLocation(kLeftArm).IsOccupied(i) || !mech.GetLAActuator(i),
                   "left arm actuator");
            expect(mech.critLocation(kRightArm).IsOccupied(i) || !mech.GetRAActuator(i),
                   "right arm actuator");
        }
    }
    for (int loc = 0; loc < model::kArmorPositions; ++loc) {
        expect(mech.GetArmor(loc) >= 0, "negative armour");
    }
    return problems;
}

// One random action: a component or system change with a random value, or a weapon or item
// placed or taken out as the allocation rules would.
int randomAction(Editor& editor, std::mt19937& rng) {
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    auto coin = [&] { return pick(2) == 1; };
    model::Mech& mech = editor.mech();
    const int action = pick(30);
    switch (action) {
    case 0:
        ChangeTonnage(editor, 10 + 5 * pick(19));
        break;
    case 1:
        ChangeMechType(editor, pick(4));
        break;
    case 2:
        ChangeTechBase(editor, pick(3));
        break;
    case 3:
        ChangeTechLevel(editor, 1 + pick(3));
        break;
    case 4:
        ChangeEngine(editor, pick(7));
        break;
    case 5:
        ChangeGyro(editor, pick(4));
        break;
    case 6:
        ChangeCockpit(editor, pick(5));
        break;
    case 7:
        ChangeHeatSinkType(editor, pick(5));
        break;
    case 8:
        ChangeHeatSinkCount(editor, 10 + pick(12));
        break;
    case 9:
        ChangeImprovedJumpJets(editor, coin());
        break;
    case 10:
        ChangeJumping(editor, pick(7));
        break;
    case 11:
        ChangeWalking(editor, 1 + pick(8));
        break;
    case 12:
        ChangeStructure(editor, pick(4));
        break;
    case 13:
        ChangeArmorType(editor, pick(7));
        break;
    case 14:
        pick(2) ? SetMASC(editor, coin()) : SetTSM(editor, coin());
        break;
    case 15:
        coin() ? SetSupercharger(editor, coin()) : MoveSupercharger(editor, pick(8));
        break;
    case 16:
        SetNullSignature(editor, coin());
        break;
    case 17:
        SetCASE(editor, pick(7), pick(3));
        break;
    case 18:
        SetArtemis(editor, coin(), pick(3));
        break;
    case 19:
        ChangeTargetingSystem(editor, pick(8));
        break;
    case 20:
        coin() ? ChangePhysicalType(editor, pick(5)) : SetPhysicalArm(editor, coin(), coin());
        break;
    case 21:
        SetArmActuator(editor, coin(), 2 + pick(2), coin());
        break;
    case 22:
        SetTurret(editor, coin(), coin());
        break;
    case 23:
        SetArmless(editor, pick(4) == 0);
        break;
    case 24:
        SetLimitCrits(editor, coin());
        break;
    case 25:
        SetFractionalAccounting(editor, coin());
        break;
    case 26: {
        // A weapon dropped on the first run long enough, its launcher's Artemis laid beside it.
        static const char* kWeapons[] = {"Medium Laser", "LRM-10", "SRM-4", "PPC", "AC/10"};
        const int refID = findWeapon(editor.context().weapons, kWeapons[pick(5)], mech.techBase());
        if (refID < 0 || mech.techBase() == kClan) {
            break;
        }
        editor.perform("Drop", [&] {
            const int loc = pick(8);
            const int need = std::max<int>(1, editor.context().weapons[refID].critSlots);
            const int slot = pick(12);
            if (roomFrom(mech.critLocation(loc), slot, need) < need) {
                return Outcome::Refused;
            }
            clearRun(editor, loc, slot, need);
            testkit::placeWeapon(editor, editor.context().weapons[refID].name, loc, slot);
            CheckArtemisLoc(editor, loc);
            RefreshSelectedWeapons(editor);
            UpdateAllTonnages(editor);
            return Outcome::Accepted;
        });
        break;
    }
    case 27: {
        // An unallocated item dropped on the first free run of a random location.
        if (editor.items().empty()) {
            break;
        }
        const UnallocatedItem row = editor.items().rows()[pick(int(editor.items().rows().size()))];
        editor.perform("DropItem", [&] {
            const int loc = pick(8);
            if ((row.code == cJJ && mech.mechType() != kQuad &&
                 (loc == kLeftArm || loc == kRightArm || loc == kHead))) {
                return Outcome::Refused;
            }
            for (int slot = 0; slot < mech.critLocation(loc).slotCount(); ++slot) {
                int free = 0;
                while (free < row.slotsPerItem &&
                       slot + free < mech.critLocation(loc).slotCount() &&
                       !mech.critLocation(loc).IsOccupied(slot + free)) {
                    ++free;
                }
                if (free == row.slotsPerItem) {
                    placeGeneralItem(editor, loc, slot, row.slotsPerItem, row.code, row.name);
                    editor.items().take(row.code);
                    UpdateAllTonnages(editor);
                    return Outcome::Accepted;
                }
            }
            return Outcome::Refused;
        });
        break;
    }
    case 28: {
        const int loc = pick(8);
        const int slot = pick(12);
        editor.perform("Unallocate", [&] {
            if (mech.critLocation(loc).IsLockedSlot(slot)) {
                return Outcome::Refused;
            }
            UnallocateSlot(editor, loc, slot);
            RefreshSelectedWeapons(editor);
            UpdateAllTonnages(editor);
            return Outcome::Accepted;
        });
        break;
    }
    default:
        if (coin()) {
            editor.undo();
        } else {
            editor.redo();
        }
        break;
    }
    return action;
}

class RandomChanges : public testkit::RulesFixture,
                      public ::testing::WithParamInterface<unsigned> {};

TEST_P(RandomChanges, NeverBreakTheConstructionRules) {
    build(50, 4);
    std::mt19937 rng(GetParam());
    for (int step = 0; step < 3000; ++step) {
        const int action = randomAction(editor, rng);
        const std::vector<std::string> problems = checkDesign(editor);
        if (!problems.empty()) {
            const model::Mech& m = editor.mech();
            std::string where =
                "\nengine " + std::to_string(m.engineType()) + " gyro " +
                std::to_string(m.gyroType()) + " level " + std::to_string(m.techLevel()) +
                " base " + std::to_string(m.techBase()) + " type " + std::to_string(m.mechType());
            for (int loc = 0; loc < model::kSlotLocations; ++loc) {
                where += "\n" + std::to_string(loc) + ":";
                for (const std::string& text : texts(loc)) {
                    where += " [" + text + "]";
                }
            }
            ADD_FAILURE() << "step " << step << " (action " << action << "): " << problems.front()
                          << where;
            return;
        }
        shipped.user.messages.clear();
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomChanges, ::testing::Values(1u, 2u, 3u, 2026u));

} // namespace
} // namespace fpw::editor
