#include "editor/placement.h"

#include <array>
#include <span>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "editor/artemis.h"
#include "editor/editor.h"
#include "editor/refresh.h"
#include "editor/slotops.h"
#include "model/critlocation.h"
#include "model/mech.h"

namespace fpw::editor {

namespace {

// Weapons that only fit certain locations, by their fixed positions in the weapon database.
struct PlacementRule {
    int firstRecord;
    int lastRecord;
    std::span<const int> locations;
    std::span<const int> quadLocations; // also allowed on a quad
    std::string_view refusal;
};

constexpr int kLegs[] = {catalog::kLeftLeg, catalog::kRightLeg};
constexpr int kFrontLegs[] = {catalog::kLeftArm, catalog::kRightArm};
constexpr int kTorsos[] = {catalog::kLeftTorso, catalog::kRightTorso, catalog::kCenterTorso};
constexpr int kHeadOnly[] = {catalog::kHead};

constexpr std::array kPlacementRules = {
    PlacementRule{366, 367, kLegs, kFrontLegs, "A-Pods can only be mounted in the legs."},
    PlacementRule{368, 375, kTorsos, {}, "Grenade Launchers can only be mounted in the torsos."},
    PlacementRule{376, 376, kHeadOnly, {}, "A Cowl can only be mounted in the head."},
};

bool contains(std::span<const int> list, int value) {
    for (const int v : list) {
        if (v == value) {
            return true;
        }
    }
    return false;
}

bool isArm(int loc) {
    return loc == catalog::kLeftArm || loc == catalog::kRightArm;
}

bool hasLowerArmOrHand(const model::Mech& mech, int loc) {
    if (loc == catalog::kLeftArm) {
        return mech.GetLAActuator(2) || mech.GetLAActuator(3);
    }
    return mech.GetRAActuator(2) || mech.GetRAActuator(3);
}

} // namespace

const catalog::WeaponRecord* weaponRecord(const Editor& editor, int refID) {
    const catalog::WeaponTable& table = editor.context().weapons;
    if (refID < 0 || refID >= static_cast<int>(table.size())) {
        return nullptr;
    }
    return &table[static_cast<std::size_t>(refID)];
}

const catalog::WeaponRecord* weaponRecord(const Editor& editor, const model::WeaponEntry* weapon) {
    return weapon != nullptr ? weaponRecord(editor, weapon->refID) : nullptr;
}

std::optional<std::string> weaponMountRefusal(const Editor& editor, int loc, int refID) {
    const catalog::WeaponRecord* record = weaponRecord(editor, refID);
    if (record == nullptr) {
        return std::nullopt;
    }
    const model::Mech& mech = editor.mech();
    if (mech.mechType() == catalog::kOmniMech && isArm(loc) &&
        record->omniArmActuatorsAllowed == 0 && hasLowerArmOrHand(mech, loc)) {
        return "Unable to mount the " + record->name +
               " due to the actuators that are installed. On an omni-mech, you may not have "
               "lower or hand actuators in an arm that mounts a PPC, Gauss Rifle or Autocannon.";
    }
    const bool quad = mech.mechType() == catalog::kQuad;
    for (const PlacementRule& rule : kPlacementRules) {
        if (refID >= rule.firstRecord && refID <= rule.lastRecord &&
            !contains(rule.locations, loc) && !(quad && contains(rule.quadLocations, loc))) {
            return std::string(rule.refusal);
        }
    }
    return std::nullopt;
}

bool locationInUse(const Editor& editor, int loc) {
    return !(editor.mech().armless() && isArm(loc));
}

bool locationTakesItem(const Editor& editor, std::string_view code, int loc) {
    if (!locationInUse(editor, loc)) {
        return false;
    }
    const bool jumpJet = catalog::genItemBaseCode(code) == catalog::cJJ;
    return !(jumpJet && editor.mech().mechType() != catalog::kQuad &&
             (isArm(loc) || loc == catalog::kHead));
}

int weaponRunLength(const Editor& editor, int refID) {
    return std::max(weaponSlotNeed(editor, refID), 1);
}

int firstFreeRun(const model::CritLocation& list, int from, int length) {
    int run = 0;
    for (int slot = std::max(from, 0); slot < list.slotCount(); ++slot) {
        run = list.IsOccupied(slot) ? 0 : run + 1;
        if (run == length) {
            return slot - length + 1;
        }
    }
    return -1;
}

void placeWeapon(Editor& editor, int loc, int slot, std::int16_t weaponIndex) {
    const model::WeaponEntry* weapon = liveWeapon(editor.mech(), weaponIndex);
    const catalog::WeaponRecord* record = weaponRecord(editor, weapon);
    if (record == nullptr) {
        return;
    }
    const std::string text = weaponSlotText(editor, *weapon);
    const std::string itemID = std::to_string(weaponIndex);
    const int own = std::max<int>(record->critSlots, 1);
    clearRun(editor, loc, slot, std::max(weaponRunLength(editor, weapon->refID), own));
    model::CritLocation& list = editor.mech().critLocation(loc);
    for (int i = slot; i < slot + own; ++i) {
        list.PlaceItem(text, i, true, itemID);
    }
    editor.mech().AlterWeapon(weaponIndex, static_cast<std::int16_t>(loc),
                              static_cast<std::int16_t>(slot), true);
    CheckArtemisLoc(editor, loc);
}

void placeListItem(Editor& editor, int loc, int slot, std::string_view code) {
    const UnallocatedItem* row = editor.items().find(code);
    if (row == nullptr) {
        return;
    }
    std::string text = catalog::genItemText(code, editor.mech().designTypes(), editor.user());
    if (text.empty()) {
        text = row->name;
    }
    const int size = row->slotsPerItem;
    // Taken first: clearing the run may put another item of the same code back on the row.
    editor.items().take(code);
    placeGeneralItem(editor, loc, slot, size, code, text);
}

void finishAllocation(Editor& editor) {
    if (editor.ammoForCurrentWeapons()) {
        RefreshWeapons(editor);
    }
    RefreshSelectedWeapons(editor);
    UpdateAllTonnages(editor);
}

} // namespace fpw::editor
