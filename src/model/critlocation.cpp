#include "model/critlocation.h"

#include <algorithm>

#include "catalog/generalitems.h"

namespace fpw::model {

namespace {

bool matchesCode(const CriticalSlot& slot, std::string_view code) {
    return !code.empty() && slot.isActive &&
           (slot.itemID == code || catalog::genItemBaseCode(slot.itemID) == code);
}

} // namespace

CritLocation::CritLocation(int location, int normalSlots)
    : location_(location), normalSlots_(std::max(0, normalSlots)) {
    slots_.reserve(static_cast<std::size_t>(normalSlots_));
    for (int i = 0; i < normalSlots_; ++i) {
        slots_.push_back(freeSlotAt(i));
    }
}

CritLocation::CritLocation(int location, int normalSlots, std::vector<CriticalSlot> slots)
    : slots_(std::move(slots)), location_(location), normalSlots_(std::max(0, normalSlots)) {}

CritLocation::CritLocation(const CritLocation& other)
    : slots_(other.slots_), location_(other.location_), normalSlots_(other.normalSlots_) {}

CritLocation::CritLocation(CritLocation&& other) noexcept
    : slots_(std::move(other.slots_)), location_(other.location_),
      normalSlots_(other.normalSlots_) {}

CritLocation& CritLocation::operator=(const CritLocation& other) {
    if (this != &other) {
        slots_ = other.slots_;
        location_ = other.location_;
        normalSlots_ = other.normalSlots_;
        highlighted_.clear();
        notify(SlotChange::Kind::Reset, 0, slotCount() - 1);
    }
    return *this;
}

CritLocation& CritLocation::operator=(CritLocation&& other) noexcept {
    if (this != &other) {
        slots_ = std::move(other.slots_);
        location_ = other.location_;
        normalSlots_ = other.normalSlots_;
        highlighted_.clear();
        notify(SlotChange::Kind::Reset, 0, slotCount() - 1);
    }
    return *this;
}

void CritLocation::notify(SlotChange::Kind kind, int first, int last) const {
    if (listener_) {
        listener_(SlotChange{kind, location_, first, last});
    }
}

CriticalSlot CritLocation::slot(int slot) const {
    return validSlot(slot) ? slots_[static_cast<std::size_t>(slot)] : freeSlotAt(slot);
}

bool CritLocation::SetSlot(std::string_view text, int slot, const SlotFlags& flags,
                           std::string_view identifier) {
    if (!validSlot(slot)) {
        return false;
    }
    CriticalSlot& target = slots_[static_cast<std::size_t>(slot)];
    target.flags() = flags;
    target.text.assign(text);
    target.itemID.assign(identifier);
    notify(SlotChange::Kind::Slots, slot, slot);
    return true;
}

bool CritLocation::ClearSlot(int slot) {
    return SetSlot(kRollAgain, slot, SlotFlags{}, "");
}

bool CritLocation::PlaceItem(std::string_view text, int slot, bool weapon,
                             std::string_view identifier) {
    SlotFlags flags;
    flags.isActive = true;
    flags.isWeapon = weapon;
    return SetSlot(text, slot, flags, identifier);
}

bool CritLocation::IsOccupied(int slot) const {
    return validSlot(slot) && slots_[slot].isActive;
}
bool CritLocation::IsLockedSlot(int slot) const {
    return validSlot(slot) && slots_[slot].isLocked;
}
bool CritLocation::IsWeaponSlot(int slot) const {
    return validSlot(slot) && slots_[slot].isWeapon;
}
bool CritLocation::IsSpreadSlot(int slot) const {
    return validSlot(slot) && slots_[slot].isSpread;
}
bool CritLocation::IsArmoredSlot(int slot) const {
    return validSlot(slot) && slots_[slot].isArmored;
}
bool CritLocation::IsRearSlot(int slot) const {
    return validSlot(slot) && slots_[slot].isRearMounted;
}
bool CritLocation::IsTurretSlot(int slot) const {
    return validSlot(slot) && slots_[slot].isTurretMounted;
}

std::string CritLocation::SlotItemId(int slot) const {
    return validSlot(slot) ? slots_[slot].itemID : std::string();
}

std::string CritLocation::SlotText(int slot) const {
    return validSlot(slot) ? slots_[slot].text : std::string();
}

std::string CritLocation::SlotBaseCode(int slot) const {
    return validSlot(slot) ? std::string(catalog::genItemBaseCode(slots_[slot].itemID))
                           : std::string();
}

bool CritLocation::HasItem(std::string_view code) const {
    return std::any_of(slots_.begin(), slots_.end(),
                       [&](const CriticalSlot& s) { return matchesCode(s, code); });
}

ItemRun CritLocation::FindItem(std::string_view code) const {
    ItemRun run;
    for (int i = 0; i < slotCount(); ++i) {
        if (matchesCode(slots_[i], code)) {
            run.firstSlot = i;
            const std::string& id = slots_[i].itemID;
            run.slotCount = static_cast<int>(
                std::count_if(slots_.begin(), slots_.end(),
                              [&](const CriticalSlot& s) { return s.isActive && s.itemID == id; }));
            break;
        }
    }
    return run;
}

int CritLocation::NextInstance(std::string_view code) const {
    for (int n = 1;; ++n) {
        const std::string candidate = std::string(code) + std::to_string(n);
        const bool used = std::any_of(slots_.begin(), slots_.end(),
                                      [&](const CriticalSlot& s) { return s.itemID == candidate; });
        if (!used) {
            return n;
        }
    }
}

int CritLocation::RemoveItem(std::string_view identifier) {
    if (identifier.empty()) {
        return 0;
    }
    int removed = 0, first = slotCount(), last = -1;
    for (int i = 0; i < slotCount(); ++i) {
        if (slots_[i].itemID == identifier) {
            slots_[i] = freeSlotAt(i);
            ++removed;
            first = std::min(first, i);
            last = i;
        }
    }
    if (removed > 0) {
        notify(SlotChange::Kind::Slots, first, last);
    }
    return removed;
}

int CritLocation::RemoveAllOf(std::string_view code) {
    if (code.empty()) {
        return 0;
    }
    int removed = 0, first = slotCount(), last = -1;
    for (int i = 0; i < slotCount(); ++i) {
        if (slots_[i].isActive && catalog::genItemBaseCode(slots_[i].itemID) == code) {
            slots_[i] = freeSlotAt(i);
            ++removed;
            first = std::min(first, i);
            last = i;
        }
    }
    if (removed > 0) {
        notify(SlotChange::Kind::Slots, first, last);
    }
    return removed;
}

std::vector<SlotMove> CritLocation::Compact() {
    // The unlocked items as runs of consecutive slots with one identifier, top to bottom.
    struct Group {
        int from = 0;
        std::vector<CriticalSlot> slots;
    };
    std::vector<Group> groups;
    std::vector<bool> taken(slots_.size(), false);
    for (int i = 0; i < slotCount(); ++i) {
        const CriticalSlot& s = slots_[i];
        if (s.isLocked) {
            taken[i] = true;
            continue;
        }
        if (!s.isActive) {
            continue;
        }
        if (!groups.empty() &&
            groups.back().from + static_cast<int>(groups.back().slots.size()) == i &&
            groups.back().slots.back().itemID == s.itemID) {
            groups.back().slots.push_back(s);
        } else {
            groups.push_back(Group{i, {s}});
        }
    }
    // First fit from the top, in the items' order. No item lands below where it was: the
    // items placed before it came from above it, so its own slots are still free.
    std::vector<CriticalSlot> result = slots_;
    for (int i = 0; i < slotCount(); ++i) {
        if (!result[i].isLocked) {
            result[i] = freeSlotAt(i);
        }
    }
    std::vector<SlotMove> moves;
    for (const Group& g : groups) {
        const int size = static_cast<int>(g.slots.size());
        int start = 0;
        for (; start + size <= slotCount(); ++start) {
            bool fits = true;
            for (int k = 0; k < size && fits; ++k) {
                fits = !taken[start + k];
            }
            if (fits) {
                break;
            }
        }
        if (start + size > slotCount()) {
            start = g.from; // cannot happen (see above); keep the item where it was
        }
        for (int k = 0; k < size; ++k) {
            result[start + k] = g.slots[k];
            result[start + k].index = static_cast<std::int16_t>(start + k);
            taken[start + k] = true;
        }
        if (start != g.from) {
            moves.push_back(SlotMove{g.slots.front().itemID, g.from, start});
        }
    }
    if (result != slots_) {
        slots_ = std::move(result);
        notify(SlotChange::Kind::Slots, 0, slotCount() - 1);
    }
    return moves;
}

bool CritLocation::DropLastSlot() {
    if (slots_.empty() || slots_.back().isActive) {
        return false;
    }
    slots_.pop_back();
    notify(SlotChange::Kind::Length, slotCount(), slotCount());
    return true;
}

bool CritLocation::AddSlot() {
    if (slotCount() >= normalSlots_) {
        return false;
    }
    slots_.push_back(freeSlotAt(slotCount()));
    notify(SlotChange::Kind::Length, slotCount() - 1, slotCount() - 1);
    return true;
}

int CritLocation::setFlag(bool SlotFlags::*flag, bool value, std::string_view identifier) {
    if (identifier.empty()) {
        return 0;
    }
    int changed = 0, first = slotCount(), last = -1;
    for (int i = 0; i < slotCount(); ++i) {
        CriticalSlot& s = slots_[i];
        if (s.isActive && s.itemID == identifier && s.*flag != value) {
            s.*flag = value;
            ++changed;
            first = std::min(first, i);
            last = i;
        }
    }
    if (changed > 0) {
        notify(SlotChange::Kind::Slots, first, last);
    }
    return changed;
}

int CritLocation::SetArmored(bool value, std::string_view identifier) {
    return setFlag(&SlotFlags::isArmored, value, identifier);
}

int CritLocation::SetRear(bool value, std::string_view identifier) {
    return setFlag(&SlotFlags::isRearMounted, value, identifier);
}

int CritLocation::SetTurret(bool value, std::string_view identifier) {
    return setFlag(&SlotFlags::isTurretMounted, value, identifier);
}

bool CritLocation::MarkSpread(int slot) {
    if (!IsOccupied(slot)) {
        return false;
    }
    if (!slots_[slot].isSpread) {
        slots_[slot].isSpread = true;
        notify(SlotChange::Kind::Slots, slot, slot);
    }
    return true;
}

void CritLocation::HighlightItem(std::string_view identifier) {
    if (highlighted_ != identifier) {
        highlighted_ = std::string(identifier);
        notify(SlotChange::Kind::Highlight, 0, slotCount() - 1);
    }
}

void CritLocation::Redraw(bool keepHighlight) {
    if (!keepHighlight) {
        highlighted_.clear();
    }
    notify(SlotChange::Kind::Redraw, 0, slotCount() - 1);
}

int CritLocation::FreeSlotCount() const {
    return static_cast<int>(std::count_if(slots_.begin(), slots_.end(),
                                          [](const CriticalSlot& s) { return !s.isActive; }));
}

} // namespace fpw::model
