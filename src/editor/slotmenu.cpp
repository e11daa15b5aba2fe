#include "editor/slotmenu.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "app/programcontext.h"
#include "app/userinteraction.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "catalog/weapondatabase.h"
#include "editor/allocation.h"
#include "editor/editor.h"
#include "editor/placement.h"
#include "editor/refresh.h"
#include "editor/slotops.h"
#include "editor/weaponlistactions.h"
#include "model/critlocation.h"
#include "model/mech.h"

namespace fpw::editor {

namespace {

// Items whose armouring covers every slot of theirs in all locations.
constexpr std::string_view kArmoredEverywhere[] = {catalog::cEng, catalog::cArm, catalog::cIS,
                                                   catalog::cTSM, catalog::cCP,  catalog::cNSS};

// The slot's item as the menu names it: its text without a leading "(R) " or "(T) ".
std::string itemName(std::string text) {
    for (const std::string_view mark : {"(R) ", "(T) "}) {
        if (text.starts_with(mark)) {
            text.erase(0, mark.size());
        }
    }
    return text;
}

bool validSlot(const Editor& editor, int loc, int slot) {
    return loc >= 0 && loc < model::kSlotLocations &&
           editor.mech().critLocation(loc).validSlot(slot);
}

// The live weapon in a slot, or nullptr.
const model::WeaponEntry* slotWeapon(const Editor& editor, int loc, int slot) {
    if (!validSlot(editor, loc, slot)) {
        return nullptr;
    }
    const model::CritLocation& list = editor.mech().critLocation(loc);
    if (!list.IsWeaponSlot(slot)) {
        return nullptr;
    }
    const std::optional<std::int16_t> weaponIndex = weaponIndexOf(list.SlotItemId(slot));
    return weaponIndex ? liveWeapon(editor.mech(), *weaponIndex) : nullptr;
}

// Front, rear and turret mounting is for weapons proper, not equipment or ammunition.
bool mountable(const Editor& editor, const model::WeaponEntry* weapon) {
    const catalog::WeaponRecord* record = weaponRecord(editor, weapon);
    return record != nullptr && record->weaponType != catalog::weapontype::kEquipment &&
           record->weaponType != catalog::weapontype::kAmmunition;
}

bool hasTurret(const Editor& editor, int loc) {
    const model::Mech& mech = editor.mech();
    return mech.techLevel() == 3 && ((loc == catalog::kLeftTorso && mech.ltTurret()) ||
                                     (loc == catalog::kRightTorso && mech.rtTurret()));
}

bool movableTo(const Editor& editor, int loc, int slot, int target) {
    if (target == loc || target < 0 || target >= model::kSlotLocations ||
        !locationInUse(editor, target)) {
        return false;
    }
    if (const model::WeaponEntry* weapon = slotWeapon(editor, loc, slot)) {
        return !weaponMountRefusal(editor, target, weapon->refID);
    }
    return locationTakesItem(editor, editor.mech().critLocation(loc).SlotBaseCode(slot), target);
}

// An occupied slot the player may change: neither free nor a fixed or locked base entry.
bool movableItem(const Editor& editor, int loc, int slot) {
    if (!validSlot(editor, loc, slot)) {
        return false;
    }
    const model::CritLocation& list = editor.mech().critLocation(loc);
    return list.IsOccupied(slot) && !list.IsLockedSlot(slot);
}

// Rewrites every slot of the weapon with its text and mounting as the weapon list has them.
void redrawWeaponSlots(Editor& editor, std::int16_t weaponIndex) {
    const model::WeaponEntry* weapon = liveWeapon(editor.mech(), weaponIndex);
    if (weapon == nullptr) {
        return;
    }
    const std::string text = weaponSlotText(editor, *weapon);
    const std::string itemID = std::to_string(weaponIndex);
    for (model::CritLocation& list : editor.mech().critLocations()) {
        for (int slot = 0; slot < list.slotCount(); ++slot) {
            if (list.SlotItemId(slot) == itemID) {
                model::CriticalSlot entry = list.slot(slot);
                entry.isRearMounted = weapon->rearMounted;
                entry.isTurretMounted = weapon->turretMounted;
                list.SetSlot(text, slot, entry, itemID);
            }
        }
        list.Redraw(false);
    }
}

// Sets one mounting flag of a weapon in the weapon list and on its slots.
void setMounting(Editor& editor, std::int16_t weaponIndex, bool model::WeaponEntry::*flag,
                 bool value) {
    model::Mech& mech = editor.mech();
    mech.TSetWeaponIdxGlobal(weaponIndex);
    mech.currentWeapon().*flag = value;
    mech.UpdateGlobalWeaponIdx(weaponIndex);
    mech.CalcTurretTonnage();
    redrawWeaponSlots(editor, weaponIndex);
}

void setArmored(model::CritLocation& list, int slot, bool value) {
    model::CriticalSlot entry = list.slot(slot);
    entry.isArmored = value;
    list.SetSlot(entry.text, slot, entry, entry.itemID);
}

// The tons the person asks for: a whole number from 1 to 100; nothing when cancelled.
std::optional<int> askTons(Editor& editor, const catalog::WeaponRecord& ammo) {
    std::string prompt = "How many tons of " + ammo.name + " (" + std::to_string(ammo.shotsPerTon) +
                         " shots per ton) would you like to add?";
    for (;;) {
        const std::optional<std::string> answer =
            editor.user().inputBox(prompt, "How many tons?", "");
        if (!answer) {
            return std::nullopt;
        }
        const std::string_view text = *answer;
        const auto first = text.find_first_not_of(' ');
        const std::string_view trimmed =
            first == std::string_view::npos
                ? std::string_view()
                : text.substr(first, text.find_last_not_of(' ') - first + 1);
        int tons = -1;
        const auto [end, error] =
            std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), tons);
        const bool whole = error == std::errc() && end == trimmed.data() + trimmed.size();
        if (trimmed.empty() || (whole && tons == 0)) {
            return std::nullopt;
        }
        if (whole && tons >= 1 && tons <= 100) {
            return tons;
        }
        prompt = "You entered an invalid number. Please enter many tons of " + ammo.name +
                 " would you like to add.";
    }
}

