#include "editor/rulesupport.h"

#include <algorithm>
#include <set>

#include "app/userinteraction.h"
#include "catalog/equipment.h"
#include "catalog/generalitems.h"
#include "editor/componentchoices.h"
#include "editor/components.h"
#include "editor/refresh.h"
#include "editor/slotops.h"
#include "model/critlocation.h"

namespace fpw::editor::rules {

bool change(Editor& editor, std::string_view procedure, const std::function<bool()>& has,
            bool offered, const std::function<Outcome()>& rule) {
    if (editor.loading() || has()) {
        return has();
    }
    return offered && editor.perform(procedure, rule) && has();
}

Outcome refuse(Editor& editor, std::string_view title, std::string_view text) {
    warn(editor, title, text);
    return Outcome::Refused;
}

void warn(Editor& editor, std::string_view title, std::string_view text) {
    editor.user().message(text, title, app::MessageIcon::Critical);
}

int slotForEntry(const model::CritLocation& list, bool fromBottom) {
    const int n = list.slotCount();
    auto at = [&](int i) { return fromBottom ? n - 1 - i : i; };
    for (int i = 0; i < n; ++i) {
        if (!list.IsOccupied(at(i))) {
            return at(i);
        }
    }
    for (int i = 0; i < n; ++i) {
        if (!list.IsLockedSlot(at(i))) {
            return at(i);
        }
    }
    return -1;
}

int firstFreeSlot(const model::CritLocation& list) {
    for (int i = 0; i < list.slotCount(); ++i) {
        if (!list.IsOccupied(i)) {
            return i;
        }
    }
    return -1;
}

int runForEntry(const model::CritLocation& list, int count) {
    if (count < 1) {
        return -1;
    }
    for (int start = 0; start + count <= list.slotCount(); ++start) {
        bool free = true;
        for (int i = start; i < start + count; ++i) {
            free = free && !list.IsOccupied(i);
        }
        if (free) {
            return start;
        }
    }
    for (int start = 0; start + count <= list.slotCount(); ++start) {
        if (roomFrom(list, start, count) >= count) {
            return start;
        }
    }
    return -1;
}

std::string placeFixedEntry(Editor& editor, int loc, int slot, std::string_view code,
                            std::string_view text) {
    return placeGeneralItem(editor, loc, slot, 1, code, text, true);
}

int removePlaced(Editor& editor, std::string_view code, bool lockedToo) {
    int removed = 0;
    for (model::CritLocation& list : editor.mech().critLocations()) {
        for (int slot = 0; slot < list.slotCount(); ++slot) {
            if (list.IsOccupied(slot) && list.SlotBaseCode(slot) == code &&
                (lockedToo || !list.IsLockedSlot(slot))) {
                list.RemoveItem(list.SlotItemId(slot));
                ++removed;
            }
        }
    }
    return removed;
}

int countPlaced(const Editor& editor, std::string_view code, bool lockedOnly) {
    int count = 0;
    for (const model::CritLocation& list : editor.mech().critLocations()) {
        std::set<std::string> seen;
        for (int slot = 0; slot < list.slotCount(); ++slot) {
            if (list.IsOccupied(slot) && list.SlotBaseCode(slot) == code &&
                (!lockedOnly || list.IsLockedSlot(slot)) &&
                seen.insert(list.SlotItemId(slot)).second) {
                ++count;
            }
        }
    }
    return count;
}

void addUnallocated(Editor& editor, std::string_view code, int count) {
    const model::Mech& mech = editor.mech();
    const catalog::DesignTypes types = mech.designTypes();
    editor.items().add(
        code, count, catalog::genItemText(code, types, editor.user()),
        catalog::genItemSlots(code, types, mech.mascSize(), mech.tcSize(), editor.user()));
}

bool offers(const ChoiceList& list, std::string_view name) {
    return list.enabled &&
           std::find(list.items.begin(), list.items.end(), name) != list.items.end();
}

bool allows(const Editor& editor, const OptionState& option, bool on) {
    return option.enabled || (!on && baseEditable(editor));
}

bool baseEditable(const Editor& editor) {
    return !editor.mech().omniBaseLocked();
}

Outcome finish(Editor& editor) {
    // A rule that makes room (a physical weapon growing with the tonnage, the supercharger)
    // may have unallocated a weapon on the way: the lists follow.
    RefreshSelectedWeapons(editor);
    UpdateAllTonnages(editor);
    return Outcome::Accepted;
}

void boundMovement(Editor& editor) {
    model::Mech& mech = editor.mech();
    const int walking = walkingBound(mech.engineType(), mech.tonnage());
    if (mech.walking() > walking) {
        mech.setWalking(static_cast<std::int16_t>(walking));
    }
    const int jumping =
        mech.jumpJetType() == catalog::jumpjet::kImproved ? mech.running() : mech.walking();
    if (mech.jumping() > jumping) {
        mech.setJumping(static_cast<std::int16_t>(jumping));
    }
    CheckJJs(editor);
    CheckCorrectHSCount(editor);
}

void syncItemCount(Editor& editor, std::string_view code, int needed) {
    const int have = countPlaced(editor, code) + editor.items().count(code);
    if (have < needed) {
        addUnallocated(editor, code, needed - have);
        return;
    }
    int surplus = have - needed;
    surplus -= editor.items().take(code, surplus);
    for (model::CritLocation& list : editor.mech().critLocations()) {
        for (int slot = 0; slot < list.slotCount() && surplus > 0; ++slot) {
            if (list.IsOccupied(slot) && !list.IsLockedSlot(slot) &&
                list.SlotBaseCode(slot) == code) {
                list.RemoveItem(list.SlotItemId(slot));
                --surplus;
            }
        }
    }
}

void resetItems(Editor& editor, std::string_view code, int needed) {
    removePlaced(editor, code, false);
    editor.items().remove(code);
    addUnallocated(editor, code, needed - countPlaced(editor, code, true));
}

void clearArmoredComponents(Editor& editor) {
    for (model::CritLocation& list : editor.mech().critLocations()) {
        for (int slot = 0; slot < list.slotCount(); ++slot) {
            if (list.IsArmoredSlot(slot)) {
                model::CriticalSlot entry = list.slot(slot);
                entry.isArmored = false;
                list.SetSlot(entry.text, slot, entry.flags(), entry.itemID);
            }
        }
    }
}

} // namespace fpw::editor::rules
