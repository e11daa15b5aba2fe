#include "model/weaponentry.h"

namespace fpw::model {

void WeaponEntry::AddLoc(std::int16_t loc) {
    if (locations.empty() || (locations.size() == 1 && locations[0] == -1)) {
        locations.assign(1, loc);
    } else {
        locations.push_back(loc);
    }
}

std::int16_t WeaponEntry::GetLoc(int i) const {
    if (i < 0 || i >= static_cast<int>(locations.size())) {
        return -1;
    }
    return locations[static_cast<std::size_t>(i)];
}

int WeaponEntry::LocCount() const {
    if (locations.empty() || locations[0] == -1) {
        return 0;
    }
    return static_cast<int>(locations.size());
}

} // namespace fpw::model