SlotMenuEntry entry(SlotCommand command, std::string caption, bool visible, bool enabled) {
    SlotMenuEntry e;
    e.command = command;
    e.caption = std::move(caption);
    e.visible = visible;
    e.enabled = enabled;
    return e;
}

} // namespace

std::vector<SlotMenuEntry> slotMenu(const Editor& editor, int loc, int slot) {
    std::vector<SlotMenuEntry> menu;
    if (!validSlot(editor, loc, slot)) {
        return menu;
    }
    const model::Mech& mech = editor.mech();
    const model::CritLocation& list = mech.critLocation(loc);
    const bool occupied = list.IsOccupied(slot);
    const bool locked = list.IsLockedSlot(slot);
    const std::string text = list.SlotText(slot);
    const std::string name = itemName(text);
    const model::WeaponEntry* weapon = slotWeapon(editor, loc, slot);
    const catalog::WeaponRecord* record = weaponRecord(editor, weapon);
    const bool isWeapon = weapon != nullptr;
    const bool rear = list.IsRearSlot(slot);
    const bool turret = list.IsTurretSlot(slot);

    menu.push_back(entry(SlotCommand::Armor,
                         (list.IsArmoredSlot(slot) ? "Un-Armor " : "Armor ") + text,
                         occupied && mech.armorType() == catalog::armor::kStandard, true));
    menu.push_back(entry(SlotCommand::FrontRear, rear ? "Mount Front" : "Mount Rear",
                         mountable(editor, weapon) && !turret, !locked));
    menu.push_back(entry(SlotCommand::Turret, turret ? "Remove From Turret" : "Mount In Turret",
                         mountable(editor, weapon) && hasTurret(editor, loc) && !rear, !locked));
    SlotMenuEntry move =
        entry(SlotCommand::MoveTo, "Move To", occupied && !list.IsSpreadSlot(slot), !locked);
    for (int target = 0; target < model::kSlotLocations && move.visible && move.enabled; ++target) {
        if (movableTo(editor, loc, slot, target)) {
            SlotMenuEntry place =
                entry(SlotCommand::MoveTo,
                      catalog::locationName(target, mech.mechType() == catalog::kQuad), true, true);
            place.location = target;
            move.submenu.push_back(std::move(place));
        }
    }
    menu.push_back(std::move(move));
    menu.push_back(entry(SlotCommand::NormalizeCenterTorso, "Normalize Center Torso",
                         loc == catalog::kCenterTorso, !mech.omniBaseLocked()));
    menu.push_back(entry(SlotCommand::AddAmmo, "Add Ammo",
                         record != nullptr && catalog::usesAmmunition(*record), true));
    menu.push_back(entry(SlotCommand::Info, "Info on " + name, isWeapon, true));
    menu.push_back(entry(SlotCommand::Remove, "Remove " + name, occupied, !locked));
    menu.push_back(
        entry(SlotCommand::RemoveAll, "Remove all " + name + " crits", occupied, !locked));
    menu.push_back(entry(SlotCommand::Delete, "Delete " + name, isWeapon, true));
    menu.push_back(entry(SlotCommand::Duplicate, "Duplicate " + name, isWeapon, true));
    menu.push_back(entry(SlotCommand::ClearLocation, "Clear Location", true, true));
    return menu;
}

