#include "editor/allocation.h"

#include <algorithm>

#include "app/userinteraction.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "catalog/locations.h"
#include "editor/editor.h"
#include "editor/placement.h"
#include "editor/refresh.h"
#include "editor/slotops.h"
#include "model/critlocation.h"
#include "model/mech.h"

namespace fpw::editor {

namespace {

bool isDropTarget(const Editor& editor, int loc, int slot) {
    if (loc < 0 || loc >= model::kSlotLocations || !locationInUse(editor, loc)) {
        return false;
    }
    const model::CritLocation& list = editor.mech().critLocation(loc);
    return list.validSlot(slot) && !list.IsLockedSlot(slot);
}

// Places up to `limit` items of the row in `loc`, each in the first run of free slots from
// the top; returns how many went.
int placeInLocation(Editor& editor, int loc, std::string_view code, int limit) {
    const UnallocatedItem* row = editor.items().find(code);
    if (row == nullptr || row->slotsPerItem < 1 || !locationTakesItem(editor, code, loc)) {
        return 0;
    }
    const int size = row->slotsPerItem;
    int placed = 0;
    while (placed < limit && editor.items().count(code) > 0) {
        const int slot = firstFreeRun(editor.mech().critLocation(loc), 0, size);
        if (slot < 0) {
            break;
        }
        placeListItem(editor, loc, slot, code);
        ++placed;
    }
    return placed;
}

// Items of `size` slots that fit into the free runs of a list, placed from the top.
int itemsThatFit(const model::CritLocation& list, int size) {
    int fit = 0;
    int run = 0;
    for (int slot = 0; slot <= list.slotCount(); ++slot) {
        if (slot < list.slotCount() && !list.IsOccupied(slot)) {
            ++run;
        } else {
            fit += run / size;
            run = 0;
        }
    }
    return fit;
}

// True when none of the `count` slots from `slot` holds one of the identifiers.
bool runAvoids(const model::CritLocation& list, int slot, int count,
               const std::vector<std::string>& itemIDs) {
    for (int i = slot; i < slot + count; ++i) {
        if (std::find(itemIDs.begin(), itemIDs.end(), list.SlotItemId(i)) != itemIDs.end()) {
            return false;
        }
    }
    return true;
}

// A weapon whose first slot moved keeps its start slot in the weapon list.
void followMoves(Editor& editor, int loc, const std::vector<model::SlotMove>& moves) {
    model::Mech& mech = editor.mech();
    for (const model::SlotMove& move : moves) {
        const std::optional<std::int16_t> weaponIndex = weaponIndexOf(move.itemID);
        const model::WeaponEntry* weapon = weaponIndex ? liveWeapon(mech, *weaponIndex) : nullptr;
        if (weapon == nullptr || weapon->GetLoc(0) != loc || weapon->startCrit != move.fromSlot) {
            continue;
        }
        mech.TSetWeaponIdxGlobal(*weaponIndex);
        mech.currentWeapon().startCrit = static_cast<std::int16_t>(move.toSlot);
        mech.UpdateGlobalWeaponIdx(*weaponIndex);
    }
}

} // namespace

WeaponDrop DropWeapon(Editor& editor, int loc, int slot, std::int16_t weaponIndex) {
    WeaponDrop drop;
    editor.perform("DropWeapon", [&] {
        const model::WeaponEntry* weapon = liveWeapon(editor.mech(), weaponIndex);
        if (weapon == nullptr || weapon->LocCount() != 0 || !isDropTarget(editor, loc, slot)) {
            return Outcome::Refused;
        }
        if (const auto refusal = weaponMountRefusal(editor, loc, weapon->refID)) {
            editor.user().message(*refusal, kUnableToMountItem, app::MessageIcon::Critical);
            return Outcome::Refused;
        }
        const int need = weaponRunLength(editor, weapon->refID);
        if (roomFrom(editor.mech().critLocation(loc), slot, need) >= need) {
            placeWeapon(editor, loc, slot, weaponIndex);
            finishAllocation(editor);
            drop.result = DropResult::Placed;
            return Outcome::Accepted;
        }
        drop.spread = spreadRequest(editor, loc, slot, weaponIndex);
        if (!drop.spread) {
            drop.result = DropResult::NoRoom;
        } else if (drop.spread->secondaries.empty()) {
            drop.spread.reset();
            editor.user().message("There are no valid locations for this weapon to spread into.",
                                  "No room to spread", app::MessageIcon::Critical);
        } else {
            drop.result = DropResult::NeedsSpread;
        }
        return Outcome::Refused;
    });
    return drop;
}

bool DropWeapons(Editor& editor, int loc, int slot,
                 const std::vector<std::int16_t>& weaponIndexes) {
    return editor.perform("DropWeapons", [&] {
        for (const std::int16_t weaponIndex : weaponIndexes) {
            const model::WeaponEntry* weapon = liveWeapon(editor.mech(), weaponIndex);
            const catalog::WeaponRecord* record = weaponRecord(editor, weapon);
            if (record != nullptr && record->spreadable) {
                editor.user().message("You can not use multi-allocate to allocate weapons that "
                                      "can spread across critical locations.",
                                      "Unable to allocate items", app::MessageIcon::Critical);
                return Outcome::Refused;
            }
        }
        if (!isDropTarget(editor, loc, slot)) {
            return Outcome::Refused;
        }
        std::vector<std::string> placed;
        for (const std::int16_t weaponIndex : weaponIndexes) {
            const model::WeaponEntry* weapon = liveWeapon(editor.mech(), weaponIndex);
            if (weapon == nullptr || weapon->LocCount() != 0) {
                continue;
            }
            if (const auto refusal = weaponMountRefusal(editor, loc, weapon->refID)) {
                editor.user().message(*refusal, kUnableToMountItem, app::MessageIcon::Critical);
                return Outcome::Refused;
            }
            const int need = weaponRunLength(editor, weapon->refID);
            const model::CritLocation& list = editor.mech().critLocation(loc);
            for (int start = slot; start + need <= list.slotCount(); ++start) {
                if (roomFrom(list, start, need) >= need && runAvoids(list, start, need, placed)) {
                    placeWeapon(editor, loc, start, weaponIndex);
                    placed.push_back(std::to_string(weaponIndex));
                    break;
                }
            }
        }
        if (placed.empty()) {
            return Outcome::Refused;
        }
        finishAllocation(editor);
        return Outcome::Accepted;
    });
}

bool acceptsItemDrop(const Editor& editor, int loc, std::string_view code) {
    return loc >= 0 && loc < model::kSlotLocations && locationTakesItem(editor, code, loc);
}

bool DropItem(Editor& editor, int loc, int slot, std::string_view code) {
    return editor.perform("DropItem", [&] {
        const UnallocatedItem* row = editor.items().find(code);
        if (row == nullptr || row->slotsPerItem < 1 || !isDropTarget(editor, loc, slot) ||
            !locationTakesItem(editor, code, loc) ||
            roomFrom(editor.mech().critLocation(loc), slot, row->slotsPerItem) <
                row->slotsPerItem) {
            return Outcome::Refused;
        }
        placeListItem(editor, loc, slot, code);
        finishAllocation(editor);
        return Outcome::Accepted;
    });
}

void ShowControlKeyHint(Editor& editor) {
    editor.user().message(
        "To selected multiple weapons, please hold down the control key and select each one.",
        "Use control key", app::MessageIcon::Information);
}

std::string autoAllocateCaption(const UnallocatedItem& row) {
    return "Auto-Allocate " + row.name + " (" + std::to_string(row.count) + ")";
}

bool AutoAllocate(Editor& editor, std::string_view code) {
    return editor.perform("AutoAllocate", [&] {
        int placed = 0;
        for (int loc = 0; loc < model::kSlotLocations; ++loc) {
            placed += placeInLocation(editor, loc, code, editor.items().count(code));
        }
        if (placed == 0) {
            return Outcome::Refused;
        }
        finishAllocation(editor);
        return Outcome::Accepted;
    });
}

std::optional<MultiAllocateRequest> multiAllocateRequest(const Editor& editor,
                                                         std::string_view code) {
    const UnallocatedItem* row = editor.items().find(code);
    if (row == nullptr || row->slotsPerItem < 1) {
        return std::nullopt;
    }
    MultiAllocateRequest request;
    request.code = row->code;
    request.itemName = row->name;
    request.slotsPerItem = row->slotsPerItem;
    request.count = row->count;
    request.text = "Select the locations and the number of " + row->name +
                   " critical slots to allocate in those locations. Each item requires " +
                   std::to_string(row->slotsPerItem) + " slots. You have a total of " +
                   std::to_string(row->count) +
                   " items to allocate. The numbers in parentheses are the max number you can "
                   "allocate for each location.";
    const bool quad = editor.mech().mechType() == catalog::kQuad;
    for (int loc = 0; loc < model::kSlotLocations; ++loc) {
        if (locationTakesItem(editor, code, loc)) {
            const int fit = itemsThatFit(editor.mech().critLocation(loc), row->slotsPerItem);
            request.locations.push_back(MultiAllocateLocation{loc, catalog::locationName(loc, quad),
                                                              std::min(fit, row->count)});
        }
    }
    return request;
}

std::string multiAllocateTotal(const MultiAllocateRequest& request, int placed) {
    return std::to_string(placed) + " of " + std::to_string(request.count);
}

bool ApplyMultiAllocate(Editor& editor, const MultiAllocateRequest& request,
                        const std::vector<int>& counts) {
    return editor.perform("MultiAllocate", [&] {
        bool valid = counts.size() == request.locations.size();
        int total = 0;
        for (std::size_t i = 0; valid && i < counts.size(); ++i) {
            valid = counts[i] >= 0 && counts[i] <= request.locations[i].maximum;
            total += counts[i];
        }
        if (!valid || total > std::min(request.count, editor.items().count(request.code))) {
            editor.user().beep();
            return Outcome::Refused;
        }
        int placed = 0;
        for (std::size_t i = 0; i < counts.size(); ++i) {
            placed +=
                placeInLocation(editor, request.locations[i].location, request.code, counts[i]);
        }
        if (placed == 0) {
            return Outcome::Refused;
        }
        finishAllocation(editor);
        return Outcome::Accepted;
    });
}

bool ClearAllCrits(Editor& editor) {
    return editor.perform("ClearAllCrits", [&] {
        if (!editor.user().askYesNo("Are you sure you want to unallocate everything?",
                                    "Clear all crits?")) {
            return Outcome::Refused;
        }
        for (int loc = 0; loc < model::kSlotLocations; ++loc) {
            for (int slot = 0; slot < editor.mech().critLocation(loc).slotCount(); ++slot) {
                if (!editor.mech().critLocation(loc).IsLockedSlot(slot)) {
                    UnallocateSlot(editor, loc, slot);
                }
            }
        }
        finishAllocation(editor);
        return Outcome::Accepted;
    });
}

bool CompactCrits(Editor& editor) {
    return editor.perform("CompactCrits", [&] {
        model::Mech& mech = editor.mech();
        if (mech.mechType() == catalog::kOmniMech && mech.omniBaseLocked()) {
            editor.user().message("You can not compact crits on a locked OmniMech.",
                                  "Can not compact", app::MessageIcon::Information);
            return Outcome::Refused;
        }
        for (int loc = 0; loc < model::kSlotLocations; ++loc) {
            followMoves(editor, loc, mech.critLocation(loc).Compact());
        }
        finishAllocation(editor);
        return Outcome::Accepted;
    });
}

bool NormalizeCenterTorso(Editor& editor) {
    return editor.perform("NormalizeCenterTorso", [&] {
        model::Mech& mech = editor.mech();
        // The base chassis of a locked OmniMech fixes where its center torso items sit.
        if (mech.omniBaseLocked()) {
            return Outcome::Refused;
        }
        model::CritLocation& ct = mech.critLocation(catalog::kCenterTorso);
        std::vector<model::CriticalSlot> engine;
        std::vector<model::CriticalSlot> gyro;
        std::vector<model::CriticalSlot> systems;
        for (int slot = 0; slot < ct.slotCount(); ++slot) {
            const model::CriticalSlot entry = ct.slot(slot);
            const std::string code = ct.SlotBaseCode(slot);
            if (!entry.isActive || !entry.isLocked || code == catalog::cCASE) {
                continue;
            }
            (code == catalog::cEng ? engine
             : code == catalog::cG ? gyro
                                   : systems)
                .push_back(entry);
        }
        for (int slot = 0; slot < ct.slotCount(); ++slot) {
            if (ct.IsOccupied(slot) && !ct.IsLockedSlot(slot)) {
                UnallocateSlot(editor, catalog::kCenterTorso, slot);
            }
            ct.ClearSlot(slot);
        }
        std::vector<model::CriticalSlot> order;
        const std::size_t top = std::min<std::size_t>(engine.size(), 3);
        order.insert(order.end(), engine.begin(), engine.begin() + static_cast<long>(top));
        order.insert(order.end(), gyro.begin(), gyro.end());
        order.insert(order.end(), engine.begin() + static_cast<long>(top), engine.end());
        order.insert(order.end(), systems.begin(), systems.end());
        for (std::size_t i = 0; i < order.size() && static_cast<int>(i) < ct.slotCount(); ++i) {
            ct.SetSlot(order[i].text, static_cast<int>(i), order[i], order[i].itemID);
        }
        const int caseSetting = mech.GetCASE(catalog::kCenterTorso);
        const int last = ct.slotCount() - 1;
        if (caseSetting != catalog::kNoCase && last >= static_cast<int>(order.size())) {
            model::SlotFlags flags;
            flags.isActive = true;
            flags.isLocked = true;
            ct.SetSlot(caseSetting == catalog::kCaseII ? "CASE II" : "CASE", last, flags,
                       catalog::genItemIdentifier(catalog::cCASE, 1));
        }
        finishAllocation(editor);
        return Outcome::Accepted;
    });
}

bool UnallocateByDoubleClick(Editor& editor, int loc, int slot) {
    return editor.perform("UnallocateSlot", [&] {
        if (loc < 0 || loc >= model::kSlotLocations) {
            return Outcome::Refused;
        }
        const model::CritLocation& list = editor.mech().critLocation(loc);
        if (!list.IsOccupied(slot) || list.IsLockedSlot(slot)) {
            return Outcome::Refused;
        }
        UnallocateSlot(editor, loc, slot);
        finishAllocation(editor);
        return Outcome::Accepted;
    });
}

} // namespace fpw::editor
