#include "model/omnistorage.h"

#include <algorithm>
#include <utility>

namespace fpw::model {
namespace {

bool inRange(int i, int count) {
    return i >= 0 && i < count;
}

} // namespace

bool OmniWeaponStorage::Add(OmniWeapon weapon) {
    const bool taken = std::any_of(weapons_.begin(), weapons_.end(), [&](const OmniWeapon& w) {
        return w.weaponIndex == weapon.weaponIndex;
    });
    if (taken) {
        return false;
    }
    weapons_.push_back(std::move(weapon));
    return true;
}

const OmniWeapon* OmniWeaponStorage::GetWeapon(int position) const {
    if (!inRange(position - 1, WeaponCount())) {
        return nullptr;
    }
    return &weapons_[static_cast<std::size_t>(position - 1)];
}

const OmniWeapon* OmniWeaponStorage::GetWeapon(std::string_view key) const {
    for (const OmniWeapon& weapon : weapons_) {
        if (std::to_string(weapon.weaponIndex) == key) {
            return &weapon;
        }
    }
    return nullptr;
}

bool OmniCritLocationStorage::Add(CriticalLocation location) {
    if (!inRange(location.locationIndex(), kLocations)) {
        return false;
    }
    locations_[static_cast<std::size_t>(location.locationIndex())] = std::move(location);
    return true;
}

bool OmniCritLocationStorage::setLocation(int loc, std::vector<CriticalSlot> slots) {
    if (!inRange(loc, kLocations)) {
        return false;
    }
    CriticalLocation& location = locations_[static_cast<std::size_t>(loc)];
    location.setConfigName(configName_);
    location.setLocationIndex(static_cast<std::int16_t>(loc));
    location.setSlots(std::move(slots));
    return true;
}

const CriticalLocation& OmniCritLocationStorage::none() {
    static const CriticalLocation kNone{};
    return kNone;
}

bool OmniCritLocationStorage::TIsBaseItem(int loc, int slot) const {
    const CriticalSlot* stored = GetLoc(loc).GetSlot(slot);
    return stored != nullptr && stored->isLocked;
}

bool OmniCritLocationStorage::TIsBaseArmored(int loc, int slot) const {
    const CriticalSlot* stored = GetLoc(loc).GetSlot(slot);
    return stored != nullptr && stored->isBaseArmored;
}

bool OmniCASE::Add(int loc, std::int16_t value) {
    if (!inRange(loc, kLocations)) {
        return false;
    }
    values_[static_cast<std::size_t>(loc)] = value;
    return true;
}

bool OmniActuators::SetActuator(int right, int i, bool value) {
    if (!inRange(i, kActuators)) {
        return false;
    }
    (right != 0 ? right_ : left_)[static_cast<std::size_t>(i)] = value;
    return true;
}

bool OmniArmoredComponents::SetLocation(int loc, int slot, bool value) {
    if (!inRange(loc, kLocations) || !inRange(slot, GetLocationSize(loc) + 1)) {
        return false;
    }
    locations_[static_cast<std::size_t>(loc)][static_cast<std::size_t>(slot)] = value;
    return true;
}

bool OmniArmoredComponents::GetLocation(int loc, int slot) const {
    if (!inRange(loc, kLocations) || !inRange(slot, GetLocationSize(loc) + 1)) {
        return false;
    }
    return locations_[static_cast<std::size_t>(loc)][static_cast<std::size_t>(slot)];
}

void OmniArmoredComponents::SetLocationSize(int loc, int n) {
    if (!inRange(loc, kLocations)) {
        return;
    }
    locations_[static_cast<std::size_t>(loc)].assign(static_cast<std::size_t>(std::max(n + 1, 0)),
                                                     false);
}

int OmniArmoredComponents::GetLocationSize(int loc) const {
    if (!inRange(loc, kLocations)) {
        return -1;
    }
    return static_cast<int>(locations_[static_cast<std::size_t>(loc)].size()) - 1;
}

} // namespace fpw::model