bool runSlotCommand(Editor& editor, int loc, int slot, SlotCommand command, int target) {
    switch (command) {
    case SlotCommand::Armor:
        return ToggleSlotArmor(editor, loc, slot);
    case SlotCommand::FrontRear:
        return ToggleRearMount(editor, loc, slot);
    case SlotCommand::Turret:
        return ToggleTurretMount(editor, loc, slot);
    case SlotCommand::MoveTo:
        return MoveToLocation(editor, loc, slot, target);
    case SlotCommand::NormalizeCenterTorso:
        return NormalizeCenterTorso(editor);
    case SlotCommand::AddAmmo:
        return AddAmmunition(editor, loc, slot);
    case SlotCommand::Info:
        return ShowSlotInfo(editor, loc, slot);
    case SlotCommand::Remove:
        return RemoveSlotItem(editor, loc, slot);
    case SlotCommand::RemoveAll:
        return RemoveAllOfSlotItem(editor, loc, slot);
    case SlotCommand::Delete:
        return DeleteSlotWeapon(editor, loc, slot);
    case SlotCommand::Duplicate:
        return DuplicateSlotWeapon(editor, loc, slot);
    case SlotCommand::ClearLocation:
        return ClearLocation(editor, loc);
    }
    return false;
}

bool ToggleSlotArmor(Editor& editor, int loc, int slot) {
    return editor.perform("ToggleSlotArmor", [&] {
        model::Mech& mech = editor.mech();
        if (!validSlot(editor, loc, slot) || !mech.critLocation(loc).IsOccupied(slot) ||
            mech.armorType() != catalog::armor::kStandard) {
            return Outcome::Refused;
        }
        model::CritLocation& list = mech.critLocation(loc);
        const bool value = !list.IsArmoredSlot(slot);
        const std::string itemID = list.SlotItemId(slot);
        const std::string code = list.SlotBaseCode(slot);
        if (std::find(std::begin(kArmoredEverywhere), std::end(kArmoredEverywhere), code) !=
            std::end(kArmoredEverywhere)) {
            for (model::CritLocation& other : mech.critLocations()) {
                for (int i = 0; i < other.slotCount(); ++i) {
                    if (other.IsOccupied(i) && other.SlotBaseCode(i) == code) {
                        setArmored(other, i, value);
                    }
                }
                other.Redraw(false);
            }
        } else if (itemID.empty() || itemID == "-1") {
            // A fixed entry that is no item: this slot alone.
            setArmored(list, slot, value);
            list.Redraw(false);
        } else {
            list.SetArmored(value, itemID);
            list.Redraw(false);
        }
        UpdateAllTonnages(editor);
        return Outcome::Accepted;
    });
}

