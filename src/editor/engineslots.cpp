// The engine and gyro changes and the slots they own in the torsos.
#include <string>
#include <vector>

#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "editor/components.h"
#include "editor/editor.h"
#include "editor/refresh.h"
#include "editor/rulesupport.h"
#include "editor/slotops.h"
#include "editor/systems.h"
#include "model/enginetable.h"

namespace fpw::editor {

namespace {

// The identifiers the default slot contents give the engine and the gyro.
constexpr const char* kEngineId = "cEng1";
constexpr const char* kGyroId = "cG1";

bool ownsSlot(const model::CritLocation& list, int slot) {
    const std::string code = list.SlotBaseCode(slot);
    return code == catalog::cEng || code == catalog::cG;
}

bool anyArmored(const model::Mech& mech, std::string_view code) {
    for (const model::CritLocation& list : mech.critLocations()) {
        for (int slot = 0; slot < list.slotCount(); ++slot) {
            if (list.IsArmoredSlot(slot) && list.SlotBaseCode(slot) == code) {
                return true;
            }
        }
    }
    return false;
}

struct Entry {
    int slot;
    std::string text;
    const char* id;
    bool armored;
};

// Writes the entries over their slots after taking the location's own engine and gyro
// entries out; false, with nothing written, when an entry's slot holds an item the rule may
// not move.
bool layEntries(Editor& editor, int loc, const std::vector<Entry>& entries) {
    model::CritLocation& list = editor.mech().critLocation(loc);
    for (const Entry& e : entries) {
        if (!list.validSlot(e.slot) || (list.IsLockedSlot(e.slot) && !ownsSlot(list, e.slot))) {
            return false;
        }
    }
    list.RemoveAllOf(catalog::cEng);
    list.RemoveAllOf(catalog::cG);
    for (const Entry& e : entries) {
        UnallocateSlot(editor, loc, e.slot);
        model::SlotFlags flags;
        flags.isActive = true;
        flags.isLocked = true;
        flags.isArmored = e.armored;
        editor.mech().critLocation(loc).SetSlot(e.text, e.slot, flags, e.id);
    }
    return true;
}

} // namespace

namespace rules {

std::string engineRoomText(int newEngine, int oldEngine) {
    return "There was not enough room to allocate a " + catalog::engineName(newEngine) +
           " engine, reverting back to a " + catalog::engineName(oldEngine) + " engine.";
}

bool layEngineAndGyro(Editor& editor, bool* centerTorsoBlocked) {
    const model::Mech& mech = editor.mech();
    const model::EngineSlots engine = model::engineSlots(mech.engineType(), mech.techBase());
    const std::string engineText = catalog::engineLongName(mech.engineType());
    const std::string gyroText = catalog::gyroLongName(mech.gyroType());
    const bool engineArmored = anyArmored(mech, catalog::cEng);
    const bool gyroArmored = anyArmored(mech, catalog::cG);

    std::vector<Entry> center;
    int slot = 0;
    for (int i = 0; i < engine.aboveGyro; ++i) {
        center.push_back({slot++, engineText, kEngineId, engineArmored});
    }
    slot = model::kGyroStartSlot;
    for (int i = 0; i < model::gyroSlots(mech.gyroType()); ++i) {
        center.push_back({slot++, gyroText, kGyroId, gyroArmored});
    }
    for (int i = engine.aboveGyro; i < engine.centerTorso; ++i) {
        center.push_back({slot++, engineText, kEngineId, engineArmored});
    }
    const bool centerFits = layEntries(editor, catalog::kCenterTorso, center);
    if (centerTorsoBlocked != nullptr) {
        *centerTorsoBlocked = !centerFits;
    }
    if (!centerFits) {
        return false;
    }
    std::vector<Entry> side;
    for (int i = 0; i < engine.sideTorso; ++i) {
        side.push_back({i, engineText, kEngineId, engineArmored});
    }
    return layEntries(editor, catalog::kLeftTorso, side) &&
           layEntries(editor, catalog::kRightTorso, side);
}

} // namespace rules

bool ChangeEngine(Editor& editor, int engineType) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "ChangeEngine", [&] { return mech.engineType() == engineType; },
        rules::offers(editor.choices().engine, catalog::engineName(engineType)),
        [&] {
            const std::int16_t old = mech.engineType();
            mech.setEngineType(static_cast<std::int16_t>(engineType));
            if (!rules::layEngineAndGyro(editor)) {
                return rules::refuse(editor, rules::kInstallSystemTitle,
                                     rules::engineRoomText(engineType, old));
            }
            rules::boundMovement(editor);
            CheckSupercharger(editor);
            RefreshSelectedWeapons(editor);
            return rules::finish(editor);
        });
}

bool ChangeGyro(Editor& editor, int gyroType) {
    model::Mech& mech = editor.mech();
    return rules::change(
        editor, "ChangeGyro", [&] { return mech.gyroType() == gyroType; },
        rules::offers(editor.choices().gyro, catalog::gyroName(gyroType)),
        [&] {
            const std::int16_t old = mech.gyroType();
            mech.setGyroType(static_cast<std::int16_t>(gyroType));
            if (!rules::layEngineAndGyro(editor)) {
                return rules::refuse(
                    editor, rules::kInstallSystemTitle,
                    "There are not enough free crits in the center torso to mount a " +
                        catalog::gyroLongName(gyroType) + " gyro, reverting back to a " +
                        catalog::gyroLongName(old) + " gyro.");
            }
            RefreshSelectedWeapons(editor);
            return rules::finish(editor);
        });
}

} // namespace fpw::editor
