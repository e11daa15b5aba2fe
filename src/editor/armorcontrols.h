// The armour allocation controls: the current location and the balance option.
#pragma once

namespace fpw::editor {

struct ArmorControls {
    int location = 7; // the location the slider works on, 0 to 10
    bool balance = false;
    bool operator==(const ArmorControls&) const = default;
};

} // namespace fpw::editor
