#include "editor/artemis.h"

#include <string>
#include <string_view>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "editor/editor.h"
#include "editor/refresh.h"
#include "editor/rulesupport.h"
#include "editor/systems.h"
#include "model/critlocation.h"

namespace fpw::editor {

namespace {

constexpr int kLRMClass = 1; // a record's Artemis class: 0 SRM launchers, 1 LRM launchers

struct Family {
    bool lrm;
    std::string_view ivCode;
    std::string_view vCode;
};

constexpr Family kLRM{true, catalog::cAIVL, catalog::cAVL};
constexpr Family kSRM{false, catalog::cAIVS, catalog::cAVS};

int settingOf(const model::Mech& mech, const Family& family) {
    return family.lrm ? mech.artemisLRM() : mech.artemisSRM();
}

void removeFamily(Editor& editor, const Family& family, int onlyLoc) {
    for (int loc = 0; loc < model::kSlotLocations; ++loc) {
        if (onlyLoc < 0 || loc == onlyLoc) {
            model::CritLocation& list = editor.mech().critLocation(loc);
            list.RemoveAllOf(family.ivCode);
            list.RemoveAllOf(family.vCode);
        }
    }
}

// The first run of `count` free slots from the top; -1 when there is none.
int freeRun(const model::CritLocation& list, int count) {
    for (int start = 0; start + count <= list.slotCount(); ++start) {
        int free = 0;
        while (free < count && !list.IsOccupied(start + free)) {
            ++free;
        }
        if (free == count) {
            return start;
        }
    }
    return -1;
}

// Lays the family's items beside its placed launchers (in one location, or everywhere for
// -1). When a launcher has no room, the player is told and the family's setting and items go.
bool placeFamily(Editor& editor, const Family& family, int onlyLoc) {
    model::Mech& mech = editor.mech();
    removeFamily(editor, family, onlyLoc);
    const int setting = settingOf(mech, family);
    if (setting == catalog::kNoArtemis) {
        return true;
    }
    const bool five = setting != catalog::kArtemisIV;
    const int size = five ? 2 : 1;
    const std::string_view code = five ? family.vCode : family.ivCode;
    const std::string text = catalog::artemisName(setting);
    const catalog::WeaponTable& table = editor.context().weapons;
    for (const model::WeaponEntry& weapon : std::vector(mech.weapons())) {
        if (weapon.isFree() || weapon.LocCount() == 0 ||
            weapon.refID >= static_cast<int>(table.size())) {
            continue;
        }
        const catalog::WeaponRecord& record = table[static_cast<std::size_t>(weapon.refID)];
        const int loc = weapon.GetLoc(0);
        if (record.artemisCapable == 0 || (record.artemisClass == kLRMClass) != family.lrm ||
            (onlyLoc >= 0 && loc != onlyLoc)) {
            continue;
        }
        model::CritLocation& list = mech.critLocation(loc);
        const int start = freeRun(list, size);
        if (start < 0) {
            rules::warn(editor, "Not enough free space",
                        "Unable to place all of the " +
                            std::string(five ? "Artemis V" : "Artemis IV") + " slots in the " +
                            catalog::locationName(loc, mech.mechType() == catalog::kQuad) +
                            ". All " + (family.lrm ? "LRM" : "SRM") + "-related " +
                            (five ? "Artemis V" : "Artemis IV") +
                            " crits on the mech have been removed.");
            removeFamily(editor, family, -1);
            if (family.lrm) {
                mech.setArtemisLRM(catalog::kNoArtemis);
            } else {
                mech.setArtemisSRM(catalog::kNoArtemis);
            }
            return false;
        }
        const std::string id = catalog::genItemIdentifier(code, list.NextInstance(code));
        model::SlotFlags flags;
        flags.isActive = flags.isLocked = true;
        for (int slot = start; slot < start + size; ++slot) {
            list.SetSlot(text, slot, flags, id);
        }
    }
    return true;
}

} // namespace

void ResetArtemisLRM(Editor& editor) {
    removeFamily(editor, kLRM, -1);
}

void ResetArtemisSRM(Editor& editor) {
    removeFamily(editor, kSRM, -1);
}

bool CheckArtemis(Editor& editor) {
    const bool lrm = placeFamily(editor, kLRM, -1);
    return placeFamily(editor, kSRM, -1) && lrm;
}

bool CheckArtemisLoc(Editor& editor, int loc) {
    if (loc < 0 || loc >= model::kSlotLocations) {
        return true;
    }
    const bool lrm = placeFamily(editor, kLRM, loc);
    return placeFamily(editor, kSRM, loc) && lrm;
}

bool SetArtemis(Editor& editor, bool lrm, int setting) {
    model::Mech& mech = editor.mech();
    const Family& family = lrm ? kLRM : kSRM;
    const ChoiceList& list = lrm ? editor.choices().artemisLRM : editor.choices().artemisSRM;
    if (setting < catalog::kNoArtemis || setting > catalog::kArtemisV ||
        !rules::offers(list, catalog::artemisName(setting))) {
        return false;
    }
    return rules::change(
        editor, "SetArtemis", [&] { return settingOf(mech, family) == setting; }, true,
        [&] {
            if (lrm) {
                mech.setArtemisLRM(static_cast<std::int16_t>(setting));
            } else {
                mech.setArtemisSRM(static_cast<std::int16_t>(setting));
            }
            placeFamily(editor, family, -1);
            RefreshSelectedWeapons(editor);
            return rules::finish(editor);
        });
}

} // namespace fpw::editor