bool ToggleRearMount(Editor& editor, int loc, int slot) {
    return editor.perform("ToggleRearMount", [&] {
        const model::WeaponEntry* weapon = slotWeapon(editor, loc, slot);
        if (!movableItem(editor, loc, slot) || !mountable(editor, weapon) ||
            weapon->turretMounted) {
            return Outcome::Refused;
        }
        setMounting(editor, weapon->weaponIndex, &model::WeaponEntry::rearMounted,
                    !weapon->rearMounted);
        finishAllocation(editor);
        return Outcome::Accepted;
    });
}

bool ToggleTurretMount(Editor& editor, int loc, int slot) {
    return editor.perform("ToggleTurretMount", [&] {
        const model::WeaponEntry* weapon = slotWeapon(editor, loc, slot);
        if (!movableItem(editor, loc, slot) || !mountable(editor, weapon) || weapon->rearMounted ||
            !hasTurret(editor, loc)) {
            return Outcome::Refused;
        }
        setMounting(editor, weapon->weaponIndex, &model::WeaponEntry::turretMounted,
                    !weapon->turretMounted);
        finishAllocation(editor);
        return Outcome::Accepted;
    });
}

bool MoveToLocation(Editor& editor, int loc, int slot, int target) {
    return editor.perform("MoveToLocation", [&] {
        if (!movableItem(editor, loc, slot) || editor.mech().critLocation(loc).IsSpreadSlot(slot) ||
            !movableTo(editor, loc, slot, target)) {
            return Outcome::Refused;
        }
        const model::CritLocation& list = editor.mech().critLocation(loc);
        const model::CritLocation& destination = editor.mech().critLocation(target);
        if (const model::WeaponEntry* weapon = slotWeapon(editor, loc, slot)) {
            const std::int16_t weaponIndex = weapon->weaponIndex;
            const int need = weaponRunLength(editor, weapon->refID);
            UnallocateSlot(editor, loc, slot);
            const int start = firstFreeRun(destination, 0, need);
            if (start >= 0) {
                placeWeapon(editor, target, start, weaponIndex);
            }
        } else {
            const std::string code = list.SlotBaseCode(slot);
            const std::string text = itemName(list.SlotText(slot));
            UnallocateSlot(editor, loc, slot);
            const UnallocatedItem* row = editor.items().find(code);
            const int size = row != nullptr ? row->slotsPerItem : 0;
            const int start = size > 0 ? firstFreeRun(destination, 0, size) : -1;
            if (start >= 0) {
                editor.items().take(code);
                placeGeneralItem(editor, target, start, size, code, text);
            }
        }
        finishAllocation(editor);
        return Outcome::Accepted;
    });
}

