#include "editor/weaponlistactions.h"

#include "app/userinteraction.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "editor/artemis.h"
#include "editor/editor.h"
#include "editor/placement.h"
#include "editor/refresh.h"
#include "editor/slotops.h"
#include "model/critlocation.h"
#include "model/mech.h"

namespace fpw::editor {

namespace {

// The computer's size when a locked omni base chassis fixes it: the slots it holds (or will
// hold, while unallocated); -1 when nothing fixes it.
int fixedComputerSize(const Editor& editor) {
    const model::Mech& mech = editor.mech();
    if (!mech.omniBaseLocked() ||
        mech.omniBaseTargSysType() != catalog::targeting::kTargetingComputer ||
        mech.targSysType() != catalog::targeting::kTargetingComputer) {
        return -1;
    }
    int placed = 0;
    for (const model::CritLocation& list : mech.critLocations()) {
        placed += list.FindItem(catalog::cTS).slotCount;
    }
    if (placed > 0) {
        return placed;
    }
    const UnallocatedItem* row = editor.items().find(catalog::cTS);
    return row != nullptr ? row->slotsPerItem : mech.DetermineTCSize();
}

// Takes the weapon out of its slots (its Artemis item with it) and out of the design.
void removeFromDesign(Editor& editor, const model::WeaponEntry& weapon) {
    const std::int16_t weaponIndex = weapon.weaponIndex;
    const catalog::WeaponRecord* record = weaponRecord(editor, weapon.refID);
    const bool missile = record != nullptr && record->weaponType == catalog::weapontype::kMissile;
    const int loc = weapon.GetLoc(0);
    if (loc >= 0 && loc < model::kSlotLocations) {
        const model::ItemRun run =
            editor.mech().critLocation(loc).FindItem(std::to_string(weaponIndex));
        if (run.firstSlot >= 0) {
            UnallocateWeaponSlot(editor, loc, run.firstSlot);
        }
    }
    for (model::CritLocation& list : editor.mech().critLocations()) {
        list.RemoveItem(std::to_string(weaponIndex));
    }
    editor.mech().RemoveWeapon(weaponIndex);
    if (missile) {
        CheckArtemis(editor);
    }
}

void showBaseWeaponRefusal(Editor& editor) {
    editor.user().message(
        "You can not remove that weapon since it is part of the base omni configuration.",
        "Unable to remove weapon", app::MessageIcon::Critical);
}

} // namespace

bool AddWeapons(Editor& editor, const std::vector<std::int16_t>& refIDs) {
    return editor.perform("AddWeapons", [&] {
        const int fixedSize = fixedComputerSize(editor);
        int added = 0;
        for (const std::int16_t refID : refIDs) {
            const std::int16_t weaponIndex = editor.mech().AddWeapon(refID);
            if (weaponIndex < 0) {
                continue;
            }
            if (fixedSize >= 0 && editor.mech().DetermineTCSize() > fixedSize) {
                editor.mech().RemoveWeapon(weaponIndex);
                editor.user().message(
                    "Unable to add all the selected weapons. Since a targeting computer is part "
                    "of the base omni chassis, the starting critical slot has to remain the "
                    "same. The additional weapon will make the targeting computer too large to "
                    "fit where it was initially allocated.",
                    "Unable to add weapon", app::MessageIcon::Critical);
                break;
            }
            ++added;
        }
        if (added == 0) {
            return Outcome::Refused;
        }
        finishAllocation(editor);
        return Outcome::Accepted;
    });
}

bool RemoveWeapon(Editor& editor, std::int16_t weaponIndex) {
    return editor.perform("RemoveWeapon", [&] {
        const model::WeaponEntry* weapon = liveWeapon(editor.mech(), weaponIndex);
        if (weapon == nullptr) {
            return Outcome::Refused;
        }
        if (weapon->baseOmni) {
            showBaseWeaponRefusal(editor);
            return Outcome::Refused;
        }
        removeFromDesign(editor, model::WeaponEntry(*weapon));
        finishAllocation(editor);
        return Outcome::Accepted;
    });
}

bool ClearEquipment(Editor& editor) {
    return editor.perform("ClearEquipment", [&] {
        if (!editor.user().askYesNo("Are you sure you want to clear your equipment list?",
                                    "Clear equipment?")) {
            return Outcome::Refused;
        }
        std::vector<model::WeaponEntry> doomed;
        for (const model::WeaponEntry& weapon : editor.mech().weapons()) {
            if (!weapon.isFree() && !weapon.baseOmni) {
                doomed.push_back(weapon);
            }
        }
        for (const model::WeaponEntry& weapon : doomed) {
            removeFromDesign(editor, weapon);
        }
        finishAllocation(editor);
        return Outcome::Accepted;
    });
}

bool SetWeaponTypeFilter(Editor& editor, int type) {
    return editor.perform("SetWeaponTypeFilter", [&] {
        if (type < -1 || type > catalog::weapontype::kArtillery) {
            return Outcome::Refused;
        }
        editor.setWeaponTypeFilter(type);
        RefreshWeapons(editor);
        return Outcome::Accepted;
    });
}

bool SetAmmoForCurrentWeapons(Editor& editor, bool on) {
    return editor.perform("SetAmmoForCurrentWeapons", [&] {
        editor.setAmmoForCurrentWeapons(on);
        RefreshWeapons(editor);
        return Outcome::Accepted;
    });
}

} // namespace fpw::editor
