#include "editor/slotops.h"

#include <charconv>

#include "app/programcontext.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "editor/editor.h"
#include "model/critlocation.h"

namespace fpw::editor {

std::optional<std::int16_t> weaponIndexOf(std::string_view itemID) {
    std::int16_t value = 0;
    const auto [end, error] = std::from_chars(itemID.data(), itemID.data() + itemID.size(), value);
    if (error != std::errc() || end != itemID.data() + itemID.size()) {
        return std::nullopt;
    }
    return value;
}

const model::WeaponEntry* liveWeapon(const model::Mech& mech, std::int16_t weaponIndex) {
    for (const model::WeaponEntry& weapon : mech.weapons()) {
        if (!weapon.isFree() && weapon.weaponIndex == weaponIndex) {
            return &weapon;
        }
    }
    return nullptr;
}

namespace {

// The Artemis item codes of a launcher's family under the design's setting; empty when the
// launcher takes none.
std::string_view artemisCodeFor(const Editor& editor, std::int16_t refID) {
    const catalog::WeaponTable& table = editor.context().weapons;
    if (refID < 0 || refID >= static_cast<int>(table.size())) {
        return {};
    }
    const catalog::WeaponRecord& record = table[static_cast<std::size_t>(refID)];
    if (record.artemisCapable == 0) {
        return {};
    }
    const bool lrm = record.artemisClass == 1;
    const int setting = lrm ? editor.mech().artemisLRM() : editor.mech().artemisSRM();
    if (setting == catalog::kNoArtemis) {
        return {};
    }
    if (setting == catalog::kArtemisIV) {
        return lrm ? catalog::cAIVL : catalog::cAIVS;
    }
    return lrm ? catalog::cAVL : catalog::cAVS;
}

} // namespace

void UnallocateSlot(Editor& editor, int loc, int slot) {
    const model::CritLocation& list = editor.mech().critLocation(loc);
    if (!list.IsOccupied(slot)) {
        return;
    }
    if (list.IsWeaponSlot(slot)) {
        UnallocateWeaponSlot(editor, loc, slot);
    } else {
        UnallocateItemSlot(editor, loc, list.SlotItemId(slot));
    }
}

void UnallocateWeaponSlot(Editor& editor, int loc, int slot) {
    model::Mech& mech = editor.mech();
    model::CritLocation& list = mech.critLocation(loc);
    const std::string itemID = list.SlotItemId(slot);
    const std::optional<std::int16_t> weaponIndex = weaponIndexOf(itemID);
    if (!weaponIndex) {
        return;
    }
    const model::WeaponEntry* weapon = liveWeapon(mech, *weaponIndex);
    const std::int16_t primary = weapon != nullptr ? weapon->GetLoc(0) : -1;
    const std::string_view artemis =
        weapon != nullptr ? artemisCodeFor(editor, weapon->refID) : std::string_view();
    if (list.IsSpreadSlot(slot)) {
        for (model::CritLocation& other : mech.critLocations()) {
            other.RemoveItem(itemID);
        }
    }
    list.RemoveItem(itemID);
    mech.AlterWeapon(*weaponIndex, -1, -1, false);
    // The launcher's fire control goes with it; the Artemis check lays it again on placing.
    if (!artemis.empty() && primary >= 0 && primary < model::kSlotLocations) {
        model::CritLocation& home = mech.critLocation(primary);
        const model::ItemRun run = home.FindItem(artemis);
        if (run.firstSlot >= 0) {
            home.RemoveItem(home.SlotItemId(run.firstSlot));
        }
    }
}

void UnallocateItemSlot(Editor& editor, int loc, std::string_view itemID) {
    model::CritLocation& list = editor.mech().critLocation(loc);
    const model::ItemRun run = list.FindItem(itemID);
    if (run.firstSlot < 0) {
        return;
    }
    const std::string code(catalog::genItemBaseCode(itemID));
    std::string name = catalog::genItemText(code, editor.mech().designTypes(), editor.user());
    if (name.empty()) {
        name = list.SlotText(run.firstSlot);
    }
    list.RemoveItem(itemID);
    editor.items().add(code, 1, std::move(name), run.slotCount);
}

int UnallocateHeatSinks(Editor& editor, int count) {
    int removed = 0;
    for (model::CritLocation& list : editor.mech().critLocations()) {
        for (int slot = 0; slot < list.slotCount() && removed < count; ++slot) {
            if (list.IsOccupied(slot) && !list.IsLockedSlot(slot) &&
                list.SlotBaseCode(slot) == catalog::cHS) {
                list.RemoveItem(list.SlotItemId(slot));
                ++removed;
            }
        }
    }
    return removed;
}

int roomFrom(const model::CritLocation& list, int slot, int limit) {
    int room = 0;
    for (int i = slot; i < list.slotCount() && room < limit && !list.IsLockedSlot(i); ++i) {
        ++room;
    }
    return room;
}

void clearRun(Editor& editor, int loc, int slot, int count) {
    for (int i = slot; i < slot + count; ++i) {
        if (!editor.mech().critLocation(loc).IsLockedSlot(i)) {
            UnallocateSlot(editor, loc, i);
        }
    }
}

std::string placeGeneralItem(Editor& editor, int loc, int slot, int count, std::string_view code,
                             std::string_view text, bool locked) {
    clearRun(editor, loc, slot, count);
    model::CritLocation& list = editor.mech().critLocation(loc);
    const std::string itemID = catalog::genItemIdentifier(code, list.NextInstance(code));
    model::SlotFlags flags;
    flags.isActive = true;
    flags.isLocked = locked;
    for (int i = slot; i < slot + count; ++i) {
        list.SetSlot(text, i, flags, itemID);
    }
    return itemID;
}

std::string weaponSlotText(const Editor& editor, const model::WeaponEntry& weapon) {
    std::string text;
    if (weapon.rearMounted) {
        text += "(R) ";
    }
    if (weapon.turretMounted) {
        text += "(T) ";
    }
    return text + catalog::gConvertSaveIdxToName(editor.mech().designTypes(),
                                                 editor.context().weapons, weapon.refID, true,
                                                 editor.user());
}

void renameWeaponSlots(Editor& editor) {
    model::Mech& mech = editor.mech();
    for (const model::WeaponEntry& weapon : mech.weapons()) {
        if (weapon.isFree() || weapon.LocCount() == 0) {
            continue;
        }
        const std::string id = std::to_string(weapon.weaponIndex);
        const std::string text = weaponSlotText(editor, weapon);
        for (model::CritLocation& list : mech.critLocations()) {
            for (int s = 0; s < list.slotCount(); ++s) {
                const model::CriticalSlot slot = list.slot(s);
                if (slot.isWeapon && slot.itemID == id && slot.text != text) {
                    list.SetSlot(text, s, slot.flags(), id);
                }
            }
        }
    }
}

} // namespace fpw::editor
