#include "componentskit.h"

#include <algorithm>
#include <map>
#include <set>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "catalog/slottables.h"
#include "catalog/weapondatabase.h"
#include "documentskit.h"
#include "editor/components.h"
#include "editor/invariants.h"
#include "editor/slotops.h"
#include "editor/unallocateditems.h"
#include "model/enginetable.h"

namespace fpw::editor::testkit {

void RulesFixture::build(int tonnage, int walking, int techBase, int techLevel) {
    ASSERT_TRUE(ChangeTechBase(editor, techBase));
    ASSERT_TRUE(ChangeTechLevel(editor, techLevel));
    ASSERT_TRUE(ChangeTonnage(editor, tonnage));
    ASSERT_TRUE(ChangeWalking(editor, walking));
    shipped.user.messages.clear();
}

std::int16_t placeWeapon(Editor& editor, const std::string& name, int loc, int slot,
                         std::int16_t techBase) {
    const catalog::WeaponTable& table = editor.context().weapons;
    const int refID = catalog::findWeapon(table, name, techBase);
    EXPECT_GE(refID, 0) << name;
    model::Mech& mech = editor.mech();
    const std::int16_t index = mech.AddWeapon(static_cast<std::int16_t>(refID));
    model::WeaponEntry entry;
    entry.refID = static_cast<std::int16_t>(refID);
    const int slots = std::max<int>(1, table[static_cast<std::size_t>(refID)].critSlots);
    for (int s = slot; s < slot + slots; ++s) {
        mech.critLocation(loc).PlaceItem(weaponSlotText(editor, entry), s, true,
                                         std::to_string(index));
    }
    mech.AlterWeapon(index, static_cast<std::int16_t>(loc), static_cast<std::int16_t>(slot), true);
    return index;
}

void RulesFixture::expectRefusal(const std::function<bool()>& change, const std::string& title,
                                 const std::string& text) {
    const testing::EditorState before = testing::captureEditorState(editor);
    shipped.user.messages.clear();
    EXPECT_FALSE(change());
    EXPECT_TRUE(testing::sameEditorState(before, testing::captureEditorState(editor)));
    ASSERT_EQ(shipped.user.messages.size(), 1u);
    EXPECT_EQ(shipped.user.messages[0].title, title);
    EXPECT_EQ(shipped.user.messages[0].text, text);
    EXPECT_EQ(shipped.user.messages[0].icon, app::MessageIcon::Critical);
}

std::vector<std::string> RulesFixture::texts(int loc) const {
    std::vector<std::string> out;
    for (const model::CriticalSlot& slot : editor.mech().critLocation(loc).slots()) {
        out.push_back(slot.text);
    }
    return out;
}

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

} // namespace

bool placeItem(Editor& editor, std::string_view code, int loc) {
    const UnallocatedItem* row = editor.items().find(code);
    const model::CritLocation& list = editor.mech().critLocation(loc);
    const bool limb = loc == kLeftArm || loc == kRightArm || loc == kHead;
    if (row == nullptr || (code == cJJ && limb && editor.mech().mechType() != kQuad)) {
        return false;
    }
    const UnallocatedItem item = *row;
    for (int slot = 0; slot + item.slotsPerItem <= list.slotCount(); ++slot) {
        int free = 0;
        while (free < item.slotsPerItem && !list.IsOccupied(slot + free)) {
            ++free;
        }
        if (free == item.slotsPerItem) {
            placeGeneralItem(editor, loc, slot, item.slotsPerItem, item.code, item.name);
            editor.items().take(item.code);
            return true;
        }
    }
    return false;
}

void placeAllItems(Editor& editor) {
    while (!editor.items().empty()) {
        const std::string code = editor.items().rows().front().code;
        bool placed = false;
        for (int loc = 0; loc < model::kSlotLocations && !placed; ++loc) {
            placed = placeItem(editor, code, loc);
        }
        ASSERT_TRUE(placed) << "no room for " << code;
    }
}

std::vector<std::string> checkDesign(const Editor& editor) {
    const model::Mech& mech = editor.mech();
    const WeaponTable& table = editor.context().weapons;
    std::vector<std::string> problems = checkInvariants(editor);
    auto expect = [&](bool ok, const std::string& what) {
        if (!ok) {
            problems.push_back(what);
        }
    };
    std::map<std::string, Placed> placed = placedItems(mech);
    auto total = [&](std::string_view code) {
        return placed[std::string(code)].items + editor.items().count(code);
    };

    // Artemis launchers among the placed weapons.
    int launchersIV[2] = {0, 0};
    int launchersV[2] = {0, 0};
    for (const model::WeaponEntry& weapon : mech.weapons()) {
        if (weapon.isFree() || weapon.LocCount() == 0) {
            continue;
        }
        const WeaponRecord& record = table[static_cast<std::size_t>(weapon.refID)];
        if (record.artemisCapable != 0) {
            const int setting = record.artemisClass == 1 ? mech.artemisLRM() : mech.artemisSRM();
            (setting == kArtemisIV ? launchersIV : launchersV)[record.artemisClass] +=
                setting != kNoArtemis;
        }
    }
    expect(total(cTSM) == (mech.tsm() ? 6 : 0), "myomer items");

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

} // namespace fpw::editor::testkit