bool AddAmmunition(Editor& editor, int loc, int slot) {
    return editor.perform("AddAmmunition", [&] {
        const model::WeaponEntry* weapon = slotWeapon(editor, loc, slot);
        const catalog::WeaponRecord* record = weaponRecord(editor, weapon);
        if (record == nullptr || !catalog::usesAmmunition(*record)) {
            return Outcome::Refused;
        }
        const catalog::WeaponTable& table = editor.context().weapons;
        std::vector<std::int16_t> refIDs;
        std::vector<std::string> names;
        for (std::size_t i = 0; i < table.size(); ++i) {
            const catalog::WeaponRecord& ammo = table[i];
            if (ammo.weaponType == catalog::weapontype::kAmmunition &&
                ammo.techLevel <= editor.mech().techLevel() &&
                catalog::takesAmmunition(*record, ammo)) {
                refIDs.push_back(static_cast<std::int16_t>(i));
                names.push_back(ammo.name);
            }
        }
        if (refIDs.empty()) {
            return Outcome::Refused;
        }
        const std::optional<int> choice =
            editor.user().chooseFromList("Add Ammo", "Select the ammunition to add.", names);
        if (!choice || *choice < 0 || *choice >= static_cast<int>(refIDs.size())) {
            return Outcome::Refused;
        }
        const std::int16_t ammoID = refIDs[static_cast<std::size_t>(*choice)];
        const std::optional<int> tons = askTons(editor, table[static_cast<std::size_t>(ammoID)]);
        if (!tons) {
            return Outcome::Refused;
        }
        for (int i = 0; i < *tons; ++i) {
            editor.mech().AddWeapon(ammoID);
        }
        finishAllocation(editor);
        return Outcome::Accepted;
    });
}

bool ShowSlotInfo(Editor& editor, int loc, int slot) {
    return editor.perform("ShowSlotInfo", [&] {
        const model::WeaponEntry* weapon = slotWeapon(editor, loc, slot);
        const catalog::WeaponRecord* record = weaponRecord(editor, weapon);
        if (record == nullptr) {
            return Outcome::Refused;
        }
        editor.user().message(catalog::weaponInformationText(*record),
                              itemName(editor.mech().critLocation(loc).SlotText(slot)),
                              app::MessageIcon::Information);
        return Outcome::Accepted;
    });
}

bool RemoveSlotItem(Editor& editor, int loc, int slot) {
    return UnallocateByDoubleClick(editor, loc, slot);
}

bool RemoveAllOfSlotItem(Editor& editor, int loc, int slot) {
    return editor.perform("RemoveAllOfSlotItem", [&] {
        if (!movableItem(editor, loc, slot)) {
            return Outcome::Refused;
        }
        const model::WeaponEntry* weapon = slotWeapon(editor, loc, slot);
        const int refID = weapon != nullptr ? weapon->refID : -1;
        const std::string code = editor.mech().critLocation(loc).SlotBaseCode(slot);
        for (int other = 0; other < model::kSlotLocations; ++other) {
            const model::CritLocation& list = editor.mech().critLocation(other);
            for (int i = 0; i < list.slotCount(); ++i) {
                if (!list.IsOccupied(i) || list.IsLockedSlot(i)) {
                    continue;
                }
                const model::WeaponEntry* here = slotWeapon(editor, other, i);
                const bool same = weapon != nullptr
                                      ? here != nullptr && here->refID == refID
                                      : here == nullptr && list.SlotBaseCode(i) == code;
                if (same) {
                    UnallocateSlot(editor, other, i);
                }
            }
        }
        finishAllocation(editor);
        return Outcome::Accepted;
    });
}

bool DeleteSlotWeapon(Editor& editor, int loc, int slot) {
    const model::WeaponEntry* weapon = slotWeapon(editor, loc, slot);
    return weapon != nullptr && RemoveWeapon(editor, weapon->weaponIndex);
}

bool DuplicateSlotWeapon(Editor& editor, int loc, int slot) {
    const model::WeaponEntry* weapon = slotWeapon(editor, loc, slot);
    return weapon != nullptr && AddWeapons(editor, {weapon->refID});
}

bool ClearLocation(Editor& editor, int loc) {
    return editor.perform("ClearLocation", [&] {
        if (loc < 0 || loc >= model::kSlotLocations) {
            return Outcome::Refused;
        }
        for (int slot = 0; slot < editor.mech().critLocation(loc).slotCount(); ++slot) {
            if (movableItem(editor, loc, slot)) {
                UnallocateSlot(editor, loc, slot);
            }
        }
        finishAllocation(editor);
        return Outcome::Accepted;
    });
}

} // namespace fpw::editor
