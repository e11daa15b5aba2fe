// The armour allocation controls: the current location and the balance option, and what the
// armour panel shows.
#pragma once

#include <array>
#include <string>

namespace fpw::editor {

// Armour locations: the eight slot locations and the three torso rears (8 to 10).
inline constexpr int kArmorLocations = 11;

struct ArmorControls {
    int location = 7; // the location the slider works on, 0 to 10
    bool balance = false;
    bool operator==(const ArmorControls&) const = default;
};

// One location's label: its points and the most it can take now (for a torso front or rear,
// the shared maximum less what the other side holds).
struct ArmorLocationView {
    int points = 0;
    int maximum = 0;
    bool operator==(const ArmorLocationView&) const = default;
};

// The armour panel as the window shows it.
struct ArmorPanel {
    std::array<ArmorLocationView, kArmorLocations> locations{};
    int location = 7; // the selected location
    int sliderMax = 0;
    int sliderValue = 0;
    std::string pointsText; // "N of M"
    int percent = 0;        // the bar: points as a whole percentage of the slider's maximum
    bool balance = false;
    bool operator==(const ArmorPanel&) const = default;
};

} // namespace fpw::editor
